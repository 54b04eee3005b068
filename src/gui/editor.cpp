#include "gui/editor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTextBlock>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "engine/bulkedits.h"
#include "engine/checks.h"
#include "engine/clipboard.h"
#include "base/language.h"
#include "base/options.h"
#include "engine/contestlog.h"
#include "export/exporter.h"
#include "gui/adifconfigdialog.h"
#include "gui/cellediting.h"
#include "gui/chartstrings.h"
#include "gui/chartsview.h"
#include "gui/commands.h"
#include "gui/formatactions.h"
#include "gui/guifrontend.h"
#include "gui/linehint.h"
#include "gui/gridtext.h"
#include "gui/logmodel.h"
#include "gui/logsfolder.h"
#include "gui/mailcommands.h"
#include "gui/printing.h"
#include "gui/qtext.h"
#include "logfile/qzf.h"
#include "report/series.h"

namespace qz::gui {

namespace {

// Characters of padding around a fitted column's widest text.
constexpr int kColumnPadding = 14;
// Changes of more lines than this at once are followed by a fit of the whole grid.
constexpr int kMaxRowsWidenedAtOnce = 64;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    if (!text.empty()) text.pop_back();
    return text;
}

std::vector<std::string> SplitLines(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n')) lines.push_back(ToCore(line));
    return lines;
}

}  // namespace

TQZEditor::TQZEditor(QWidget* parent) : QWidget(parent), FModel(new TLogModel(this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    BuildWidgets();
    FCells = new TCellEditing(
        FGrid, FModel, [this] { return FContestLog.get(); }, [this] { SetModified(true); }, this);
    connect(FCells, &TCellEditing::LineChanged, this, &TQZEditor::ReevaluateFrom);
    connect(FCells, &TCellEditing::CallTyped, this, &TQZEditor::ShowCallForecast);
    BuildCommands();
    Retranslate();
    UpdateCommands();
}

TQZEditor::~TQZEditor() {
    FModel->SetLog(nullptr);
    if (FContestLog) {
        FContestLog->History().SetEnabled(false);
        FContestLog->SetMessageLines(nullptr);
    }
}

// Building

void TQZEditor::BuildWidgets() {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    FGrid = new QTableView;
    FGrid->setModel(FModel);
    FGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    FGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGrid->verticalHeader()->hide();
    FGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FGrid->verticalHeader()->setDefaultSectionSize(FGrid->fontMetrics().height() + 6);
    FGrid->horizontalHeader()->setHighlightSections(false);
    FGrid->setWordWrap(false);
    FGrid->setCornerButtonEnabled(false);
    connect(FGrid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { FillLineEntry(); });
    // A typed or appended line may hold a longer call or exchange than the column shows.
    connect(FModel, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& first, const QModelIndex& last) {
        WidenColumnsForRows(first.row(), last.row());
    });
    connect(FModel, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { WidenColumnsForRows(first, last); });
    // A click into the mark column toggles the line's selection.
    connect(FGrid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!FContestLog || FContestLog->ColumnProperty(index.column()) != cpMark) return;
        TQSO* q = FContestLog->QSOs(index.row());
        if (q == nullptr) return;
        q->SetSelected(!q->Selected());
        FModel->RowsChanged(index.row(), index.row());
        UpdateCommands();
    });

    FLineBar = new QWidget;
    new QGridLayout(FLineBar);
    FLineBar->layout()->setContentsMargins(2, 2, 2, 2);
    FLineLabel = new QLabel(FLineBar);
    FApplyButton = new QPushButton(FLineBar);
    FLineHint = new QLabel(FLineBar);
    FLineHint->setObjectName("lbLineHint");
    connect(FApplyButton, &QPushButton::clicked, this, [this] { ApplyLineEntry(); });

    QWidget* upper = new QWidget;
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(0);
    upperLayout->addWidget(FGrid, 1);
    upperLayout->addWidget(FLineBar);

    QWidget* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* checkRow = new QHBoxLayout;
    FTabs = new QTabWidget;
    for (int w = owMessages; w < kNoOfShownOutputWindows; ++w) {
        auto* memo = new QPlainTextEdit;
        memo->setFont(fixed);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setReadOnly(true);
        FMemos[w] = memo;
        FTabs->addTab(memo, QString());
        if (w == owMessages) continue;
        auto* box = new QCheckBox;
        FChecks[w] = box;
        checkRow->addWidget(box);
        connect(box, &QCheckBox::clicked, this,
                [this, w](bool checked) { SetOutputWindowChecked(static_cast<TOutputWindow>(w), checked); });
    }
    // A double click on "QSO #n: ..." in the messages goes to line n.
    FMemos[owMessages]->viewport()->installEventFilter(this);
    FCharts = new TChartsView;
    FTabs->addTab(FCharts, QString());
    connect(FTabs, &QTabWidget::currentChanged, this, [this] {
        if (FChartsStale) RefreshCharts();
    });
    connect(FCharts, &TChartsView::PrintRequested, this, [this] { Print(false); });
    connect(FCharts, &TChartsView::SaveRequested, this,
            [this](bool svg) { FCharts->SaveWithDialog(ChartsFileProposal(), svg); });
    checkRow->addStretch(1);
    lowerLayout->addLayout(checkRow);
    lowerLayout->addWidget(FTabs, 1);

    FSplitter = new QSplitter(Qt::Vertical);
    FSplitter->addWidget(upper);
    FSplitter->addWidget(lower);
    FSplitter->setStretchFactor(0, 3);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setSizes({520, 330});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSplitter);
    UpdateTabVisibility();
}

