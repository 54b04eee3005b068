// The log editor's Alt+Enter: the current cell's value (as typed into its open editor, or
// as the grid shows it) written into the same column of every selected line, the current
// one among them, as one undo step.
#include <QTableView>

#include "base/frontend.h"
#include "base/language.h"
#include "engine/contestlog.h"
#include "gui/cellediting.h"
#include "gui/commands.h"
#include "gui/commandstrings.h"
#include "gui/editor.h"
#include "gui/gridtext.h"
#include "gui/logmodel.h"
#include "gui/qtext.h"

namespace qz::gui {

void TQZEditor::FillSelectedLines() {
    const int row = CurrentRow();
    const int col = FGrid->currentIndex().column();
    if (!FContestLog || FReadOnlyMode || row < 0 || !GridColumnEditable(*FContestLog, col)) return;
    if (!FContestLog->QSOs(row)->Selected()) {
        ShowInfoMessage(LS(cmd::lsFillNeedsSelectedLine));
        return;
    }
    QString typed;
    const QModelIndex editing = FCells->ActiveEditorValue(typed);
    const bool typedHere = editing.isValid() && editing == FGrid->currentIndex();
    // A value typed into another cell goes into its own line first.
    if (!typedHere && !FCells->CommitActiveEditor()) return;
    const std::string text = typedHere ? ToCore(typed) : GridCellText(*FContestLog, col, row);
    FCells->HideAllInplaceEdits();
    const S_QSO_QTC carries = FContestLog->ColumnQSO_QTC(col);
    int first = -1, last = -1;
    std::vector<int> refused;
    FContestLog->History().SetGrouping(true);
    for (int i = 0; i < FContestLog->NoOfQSOs(); ++i) {
        const TQSO* line = FContestLog->QSOs(i);
        // Only the lines whose kind (QSO or QTC) has a value in this column.
        if (!line->Selected() || !carries.Contains(line->IsQTC() ? qqQTC : qqQSO)) continue;
        std::unique_ptr<TQSO> edited = FContestLog->NewQSO(false);
        edited->CopyFrom(line);
        if (!SetGridCellText(*FContestLog, col, *edited, text)) {
            refused.push_back(i + 1);
            continue;
        }
        if (edited->SameQSO(line)) continue;
        FContestLog->ChangeQSO(i, *edited);
        if (FContestLog->ColumnProperty(col) == cpCall) FContestLog->SetCallDependingStuff(i);
        if (first < 0) first = i;
        last = i;
    }
    FContestLog->History().SetGrouping(false);
    if (first >= 0) {
        FModel->RowsChanged(first, last);
        SetModified(true);
    }
    FillLineEntry();
    FGrid->setFocus();
    if (!refused.empty()) {
        std::string lines;
        for (int n : refused) lines += (lines.empty() ? "" : ", ") + std::to_string(n);
        ShowErrorMessage("\"" + text + "\" " + LS(ui::lsNotAccepted) + " " + GridColumnTitle(*FContestLog, col) + ": " +
                         LS(ui::lsLines) + " " + lines);
    }
}

}  // namespace qz::gui
