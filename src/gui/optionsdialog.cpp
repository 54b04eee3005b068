#include "gui/optionsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "base/language.h"
#include "base/settingsstore.h"
#include "contests/iaru.h"
#include "domain/defs.h"
#include "gui/fieldcheck.h"
#include "gui/livestrings.h"
#include "gui/mailstrings.h"
#include "gui/qtext.h"
#include "mail/robotaddresses.h"

namespace qz::gui {

namespace {

struct TBoolControl {
    TBoolOption TOptions::*field;
    const char* name;
    int text;
};

// Every Boolean setting with its control, by page.
const TBoolControl kBoolControls[] = {
    {&TOptions::Import_STF_ShowAllocationDialog, "cbShowAllocationDialog", ui::lsShowAllocationDialog},
    {&TOptions::Import_IgnoreDefaultPaths, "cbIgnoreDefaultPaths", ui::lsIgnoreDefaultPaths},
    {&TOptions::Import_SaveAsCallsign, "cbSaveAsCallsign", ui::lsSaveAsCallsign},
    {&TOptions::Import_ASCII_AcceptLettersAndFigsOnly, "cbAcceptLettersAndFigsOnly", ui::lsAcceptLettersAndFigsOnly},
    {&TOptions::Import_BIN_Look4QTCFile, "cbLook4QTCFile", ui::lsLook4QTCFile},
    {&TOptions::Export_ADIF_ShowConfigDialog, "cbShowADIFConfig", ui::lsShowADIFConfig},
    {&TOptions::Export_STF_OutputCty, "cbSTFAddCtyField", ui::lsSTFAddCtyField},
    {&TOptions::Export_STF_AddComments, "cbSTFAddComments", ui::lsSTFAddComments},
    {&TOptions::Editor_ColumnAutoWidth, "cbColumnAutoWidth", ui::lsColumnAutoWidth},
    {&TOptions::Compile_SortLog, "cbSortLog", ui::lsSortLog},
    {&TOptions::Compile_RemoveEmptyQSOs, "cbRemoveEmptyQSOs", ui::lsRemoveEmptyQSOs},
    {&TOptions::Compile_CancelQSOIfBandIsNotAllowed, "cbDelIfInvalidBand", ui::lsDelIfInvalidBand},
    {&TOptions::Compile_CancelQSOIfModeIsNotAllowed, "cbDelIfInvalidMode", ui::lsDelIfInvalidMode},
    {&TOptions::EMail_SendACopyToMe, "cbSendACopyToMe", ui::lsEMailLabels},
    {&TOptions::Editor_RealTimeClock, "cbRealTimeClock", ui::lsRealTimeClock},
};

struct TTextControl {
    TStringOption TOptions::*field;
    const char* name;
    bool path;  // a folder: the system's bytes, not Windows-1252
};

const TTextControl kTextControls[] = {
    {&TOptions::EMail_SMTPHost, "leSMTPHost", false},
    {&TOptions::EMail_UserName, "leUserName", false},
    {&TOptions::EMail_Sender, "leSender", false},
    {&TOptions::Path_QZ_Logs, "leQZFiles", true},
    {&TOptions::Path_Exported_Logs, "leExportedFiles", true},
    {&TOptions::Path_EMails, "leEMails", true},
};

QGroupBox* Group(ui::TOptionsGroup group, std::initializer_list<QWidget*> widgets) {
    auto* box = new QGroupBox(ui::LSPart(ui::lsOptionsGroups, group));
    auto* layout = new QVBoxLayout(box);
    for (QWidget* w : widgets) layout->addWidget(w);
    return box;
}

QWidget* Page(std::initializer_list<QWidget*> widgets) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addStretch(1);
    return page;
}

QLabel* Note(int text) {
    auto* label = new QLabel(LSText(text));
    label->setWordWrap(true);
    return label;
}

}  // namespace

bool SaveOptionsToSettingsFile(const TOptions& options) {
    TSettingsStore store = TSettingsStore::Load();
    SaveOptions(options, store);
    std::string error;
    if (store.Save(SettingsFilePath(), &error)) return true;
    ShowErrorMessage(ToCore(MessageWithPath(error, SettingsFilePath())));
    return false;
}