void TQZEditor::BuildCommands() {
    auto add = [this](const char* name, auto slot, bool commitFirst = true) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        const TCommand* c = FindCommand(name);
        action->setCheckable(c != nullptr && c->checkable);
        // A value typed into a cell goes into its line before any command acts on the
        // lines (a command that moved lines would otherwise have it written elsewhere).
        connect(action, &QAction::triggered, this, [this, slot, commitFirst] {
            if (!commitFirst || FCells->CommitActiveEditor()) slot();
        });
        FActions.insert(name, action);
    };
    add("acFileSave", [this] { Save(); });
    add("acFileSaveAs", [this] { SaveAs(); });
    add("acFileClose", [this] {
        if (parentWidget() != nullptr) parentWidget()->close();
        else close();
    });
    add("acOutputPrint", [this] { Print(false); });
    add("acOutputPrintPreview", [this] { Print(true); });
    add("acEditUndo", [this] { Undo(); });
    add("acEditRedo", [this] { Redo(); });
    add("acEditCopy", [this] { CopyLines(); });
    add("acEditPaste", [this] { PasteLines(); });
    add("acEditAppendQSO", [this] { AppendLine(); });
    add("StandardEditMode", [this] { SetEditMode(emEdit); });
    add("FastAppendMode", [this] { SetEditMode(emAppend); });
    add("acEditAppendMode", [this] { SetEditMode(EditMode() == emAppend ? emEdit : emAppend); });
    add("acEditMoveUp", [this] { MoveLine(-1); });
    add("acEditMoveDown", [this] { MoveLine(1); });
    add("acEditComment", [this] { EditComment(); });
    add("acEditFind", [this] { Find(false); });
    add("acEditFindNext", [this] { Find(true); });
    add("acFileInfo", [this] { ShowFileInfo(); });
    add("acEditHeaderData", [this] { EditHeaderData(); });
    add("acEditMarkDefined", [this] { SelectDefined(qsSelect); });
    add("acEditUnselectDefined", [this] { SelectDefined(qsUnselect); });
    add("acEditSetTimeDiff", [this] { SetTimeDiff(); });
    add("acEditSetSentNumber", [this] { SetSentNumber(); });
    add("acEditCopyAsSentQTCs", [this] { CopyAsSentQTCs(); });
    // The value typed into the cell goes into its line with the fill, as one step.
    add(
        "acAltEnter", [this] { FillSelectedLines(); }, false);
    add("Statistics1", [this] { ShowStatistics(); });
    add("acEditCompile", [this] { Compile(); });
    add("acUpdateView", [this] {
        FModel->Rebuild();
        FitColumns(Options.Editor_ColumnAutoWidth.oValue);
    });
    add("acSwapReadOnly", [this] {
        SetReadOnlyMode(!FReadOnlyMode);
        SetModified(true);
    });
    add("acClearAllFlags", [this] { ClearAllFlags(); });
    add("acEditMarkAll", [this] { SelectAll(true); });
    add("acEditUnselectAll", [this] { SelectAll(false); });
    add("acEditMarkActual", [this] { SelectCurrent(true); });
    add("acEditUnselectActual", [this] { SelectCurrent(false); });
    add("acEditDeleteQSOs", [this] { DeleteSelected(); });
    add("acEditSetQSOAsBad", [this] { SetSelectedBad(true); });
    add("acEditSetQSOAsGood", [this] { SetSelectedBad(false); });
    add("acToolsCheckExchangedNumbers", [this] { CheckExchangedNumbers(); });
    add("acToolsCheck4Extensions", [this] { CheckExtensions(); });
    add("acToolsCheckMemberNumbers", [this] { CheckMemberNumbers(); });
    add("acCheckQSY", [this] { CheckQSY(); });
    add("tbEditEnable", [this] { SetOutputEditMode(!FOutputAreaEditMode); });
    add("acSaveOutputFileAs", [this] { SaveOutputWindowAs(); });
    add("acExportResult", [this] { ExportWindow(owResult); });
    add("acExportComments", [this] { ExportWindow(owComments); });
    add("acExportSTF", [this] { ExportWindow(owSTF); });
    add("acExportCabrillo", [this] { ExportWindow(owCabrillo); });
    add("acExportADIF", [this] { ExportWindow(owADIF); });
    add("acExportRES", [this] { ExportWindow(owRES); });
    add("acExportSwisslog", [this] { ExportWindow(owSwisslog); });
    add("acExportdBase", [this] {
        if (FContestLog) ExportDBaseFile(this, *FContestLog);
    });
    add("acExportADIFConfig", [this] {
        if (FContestLog && ShowADIFConfigDialog(this, *FContestLog)) RefreshOutputWindows(SOutputWindow{owADIF});
    });
    add("acFinalize", [this] { FinalizeLog(*this); });
    add("acOutputSendEMail", [this] { SendLogCommand(*this, {}); });
}

void TQZEditor::BuildLineEntry() {
    auto* grid = static_cast<QGridLayout*>(FLineBar->layout());
    while (QLayoutItem* item = grid->takeAt(0)) {
        if (item->widget() != FLineLabel && item->widget() != FApplyButton && item->widget() != FLineHint)
            delete item->widget();
        delete item;
    }
    FLineEdits.clear();
    if (!FContestLog) return;
    grid->addWidget(FLineLabel, 1, 0);
    int gridCol = 1;
    for (int c = 0; c < FContestLog->NoOfColumns(); ++c) {
        if (!GridColumnEditable(*FContestLog, c)) {
            FLineEdits.push_back(nullptr);
            continue;
        }
        auto* title = new QLabel(FromCore(GridColumnTitle(*FContestLog, c)));
        auto* edit = new QLineEdit;
        edit->setToolTip(title->text());
        const QString sample = FromCore(GridColumnSampleText(FContestLog->ColumnProperty(c)));
        if (!sample.isEmpty()) edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(sample + "00"));
        connect(edit, &QLineEdit::returnPressed, this, [this] { ApplyLineEntry(); });
        if (FContestLog->ColumnProperty(c) == cpCall)
            connect(edit, &QLineEdit::textEdited, this,
                    [this](const QString& text) { ShowCallForecast(CurrentRow(), text); });
        grid->addWidget(title, 0, gridCol);
        grid->addWidget(edit, 1, gridCol);
        grid->setColumnStretch(gridCol, FContestLog->ColumnProperty(c) == cpCall ? 3 : 2);
        ++gridCol;
        FLineEdits.push_back(edit);
    }
    grid->addWidget(FApplyButton, 1, gridCol);
    grid->addWidget(FLineHint, 1, gridCol + 1);
    FillLineEntry();
}

