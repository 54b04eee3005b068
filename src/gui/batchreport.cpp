#include "gui/batchreport.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/qtext.h"
#include "gui/shellstrings.h"

namespace qz::gui {

TBatchReport::TBatchReport(QWidget* parent, const QString& summary)
    : QDialog(parent), FSummary(new QLabel(summary)), FPages(new QTabWidget) {
    setObjectName("TBatchReport");
    setWindowTitle(LSCaption(lsBatchTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    FSummary->setWordWrap(true);
    FSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FPages->setVisible(false);
    auto* buttons = new QDialogButtonBox;
    QPushButton* copy = buttons->addButton(LSCaption(lsCopyPage), QDialogButtonBox::ActionRole);
    copy->setObjectName("btCopyPage");
    copy->setToolTip(LSHint(lsCopyPage));
    QPushButton* close = buttons->addButton(LSCaption(lsCloseReport), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &TBatchReport::CopyPage);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FSummary);
    layout->addWidget(FPages, 1);
    layout->addWidget(buttons);
    resize(760, 300);
}

QPlainTextEdit* TBatchReport::AddPage(const QString& title, const QString& text, bool fixedPitch) {
    auto* edit = new QPlainTextEdit(text);
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (fixedPitch) {
        edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    FPages->addTab(edit, title);
    FPages->setVisible(true);
    resize(width(), 520);
    return edit;
}

QString TBatchReport::Summary() const { return FSummary->text(); }

void TBatchReport::CopyPage() {
    auto* edit = qobject_cast<QPlainTextEdit*>(FPages->currentWidget());
    if (edit == nullptr) return;
    const QString selected = edit->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n');
    QApplication::clipboard()->setText(selected.isEmpty() ? edit->toPlainText() : selected);
}

}  // namespace qz::gui
