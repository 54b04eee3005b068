#include "gui/commentdialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"
#include "logfile/qzf.h"

namespace qz::gui {

namespace {

qsizetype StoredSize(const QString& text) { return text.size() + text.count('\n') + 2; }

}  // namespace

TCommentForm::TCommentForm(const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent), memComment(new QPlainTextEdit) {
    setWindowTitle(LSCaption(dlg::lsCommentTitle));
    memComment->setObjectName("memComment");
    memComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString text;
    for (const std::string& line : lines) text += FromCore(line) + "\n";
    if (text.endsWith('\n')) text.chop(1);
    memComment->setPlainText(text);
    memComment->installEventFilter(this);
    // The native file keeps a comment (each line ending in CR LF) up to a fixed size;
    // longer text cannot be typed, so nothing is cut off unseen when the log is saved.
    connect(memComment, &QPlainTextEdit::textChanged, this, [this] {
        QString all = memComment->toPlainText();
        if (StoredSize(all) <= qzf::kMaxCommentLength) return;
        while (!all.isEmpty() && StoredSize(all) > qzf::kMaxCommentLength)
            all.chop(StoredSize(all) - qzf::kMaxCommentLength);
        memComment->setPlainText(all);
        memComment->moveCursor(QTextCursor::End);
    });
    QDialogButtonBox* buttons = NewOkCancel(this);
    QPushButton* clear = buttons->addButton(LSCaption(dlg::lsClear), QDialogButtonBox::ResetRole);
    clear->setObjectName("bbClearComment");
    connect(clear, &QPushButton::clicked, memComment, &QPlainTextEdit::clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memComment);
    layout->addWidget(buttons);
    resize(420, 220);
    memComment->setFocus();
    RestrictToCp1252(this);
}

std::vector<std::string> TCommentForm::Lines() const {
    std::vector<std::string> lines;
    const QString text = memComment->toPlainText();
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split('\n')) lines.push_back(ToCore(line));
    return lines;
}

bool TCommentForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memComment && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qz::gui