// Language

void TQZEditor::Retranslate() {
    for (auto it = FActions.begin(); it != FActions.end(); ++it) {
        const TCommand* c = FindCommand(it.key().toLatin1().constData());
        if (c == nullptr) continue;
        it.value()->setText(LSCaption(c->caption));
        it.value()->setToolTip(LSHint(c->caption).isEmpty() ? LSCaption(c->caption).remove('&') : LSHint(c->caption));
    }
    for (int w = owMessages; w < kNoOfShownOutputWindows; ++w) {
        FTabs->setTabText(w, LSCaption(ui::lsTabFirst + w));
        if (FChecks[w] != nullptr) {
            FChecks[w]->setText(LSCaption(ui::lsTabFirst + w));
            FChecks[w]->setToolTip(LSCaption(ui::lsShowOutputWindow));
        }
    }
    FTabs->setTabText(FTabs->indexOf(FCharts), LSCaption(ui::lsChartsTab));
    FTabs->setTabToolTip(FTabs->indexOf(FCharts), LSHint(ui::lsChartsTab));
    FCharts->Retranslate();
    FLineLabel->setText(LSCaption(ui::lsLineEntry));
    FLineLabel->setToolTip(LSHint(ui::lsLineEntry));
    FApplyButton->setText(LSCaption(ui::lsApply));
    if (FContestLog) {
        // Column titles come from the language file when the columns are built; the
        // widths follow the new titles.
        const int row = CurrentRow();
        const int column = FGrid->currentIndex().column();
        FContestLog->SetColumns();
        FModel->Rebuild();
        FitColumns(Options.Editor_ColumnAutoWidth.oValue);
        BuildLineEntry();
        SetCurrentRow(row, column);
    }
    setWindowTitle(Title());
}

QString TQZEditor::Title() const {
    if (!FFileName.empty()) return FromPath(FFileName);
    if (!FProposedName.empty()) return FromPath(FProposedName);
    return LSCaption(ui::lsUntitled);
}

// Taking a log

bool TQZEditor::LoadQZLog(const std::string& fileName) {
    const TFileType type = NativeFileTypeOfFile(fileName);
    if (type != ftQZ4) {
        // Legacy logs are converted by OpenLog in the main window; here only native ones.
        ShowErrorMessage(ToCore(FromPath(fileName)) + " " + LS(26));
        return false;
    }
    std::vector<std::string> messages;
    TQZF qzf;
    qzf.Messages = &messages;
    std::unique_ptr<TContestLog> log = qzf.ReadLog(fileName);
    if (!log) {
        ShowErrorMessage(ToCore(MessageWithPath(qzf.LastError(), fileName)));
        return false;
    }
    ShowLinesLeftOut(fileName, qzf.Dropped);
    SetContestLog(std::move(log), messages, fileName, "");
    emit FileUsed(FromPath(fileName));
    return true;
}

void TQZEditor::SetContestLog(std::unique_ptr<TContestLog> log, const std::vector<std::string>& messages,
                              const std::string& fileName, const std::string& proposedName) {
    FModel->SetLog(nullptr);
    FContestLog = std::move(log);
    FFileName = fileName;
    FProposedName = proposedName;
    FMessageLines = messages;
    FContestLog->SetMessageLines(&FMessageLines);
    FContestLog->SetShowMessageBoxes(true);
    for (int i = 0; i < FContestLog->NoOfQSOs(); ++i) FContestLog->QSOs(i)->SetSelected(false);
    AfterLogTaken();
}

void TQZEditor::AfterLogTaken() {
    FContestLog->Compile(CompileSettingsFromOptions(Options));
    FContestLog->History().SetEnabled(true);
    FModel->SetLog(FContestLog.get());
    FitColumns(Options.Editor_ColumnAutoWidth.oValue);
    BuildLineEntry();
    for (TOutputWindow w : kCheckOrder) {
        FChecks[w]->setChecked(false);
        FMemos[w]->clear();
    }
    const SOutputWindow toCheck = OutputWindowsToCheck(FContestLog->FileHeader());
    for (TOutputWindow w : kCheckOrder)
        if (toCheck.Contains(w)) SetOutputWindowChecked(w, true);
    for (auto* memo : FMemos) memo->document()->setModified(false);
    SyncMessages();
    SetCurrentRow(0);
    SetReadOnlyMode(FContestLog->FileHeader().fhQZ_ReadOnly);
    SetEditMode(emEdit);
    FTabs->setCurrentIndex(owMessages);
    SetModified(false);
    RefreshCharts();
}

// Grid

std::vector<int> TQZEditor::ColumnWidths() const {
    std::vector<int> widths;
    for (int c = 0; c < FModel->columnCount(); ++c) widths.push_back(FGrid->columnWidth(c));
    return widths;
}

int TQZEditor::ColumnTextWidth(int col, int firstRow, int lastRow) const {
    const QFontMetrics metrics(FGrid->font());
    // The longest text stands for the widest: measuring every cell would cost more.
    std::string longest = GridColumnSampleText(FContestLog->ColumnProperty(col));
    for (int r = firstRow; r <= lastRow; ++r) {
        std::string text = GridCellText(*FContestLog, col, r);
        if (text.size() > longest.size()) longest = std::move(text);
    }
    return longest.empty() ? 0 : metrics.horizontalAdvance(FromCore(longest) + "0") + kColumnPadding;
}

void TQZEditor::FitColumns(bool toContents) {
    if (!FContestLog) return;
    const QFontMetrics metrics(FGrid->font());
    const QFontMetrics headerMetrics(FGrid->horizontalHeader()->font());
    for (int c = 0; c < FContestLog->NoOfColumns(); ++c) {
        int width = GridColumnWidth(*FContestLog, c);
        if (toContents) {
            // The widest text of the column and its title; measured over every line so
            // that no call is cut, which costs one pass over the log.
            int widest = headerMetrics.horizontalAdvance(FromCore(GridColumnTitle(*FContestLog, c)));
            if (FContestLog->ColumnProperty(c) == cpMark) widest = std::max(widest, metrics.horizontalAdvance("MM"));
            width = std::max(widest + kColumnPadding, ColumnTextWidth(c, 0, FContestLog->NoOfQSOs() - 1));
        } else {
            width = std::max(width, ColumnTextWidth(c, 0, -1));
        }
        FGrid->setColumnWidth(c, width);
    }
}

