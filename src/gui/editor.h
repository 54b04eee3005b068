// The log editor window: one contest log in a grid (a table view over TLogModel), a
// line entry under it for changing the current line, and the output windows (messages,
// comments, result and the export formats) in tabs below. The window owns its log from
// the moment it is loaded, created or handed in until the window closes.
#pragma once

#include <QHash>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "domain/defs.h"
#include "engine/search.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;

namespace qz {
enum class TUndoOutcome : std::uint8_t;
class TContestLog;
class TQSO;
}  // namespace qz

namespace qz::gui {

class TCellEditing;
class TChartsView;
class TLogModel;

inline constexpr int kNoOfShownOutputWindows = owSwisslog + 1;

class TQZEditor : public QWidget {
    Q_OBJECT
public:
    explicit TQZEditor(QWidget* parent = nullptr);
    ~TQZEditor() override;

    // Loads a native log; false after an error box that names the file.
    bool LoadQZLog(const std::string& fileName);
    // Takes over a log read elsewhere with the reader's messages: a native log with its
    // file name, or a converted one without (`proposedName` is offered by the first save).
    void SetContestLog(std::unique_ptr<TContestLog> log, const std::vector<std::string>& messages,
                       const std::string& fileName, const std::string& proposedName);
    // A new log from the new-log dialog; false when it was cancelled or failed.
    bool GetHeaderData();

    TContestLog* ContestLog() const { return FContestLog.get(); }
    TLogModel* Model() const { return FModel; }
    QTableView* Grid() const { return FGrid; }
    QPlainTextEdit* OutputMemo(TOutputWindow window) const { return FMemos[window]; }
    QTabWidget* OutputTabs() const { return FTabs; }
    // The Charts tab, after the output windows' tabs.
    TChartsView* Charts() const { return FCharts; }
    QLineEdit* LineEntryField(int column) const;
    const std::string& FileName() const { return FFileName; }
    QString Title() const;

    bool Modified() const { return FModified; }
    void MarkModified() { SetModified(true); }
    bool ReadOnlyMode() const { return FReadOnlyMode; }
    // Standard editing or fast append (cell editing: cellediting.h).
    TEditMode EditMode() const;
    void SetEditMode(TEditMode mode);
    TCellEditing* Cells() const { return FCells; }
    void SetReadOnlyMode(bool on);
    // Checks or unchecks an output window's box, as a click does.
    void SetOutputWindowChecked(TOutputWindow window, bool checked);
    bool OutputWindowChecked(TOutputWindow window) const;

    // The command of this name (see commands.h), or nullptr.
    QAction* Command(const QString& name) const { return FActions.value(name); }
    // Brings every command's enabled state up to date.
    void UpdateCommands();
    // Sets every text from the loaded language file.
    void Retranslate();

    // The current line (from 0), -1 without one; moving it fills the line entry.
    int CurrentRow() const;
    void SetCurrentRow(int row, int column = -1);
    // Writes the line entry's fields into the current line as one undo step; false
    // (after a message naming the field) when a value is not accepted.
    bool ApplyLineEntry();
    // After lines from `row` on were written or appended: their values (country,
    // multipliers, points, dupe and invalid marks), the lines they affect and the
    // results are evaluated again in the current order and the rows repainted.
    void ReevaluateFrom(int row);
    // The label beside the line entry that tells what the call being typed would be.
    QLabel* LineHint() const { return FLineHint; }

    // Saving: under the window's name (save as when it has none), under a new name.
    bool Save();
    bool SaveAs();
    bool SaveAsFile(const std::string& fileName);
    void Compile();
    // Fits every column to its widest text (whatever the auto-width setting says).
    void FitColumnsNow();
    // A new log with this log's header and copies of the selected lines; nullptr when
    // the log could not be made (the factory said why).
    std::unique_ptr<TContestLog> CreateSelectedContestLog() const;

