// The log editor's commands that ask for their values in a dialog of their own: header
// data, file information, search, range selection, time shift, sent numbers, sent
// QTCs, comment, the checks with options and the statistics.
#include <functional>
#include <utility>

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>

#include "base/frontend.h"
#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "engine/bulkedits.h"
#include "engine/checks.h"
#include "engine/contestlog.h"
#include "engine/sentqtcs.h"
#include "gui/cellediting.h"
#include "gui/checkdialogs.h"
#include "gui/commands.h"
#include "gui/commentdialog.h"
#include "gui/editor.h"
#include "gui/fileinfodialog.h"
#include "gui/gridtext.h"
#include "gui/headerdialog.h"
#include "gui/logmodel.h"
#include "gui/qsorangedialog.h"
#include "gui/qtext.h"
#include "gui/searchdialog.h"
#include "gui/sentnumberdialog.h"
#include "gui/sentqtcsdialog.h"
#include "gui/statisticsdialog.h"
#include "gui/timediffdialog.h"
#include "logfile/qzf.h"

namespace qz::gui {

namespace {

constexpr int lsUnknownContest = 89;
constexpr int lsOwnCallRejected = 93;
constexpr int lsNoSentColumn = 159;
constexpr int lsBadStartNumber = 160;
constexpr int lsFieldsWillDrop = 194;
constexpr int lsNoQSOsSelected = 211;
constexpr int lsTimesNotEdited = 212;
constexpr int lsNoMultipliers = 347;
constexpr int lsSpecialCountriesBox = 440;

// The grid columns of a property, in grid order.
std::vector<int> ColumnsOf(const TContestLog& log, TColumnProperty property) {
    std::vector<int> columns;
    for (int c = 0; c < log.NoOfColumns(); ++c)
        if (log.ColumnProperty(c) == property) columns.push_back(c);
    return columns;
}

QStringList Titles(const TContestLog& log, const std::vector<int>& columns) {
    QStringList titles;
    for (int c : columns) titles << FromCore(GridColumnTitle(log, c));
    return titles;
}

}  // namespace

// Header

bool TQZEditor::GetHeaderData() {
    THeaderDataForm dialog(this);
    dialog.FileHeader = NewFileHeader();
    if (dialog.exec() != QDialog::Accepted) return false;
    const TFileHeader& header = dialog.FileHeader;
    if (header.fhContest_Contest < cWWDXcw || header.fhContest_Contest > cWNA) {
        ShowErrorMessage(LS(lsUnknownContest) + " " + Trim(ContestNames[header.fhContest_Contest]));
        return false;
    }
    std::vector<std::string> messages;
    std::unique_ptr<TContestLog> log = CreateContestLog(header, &messages);
    if (!log) return false;  // the factory has shown why
    log->CreateAndAppendQSO(false);
    SetContestLog(std::move(log), messages, "", "");
    SetEditMode(emAppend);
    FCells->FocusCell(cpCall, -1, FContestLog->NoOfQSOs() - 1);
    SetModified(true);
    return true;
}

std::unique_ptr<TContestLog> TQZEditor::ReplaceLog(std::unique_ptr<TContestLog> log) {
    std::unique_ptr<TContestLog> previous;
    SwapLog([&] { previous = std::exchange(FContestLog, std::move(log)); });
    return previous;
}

void TQZEditor::SwapLog(const std::function<void()>& swap) {
    const int row = CurrentRow();
    FCells->HideAllInplaceEdits();
    FModel->SetLog(nullptr);
    swap();
    FContestLog->SetMessageLines(&FMessageLines);
    FContestLog->SetShowMessageBoxes(true);
    FModel->SetLog(FContestLog.get());
    FitColumns(Options.Editor_ColumnAutoWidth.oValue);
    BuildLineEntry();
    SetCurrentRow(row);
}

void TQZEditor::EditHeaderData() {
    if (!FContestLog || FReadOnlyMode || !FCells->CommitActiveEditor()) return;
    THeaderDataForm dialog(this, FContestLog->SharedCtyStuff());
    dialog.FileHeader = FContestLog->FileHeader();
    if (dialog.exec() != QDialog::Accepted) return;
    const TFileHeader& edited = dialog.FileHeader;
    const TFileHeader& old = FContestLog->FileHeader();
    if (edited.fhContest_Contest != old.fhContest_Contest || edited.fhContest_CtyFile != old.fhContest_CtyFile) {
        // Another contest or country file: a new log of that contest takes copies of
        // every line; the old log goes into the new one's undo history.
        const bool sameCty = edited.fhContest_CtyFile == old.fhContest_CtyFile;
        std::unique_ptr<TContestLog> log =
            CreateContestLog(edited, &FMessageLines, sameCty ? FContestLog->SharedCtyStuff() : nullptr);
        if (!log) return;  // the factory has shown why
        if ((log->NoOfSentNumbers() < FContestLog->NoOfSentNumbers() ||
             log->NoOfRcvdNumbers() < FContestLog->NoOfRcvdNumbers()) &&
            AskOkCancel(LS(lsFieldsWillDrop)) != TMsgAnswer::Ok)
            return;
        for (int i = 0; i < FContestLog->NoOfQSOs(); ++i) {
            std::unique_ptr<TQSO> copy = log->NewQSO(false);
            copy->CopyFrom(FContestLog->QSOs(i));
            if (!log->IsAQTCContest()) {
                SQSOFlags flags = copy->QSOFlags();
                flags.Exclude(qfSentQTC);
                flags.Exclude(qfRcvdQTC);
                copy->SetQSOFlags(flags);
            }
            log->AppendQSO(std::move(copy));
        }
        log->History().SetEnabled(true);
        std::unique_ptr<TContestLog> previous = ReplaceLog(std::move(log));
        FContestLog->RecordReplacing(std::move(previous));
    } else if (!FContestLog->ChangeFileHeader(edited)) {
        ShowErrorMessage(LS(lsOwnCallRejected) + " " + edited.fhUser_OwnCall);
        return;
    }
    // The compile belongs to the change (its sorting is an undo step of its own, undone
    // before the change).
    Compile();
    SetModified(true);
}

void TQZEditor::ShowFileInfo() {
    if (!FContestLog || FFileName.empty()) return;
    TFileInfoForm dialog(FFileName, FContestLog->FileHeader(), this);
    dialog.exec();
}

// Lines

void TQZEditor::Find(bool next) {
    if (!FContestLog) return;
    if (next) {
        FSearchOptions.soSearchFrom = sfCursor;
    } else {
        TSearchForm dialog(this);
        TSearchOptions preset = FSearchOptions;
        const int row = CurrentRow();
        preset.soFindWhat = row >= 0 ? Trim(GridCellText(*FContestLog, FGrid->currentIndex().column(), row)) : "";
        dialog.SetSearchOptions(preset);
        if (dialog.exec() != QDialog::Accepted) return;
        FSearchOptions = dialog.SearchOptions();
    }
    if (Trim(FSearchOptions.soFindWhat).empty()) return;
    const TSearchHit hit = SearchLog(*FContestLog, FSearchOptions, CurrentRow());
    if (!hit.Found()) {
        ShowInfoMessage(LS(ui::lsSearchNotFound));
        return;
    }
    SetCurrentRow(hit.line, hit.column);
}

void TQZEditor::SelectDefined(TQSOSelect select) {
    if (!FContestLog || !FCells->CommitActiveEditor()) return;
    QStringList bands, modes;
    for (int b = 0; b < kNoOfBands; ++b)
        if (FContestLog->BandIsAllowed(static_cast<TBand>(b))) bands << FromCore(Trim(BandNames[b]));
    for (int m = 0; m < kNoOfModes; ++m)
        if (FContestLog->ModeIsAllowed(static_cast<TMode>(m))) modes << FromCore(Trim(ModeNames[m]));
    TSetQSORangeForm dialog(select, FContestLog->NoOfQSOs(), bands, modes, this);
    if (dialog.exec() != QDialog::Accepted) return;
    SelectQSORange(*FContestLog, dialog.Range(), select == qsSelect);
    FModel->RowsChanged(0, FContestLog->NoOfQSOs() - 1);
    UpdateCommands();
}

void TQZEditor::SetTimeDiff() {
    if (!FContestLog || FReadOnlyMode || !FCells->CommitActiveEditor()) return;
    TTimeDiffForm dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!SetTimeDifference(*FContestLog, dialog.Days(), dialog.Hours(), dialog.Minutes())) return;
    FModel->RowsChanged(0, FContestLog->NoOfQSOs() - 1);
    FillLineEntry();
    SetModified(true);
}