TOptionsDialog::TOptionsDialog(QWidget* parent, bool showIARU)
    : QDialog(parent), FPages(new QTabWidget), FChecks(new TFieldChecks(this)), FShowIARU(showIARU) {
    setObjectName("TOptionsDialog");
    setWindowTitle(LSCaption(ui::lsOptionsTitle));
    FPages->setObjectName("PageControl1");
    const std::pair<const char*, QWidget*> pages[] = {
        {"tsImport", BuildImportPage()},       {"tsExport", BuildExportPage()}, {"tsEditor", BuildEditorPage()},
        {"tsCompile", BuildCompilePage()},     {"tsEMail", BuildAddressPage()}, {"tsIARU", BuildIARUPage()},
        {"tsEMailSettings", BuildEMailPage()}, {"tsPaths", BuildPathsPage()},
    };
    for (int i = 0; i < static_cast<int>(std::size(pages)); ++i) {
        pages[i].second->setObjectName(pages[i].first);
        FPages->addTab(pages[i].second, ui::LSPart(ui::lsOptionsPages, i));
    }
    FPages->setTabVisible(tsIARU, FShowIARU);
    // Every page title stays in sight: the dialog is as wide as its tabs.
    FPages->tabBar()->setUsesScrollButtons(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(ui::lsCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FPages);
    layout->addWidget(buttons);
    ShowSettings();
}

QCheckBox* TOptionsDialog::Box(const char* name, int text) {
    auto* box = new QCheckBox(text == ui::lsEMailLabels ? ui::LSPart(text, ui::elCopy) : LSCaption(text));
    box->setObjectName(name);
    return box;
}

QLineEdit* TOptionsDialog::Edit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

QWidget* TOptionsDialog::BuildImportPage() {
    auto box = [this](int i) { return Box(kBoolControls[i].name, kBoolControls[i].text); };
    return Page({Group(ui::ogSTFImport, {box(0)}), Group(ui::ogGeneral, {box(1), box(2)}),
                 Group(ui::ogExchange, {box(3)}), Group(ui::ogBinary, {box(4)})});
}

QWidget* TOptionsDialog::BuildExportPage() {
    auto box = [this](int i) { return Box(kBoolControls[i].name, kBoolControls[i].text); };
    return Page({Group(ui::ogADIF, {box(5)}), Group(ui::ogSTFExport, {box(6), box(7)})});
}

QWidget* TOptionsDialog::BuildEditorPage() {
    auto box = [this](int i) { return Box(kBoolControls[i].name, kBoolControls[i].text); };
    return Page({box(8), box(14)});
}

QWidget* TOptionsDialog::BuildCompilePage() {
    auto box = [this](int i) { return Box(kBoolControls[i].name, kBoolControls[i].text); };
    return Page({box(9), box(10), box(11), box(12), Note(ui::lsScoreSettingsNote)});
}

QWidget* TOptionsDialog::BuildAddressPage() {
    FAddresses = new QTableWidget(0, 2);
    FAddresses->setObjectName("vleEMailAddresses");
    FAddresses->verticalHeader()->hide();
    FAddresses->verticalHeader()->setDefaultSectionSize(FAddresses->fontMetrics().height() + 6);
    FAddresses->horizontalHeader()->setStretchLastSection(true);
    FAddresses->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int c = cWWDXcw; c <= kNoOfRobotAddresses; ++c) {
        const int row = FAddresses->rowCount();
        FAddresses->insertRow(row);
        auto* key = new QTableWidgetItem(FromCore(ContestNames[static_cast<std::size_t>(c)]).trimmed());
        key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        key->setData(Qt::UserRole, c);
        FAddresses->setItem(row, 0, key);
        FAddresses->setItem(row, 1, new QTableWidgetItem);
    }
    FAddresses->setHorizontalHeaderLabels({LSCaption(ui::lsContestTitle), LSCaption(ui::lsRobotAddressTitle)});
    FAddresses->resizeColumnToContents(0);
    // A wrong address is marked in its cell as soon as it is typed.
    connect(FAddresses, &QTableWidget::itemChanged, this, [](QTableWidgetItem* item) {
        if (item->column() != 1) return;
        const TFieldVerdict v = CheckAddress(item->text(), true);
        item->setToolTip(v.text);
        item->setBackground(v.text.isEmpty() ? QBrush() : QBrush(QColor(0xFF, 0xD0, 0xD0)));
    });
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(FAddresses);
    return page;
}

QWidget* TOptionsDialog::BuildIARUPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* note = new QLabel(ui::LSPart(ui::lsIARULabels, 4));
    note->setWordWrap(true);
    form->addRow(note);
    const char* names[] = {"sePtsHQ", "sePtsSameZone", "sePtsSameCont", "sePtsDiffCont"};
    for (int i = 0; i < 4; ++i) {
        FIARU[i] = new QSpinBox;
        FIARU[i]->setObjectName(names[i]);
        FIARU[i]->setRange(0, 99);
        form->addRow(ui::LSPart(ui::lsIARULabels, i), FIARU[i]);
    }
    return page;
}

