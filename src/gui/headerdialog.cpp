#include "gui/headerdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "base/frontend.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "gui/dialogfields.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"
#include "logfile/qzf.h"

namespace qz::gui {

namespace {

constexpr int kMaxOwnCall = 26;
constexpr int kMaxText = 255;
constexpr int kMaxSection = 3;
constexpr int kMaxSpecific = 31;
constexpr int kMemoLines = 3;
constexpr const char* kLastContest = "LastContest";

QLineEdit* NewLine(const char* name, int limit) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(limit);
    return edit;
}

// A text of a few lines that never grows past `limit` characters.
QPlainTextEdit* NewMemo(const char* name, int limit) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * kMemoLines + 12);
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, limit] {
        const QString text = memo->toPlainText();
        if (text.size() <= limit) return;
        memo->setPlainText(text.left(limit));
        memo->moveCursor(QTextCursor::End);
    });
    return memo;
}

template <std::size_t N>
QComboBox* NewCategory(const char* name, const std::array<std::string_view, N>& names) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    for (std::string_view n : names) box->addItem(FromCore(n));
    return box;
}

// One entry per distinct long contest name, the first contest with a name winning,
// sorted alphabetically.
std::vector<std::pair<QString, TContest>> ContestList() {
    std::vector<std::pair<QString, TContest>> list;
    for (int c = cWWDXcw; c <= cWNA; ++c) {
        const QString name = FromCore(Trim(ContestNames[static_cast<std::size_t>(c)]));
        if (std::none_of(list.begin(), list.end(), [&](const auto& e) { return e.first == name; }))
            list.emplace_back(name, static_cast<TContest>(c));
    }
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    return list;
}

template <typename T>
T Chosen(const QComboBox* box) {
    return static_cast<T>(std::max(0, box->currentIndex()));
}

}  // namespace