void TQZEditor::SetSentNumber() {
    if (!FContestLog || FReadOnlyMode || !FCells->CommitActiveEditor()) return;
    const std::vector<int> columns = ColumnsOf(*FContestLog, cpSentNumber);
    if (columns.empty()) {
        ShowErrorMessage(LS(lsNoSentColumn));
        return;
    }
    TSetSentNumberForm dialog(Titles(*FContestLog, columns), FContestLog->QTCsAreSelected(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int index = FContestLog->ColumnArrayIndex(columns[static_cast<std::size_t>(dialog.NumberIndex())]);
    if (!SetSentNumbers(*FContestLog, dialog.Mode(), dialog.StartNumber(), index, dialog.IncludeQTCs())) {
        ShowErrorMessage(dialog.StartNumber() + " " + LS(lsBadStartNumber));
        return;
    }
    FModel->RowsChanged(0, FContestLog->NoOfQSOs() - 1);
    FillLineEntry();
    SetModified(true);
}

void TQZEditor::CopyAsSentQTCs() {
    if (!FContestLog || FReadOnlyMode || !FContestLog->IsAQTCContest() || !FCells->CommitActiveEditor()) return;
    if (NoOfSelectedQSOsForQTCs(*FContestLog) == 0) {
        ShowErrorMessage(LS(lsNoQSOsSelected));
        return;
    }
    if (!AllSelectedQSOTimesHasBeenEdited(*FContestLog) && AskOkCancel(LS(lsTimesNotEdited)) != TMsgAnswer::Ok) return;
    std::vector<TBand> bands;
    for (int b = 0; b < kNoOfBands; ++b)
        if (FContestLog->BandIsAllowed(static_cast<TBand>(b))) bands.push_back(static_cast<TBand>(b));
    TSentQTCsForm dialog(ProposeSentQTCGroup(*FContestLog), bands, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (AppendSentQTCs(*FContestLog, dialog.Group()) == 0) return;
    FModel->Rebuild();
    SetCurrentRow(FContestLog->NoOfQSOs() - 1);
    SetModified(true);
}

void TQZEditor::EditComment() {
    if (!FContestLog || FReadOnlyMode || !FCells->CommitActiveEditor()) return;
    const int row = CurrentRow();
    if (row < 0) return;
    TCommentForm dialog(FContestLog->QSOs(row)->Comment(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::vector<std::string> lines = dialog.Lines();
    if (lines == FContestLog->QSOs(row)->Comment()) return;
    FContestLog->PushUndo(ueaChangeQSO, row);
    FContestLog->QSOs(row)->SetComment(lines);
    FModel->RowsChanged(row, row);
    SetModified(true);
}

// Checks and statistics

void TQZEditor::CheckExchangedNumbers() {
    if (!FContestLog || FReadOnlyMode || !FCells->CommitActiveEditor()) return;
    const int numericSent = FContestLog->GetSentNumericNumberIndex();
    std::vector<int> sentColumns;
    for (int c : ColumnsOf(*FContestLog, cpSentNumber))
        if (FContestLog->ColumnArrayIndex(c) != numericSent) sentColumns.push_back(c);
    const std::vector<int> rcvdColumns = ColumnsOf(*FContestLog, cpRcvdNumber);
    SExchangedNumbersCheck possible;
    if (numericSent >= 0) possible.Include(encSentContinuously);
    if (!sentColumns.empty()) possible.Include(encSentConstant);
    if (!rcvdColumns.empty()) {
        possible.Include(encRcvdConstant);
        possible.Include(encRcvdContinuously);
    }
    const QString special = FContestLog->SpecialCountriesList().empty()
                                ? QString()
                                : FromCore(LS(lsSpecialCountriesBox) + " " + FContestLog->GetSpecialCountries());
    TCheckExchangedNumbersForm dialog(possible, Titles(*FContestLog, sentColumns), Titles(*FContestLog, rcvdColumns),
                                      special, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const SExchangedNumbersCheck checks = dialog.ExchangedNumbersCheck();
    if (checks.Empty()) return;
    const bool wasModified = FMemos[owMessages]->document()->isModified();
    const int rcvdIndex =
        rcvdColumns.empty()
            ? 0
            : FContestLog->ColumnArrayIndex(rcvdColumns[static_cast<std::size_t>(dialog.RcvdListIndex())]);
    if (checks.Contains(encSentConstant)) Check4NonConstantSentNumbers(*FContestLog, dialog.SentListIndex());
    if (checks.Contains(encSentContinuously)) Check4DiscontinuousSentNumbers(*FContestLog);
    if (checks.Contains(encRcvdConstant)) Check4NonConstantRcvdNumbers(*FContestLog, rcvdIndex, checks);
    if (checks.Contains(encRcvdContinuously)) Check4DiscontinuousRcvdNumbers(*FContestLog, rcvdIndex, checks);
    SyncMessages();
    FMemos[owMessages]->document()->setModified(wasModified);
    FTabs->setCurrentIndex(owMessages);
}

void TQZEditor::CheckExtensions() {
    if (!FContestLog || FReadOnlyMode || !FCells->CommitActiveEditor()) return;
    TExtensionCheckForm dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (Check4MissingExtensions(*FContestLog, dialog.ExtendAutomatically(), dialog.CallExtensionCheck())) {
        Compile();
        SetModified(true);
    }
    SyncMessages();
    FTabs->setCurrentIndex(owMessages);
}

void TQZEditor::ShowStatistics() {
    if (!FContestLog) return;
    if (FContestLog->NoOfMulties() == 0) {
        ShowErrorMessage(LS(lsNoMultipliers));
        return;
    }
    TStatisticsForm dialog(*FContestLog, this);
    dialog.exec();
}

}  // namespace qz::gui