void TQZEditor::WidenColumnsForRows(int firstRow, int lastRow) {
    // Whole-log changes (compile, sort) come with a rebuild that fits the columns.
    if (!FContestLog || lastRow - firstRow >= kMaxRowsWidenedAtOnce) return;
    lastRow = std::min(lastRow, FContestLog->NoOfQSOs() - 1);
    for (int c = 0; c < FContestLog->NoOfColumns(); ++c) {
        const int width = ColumnTextWidth(c, firstRow, lastRow);
        if (width > FGrid->columnWidth(c)) FGrid->setColumnWidth(c, width);
    }
}

void TQZEditor::FitColumnsNow() { FitColumns(true); }

std::unique_ptr<TContestLog> TQZEditor::CreateSelectedContestLog() const {
    if (!FContestLog) return nullptr;
    std::unique_ptr<TContestLog> log =
        CreateContestLog(FContestLog->FileHeader(), nullptr, FContestLog->SharedCtyStuff());
    if (!log) return nullptr;
    for (int i = 0; i < FContestLog->NoOfQSOs(); ++i) {
        const TQSO* source = FContestLog->QSOs(i);
        if (!source->Selected()) continue;
        std::unique_ptr<TQSO> copy = log->NewQSO(false);
        copy->CopyFrom(source);  // without multipliers, points and selection
        log->AppendQSO(std::move(copy));
    }
    return log;
}

