#include "gui/checkdialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/settingsstore.h"
#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

constexpr const char* kAppendByMissingExtensions = "Tools_AppendByMissingExtensions";

// One page: the continuous choice, the constant choice and its field list.
QWidget* NewPage(QRadioButton* continuous, QRadioButton* constant, QListWidget* list, const QStringList& fields) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    list->addItems(fields);
    list->setCurrentRow(0);
    list->setMaximumHeight(list->sizeHintForRow(0) * 4 + 8);
    layout->addWidget(continuous);
    layout->addWidget(constant);
    layout->addWidget(list);
    QObject::connect(constant, &QRadioButton::toggled, list, &QWidget::setEnabled);
    return page;
}

// Continuous numbers are chosen when possible, else constant ones when possible.
void PresetPage(QRadioButton* continuous, QRadioButton* constant, QListWidget* list, bool canContinuous,
                bool canConstant) {
    continuous->setEnabled(canContinuous);
    constant->setEnabled(canConstant);
    if (canContinuous) continuous->setChecked(true);
    else if (canConstant) constant->setChecked(true);
    list->setEnabled(constant->isChecked());
}

}  // namespace

TExtensionCheckForm::TExtensionCheckForm(QWidget* parent)
    : QDialog(parent), cbExtendAutomatically(new QCheckBox(LSCaption(dlg::lsExtendAutomatically))) {
    setWindowTitle(LSCaption(dlg::lsExtensionTitle));
    auto* group = new QGroupBox(LSCaption(dlg::lsExtensionTitle));
    group->setObjectName("rgCallExtensionCheck");
    auto* groupLayout = new QVBoxLayout(group);
    const int texts[] = {dlg::lsPortable, dlg::lsMaritimeMobile, dlg::lsTechNovice};
    for (int i = 0; i < 3; ++i) {
        FKinds[i] = new QRadioButton(LSCaption(texts[i]));
        groupLayout->addWidget(FKinds[i]);
    }
    FKinds[cecPortable]->setChecked(true);
    cbExtendAutomatically->setObjectName("cbExtendAutomatically");
    cbExtendAutomatically->setChecked(ReadSettingBool(kAppendByMissingExtensions, false));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(cbExtendAutomatically);
    layout->addWidget(NewOkCancel(this));
}

TCallExtensionCheck TExtensionCheckForm::CallExtensionCheck() const {
    for (int i = 0; i < 3; ++i)
        if (FKinds[i]->isChecked()) return static_cast<TCallExtensionCheck>(i);
    return cecPortable;
}

bool TExtensionCheckForm::ExtendAutomatically() const { return cbExtendAutomatically->isChecked(); }

void TExtensionCheckForm::accept() {
    WriteSettingBool(kAppendByMissingExtensions, ExtendAutomatically());
    QDialog::accept();
}