THeaderDataForm::THeaderDataForm(QWidget* parent, std::shared_ptr<const TCtyStuff> cty)
    : QDialog(parent),
      FCty(std::move(cty)),
      leOwnCall(NewLine("leOwnCall", kMaxOwnCall)),
      leName(NewLine("leName", kMaxText)),
      memAddress(NewMemo("memAddress", kMaxText)),
      leEMailAddress(NewLine("leEMailAddress", kMaxText)),
      leStation(NewLine("leStation", kMaxText)),
      leClub(NewLine("leClub", kMaxText)),
      leARRLSection(NewLine("leARRLSection", kMaxSection)),
      leSpecific(NewLine("leSpecific", kMaxSpecific)),
      lbContests(new QComboBox),
      leCtyFile(NewLine("leCtyFile", kMaxText)),
      leOperatorList(NewLine("leOperatorList", kMaxText)),
      memSoapbox(NewMemo("memSoapbox", kMaxText)),
      cbCatAssisted(NewCategory("cbCatAssisted", CategoryAssistedNames)),
      cbCatOperator(NewCategory("cbCatOperator", CategoryOperatorNames)),
      cbCatPower(NewCategory("cbCatPower", CategoryPowerNames)),
      cbCatStation(NewCategory("cbCatStation", CategoryStationNames)),
      cbCatTime(NewCategory("cbCatTime", CategoryTimeNames)),
      cbCatTransmitter(NewCategory("cbCatTransmitter", CategoryTransmitterNames)),
      cbCatOverlay(NewCategory("cbCatOverlay", CategoryOverlayNames)),
      FCategories(new QFormLayout) {
    setWindowTitle(LSCaption(dlg::lsHeaderTitle));
    lbContests->setObjectName("lbContests");
    for (const auto& [name, contest] : ContestList()) lbContests->addItem(name, static_cast<int>(contest));
    lbContests->setMaxVisibleItems(20);
    connect(lbContests, &QComboBox::currentIndexChanged, this, [this] { ContestChosen(); });

    auto* user = new QGroupBox;
    auto* userForm = new QFormLayout(user);
    FOwnCallError = AddCheckedRow(userForm, LSCaption(dlg::lsOwnCall), leOwnCall);
    userForm->addRow(LSCaption(dlg::lsName), leName);
    userForm->addRow(LSCaption(dlg::lsAddress), memAddress);
    FEMailError = AddCheckedRow(userForm, LSCaption(dlg::lsEMail), leEMailAddress);
    userForm->addRow(LSCaption(dlg::lsStation), leStation);
    userForm->addRow(LSCaption(dlg::lsClub), leClub);
    FSectionError = AddCheckedRow(userForm, LSCaption(dlg::lsSection), leARRLSection);
    userForm->addRow(LSCaption(dlg::lsSpecific), leSpecific);
    auto* load = new QPushButton(LSCaption(dlg::lsLoadFromFile));
    load->setObjectName("bbLoadFromFile");
    load->setToolTip(LSHint(dlg::lsLoadFromFile));
    connect(load, &QPushButton::clicked, this, [this] { LoadFromFile(); });
    userForm->addRow(QString(), load);

    auto* contest = new QGroupBox;
    auto* contestForm = new QFormLayout(contest);
    contestForm->addRow(LSCaption(dlg::lsContest), lbContests);
    auto* ctyRow = new QHBoxLayout;
    auto* browse = new QPushButton(LSCaption(dlg::lsBrowse));
    browse->setObjectName("bbBrowse");
    connect(browse, &QPushButton::clicked, this, [this] { BrowseCtyFile(); });
    ctyRow->addWidget(leCtyFile, 1);
    ctyRow->addWidget(browse);
    contestForm->addRow(LSCaption(dlg::lsCtyFile), ctyRow);
    FCtyError = NewErrorLabel();
    contestForm->addRow(QString(), FCtyError);
    FOperatorsError = AddCheckedRow(contestForm, LSCaption(dlg::lsOperators), leOperatorList);
    contestForm->addRow(LSCaption(dlg::lsSoapbox), memSoapbox);
    auto* categories = new QGroupBox(LSCaption(dlg::lsCategory));
    categories->setLayout(FCategories);
    FCategories->addRow(LSCaption(dlg::lsCatAssisted), cbCatAssisted);
    FCategories->addRow(LSCaption(dlg::lsCatOperator), cbCatOperator);
    FCategories->addRow(LSCaption(dlg::lsPower), cbCatPower);
    FCategories->addRow(LSCaption(dlg::lsCatStation), cbCatStation);
    FCategories->addRow(LSCaption(dlg::lsCatTime), cbCatTime);
    FCategories->addRow(LSCaption(dlg::lsCatTransmitter), cbCatTransmitter);
    FCategories->addRow(LSCaption(dlg::lsCatOverlay), cbCatOverlay);
    contestForm->addRow(categories);

    auto* columns = new QHBoxLayout;
    columns->addWidget(user, 1);
    columns->addWidget(contest, 1);
    QDialogButtonBox* buttons = NewOkCancel(this);
    FOk = buttons->button(QDialogButtonBox::Ok);
    connect(leOwnCall, &QLineEdit::textChanged, this,
            [this](const QString& text) { FOk->setEnabled(!text.trimmed().isEmpty()); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    FileHeader = NewFileHeader();
    RestrictToCp1252(this);
    leCtyFile->setValidator(nullptr);  // a file name, in the system's characters
}

TContest THeaderDataForm::ChosenContest() const { return static_cast<TContest>(lbContests->currentData().toInt()); }

void THeaderDataForm::ChooseContest(TContest contest) {
    int index = lbContests->findData(static_cast<int>(contest));
    if (index < 0) index = 0;
    if (index == lbContests->currentIndex()) ContestChosen();
    else lbContests->setCurrentIndex(index);  // the list reports the change
}

void THeaderDataForm::showEvent(QShowEvent* event) {
    FillFields(FileHeader);
    HideFieldErrors(this);
    leOwnCall->setFocus();
    QDialog::showEvent(event);
}

void THeaderDataForm::FillFields(const TFileHeader& h) {
    leOwnCall->setText(FromCore(h.fhUser_OwnCall));
    FOk->setEnabled(!leOwnCall->text().trimmed().isEmpty());
    leName->setText(FromCore(h.fhUser_Name));
    memAddress->setPlainText(FromCore(h.fhUser_Address));
    leEMailAddress->setText(FromCore(h.fhUser_EMail));
    leStation->setText(FromCore(h.fhUser_Station));
    leClub->setText(FromCore(h.fhUser_Club));
    leARRLSection->setText(FromCore(h.fhUser_ARRLSection));
    leSpecific->setText(FromCore(h.fhUser_Specific));
    leCtyFile->setText(FromPath(h.fhContest_CtyFile));
    leOperatorList->setText(FromCore(h.fhContest_OperatorList));
    memSoapbox->setPlainText(FromCore(h.fhContest_SoapBox));
    cbCatAssisted->setCurrentIndex(h.fhContest_CategoryAssisted);
    cbCatOperator->setCurrentIndex(h.fhContest_CategoryOperator);
    cbCatPower->setCurrentIndex(h.fhContest_CategoryPower);
    cbCatStation->setCurrentIndex(h.fhContest_CategoryStation);
    cbCatTime->setCurrentIndex(h.fhContest_CategoryTime);
    cbCatTransmitter->setCurrentIndex(h.fhContest_CategoryTransmitter);
    cbCatOverlay->setCurrentIndex(h.fhContest_CategoryOverlay);
    const TContest contest = h.fhContest_Contest != cNoContest
                                 ? h.fhContest_Contest
                                 : static_cast<TContest>(ReadSettingInteger(kLastContest, cWWDXcw));
    ChooseContest(contest);
}

void THeaderDataForm::ContestChosen() {
    // A contest class says which category lists it wants; a temporary log of it is
    // asked, quietly (a log that cannot be made shows neither list).
    bool showTime = false, showOverlay = false;
    {
        TSilentFrontEnd silent;
        TThreadFrontEnd scope(silent);
        if (!FCty) FCty = std::make_shared<const TCtyStuff>(ToPath(leCtyFile->text()));
        TFileHeader header = FileHeader;
        header.fhContest_Contest = ChosenContest();
        if (IsCallText(leOwnCall->text())) header.fhUser_OwnCall = ToCore(leOwnCall->text().trimmed().toUpper());
        if (header.fhUser_OwnCall.empty()) header.fhUser_OwnCall = "DL1ABC";
        if (FCty->CtyListCount() > 0)
            if (const std::unique_ptr<TContestLog> log = CreateContestLog(header, nullptr, FCty)) {
                showTime = log->ShowTimeInCategory();
                showOverlay = log->ShowOverlayInCategory();
            }
    }
    FCategories->setRowVisible(cbCatTime, showTime);
    FCategories->setRowVisible(cbCatOverlay, showOverlay);
}

void THeaderDataForm::LoadFromFile() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(), DialogFilter(dlg::lsNativeLogFilter));
    if (file.isEmpty()) return;
    TFileHeader header;
    TQZF qzf;
    if (!qzf.ReadPreviewInformation(ToPath(file), header)) return;
    FillFields(header);
}

