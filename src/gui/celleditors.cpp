#include "gui/celleditors.h"

#include <QKeyEvent>

#include "gui/cellediting.h"

namespace qz::gui {

namespace {

bool IsDigit(QChar c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(QChar c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool InRange(QChar c, char low, char high) { return c >= QChar(low) && c <= QChar(high); }

}  // namespace

TCellLineEdit::TCellLineEdit(TCellTextKind kind, QWidget* parent) : QLineEdit(parent), FKind(kind) {
    setFrame(false);
    switch (kind) {
        case TCellTextKind::Day: setMaxLength(2); break;
        case TCellTextKind::Year:
        case TCellTextKind::Time: setMaxLength(4); break;
        case TCellTextKind::RST: setMaxLength(3); break;
        default: break;
    }
}

void TCellLineEdit::SetInitialSelection(int start, int length) {
    FSelStart = start;
    FSelLength = length;
}

void TCellLineEdit::ApplyInitialSelection() {
    if (FSelStart < 0) return;
    const int start = std::min(FSelStart, static_cast<int>(text().size()));
    setSelection(start, std::min(FSelLength, static_cast<int>(text().size()) - start));
    if (FSelLength == 0) setCursorPosition(start);
    FSelStart = -1;
}

void TCellLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    ApplyInitialSelection();
}

bool TCellLineEdit::Fixed() const {
    return FKind == TCellTextKind::RST || FKind == TCellTextKind::Day || FKind == TCellTextKind::Year ||
           FKind == TCellTextKind::Time;
}

bool TCellLineEdit::Allowed(QChar c, int position) const {
    const QString t = text();
    const QChar first = t.isEmpty() ? QChar('0') : t[0];
    switch (FKind) {
        case TCellTextKind::Call: return c == '/' || IsDigit(c) || IsAsciiLetter(c);
        case TCellTextKind::ControlNumber:
            return c == '/' || IsDigit(c) || IsAsciiLetter(c) || QStringLiteral("ÄÖÜäöü").contains(c) ||
                   (FAllowHyphen && c == '-');
        case TCellTextKind::RST:
            if (position > FLastRSTPosition) return false;
            if (position == 0) return InRange(c, '1', '5');
            return position <= 2 && InRange(c, '1', '9');
        case TCellTextKind::Day:
            if (position == 0) return InRange(c, '0', '3');
            if (position != 1) return false;
            if (first == '0') return InRange(c, '1', '9');
            if (first == '3') return c == '0' || c == '1';
            return IsDigit(c);
        case TCellTextKind::Year:
            if (position == 0) return c == '1' || c == '2';
            return position <= 3 && IsDigit(c);
        case TCellTextKind::Time:
            if (position == 0) return InRange(c, '0', '2');
            if (position == 1) return first == '2' ? InRange(c, '0', '3') : IsDigit(c);
            if (position == 2) return InRange(c, '0', '5');
            return position == 3 && IsDigit(c);
    }
    return false;
}

void TCellLineEdit::keyPressEvent(QKeyEvent* event) {
    ApplyInitialSelection();
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    if (event->matches(QKeySequence::Copy)) return QLineEdit::keyPressEvent(event);
    if (event->matches(QKeySequence::Paste)) {
        // Year: only Ctrl+C and Backspace at the end; the commit checks pasted text.
        if (FKind == TCellTextKind::Year && position >= 4) return;
        return QLineEdit::keyPressEvent(event);
    }
    if (event->key() == Qt::Key_Backspace) {
        if (FKind == TCellTextKind::Time && FAppendMode) return;
        return QLineEdit::keyPressEvent(event);
    }
    // Delete would shorten the fields of fixed length.
    if (event->key() == Qt::Key_Delete && Fixed()) return;
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed[0].isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!character) return QLineEdit::keyPressEvent(event);  // caret keys and the like
    QChar c = typed[0];
    if (!Allowed(c, position)) return;
    if (FKind == TCellTextKind::Call || (FKind == TCellTextKind::ControlNumber && IsAsciiLetter(c))) c = c.toUpper();
    if (Fixed() && !hasSelectedText() && position < text().size()) setSelection(position, 1);
    insert(QString(c));
    if (FKind == TCellTextKind::RST) {
        // The caret stays on a digit of the mode's RST, and that digit is selected.
        const int caret = std::min(cursorPosition(), FLastRSTPosition);
        if (caret < text().size()) setSelection(caret, 1);
        else setCursorPosition(caret);
    }
    if (FKind == TCellTextKind::Time && FAppendMode && position == 3) emit TimeCompleted();
}

// Delegate

TCellDelegate::TCellDelegate(TCellEditing* owner) : QStyledItemDelegate(owner), FOwner(owner) {}

QWidget* TCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    return FOwner->CreateEditor(parent, index);
}

void TCellDelegate::setEditorData(QWidget*, const QModelIndex&) const {
    // The editor is prefilled when it is made; a redraw of the row must not overwrite
    // what is being typed.
}

void TCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    FOwner->CommitFromView(editor, index);
}

void TCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

bool TCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor != nullptr && event->type() == QEvent::KeyPress &&
        FOwner->EditorKey(editor, static_cast<QKeyEvent*>(event)))
        return true;
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace qz::gui