int TQZEditor::CurrentRow() const {
    const QModelIndex current = FGrid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TQZEditor::SetCurrentRow(int row, int column) {
    if (!FContestLog || FContestLog->NoOfQSOs() == 0) {
        FillLineEntry();
        return;
    }
    row = std::clamp(row, 0, FContestLog->NoOfQSOs() - 1);
    if (column < 0) column = FContestLog->GetColumnNumberFromProperty(cpCall, -1, FContestLog->NoOfColumns());
    column = std::clamp(column, 0, std::max(0, FContestLog->NoOfColumns() - 1));
    FGrid->setCurrentIndex(FModel->index(row, column));
    FGrid->scrollTo(FModel->index(row, column));
    FillLineEntry();
}

QLineEdit* TQZEditor::LineEntryField(int column) const {
    return column >= 0 && column < static_cast<int>(FLineEdits.size()) ? FLineEdits[column] : nullptr;
}

void TQZEditor::FillLineEntry() {
    const int row = CurrentRow();
    for (int c = 0; c < static_cast<int>(FLineEdits.size()); ++c) {
        if (FLineEdits[c] == nullptr) continue;
        FLineEdits[c]->setText(row >= 0 ? FromCore(GridCellText(*FContestLog, c, row)) : QString());
        FLineEdits[c]->setEnabled(row >= 0 && !FReadOnlyMode);
    }
    FApplyButton->setEnabled(row >= 0 && !FReadOnlyMode);
    const TQSO* q = row >= 0 ? FContestLog->QSOs(row) : nullptr;
    ShowCallForecast(row, q != nullptr ? FromCore(q->Call().Call()) : QString());
}

void TQZEditor::ShowCallForecast(int row, const QString& call) {
    FLineHint->setText(FContestLog ? CallForecastText(*FContestLog, row, call) : QString());
}

void TQZEditor::ReevaluateFrom(int row) {
    if (!FContestLog) return;
    // The fresh line of fast append is no QSO yet: it is left out, as a compile leaves it
    // out, so it shows no marks and brings no messages until its call is written.
    const int last = FContestLog->NoOfQSOs() - 1;
    std::unique_ptr<TQSO> freshLine;
    if (EditMode() == emAppend && last > 0 && LastLineIsFresh()) freshLine = FContestLog->TakeQSO(last);
    std::vector<std::string> fresh;
    FContestLog->SetMessageLines(&fresh);
    const int first = FContestLog->RecompileFrom(row);
    FContestLog->SetMessageLines(&FMessageLines);
    if (freshLine) FContestLog->InsertQSO(last, std::move(freshLine));
    if (ReplaceLineMessages(FMessageLines, first, fresh, FContestLog->CompileDoneMessage())) SyncMessages();
    FModel->RowsChanged(first, FModel->rowCount() - 1);
    // The result overview follows the lines (the other windows wait for a compile).
    if (!FMemos[owResult]->document()->isModified())
        qz::RefreshOutputWindows(
            *FContestLog, SOutputWindow{owResult}, CheckedWindows(),
            [this](TOutputWindow w, std::vector<std::string>& lines) { FillOutputWindow(w, lines); });
    RefreshCharts();
    const int current = CurrentRow();
    const TQSO* q = current >= 0 ? FContestLog->QSOs(current) : nullptr;
    if (FCells->ActiveEditor() == nullptr && q != nullptr) ShowCallForecast(current, FromCore(q->Call().Call()));
}

bool TQZEditor::ApplyLineEntry() {
    const int row = CurrentRow();
    if (!FContestLog || FReadOnlyMode || row < 0) return false;
    const TQSO* current = FContestLog->QSOs(row);
    std::unique_ptr<TQSO> edited = FContestLog->NewQSO(false);
    edited->CopyFrom(current);
    bool changed = false;
    bool callChanged = false;
    for (int c = 0; c < static_cast<int>(FLineEdits.size()); ++c) {
        if (FLineEdits[c] == nullptr) continue;
        const std::string text = ToCore(FLineEdits[c]->text());
        if (text == GridCellText(*FContestLog, c, row)) continue;
        if (!SetGridCellText(*FContestLog, c, *edited, text)) {
            ShowErrorMessage("\"" + text + "\" " + LS(ui::lsNotAccepted) + " " + GridColumnTitle(*FContestLog, c));
            FLineEdits[c]->setFocus();
            FLineEdits[c]->selectAll();
            return false;
        }
        changed = true;
        callChanged = callChanged || FContestLog->ColumnProperty(c) == cpCall;
    }
    if (!changed) return true;
    FContestLog->ChangeQSO(row, *edited);
    if (callChanged) FContestLog->SetCallDependingStuff(row);
    ReevaluateFrom(row);
    FillLineEntry();
    SetModified(true);
    return true;
}

// State

void TQZEditor::SetModified(bool on) {
    FModified = on;
    setWindowTitle(Title());
    setWindowModified(on);
    UpdateCommands();
    emit StateChanged();
}

TEditMode TQZEditor::EditMode() const { return FCells->EditMode(); }

void TQZEditor::SetEditMode(TEditMode mode) {
    const bool switchedOn = mode == emAppend && EditMode() != emAppend;
    FCells->SetEditMode(mode);
    // Fast append types into a fresh line at the end, never over a line of the log.
    if (switchedOn && EditMode() == emAppend) GoToFreshLine();
    UpdateCommands();
    emit StateChanged();
}

bool TQZEditor::LastLineIsFresh() const {
    const TQSO* last = FContestLog ? FContestLog->QSOs(FContestLog->NoOfQSOs() - 1) : nullptr;
    return last != nullptr && last->Call().Call().empty();
}

void TQZEditor::GoToFreshLine() {
    if (!FContestLog || FReadOnlyMode) return;
    if (LastLineIsFresh()) {
        FCells->FocusCell(cpCall, -1, FContestLog->NoOfQSOs() - 1);
        return;
    }
    FCells->AppendQSO();
}

void TQZEditor::SetReadOnlyMode(bool on) {
    FReadOnlyMode = on;
    FCells->SetReadOnly(on);
    if (FContestLog) FContestLog->Bookkeeping().fhQZ_ReadOnly = on;
    FModel->SetReadOnly(on);
    FillLineEntry();
    UpdateCommands();
    emit StateChanged();
}

void TQZEditor::UpdateCommands() {
    const bool log = FContestLog != nullptr;
    const bool writable = log && !FReadOnlyMode;
    const bool selected = log && FContestLog->NoOfSelectedQSOs() > 0;
    auto enable = [this](const char* name, bool on) {
        if (QAction* a = FActions.value(name)) a->setEnabled(on);
    };
    for (const char* name : {"acFileSave", "acEditAppendQSO", "acEditDeleteQSOs", "acEditSetQSOAsBad",
                             "acEditSetQSOAsGood", "acEditCopy", "acEditPaste", "acEditMoveUp", "acEditMoveDown",
                             "acEditComment", "acClearAllFlags", "acToolsCheckExchangedNumbers", "acCheckQSY"})
        enable(name, writable);
    enable("acEditUndo", writable && FContestLog->History().CanUndo());
    enable("acEditRedo", writable && FContestLog->History().CanRedo());
    for (const char* name : {"acEditHeaderData", "acEditSetTimeDiff", "acEditSetSentNumber"}) enable(name, writable);
    enable("acEditCopyAsSentQTCs", writable && FContestLog->IsAQTCContest());
    enable("acAltEnter", writable && selected);
    enable("acFileInfo", log && !FFileName.empty());
    for (const char* name : {"acEditMarkDefined", "acEditUnselectDefined", "Statistics1"}) enable(name, log);
    enable("acToolsCheck4Extensions", writable && FContestLog->IsAnExtensionRelevantContest());
    enable("acToolsCheckMemberNumbers", writable && FContestLog->IsAMemberNumberContest());
    for (const char* name : {"acEditDeleteQSOs", "acEditSetQSOAsBad", "acEditSetQSOAsGood"})
        if (!selected) enable(name, false);
    for (const char* name :
         {"acFileSaveAs",         "acEditCompile",        "acEditMarkAll",    "acEditUnselectAll", "acEditMarkActual",
          "acEditUnselectActual", "acEditFind",           "acEditFindNext",   "acUpdateView",      "acSwapReadOnly",
          "acSaveOutputFileAs",   "acExportResult",       "acExportComments", "acExportSTF",       "acExportCabrillo",
          "acExportADIF",         "acExportRES",          "acExportSwisslog", "acExportdBase",     "acExportADIFConfig",
          "acOutputPrint",        "acOutputPrintPreview", "tbEditEnable",     "acFinalize",        "acOutputSendEMail"})
        enable(name, log);
    enable("acFileClose", true);
    FActions.value("acSwapReadOnly")->setChecked(FReadOnlyMode);
    enable("StandardEditMode", log);
    enable("FastAppendMode", writable);
    enable("acEditAppendMode", writable);
    FActions.value("StandardEditMode")->setChecked(EditMode() == emEdit);
    FActions.value("FastAppendMode")->setChecked(EditMode() == emAppend);
    FActions.value("acEditAppendMode")->setChecked(EditMode() == emAppend);
    FActions.value("tbEditEnable")->setChecked(FOutputAreaEditMode);
}

// Output windows

SOutputWindow TQZEditor::CheckedWindows() const {
    SOutputWindow checked;
    for (int w = owComments; w < kNoOfShownOutputWindows; ++w)
        if (FChecks[w]->isChecked()) checked.Include(static_cast<TOutputWindow>(w));
    return checked;
}

SOutputWindow TQZEditor::ModifiedWindows() const {
    SOutputWindow modified;
    for (int w = owMessages; w < kNoOfShownOutputWindows; ++w)
        if (FMemos[w]->document()->isModified()) modified.Include(static_cast<TOutputWindow>(w));
    return modified;
}

bool TQZEditor::OutputWindowChecked(TOutputWindow window) const {
    return window == owMessages || (window < kNoOfShownOutputWindows && FChecks[window]->isChecked());
}

void TQZEditor::SetOutputWindowChecked(TOutputWindow window, bool checked) {
    if (window == owMessages || window >= kNoOfShownOutputWindows) return;
    FChecks[window]->setChecked(checked);
    UpdateTabVisibility();
    if (!checked || !FContestLog) return;
    SOutputWindow one;
    one.Include(window);
    RefreshOutputWindows(one);
    FTabs->setCurrentIndex(window);
}

void TQZEditor::UpdateTabVisibility() {
    for (int w = owMessages; w < kNoOfShownOutputWindows; ++w)
        FTabs->setTabVisible(w, OutputWindowTabVisible(static_cast<TOutputWindow>(w), CheckedWindows()));
}

void TQZEditor::RefreshOutputWindows(SOutputWindow windows) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<std::string> writerMessages;
    qz::RefreshOutputWindows(*FContestLog, windows, CheckedWindows(),
                             [this](TOutputWindow w, std::vector<std::string>& lines) { FillOutputWindow(w, lines); });
    QApplication::restoreOverrideCursor();
    SyncMessages();
}

