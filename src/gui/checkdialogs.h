// The dialogs of the log checks: which call extensions to look for, and which exchanged
// numbers to check (sent or received, serial or constant, which field, which stations).
#pragma once

#include <QDialog>
#include <QStringList>

#include "domain/defs.h"

class QCheckBox;
class QGroupBox;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace qz::gui {

class TExtensionCheckForm : public QDialog {
    Q_OBJECT
public:
    // The extension box starts as the setting "Tools_AppendByMissingExtensions" says;
    // OK writes it back.
    explicit TExtensionCheckForm(QWidget* parent = nullptr);
    TCallExtensionCheck CallExtensionCheck() const;
    bool ExtendAutomatically() const;

protected:
    void accept() override;

private:
    QRadioButton* FKinds[3];
    QCheckBox* cbExtendAutomatically;
};

class TCheckExchangedNumbersForm : public QDialog {
    Q_OBJECT
public:
    // `possible`: the checks the log allows; `sentList`, `rcvdList`: the titles of the
    // fields for the constant checks; `specialCountries`: the text of the special
    // countries box, empty when the contest has none (the box is then hidden).
    TCheckExchangedNumbersForm(SExchangedNumbersCheck possible, const QStringList& sentList,
                               const QStringList& rcvdList, const QString& specialCountries, QWidget* parent = nullptr);
    // After OK: the checks of the page in front; after Cancel: none.
    SExchangedNumbersCheck ExchangedNumbersCheck() const { return FResult; }
    int SentListIndex() const;
    int RcvdListIndex() const;
    // Shows the received page (as a click on its tab does).
    void ShowReceivedPage();

protected:
    void accept() override;

private:
    SExchangedNumbersCheck FResult;
    QTabWidget* FPages;
    QWidget* tsSentNumbers;
    QWidget* tsRcvdNumbers;
    QRadioButton* FSentContinuous;
    QRadioButton* FSentConstant;
    QListWidget* lbSentNumberList;
    QRadioButton* FRcvdContinuous;
    QRadioButton* FRcvdConstant;
    QListWidget* lbRcvdNumberList;
    QCheckBox* cbSpecialCountries;
    QGroupBox* rgSpecialCountries;
    QRadioButton* FExclusively;
    QRadioButton* FExclude;
};

}  // namespace qz::gui