QWidget* TOptionsDialog::BuildEMailPage() {
    auto label = [](ui::TEMailLabel l) { return ui::LSPart(ui::lsEMailLabels, l); };
    auto* smtp = new QGroupBox(ui::LSPart(ui::lsOptionsGroups, ui::ogSMTP));
    auto* form = new QFormLayout(smtp);
    QLineEdit* host = Edit("leSMTPHost");
    form->addRow(label(ui::elServer), FChecks->Add(host, [](const QString& t) {
        return t.trimmed().isEmpty() ? TFieldVerdict{} : CheckNoBlanks(t.trimmed());
    }));
    // Digits only, as many as a 32-bit number has; the range is checked as typed.
    QLineEdit* port = Edit("ceSMTPPort");
    port->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), port));
    form->addRow(label(ui::elPort),
                 FChecks->Add(port, [](const QString& t) { return CheckWholeNumber(t, kMinSmtpPort, kMaxSmtpPort); }));
    form->addRow(label(ui::elUserName),
                 FChecks->Add(Edit("leUserName"), [](const QString& t) { return CheckLength(t, 255); }));
    QLineEdit* password = Edit("lePassword");
    password->setEchoMode(QLineEdit::Password);
    form->addRow(label(ui::elPassword), FChecks->Add(password, [](const QString& t) { return CheckLength(t, 255); }));
    form->addRow(Note(ui::lsPasswordNote));
    QLineEdit* timeout = Edit("leConnectTimeout");
    timeout->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), timeout));
    form->addRow(label(ui::elTimeout),
                 FChecks->Add(timeout, [](const QString& t) { return CheckWholeNumber(t, 1, kMaxConnectTimeout); }));
    form->addRow(label(ui::elCAFile), FChecks->Add(Edit("leCAFile"), CheckOptionalFile));

    auto* sender = new QGroupBox(ui::LSPart(ui::lsOptionsGroups, ui::ogSender));
    auto* senderForm = new QFormLayout(sender);
    senderForm->addRow(label(ui::elSender),
                       FChecks->Add(Edit("leSender"), [](const QString& t) { return CheckAddress(t, true); }));
    senderForm->addRow(Box("cbSendACopyToMe", ui::lsEMailLabels));

    auto* type = new QGroupBox(ui::LSPart(ui::lsOptionsGroups, ui::ogSending));
    type->setObjectName("rgEMailType");
    auto* typeLayout = new QVBoxLayout(type);
    FEMailType = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(ui::LSPart(ui::lsEMailTypes, i));
        radio->setObjectName(QString("rbEMailType%1").arg(i));
        FEMailType->addButton(radio, i);
        typeLayout->addWidget(radio);
    }
    return Page({smtp, sender, type});
}

QWidget* TOptionsDialog::BuildPathsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    const std::pair<const char*, const char*> folders[] = {{"leQZFiles", "sbChooseQZFPath"},
                                                           {"leExportedFiles", "sbChooseExportedPath"},
                                                           {"leEMails", "sbChooseEMailsPath"}};
    for (int i = 0; i < 3; ++i) {
        QLineEdit* edit = Edit(folders[i].first);
        auto* choose = new QToolButton;
        choose->setObjectName(folders[i].second);
        choose->setText("...");
        connect(choose, &QToolButton::clicked, this, [this, edit] {
            const QString chosen = QFileDialog::getExistingDirectory(this, LSCaption(ui::lsChooseFolder), edit->text());
            if (!chosen.isEmpty()) edit->setText(QDir::toNativeSeparators(chosen));
        });
        auto* row = new QWidget;
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(FChecks->Add(edit, CheckFolder), 1);
        rowLayout->addWidget(choose, 0, Qt::AlignTop);
        form->addRow(ui::LSPart(ui::lsFolderLabels, i), row);
    }
    return page;
}

void TOptionsDialog::ShowSettings() {
    for (const TBoolControl& c : kBoolControls) findChild<QCheckBox*>(c.name)->setChecked((Options.*c.field).oValue);
    for (const TTextControl& c : kTextControls) {
        const std::string& value = (Options.*c.field).oValue;
        findChild<QLineEdit*>(c.name)->setText(c.path ? FromPath(value) : FromCore(value));
    }
    findChild<QLineEdit*>("ceSMTPPort")->setText(QString::number(Options.EMail_SMTPPort.oValue));
    findChild<QLineEdit*>("lePassword")->setText(FromCore(Options.EMail_Password.oValue));
    std::int32_t timeout = ReadSettingInteger(kConnectTimeoutSetting, kDefaultConnectTimeout);
    if (timeout < 1 || timeout > kMaxConnectTimeout) timeout = kDefaultConnectTimeout;
    findChild<QLineEdit*>("leConnectTimeout")->setText(QString::number(timeout));
    findChild<QLineEdit*>("leCAFile")->setText(FromPath(ReadSettingString(kCAFileSetting, "")));
    if (QAbstractButton* b = FEMailType->button(Options.EMail_Type.oValue == 1 ? 1 : 0)) b->setChecked(true);
    for (int row = 0; row < FAddresses->rowCount(); ++row) {
        const int contest = FAddresses->item(row, 0)->data(Qt::UserRole).toInt();
        FAddresses->item(row, 1)->setText(FromCore(EMailAddresses[static_cast<std::size_t>(contest)]));
    }
    const TIARUPoints points = IARUOptionPoints();
    const std::int32_t values[] = {points.HQ, points.SameZone, points.SameContinent, points.OtherContinent};
    for (int i = 0; i < 4; ++i) FIARU[i]->setValue(values[i]);
}

