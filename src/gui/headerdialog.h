// The header data dialog: own call and station data, the contest, the country file,
// operators, soapbox and the categories of a log. The caller sets FileHeader, shows the
// dialog and reads FileHeader back after OK; only the fields shown here change.
#pragma once

#include <QDialog>
#include <memory>

#include "domain/cty.h"
#include "domain/defs.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qz::gui {

class THeaderDataForm : public QDialog {
    Q_OBJECT
public:
    // `cty`: country data already loaded (the open log's), used to ask a contest class
    // which categories it shows; without it the header's country file is loaded once.
    explicit THeaderDataForm(QWidget* parent = nullptr, std::shared_ptr<const TCtyStuff> cty = nullptr);

    TFileHeader FileHeader;

    // The contest chosen in the list.
    TContest ChosenContest() const;
    // Chooses a contest (as a click into the list does).
    void ChooseContest(TContest contest);

protected:
    void showEvent(QShowEvent* event) override;
    void accept() override;

private:
    void FillFields(const TFileHeader& header);
    void ContestChosen();
    void LoadFromFile();
    void BrowseCtyFile();
    bool CtyFileUsable(const std::string& path) const;

    std::shared_ptr<const TCtyStuff> FCty;
    QLineEdit* leOwnCall;
    QLineEdit* leName;
    QPlainTextEdit* memAddress;
    QLineEdit* leEMailAddress;
    QLineEdit* leStation;
    QLineEdit* leClub;
    QLineEdit* leARRLSection;
    QLineEdit* leSpecific;
    QComboBox* lbContests;
    QLineEdit* leCtyFile;
    QLineEdit* leOperatorList;
    QPlainTextEdit* memSoapbox;
    QComboBox* cbCatAssisted;
    QComboBox* cbCatOperator;
    QComboBox* cbCatPower;
    QComboBox* cbCatStation;
    QComboBox* cbCatTime;
    QComboBox* cbCatTransmitter;
    QComboBox* cbCatOverlay;
    QFormLayout* FCategories;
    QPushButton* FOk;
    QLabel* FOwnCallError;
    QLabel* FEMailError;
    QLabel* FSectionError;
    QLabel* FCtyError;
    QLabel* FOperatorsError;
};

}  // namespace qz::gui