void TQZEditor::FillOutputWindow(TOutputWindow window, const std::vector<std::string>& lines) {
    FMemos[window]->setPlainText(FromCore(Joined(lines)));
    FMemos[window]->document()->setModified(false);
}

void TQZEditor::RefreshCharts() {
    FChartsStale = true;
    if (!FContestLog || FTabs->currentWidget() != FCharts) return;
    FCharts->SetSeries(BuildSeries(*FContestLog));
    FChartsStale = false;
}

QString TQZEditor::ChartsFileProposal() const {
    const QString folder = FromPath(Options.Path_Exported_Logs.oValue);
    QString call = FContestLog ? FromCore(FContestLog->FileHeader().fhUser_OwnCall) : QString();
    call.replace('/', '_');
    const QString name = (call.isEmpty() ? QString("log") : call) + "_charts";
    return folder.isEmpty() ? name : folder + "/" + name;
}

void TQZEditor::SyncMessages() {
    const bool wasModified = FMemos[owMessages]->document()->isModified();
    FMemos[owMessages]->setPlainText(FromCore(Joined(FMessageLines)));
    FMemos[owMessages]->document()->setModified(wasModified);
    FMemos[owMessages]->moveCursor(QTextCursor::End);
}

void TQZEditor::SetOutputEditMode(bool on) {
    FOutputAreaEditMode = on;
    const QColor grey(0xF0, 0xF0, 0xF0);
    for (int w = owComments; w < kNoOfShownOutputWindows; ++w) {
        FMemos[w]->setReadOnly(!on);
        QPalette palette = FMemos[w]->palette();
        palette.setColor(QPalette::Base, on ? QApplication::palette().color(QPalette::Base) : grey);
        FMemos[w]->setPalette(palette);
    }
    UpdateCommands();
}

void TQZEditor::ExportWindow(TOutputWindow window) {
    if (!FContestLog) return;
    const QString proposed = FromPath(
        ProposedExportFileName(Options.Path_Exported_Logs.oValue, FContestLog->FileHeader().fhUser_OwnCall, window));
    const QString chosen =
        QFileDialog::getSaveFileName(this, QString(), proposed, DialogFilter(OutputWindowFilter(window)), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return;
    const std::string path = ToPath(chosen);
    if (window == owADIF && Options.Export_ADIF_ShowConfigDialog.oValue) {
        if (!ShowADIFConfigDialog(this, *FContestLog)) return;
        RefreshOutputWindows(SOutputWindow{owADIF});
    }
    if (FileExists(path) && AskOkCancel(ExportOverwriteQuestion(ToCore(chosen))) != TMsgAnswer::Ok) return;
    std::vector<std::string> lines;
    ProduceOutputWindow(window, *FContestLog, lines);
    std::string error;
    if (!SaveOutputFile(path, lines, &error)) ShowErrorMessage(ToCore(MessageWithPath(error, path)));
    SyncMessages();
}

void TQZEditor::SaveOutputWindowAs() {
    if (!FContestLog) return;
    if (FTabs->currentWidget() == FCharts) {
        FCharts->SaveWithDialog(ChartsFileProposal(), false);
        return;
    }
    const auto window = static_cast<TOutputWindow>(std::max(0, FTabs->currentIndex()));
    const std::string proposed = ProposedExportFileName("", FContestLog->FileHeader().fhUser_OwnCall, window);
    const QString folder = FromPath(Options.Path_Exported_Logs.oValue);
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString(), folder.isEmpty() ? FromPath(proposed) : folder + "/" + FromPath(proposed),
        DialogFilter(OutputWindowFilter(window)));
    if (chosen.isEmpty()) return;
    std::string error;
    if (!SaveOutputFile(ToPath(chosen), SplitLines(FMemos[window]->toPlainText()), &error)) {
        ShowErrorMessage(ToCore(MessageWithPath(error, ToPath(chosen))));
        return;
    }
    FMemos[window]->document()->setModified(false);
}

// Compile, save, close