void THeaderDataForm::BrowseCtyFile() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QFileInfo(leCtyFile->text()).path(),
                                                      DialogFilter(dlg::lsCtyFilter));
    if (!file.isEmpty()) leCtyFile->setText(file);
}

bool THeaderDataForm::CtyFileUsable(const std::string& path) const {
    // The log's own file is taken as it is: the country data may have been found under
    // its name in the data folders. Another one must load, quietly.
    if (path == FileHeader.fhContest_CtyFile) return true;
    if (path.empty() || !QFileInfo(FromPath(path)).isFile()) return false;
    TSilentFrontEnd silent;
    TThreadFrontEnd scope(silent);
    return TCtyStuff(path).CtyListCount() > 0;
}

void THeaderDataForm::accept() {
    HideFieldErrors(this);
    static const QRegularExpression section("^[A-Za-z]*$");
    static const QRegularExpression separators("[\\s,;]+");
    if (!IsCallText(leOwnCall->text())) return ShowFieldError(FOwnCallError, leOwnCall, LSCaption(dlg::lsNotACall));
    const QString email = leEMailAddress->text().trimmed();
    if (!email.isEmpty() && !IsEMailText(email))
        return ShowFieldError(FEMailError, leEMailAddress, LSCaption(dlg::lsBadEMail));
    if (!section.match(leARRLSection->text().trimmed()).hasMatch())
        return ShowFieldError(FSectionError, leARRLSection, LSCaption(dlg::lsBadSection));
    if (!CtyFileUsable(ToPath(leCtyFile->text().trimmed())))
        return ShowFieldError(FCtyError, leCtyFile, LSCaption(dlg::lsFileNotFound) + " " + leCtyFile->text());
    for (const QString& op : leOperatorList->text().split(separators, Qt::SkipEmptyParts))
        if (!IsCallText(op))
            return ShowFieldError(FOperatorsError, leOperatorList, op + ": " + LSCaption(dlg::lsNotACall));

    TFileHeader& h = FileHeader;
    h.fhUser_OwnCall = ToCore(leOwnCall->text().trimmed().toUpper());
    h.fhUser_Name = ToCore(leName->text());
    h.fhUser_Address = ToCore(memAddress->toPlainText().left(kMaxText));
    h.fhUser_EMail = ToCore(email);
    h.fhUser_Station = ToCore(leStation->text());
    h.fhUser_Club = ToCore(leClub->text());
    h.fhUser_ARRLSection = ToCore(leARRLSection->text().trimmed().toUpper());
    h.fhUser_Specific = ToCore(leSpecific->text());
    h.fhContest_Contest = ChosenContest();
    h.fhContest_CtyFile = ToPath(leCtyFile->text().trimmed());
    h.fhContest_OperatorList = ToCore(leOperatorList->text().trimmed().toUpper());
    h.fhContest_SoapBox = ToCore(memSoapbox->toPlainText().left(kMaxText));
    h.fhContest_CategoryAssisted = Chosen<TCategoryAssisted>(cbCatAssisted);
    h.fhContest_CategoryOperator = Chosen<TCategoryOperator>(cbCatOperator);
    h.fhContest_CategoryPower = Chosen<TCategoryPower>(cbCatPower);
    h.fhContest_CategoryStation = Chosen<TCategoryStation>(cbCatStation);
    h.fhContest_CategoryTime = Chosen<TCategoryTime>(cbCatTime);
    h.fhContest_CategoryTransmitter = Chosen<TCategoryTransmitter>(cbCatTransmitter);
    h.fhContest_CategoryOverlay = Chosen<TCategoryOverlay>(cbCatOverlay);
    WriteSettingInteger(kLastContest, h.fhContest_Contest);
    QDialog::accept();
}

}  // namespace qz::gui
