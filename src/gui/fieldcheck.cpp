#include "gui/fieldcheck.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "gui/mailstrings.h"
#include "gui/qtext.h"
#include "mail/mailaddress.h"

namespace qz::gui {

QWidget* TFieldChecks::Add(QLineEdit* edit, TFieldCheckFunction check) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* message = new QLabel;
    message->setObjectName(edit->objectName() + "Message");
    message->setWordWrap(true);
    message->hide();
    layout->addWidget(edit);
    layout->addWidget(message);
    FFields.push_back({edit, message, std::move(check)});
    const std::size_t index = FFields.size() - 1;
    connect(edit, &QLineEdit::textChanged, this, [this, index] { Check(FFields[index]); });
    return box;
}

bool TFieldChecks::Check(TField& field) {
    const TFieldVerdict verdict = field.check(field.edit->text());
    field.message->setText(verdict.text);
    field.message->setVisible(!verdict.text.isEmpty());
    field.message->setStyleSheet(verdict.error ? "color: #b00000;" : "color: palette(mid);");
    return verdict.text.isEmpty() || !verdict.error;
}

QLineEdit* TFieldChecks::FirstWrong() {
    QLineEdit* first = nullptr;
    for (TField& f : FFields)
        if (!Check(f) && first == nullptr) first = f.edit;
    return first;
}

QString TFieldChecks::Message(const QLineEdit* edit) const {
    for (const TField& f : FFields)
        if (f.edit == edit) return f.message->text();
    return {};
}

TFieldVerdict CheckWholeNumber(const QString& text, long long min, long long max) {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (ok && v >= min && v <= max) return {};
    return {LSText(ui::lsEnterNumber).arg(min).arg(max)};
}

TFieldVerdict CheckNoBlanks(const QString& text) {
    for (const QChar c : text)
        if (c.isSpace() || c.category() == QChar::Other_Control) return {LSText(ui::lsNoBlanks)};
    return {};
}

TFieldVerdict CheckAddress(const QString& text, bool mayBeEmpty) {
    if (text.trimmed().isEmpty()) return mayBeEmpty ? TFieldVerdict{} : TFieldVerdict{LSText(ui::lsNotAnAddress)};
    std::string address, error;
    if (!BareAddress(ToCore(text), address, &error)) return {LSText(ui::lsNotAnAddress) + " " + FromCore(error)};
    return CheckLength(text, 255);
}

TFieldVerdict CheckAddressList(const QString& text) {
    std::vector<std::string> addresses;
    std::string error;
    if (!ParseAddressList(ToCore(text), addresses, &error)) return {LSText(ui::lsNotAnAddress) + " " + FromCore(error)};
    return {};
}

TFieldVerdict CheckFolder(const QString& text) {
    const QString path = text.trimmed();
    if (path.isEmpty() || !QFileInfo(path).isAbsolute()) return {LSText(ui::lsEnterFolder)};
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) return {LSText(ui::lsFileNotFolder)};
    if (!info.exists()) return {LSText(ui::lsFolderCreated), false};
    return {};
}

TFieldVerdict CheckOptionalFile(const QString& text) {
    if (text.trimmed().isEmpty()) return {};
    const QFileInfo info(text.trimmed());
    if (!info.exists() || info.isDir()) return {LSText(ui::lsFileMissing)};
    return {};
}

TFieldVerdict CheckLength(const QString& text, int maxLength) {
    if (static_cast<int>(ToCore(text).size()) > maxLength) return {LSText(ui::lsAtMostChars).arg(maxLength)};
    return {};
}

}  // namespace qz::gui