void TQZEditor::Compile() {
    if (!FContestLog || !FCells->CommitActiveEditor()) return;
    if (CompileOverwritesEdits(ModifiedWindows()) && AskOkCancel(LS(ui::lsOutputEditsLost)) != TMsgAnswer::Ok) return;
    const int row = CurrentRow();
    if (FQSOBeforeCompiling == nullptr && row >= 0) FQSOBeforeCompiling = FContestLog->QSOs(row);
    const int oldIndex = row;
    const int scroll = FGrid->verticalScrollBar()->value();
    // In fast append the fresh line being typed into is not part of the log's order: it
    // goes out before the compile and a new one comes after it, at the end, where the
    // cursor stays. Left in, the clean-up or the sort would take it away under the
    // cursor, which would then fall on a line of the log.
    const bool appending = EditMode() == emAppend && !FReadOnlyMode && LastLineIsFresh();
    FCells->HideAllInplaceEdits();
    FContestLog->History().SetGrouping(true);
    if (appending) FContestLog->DeleteQSO(FContestLog->NoOfQSOs() - 1, true);
    if (Options.Compile_RemoveEmptyQSOs.oValue) FContestLog->DeleteAllEmpties();
    StoreGridLayout(*FContestLog, ColumnWidths());
    FContestLog->Compile(CompileSettingsFromOptions(Options));
    if (appending) FCells->TimeFreshLine(FContestLog->AppendNewLine());
    FContestLog->History().SetGrouping(false);
    int index = appending ? FContestLog->NoOfQSOs() - 1 : FContestLog->IndexOf(FQSOBeforeCompiling);
    if (index < 0) index = 0;
    const std::vector<int> widths = ColumnWidths();
    FModel->Rebuild();
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) FGrid->setColumnWidth(c, widths[c]);
    if (appending) {
        FCells->FocusCell(cpCall, -1, index);
    } else {
        SetCurrentRow(index, FGrid->currentIndex().column());
        if (index == oldIndex) FGrid->verticalScrollBar()->setValue(scroll);
        else FGrid->scrollTo(FModel->index(index, 0), QAbstractItemView::PositionAtTop);
    }
    SOutputWindow all;
    for (TOutputWindow w : kRefreshOrder) all.Include(w);
    RefreshOutputWindows(all);
    RefreshCharts();
    FQSOBeforeCompiling = nullptr;
    UpdateCommands();
}

bool TQZEditor::Save() {
    if (!FContestLog || !FCells->CommitActiveEditor()) return false;
    if (FFileName.empty()) return SaveAs();
    StoreGridLayout(*FContestLog, ColumnWidths());
    FContestLog->Bookkeeping().fhQZ_OutputWindows = OutputWindowsToStore(CheckedWindows());
    // The fresh line of fast append holds no QSO yet: the file gets the typed lines only.
    const int last = FContestLog->NoOfQSOs() - 1;
    std::unique_ptr<TQSO> fresh;
    if (EditMode() == emAppend && last > 0 && LastLineIsFresh()) fresh = FContestLog->TakeQSO(last);
    TQZF qzf;
    const std::string written = qzf.StoreLog(FFileName, *FContestLog, false);
    if (fresh) FContestLog->InsertQSO(last, std::move(fresh));
    if (written.empty()) {
        ShowErrorMessage(LS(ui::lsCannotSave) + " " + ToCore(MessageWithPath(qzf.LastError(), FFileName)));
        return false;
    }
    FFileName = written;
    FProposedName.clear();
    SetModified(false);
    emit FileUsed(FromPath(FFileName));
    return true;
}

bool TQZEditor::SaveAs() {
    if (!FContestLog) return false;
    QString start = FromPath(!FFileName.empty() ? FFileName : FProposedName);
    if (start.isEmpty()) start = ProposedLogPath(*FContestLog);
    for (;;) {
        const QString chosen = QFileDialog::getSaveFileName(this, QString(), start, DialogFilter(ui::lsNativeLogFilter),
                                                            nullptr, QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty()) return false;
        const std::string name = NativeFileName(ToPath(chosen));
        if (FileExists(name)) {
            const TMsgAnswer answer = AskYesNoCancel(ToCore(FromPath(name)) + " " + LS(6));
            if (answer == TMsgAnswer::Cancel) return false;
            if (answer == TMsgAnswer::No) {
                start = chosen;
                continue;
            }
        }
        return SaveAsFile(name);
    }
}

bool TQZEditor::SaveAsFile(const std::string& fileName) {
    const std::string previous = FFileName;
    FFileName = fileName;
    if (Save()) return true;
    FFileName = previous;
    setWindowTitle(Title());
    return false;
}

bool TQZEditor::MayClose() {
    if (FModified) {
        const TMsgAnswer answer = AskYesNoCancel(ToCore(Title()) + " " + LS(ui::lsSaveChanges));
        if (answer == TMsgAnswer::Cancel) return false;
        if (answer == TMsgAnswer::Yes && (!Save() || FModified)) return false;
    }
    SOutputWindow modified = ModifiedWindows();
    modified.Exclude(owMessages);
    if (!modified.Empty()) {
        const TMsgAnswer answer = AskYesNoCancel(LS(ui::lsOutputWindowsModified) + " " + LS(ui::lsSaveChanges));
        if (answer == TMsgAnswer::Cancel) return false;
        if (answer == TMsgAnswer::Yes) {
            for (int w = owResult; w < kNoOfShownOutputWindows; ++w) {
                if (!modified.Contains(static_cast<TOutputWindow>(w))) continue;
                FTabs->setCurrentIndex(w);
                SaveOutputWindowAs();
            }
        }
    }
    return true;
}

void TQZEditor::closeEvent(QCloseEvent* event) {
    if (MayClose()) event->accept();
    else event->ignore();
}

// Editing commands

void TQZEditor::Undo() {
    if (!FContestLog || FReadOnlyMode || !FContestLog->History().CanUndo()) return;
    const int row = CurrentRow();
    FCells->HideAllInplaceEdits();
    ShowHistoryStep(FContestLog->Undo(), row, true);
}

void TQZEditor::Redo() {
    if (!FContestLog || FReadOnlyMode || !FContestLog->History().CanRedo()) return;
    const int row = CurrentRow();
    FCells->HideAllInplaceEdits();
    ShowHistoryStep(FContestLog->Redo(), row, false);
}

void TQZEditor::ShowHistoryStep(TUndoOutcome outcome, int row, bool undoing) {
    if (outcome == TUndoOutcome::NothingToUndo) return;
    // A header change made a new log (another contest or country file): the other one
    // comes back, and its lines are judged again as the lines of any other step.
    if (outcome == TUndoOutcome::LogReplaced)
        SwapLog([&] { FContestLog = TContestLog::SwitchLogs(std::move(FContestLog), undoing); });
    // Which lines the step gave back is not known here: all are evaluated again.
    ReevaluateFrom(0);
    if (outcome == TUndoOutcome::ListChanged) {
        const std::vector<int> widths = ColumnWidths();
        FModel->Rebuild();
        for (int c = 0; c < static_cast<int>(widths.size()); ++c) FGrid->setColumnWidth(c, widths[c]);
    } else {
        FModel->RowsChanged(0, FModel->rowCount() - 1);
    }
    // Fast append goes on at the newest line (whose call then opens with the caret
    // behind it, see TCellEditing), standard editing where the cursor was.
    if (EditMode() == emAppend) FCells->FocusCell(cpCall, -1, FContestLog->NoOfQSOs() - 1);
    else SetCurrentRow(row);
    SetModified(true);
}

