// Editing inside the cells of the editor grid: which cell may take the cursor, the
// in-place editor a cell opens with (prefilled, the caret where the next digit goes),
// the keys (Tab, Shift+Tab, Enter, Esc, the arrows, Ctrl+Home, Ctrl+End), committing a
// value through the line's checked setters with an undo record, and fast append, in
// which Enter walks through the newest line and appends the next one.
#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <functional>
#include <optional>

#include "domain/defs.h"

class QKeyEvent;
class QTableView;

namespace qz {
class TContestLog;
class TQSO;
}  // namespace qz

namespace qz::gui {

class TCellDelegate;
class TLogModel;

class TCellEditing : public QObject {
    Q_OBJECT
public:
    // `log` gives the editor window's log (or nullptr); `modified` marks it modified.
    TCellEditing(QTableView* grid, TLogModel* model, std::function<TContestLog*()> log, std::function<void()> modified,
                 QObject* parent);

    TEditMode EditMode() const { return FEditMode; }
    void SetEditMode(TEditMode mode);
    // Read-only: no in-place editor opens, the grid ignores keys and only the number
    // and mark columns take the cursor. Forces edit mode.
    void SetReadOnly(bool on);
    bool ReadOnly() const { return FReadOnly; }

    // Moves the cursor to `row` and the first column of `property` and `arrayIndex`
    // and opens that cell's editor.
    void FocusCell(TColumnProperty property, int arrayIndex, int row);
    // Appends an empty line (with an undo record) and puts the cursor into its call.
    void AppendQSO();
    // Fast append with the real-time clock option: gives line `row` the current UTC time.
    void TimeFreshLine(int row);
    // Hides every in-place editor without writing its value.
    void HideAllInplaceEdits();
    // Writes the open editor's value into its line (before a compile, a save, an
    // append); false when the value was refused.
    bool CommitActiveEditor();
    // The open in-place editor, or nullptr.
    QWidget* ActiveEditor() const;
    // The cell of the open in-place editor and, in `text`, its value as a commit would
    // write it; an invalid index without an open editor.
    QModelIndex ActiveEditorValue(QString& text) const;
    TCellSelectKey CellSelectKey() const { return FCellSelectKey; }

    // Called by the delegate.
    QWidget* CreateEditor(QWidget* parent, const QModelIndex& index);
    void CommitFromView(QWidget* editor, const QModelIndex& index);
    bool EditorKey(QWidget* editor, QKeyEvent* event);

signals:
    // A line was appended or changed (the window updates its commands).
    void LogChanged();
    // Line `row` was written or appended: its values are out of date.
    void LineChanged(int row);
    // A key changed the text of the call editor of line `row`.
    void CallTyped(int row, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TMove { Tab, ShiftTab, Enter, Up, Down, PageUp, PageDown, FirstCall, LastCall };

    TContestLog* Log() const { return FLog(); }
    // The value of an editor as the setters take it, and the list position of a list.
    QString EditorText(QWidget* editor, int* listIndex) const;
    // Writes `text` into line `row` of column `col`: false (nothing changed, a message
    // queued) when the line does not accept it.
    bool Commit(int row, int col, const QString& text, int listIndex, bool completeLine);
    void Reject(int row, int col, const QString& text);
    // Fills the received numbers not yet entered on line `row` with the proposals.
    void CompleteLine(int row);
    void Move(TMove move, bool fromEditor);
    QModelIndex NextSelectable(int row, int col, bool forward) const;
    void SetCurrent(const QModelIndex& index);
    bool CellHasEditor(int col) const;
    bool IsLastRow(int row) const;
    void TimeCompleted(QWidget* editor);
    QString PreviousTime(int row) const;

    QTableView* FGrid;
    TLogModel* FModel;
    TCellDelegate* FDelegate;
    std::function<TContestLog*()> FLog;
    std::function<void()> FModified;
    TEditMode FEditMode = emEdit;
    TCellSelectKey FCellSelectKey = cskNoKey;
    bool FReadOnly = false;
    // While an editor is open: its cell, and a date-time the commit gives the line
    // first (the previous line's, carried over in fast append).
    QPersistentModelIndex FEditIndex;
    std::optional<TDateTime> FPendingDateTime;
    QString FOpenCellText;  // the cell's text when its editor opened
    // A refused value, offered again when its cell's editor reopens.
    QPersistentModelIndex FRetryIndex;
    QString FRetryText;
};

}  // namespace qz::gui
