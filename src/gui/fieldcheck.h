// Text fields that check what is typed: each field has a check that returns what is
// wrong (empty when the text is fine) and a label under the field that says it. A form
// collects its fields and refuses OK while one is wrong, showing the first.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace qz::gui {

struct TFieldVerdict {
    QString text;       // what is wrong, or a note; empty when there is nothing to say
    bool error = true;  // false: a note only, the text is accepted
};

using TFieldCheckFunction = std::function<TFieldVerdict(const QString& text)>;

class TFieldChecks : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Puts `edit` and a message label under it into a new widget (for a form row) and
    // checks the field whenever its text changes.
    QWidget* Add(QLineEdit* edit, TFieldCheckFunction check);

    // Checks every field; the first wrong one (in the order added) when any, else nullptr.
    QLineEdit* FirstWrong();
    // The message shown under `edit` ("" when none).
    QString Message(const QLineEdit* edit) const;

private:
    struct TField {
        QLineEdit* edit;
        QLabel* message;
        TFieldCheckFunction check;
    };
    bool Check(TField& field);
    std::vector<TField> FFields;
};

// Common checks.
TFieldVerdict CheckWholeNumber(const QString& text, long long min, long long max);
TFieldVerdict CheckNoBlanks(const QString& text);
// Empty is accepted when `mayBeEmpty`.
TFieldVerdict CheckAddress(const QString& text, bool mayBeEmpty);
TFieldVerdict CheckAddressList(const QString& text);
// A folder: a full path that is no file; a missing one gets a note (it is created).
TFieldVerdict CheckFolder(const QString& text);
// A file that exists, or empty.
TFieldVerdict CheckOptionalFile(const QString& text);
TFieldVerdict CheckLength(const QString& text, int maxLength);

}  // namespace qz::gui