void TQZEditor::CopyLines() {
    const int row = CurrentRow();
    if (!FContestLog || row < 0) return;
    QApplication::clipboard()->setText(FromCore(CopyToClipboard(*FContestLog, row)));
}

void TQZEditor::PasteLines() {
    if (!FContestLog || FReadOnlyMode) return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        ShowErrorMessage(LS(ui::lsClipboardEmpty));
        return;
    }
    const int before = FContestLog->NoOfQSOs();
    const int added = PasteFromClipboard(*FContestLog, ToCore(text));
    if (added <= 0) return;
    FModel->Rebuild();
    ReevaluateFrom(before);
    FitColumns(Options.Editor_ColumnAutoWidth.oValue);
    SetCurrentRow(before + added - 1);
    SetModified(true);
}

void TQZEditor::AppendLine() { FCells->AppendQSO(); }

void TQZEditor::DeleteSelected() {
    if (!FContestLog || FReadOnlyMode || FContestLog->NoOfSelectedQSOs() == 0) return;
    if (FContestLog->NoOfSelectedQSOs() == FContestLog->NoOfQSOs()) {
        ShowErrorMessage(LS(ui::lsCannotDeleteAll));
        return;
    }
    const int row = std::max(0, CurrentRow());
    FQSOBeforeCompiling = nullptr;
    for (int i = row; i < FContestLog->NoOfQSOs(); ++i) {
        if (!FContestLog->QSOs(i)->Selected()) {
            FQSOBeforeCompiling = FContestLog->QSOs(i);
            break;
        }
    }
    if (FContestLog->DeleteAllSelected() == 0) {
        FQSOBeforeCompiling = nullptr;
        ShowErrorMessage(LS(ui::lsNothingDeleted));
        return;
    }
    FModel->Rebuild();
    Compile();
    SetModified(true);
}

void TQZEditor::SelectAll(bool select) {
    if (!FContestLog) return;
    for (int i = 0; i < FContestLog->NoOfQSOs(); ++i) FContestLog->QSOs(i)->SetSelected(select);
    FModel->RowsChanged(0, FContestLog->NoOfQSOs() - 1);
    UpdateCommands();
}

void TQZEditor::SelectCurrent(bool select) {
    const int row = CurrentRow();
    if (!FContestLog || row < 0) return;
    FContestLog->QSOs(row)->SetSelected(select);
    FModel->RowsChanged(row, row);
    UpdateCommands();
}

void TQZEditor::SetSelectedBad(bool bad) {
    if (!FContestLog || FReadOnlyMode) return;
    SetUserDeleted4SelectedQSOs(*FContestLog, bad);
    Compile();
    SetModified(true);
}

void TQZEditor::MoveLine(int delta) {
    const int row = CurrentRow();
    if (!FContestLog || FReadOnlyMode || row < 0) return;
    const TQSO* line = FContestLog->QSOs(row);
    const TQSO* neighbour = FContestLog->QSOs(row + delta);
    // Only lines logged in the same minute change places.
    if (neighbour == nullptr || line->GetFormattedDate(podComplete) != neighbour->GetFormattedDate(podComplete) ||
        line->GetFormattedTime(potComplete) != neighbour->GetFormattedTime(potComplete))
        return;
    FContestLog->MoveQSO(row, row + delta, true);
    // Which of two lines comes first decides which is the dupe or brings a multiplier.
    ReevaluateFrom(std::min(row, row + delta));
    SetCurrentRow(row + delta, FGrid->currentIndex().column());
    SetModified(true);
}

void TQZEditor::ClearAllFlags() {
    if (!FContestLog || FReadOnlyMode) return;
    qz::ClearAllFlags(*FContestLog);
    FModel->RowsChanged(0, FModel->rowCount() - 1);
}

void TQZEditor::CheckMemberNumbers() {
    if (!FContestLog || FReadOnlyMode) return;
    if (qz::CheckMemberNumbers(*FContestLog)) {
        Compile();
        SetModified(true);
    }
    SyncMessages();
    FTabs->setCurrentIndex(owMessages);
}

void TQZEditor::CheckQSY() {
    if (!FContestLog || FReadOnlyMode) return;
    const bool wasModified = FMemos[owMessages]->document()->isModified();
    CheckQSYRules(*FContestLog);
    SyncMessages();
    FMemos[owMessages]->document()->setModified(wasModified);
    FTabs->setCurrentIndex(owMessages);
}

bool TQZEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FMemos[owMessages]->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString line = FMemos[owMessages]->cursorForPosition(mouse->position().toPoint()).block().text();
        int index = -1;
        std::string text;
        if (ParseLineMessage(ToCore(line), index, text)) SetCurrentRow(index);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TQZEditor::PrintsGrid() const {
    // An output window that has the focus is printed, otherwise the grid.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && FCharts->isAncestorOf(focus)) return false;
    return std::find(FMemos.begin(), FMemos.end(), focus) == FMemos.end();
}

void TQZEditor::PrintTo(QPrinter& printer, bool grid) {
    if (grid) PrintGrid(*FGrid, printer);
    else if (FTabs->currentWidget() == FCharts) FCharts->PrintTo(printer);
    else PrintText(*FMemos[static_cast<std::size_t>(std::max(0, FTabs->currentIndex()))], printer);
}

void TQZEditor::Print(bool preview) {
    if (!FContestLog) return;
    const bool grid = PrintsGrid();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Title());
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, grid](QPrinter* p) { PrintTo(*p, grid); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintTo(printer, grid);
}

}  // namespace qz::gui