    // Prints or previews the grid, or the output window that has the focus.
    void Print(bool preview);
    // Prints the grid, or the output window of the active tab, without a dialog.
    void PrintTo(QPrinter& printer, bool grid);

signals:
    // A log was saved under or loaded from `fileName` (for the recent-files list).
    void FileUsed(const QString& fileName);
    // The modified, edit-mode or read-only state changed (status bar, title).
    void StateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWidgets();
    void BuildCommands();
    void BuildLineEntry();
    void FillLineEntry();
    // Shows in the line hint what line `row` would be with `call`.
    void ShowCallForecast(int row, const QString& call);
    void AfterLogTaken();
    void SyncMessages();
    // Draws the charts anew when their tab shows, else when it is shown next.
    void RefreshCharts();
    QString ChartsFileProposal() const;
    void FillOutputWindow(TOutputWindow window, const std::vector<std::string>& lines);
    void RefreshOutputWindows(SOutputWindow windows);
    void UpdateTabVisibility();
    void FitColumns(bool toContents);
    // Width column `col` needs for its sample text (GridColumnSampleText) and the texts of
    // lines firstRow..lastRow; 0 when it has neither.
    int ColumnTextWidth(int col, int firstRow, int lastRow) const;
    // Makes columns wider (never narrower) where a changed or added line needs it.
    void WidenColumnsForRows(int firstRow, int lastRow);
    std::vector<int> ColumnWidths() const;
    void SetModified(bool on);
    bool PrintsGrid() const;
    bool MayClose();
    SOutputWindow CheckedWindows() const;
    SOutputWindow ModifiedWindows() const;

    // Fast append: the last line when it has no call yet (the line being typed).
    bool LastLineIsFresh() const;
    // Puts the cursor into the call of a fresh line at the end, appending one if needed.
    void GoToFreshLine();

    // The commands.
    void Undo();
    void Redo();
    void ShowHistoryStep(TUndoOutcome outcome, int row, bool undoing);
    void CopyLines();
    void PasteLines();
    void AppendLine();
    void DeleteSelected();
    void SelectAll(bool select);
    void SelectCurrent(bool select);
    void SetSelectedBad(bool bad);
    void MoveLine(int delta);
    void ClearAllFlags();
    // The commands with a dialog of their own (editordialogs.cpp).
    void EditComment();
    void Find(bool next);
    void CheckExchangedNumbers();
    void CheckExtensions();
    void ShowFileInfo();
    void SelectDefined(TQSOSelect select);
    void SetTimeDiff();
    void SetSentNumber();
    void EditHeaderData();
    void CopyAsSentQTCs();
    // Fills the current cell's value into every selected line (editorfill.cpp).
    void FillSelectedLines();
    void ShowStatistics();
    // Puts `log` in the editor's place; returns the log it replaces.
    std::unique_ptr<TContestLog> ReplaceLog(std::unique_ptr<TContestLog> log);
    // Runs `swap`, which changes FContestLog, with the grid let go of the old log and
    // bound to the new one, the cursor kept on its row.
    void SwapLog(const std::function<void()>& swap);
    void CheckMemberNumbers();
    void CheckQSY();
    void ExportWindow(TOutputWindow window);
    void SaveOutputWindowAs();
    void SetOutputEditMode(bool on);

    std::unique_ptr<TContestLog> FContestLog;
    std::vector<std::string> FMessageLines;
    std::string FFileName;
    std::string FProposedName;
    bool FModified = false;
    bool FReadOnlyMode = false;
    bool FOutputAreaEditMode = false;
    TSearchOptions FSearchOptions;
    const TQSO* FQSOBeforeCompiling = nullptr;

    TLogModel* FModel;
    TCellEditing* FCells = nullptr;
    QSplitter* FSplitter;
    QTableView* FGrid;
    QWidget* FLineBar;
    QLabel* FLineLabel;
    QPushButton* FApplyButton;
    QLabel* FLineHint;
    std::vector<QLineEdit*> FLineEdits;  // one per grid column, nullptr where not editable
    QTabWidget* FTabs;
    std::array<QPlainTextEdit*, kNoOfShownOutputWindows> FMemos{};
    std::array<QCheckBox*, kNoOfShownOutputWindows> FChecks{};
    TChartsView* FCharts = nullptr;
    bool FChartsStale = true;
    QHash<QString, QAction*> FActions;
};

}  // namespace qz::gui