TOptions TOptionsDialog::OptionsFromControls() const {
    TOptions o = Options;
    for (const TBoolControl& c : kBoolControls) (o.*c.field).oValue = findChild<QCheckBox*>(c.name)->isChecked();
    for (const TTextControl& c : kTextControls) {
        const QString text = findChild<QLineEdit*>(c.name)->text().trimmed();
        (o.*c.field).oValue = c.path ? ToPath(text) : ToCore(text);
    }
    o.EMail_SMTPPort.oValue = findChild<QLineEdit*>("ceSMTPPort")->text().trimmed().toInt();
    o.EMail_Password.oValue = ToCore(findChild<QLineEdit*>("lePassword")->text());
    o.EMail_Type.oValue = FEMailType->checkedId() == 1 ? 1 : 0;
    return o;
}

bool TOptionsDialog::AddressesValid() {
    for (int row = 0; row < FAddresses->rowCount(); ++row) {
        const TFieldVerdict v = CheckAddress(FAddresses->item(row, 1)->text(), true);
        if (v.text.isEmpty()) continue;
        FPages->setCurrentIndex(tsEMail);
        FAddresses->setCurrentCell(row, 1);
        ShowErrorMessage(ToCore(FAddresses->item(row, 0)->text() + ": " + v.text));
        return false;
    }
    return true;
}

int TOptionsDialog::ExecOnPage(TPage page, QLineEdit* select) {
    ShowSettings();
    FPages->setCurrentIndex(page);
    if (select != nullptr) {
        select->setFocus();
        select->selectAll();
    }
    return exec();
}

void TOptionsDialog::accept() {
    if (QLineEdit* wrong = FChecks->FirstWrong()) {
        for (QWidget* w = wrong; w != nullptr; w = w->parentWidget())
            if (const int index = FPages->indexOf(w); index >= 0) FPages->setCurrentIndex(index);
        wrong->setFocus();
        wrong->selectAll();
        ShowErrorMessage(LS(ui::lsCorrectFirst) + "\n" + ToCore(FChecks->Message(wrong)));
        return;
    }
    if (!AddressesValid()) return;
    TOptions options = OptionsFromControls();
    for (const std::string& folder :
         {options.Path_QZ_Logs.oValue, options.Path_Exported_Logs.oValue, options.Path_EMails.oValue}) {
        if (QDir(FromPath(folder)).exists() || QDir().mkpath(FromPath(folder))) continue;
        FPages->setCurrentIndex(tsPaths);
        ShowErrorMessage(LS(ui::lsFolderNotCreated) + " " + ToCore(FromPath(folder)));
        return;
    }
    Options = options;
    TSettingsStore store = TSettingsStore::Load();
    SaveOptions(Options, store);
    store.SetInteger(kMainSection, kConnectTimeoutSetting, findChild<QLineEdit*>("leConnectTimeout")->text().toInt());
    store.SetString(kMainSection, kCAFileSetting, ToPath(findChild<QLineEdit*>("leCAFile")->text().trimmed()));
    std::string error;
    if (!store.Save(SettingsFilePath(), &error)) ShowErrorMessage(ToCore(MessageWithPath(error, SettingsFilePath())));

    TEMailAddressTable addresses = EMailAddresses;
    for (int row = 0; row < FAddresses->rowCount(); ++row) {
        const int contest = FAddresses->item(row, 0)->data(Qt::UserRole).toInt();
        addresses[static_cast<std::size_t>(contest)] = ToCore(FAddresses->item(row, 1)->text().trimmed());
    }
    if (addresses != EMailAddresses) {
        EMailAddresses = addresses;
        TEMailAddressList list;
        if (!list.SaveToFile()) ShowErrorMessage(list.Error());
    }
    if (FShowIARU) SetIARUOptionPoints({FIARU[0]->value(), FIARU[1]->value(), FIARU[2]->value(), FIARU[3]->value()});
    QDialog::accept();
}

}  // namespace qz::gui
