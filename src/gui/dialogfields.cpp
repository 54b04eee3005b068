#include "gui/dialogfields.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

constexpr const char* kErrorLabelName = "fieldError";

class TCp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return IsCp1252Text(input) ? Acceptable : Invalid; }
};

QString WithoutForeignCharacters(const QString& text) {
    QString kept;
    for (const QChar c : text)
        if (IsCp1252Text(QString(c))) kept += c;
    return kept;
}

}  // namespace

QDialogButtonBox* NewOkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(dlg::lsCancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* NewErrorLabel() {
    auto* label = new QLabel;
    label->setObjectName(kErrorLabelName);
    label->setWordWrap(true);
    label->setStyleSheet("color: #b00000");
    label->hide();
    return label;
}

void ShowFieldError(QLabel* label, QWidget* field, const QString& text) {
    label->setText(text);
    label->show();
    if (field != nullptr) field->setFocus();
}

void HideFieldErrors(QWidget* dialog) {
    for (QLabel* label : dialog->findChildren<QLabel*>(kErrorLabelName)) label->hide();
}

QLabel* AddCheckedRow(QFormLayout* form, const QString& label, QWidget* field) {
    QLabel* error = NewErrorLabel();
    form->addRow(label, field);
    form->addRow(QString(), error);
    return error;
}

bool IsCp1252Text(const QString& text) { return FromCore(ToCore(text)) == text; }

void RestrictToCp1252(QWidget* dialog) {
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        // The line fields inside spin boxes, date fields and lists belong to them.
        QWidget* owner = edit->parentWidget();
        if (edit->validator() != nullptr || qobject_cast<QAbstractSpinBox*>(owner) != nullptr ||
            qobject_cast<QComboBox*>(owner) != nullptr)
            continue;
        edit->setValidator(new TCp1252Validator(edit));
    }
    for (QPlainTextEdit* memo : dialog->findChildren<QPlainTextEdit*>()) {
        QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo] {
            const QString text = memo->toPlainText();
            if (IsCp1252Text(text)) return;
            memo->setPlainText(WithoutForeignCharacters(text));
            memo->moveCursor(QTextCursor::End);
        });
    }
}

bool IsCallText(const QString& text) {
    static const QRegularExpression shape("^[A-Za-z0-9]+(/[A-Za-z0-9]+)*$");
    static const QRegularExpression letter("[A-Za-z]"), digit("[0-9]");
    const QString t = text.trimmed();
    return t.size() >= 3 && t.size() <= 26 && shape.match(t).hasMatch() && letter.match(t).hasMatch() &&
           digit.match(t).hasMatch();
}

bool IsEMailText(const QString& text) {
    static const QRegularExpression shape("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$");
    return shape.match(text.trimmed()).hasMatch();
}

}  // namespace qz::gui
