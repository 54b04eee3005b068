// The in-place editors of the editor grid: a text field that lets through only the
// characters that can be valid where the caret stands (calls, exchange numbers, RSTs,
// day, year and time), and the item delegate that lays the right editor over a cell and
// hands every key and every commit to the grid's cell-editing controller.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

#include "domain/defs.h"

namespace qz::gui {

class TCellEditing;

// What a text editor accepts.
enum class TCellTextKind { Call, ControlNumber, RST, Day, Year, Time };

class TCellLineEdit : public QLineEdit {
    Q_OBJECT
public:
    TCellLineEdit(TCellTextKind kind, QWidget* parent);

    TCellTextKind Kind() const { return FKind; }
    // The selection the editor opens with (applied when it first gets the focus or the
    // first key, after the view has selected the whole text).
    void SetInitialSelection(int start, int length);
    // RST: the rightmost caret position (the last digit of the mode's RST).
    void SetLastRSTPosition(int position) { FLastRSTPosition = position; }
    // Time in fast append: Backspace is refused and the last minute digit completes.
    void SetAppendMode(bool on) { FAppendMode = on; }
    // Exchange numbers of the IOTA contest also take "-".
    void SetAllowHyphen(bool on) { FAllowHyphen = on; }

signals:
    // Fast append: the last minute digit was typed (the text holds the new time).
    void TimeCompleted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool Fixed() const;  // day, year, time and RST keep their length
    bool Allowed(QChar c, int position) const;
    void ApplyInitialSelection();

    TCellTextKind FKind;
    int FSelStart = -1;
    int FSelLength = 0;
    int FLastRSTPosition = 2;
    bool FAppendMode = false;
    bool FAllowHyphen = false;
};

class TCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TCellDelegate(TCellEditing* owner);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    // Closes an editor without writing its value (the view hides and deletes it).
    void Close(QWidget* editor) { emit closeEditor(editor, NoHint); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TCellEditing* FOwner;
};

}  // namespace qz::gui