TCheckExchangedNumbersForm::TCheckExchangedNumbersForm(SExchangedNumbersCheck possible, const QStringList& sentList,
                                                       const QStringList& rcvdList, const QString& specialCountries,
                                                       QWidget* parent)
    : QDialog(parent),
      FPages(new QTabWidget),
      FSentContinuous(new QRadioButton(LSCaption(dlg::lsContinuousCheck))),
      FSentConstant(new QRadioButton(LSCaption(dlg::lsConstantCheck))),
      lbSentNumberList(new QListWidget),
      FRcvdContinuous(new QRadioButton(LSCaption(dlg::lsContinuousCheck))),
      FRcvdConstant(new QRadioButton(LSCaption(dlg::lsConstantCheck))),
      lbRcvdNumberList(new QListWidget),
      cbSpecialCountries(new QCheckBox(specialCountries)),
      rgSpecialCountries(new QGroupBox),
      FExclusively(new QRadioButton(LSCaption(dlg::lsTestExclusively))),
      FExclude(new QRadioButton(LSCaption(dlg::lsExcludeFromTest))) {
    setWindowTitle(LSCaption(dlg::lsExchangedTitle));
    lbSentNumberList->setObjectName("lbSentNumberList");
    lbRcvdNumberList->setObjectName("lbRcvdNumberList");
    cbSpecialCountries->setObjectName("cbSpecialCountries");
    rgSpecialCountries->setObjectName("rgSpecialCountries");
    tsSentNumbers = NewPage(FSentContinuous, FSentConstant, lbSentNumberList, sentList);
    tsRcvdNumbers = NewPage(FRcvdContinuous, FRcvdConstant, lbRcvdNumberList, rcvdList);
    tsSentNumbers->setObjectName("tsSentNumbers");
    tsRcvdNumbers->setObjectName("tsRcvdNumbers");
    auto* special = new QVBoxLayout(rgSpecialCountries);
    special->addWidget(FExclusively);
    special->addWidget(FExclude);
    FExclusively->setChecked(true);
    tsRcvdNumbers->layout()->addWidget(cbSpecialCountries);
    tsRcvdNumbers->layout()->addWidget(rgSpecialCountries);
    cbSpecialCountries->setVisible(!specialCountries.isEmpty());
    rgSpecialCountries->setVisible(!specialCountries.isEmpty());
    cbSpecialCountries->setChecked(false);
    rgSpecialCountries->setEnabled(false);
    connect(cbSpecialCountries, &QCheckBox::toggled, rgSpecialCountries, &QWidget::setEnabled);

    // Both page titles stay whole: the dialog is as wide as the tabs need.
    FPages->tabBar()->setUsesScrollButtons(false);
    FPages->tabBar()->setElideMode(Qt::ElideNone);
    FPages->addTab(tsSentNumbers, LSCaption(dlg::lsSentNumbers));
    FPages->addTab(tsRcvdNumbers, LSCaption(dlg::lsRcvdNumbers));
    const bool sent = possible.Contains(encSentConstant) || possible.Contains(encSentContinuously);
    const bool rcvd = possible.Contains(encRcvdConstant) || possible.Contains(encRcvdContinuously);
    FPages->setTabVisible(0, sent);
    FPages->setTabVisible(1, rcvd);
    FPages->setCurrentIndex(sent ? 0 : 1);
    PresetPage(FSentContinuous, FSentConstant, lbSentNumberList, possible.Contains(encSentContinuously),
               possible.Contains(encSentConstant) && !sentList.isEmpty());
    PresetPage(FRcvdContinuous, FRcvdConstant, lbRcvdNumberList, possible.Contains(encRcvdContinuously),
               possible.Contains(encRcvdConstant) && !rcvdList.isEmpty());

    QDialogButtonBox* buttons = NewOkCancel(this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!possible.Empty());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FPages);
    layout->addWidget(buttons);
}

int TCheckExchangedNumbersForm::SentListIndex() const { return std::max(0, lbSentNumberList->currentRow()); }
int TCheckExchangedNumbersForm::RcvdListIndex() const { return std::max(0, lbRcvdNumberList->currentRow()); }

void TCheckExchangedNumbersForm::ShowReceivedPage() { FPages->setCurrentWidget(tsRcvdNumbers); }

void TCheckExchangedNumbersForm::accept() {
    // Only the page in front counts.
    FResult = {};
    if (FPages->currentWidget() == tsSentNumbers) {
        if (FSentContinuous->isChecked()) FResult.Include(encSentContinuously);
        else if (FSentConstant->isChecked()) FResult.Include(encSentConstant);
    } else {
        if (FRcvdContinuous->isChecked()) FResult.Include(encRcvdContinuously);
        else if (FRcvdConstant->isChecked()) FResult.Include(encRcvdConstant);
        if (!cbSpecialCountries->isHidden() && cbSpecialCountries->isChecked())
            FResult.Include(FExclusively->isChecked() ? encTestSpecialCountriesExclusively
                                                      : encExcludeSpecialCountries);
    }
    QDialog::accept();
}

}  // namespace qz::gui
