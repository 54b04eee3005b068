#include "gui/maildialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "engine/contestlog.h"
#include "gui/fieldcheck.h"
#include "gui/mailstrings.h"
#include "gui/optionsdialog.h"
#include "gui/qtext.h"
#include "mail/robotaddresses.h"

namespace qz::gui {

namespace {

QString SendLabel(ui::TSendLabel l) { return ui::LSPart(ui::lsSendLabels, l); }
QString EMailLabel(ui::TEMailLabel l) { return ui::LSPart(ui::lsEMailLabels, l); }
QString YesNo(bool yes) { return ui::LSPart(ui::lsYesNo, yes ? 0 : 1); }

// Line ends as a mail text has them.
std::string WithCRLF(const QString& text) {
    QString t = text;
    t.replace("\r\n", "\n");
    t.replace('\n', "\r\n");
    return ToCore(t);
}

QLabel* Value(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

// User name and password

TUsernamePasswordDialog::TUsernamePasswordDialog(const std::string& host, const std::string& userName,
                                                 const std::string& password, QWidget* parent)
    : QDialog(parent),
      FUserName(new QLineEdit(FromCore(userName))),
      FPassword(new QLineEdit(FromCore(password))),
      FSaveUserName(new QCheckBox(ui::LSPart(ui::lsLoginSave, 0))),
      FSavePassword(new QCheckBox(ui::LSPart(ui::lsLoginSave, 1))),
      FChecks(new TFieldChecks(this)) {
    setObjectName("TUsernamePasswordDialog");
    setWindowTitle(LSCaption(ui::lsLoginTitle));
    FUserName->setObjectName("leUserName");
    FPassword->setObjectName("lePassword");
    FPassword->setEchoMode(QLineEdit::Password);
    FSaveUserName->setObjectName("cbSaveUserName");
    FSavePassword->setObjectName("cbSavePassword");
    FSaveUserName->setChecked(true);
    FSavePassword->setChecked(true);
    auto* explanation = new QLabel(LSText(ui::lsLoginExplanation).arg(FromCore(host)));
    explanation->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(ui::lsCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(explanation);
    // An empty user name means: no login.
    form->addRow(EMailLabel(ui::elUserName),
                 FChecks->Add(FUserName, [](const QString& t) { return CheckLength(t, 255); }));
    form->addRow(EMailLabel(ui::elPassword),
                 FChecks->Add(FPassword, [](const QString& t) { return CheckLength(t, 255); }));
    form->addRow(FSaveUserName);
    form->addRow(FSavePassword);
    auto* note = new QLabel(LSText(ui::lsPasswordNote));
    note->setWordWrap(true);
    form->addRow(note);
    form->addRow(buttons);
    setMinimumWidth(480);
}

std::string TUsernamePasswordDialog::UserName() const { return ToCore(FUserName->text().trimmed()); }
std::string TUsernamePasswordDialog::Password() const { return ToCore(FPassword->text()); }
bool TUsernamePasswordDialog::SaveUserName() const { return FSaveUserName->isChecked(); }
bool TUsernamePasswordDialog::SavePassword() const { return FSavePassword->isChecked(); }

void TUsernamePasswordDialog::accept() {
    if (QLineEdit* wrong = FChecks->FirstWrong()) {
        wrong->setFocus();
        return;
    }
    QDialog::accept();
}

// Send dialog

TSendEMailForm::TSendEMailForm(const std::string& attachmentFile, const TContestLog& log, QWidget* parent)
    : QDialog(parent), FReadOnly(false), FAttachmentFileName(attachmentFile), FContestLog(&log) {
    setWindowTitle(LSCaption(lsSendLogTitle));
    auto* settings = new QGroupBox(ui::LSPart(ui::lsSendGroups, 0));
    settings->setObjectName("gbSMTPSettings");
    settings->setMinimumWidth(320);
    auto* form = new QFormLayout(settings);
    const QString labels[] = {EMailLabel(ui::elServer),   EMailLabel(ui::elPort),   EMailLabel(ui::elUserName),
                              EMailLabel(ui::elPassword), EMailLabel(ui::elSender), EMailLabel(ui::elCopy)};
    for (int i = 0; i < 6; ++i) {
        FSettings[i] = Value(QString());
        form->addRow(labels[i], FSettings[i]);
    }
    auto* edit = new QPushButton(LSCaption(ui::lsEditSMTPSettings));
    edit->setObjectName("bbEditSMTPSettings");
    edit->setToolTip(LSHint(ui::lsEditSMTPSettings));
    connect(edit, &QPushButton::clicked, this, [this] { EditSMTPSettings(); });
    form->addRow(edit);
    BuildCommon(settings);

    const TContest contest = log.Contest();
    if (contest > cNoContest && contest <= kNoOfRobotAddresses)
        FTo->setText(FromCore(EMailAddresses[static_cast<std::size_t>(contest)]));
    FSubject->setText(FromCore(log.FileHeader().fhUser_OwnCall));
    std::string bytes, error;
    if (ReadWholeFile(attachmentFile, bytes, &error)) FAttachment->setPlainText(FromCore(bytes));
    else FAttachment->setPlainText(MessageWithPath(error, attachmentFile));
    FAttachmentGroup->setTitle(LSCaption(ui::lsAttachmentCaption) + " (" + FromPath(attachmentFile) + ")");
    ShowSMTPSettings();
}

TSendEMailForm::TSendEMailForm(const TEMailFile& message, const std::string& fileName, QWidget* parent)
    : QDialog(parent), FReadOnly(true) {
    setWindowTitle(LSCaption(lsSentMailTitle));
    auto* sent = new QGroupBox(ui::LSPart(ui::lsSendGroups, 2));
    sent->setObjectName("gbSentMessage");
    auto* form = new QFormLayout(sent);
    form->addRow(SendLabel(ui::slServer), Value(FromCore(message.ehSMTPHost)));
    form->addRow(SendLabel(ui::slSentOn), Value(FromCore(message.ehFormattedDateTime())));
    form->addRow(SendLabel(ui::slContest), Value(FromCore(message.ehContest)));
    form->addRow(SendLabel(ui::slCall), Value(FromCore(message.ehCall)));
    form->addRow(SendLabel(ui::slSender), Value(FromCore(message.ehFrom)));
    form->addRow(SendLabel(ui::slCopyTo), Value(FromCore(message.ehCopy)));
    BuildCommon(sent);
    FTo->setText(FromCore(message.ehTo));
    FSubject->setText(FromCore(message.ehSubject));
    FBody->setPlainText(FromCore(message.ehBody));
    FAttachment->setPlainText(FromCore(message.ehAttachment));
    QString title = LSCaption(ui::lsAttachmentCaption);
    if (!message.ehAttachmentName.empty()) title += " (" + FromCore(message.ehAttachmentName) + ")";
    FAttachmentGroup->setTitle(title);
    for (QLineEdit* e : {FTo, FSubject}) e->setReadOnly(true);
    FBody->setReadOnly(true);
    setToolTip(FromPath(fileName));
}

void TSendEMailForm::BuildCommon(QGroupBox* top) {
    setObjectName("TSendEMailForm");
    FChecks = new TFieldChecks(this);
    auto* messageGroup = new QGroupBox(ui::LSPart(ui::lsSendGroups, 1));
    auto* form = new QFormLayout(messageGroup);
    FTo = new QLineEdit;
    FTo->setObjectName("leTo");
    FSubject = new QLineEdit;
    FSubject->setObjectName("leSubject");
    FBody = new QPlainTextEdit;
    FBody->setObjectName("memBody");
    FBody->setMaximumHeight(110);
    form->addRow(SendLabel(ui::slTo), FReadOnly ? FTo : FChecks->Add(FTo, CheckAddressList));
    form->addRow(SendLabel(ui::slSubject), FSubject);
    form->addRow(SendLabel(ui::slText), FBody);

    FAttachmentGroup = new QGroupBox;
    auto* attachmentLayout = new QVBoxLayout(FAttachmentGroup);
    FAttachment = new QPlainTextEdit;
    FAttachment->setObjectName("memAttachment");
    FAttachment->setReadOnly(true);
    FAttachment->setLineWrapMode(QPlainTextEdit::NoWrap);
    FAttachment->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    attachmentLayout->addWidget(FAttachment);

    auto* buttons = new QDialogButtonBox;
    if (!FReadOnly) {
        QPushButton* send = buttons->addButton(LSCaption(ui::lsSend), QDialogButtonBox::AcceptRole);
        send->setObjectName("bbOK");
        send->setDefault(true);
    }
    QPushButton* cancel =
        buttons->addButton(LSCaption(FReadOnly ? lsClose : ui::lsCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName("bbCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* upper = new QHBoxLayout;
    upper->addWidget(top);
    upper->addWidget(messageGroup, 1);
    layout->addLayout(upper);
    layout->addWidget(FAttachmentGroup, 1);
    layout->addWidget(buttons);
    resize(860, 640);
}

void TSendEMailForm::ShowSMTPSettings() {
    FSettings[0]->setText(FromCore(Options.EMail_SMTPHost.oValue));
    FSettings[1]->setText(QString::number(Options.EMail_SMTPPort.oValue));
    FSettings[2]->setText(FromCore(Options.EMail_UserName.oValue));
    FSettings[3]->setText(QString(static_cast<int>(Options.EMail_Password.oValue.size()), '*'));
    FSettings[4]->setText(FromCore(Options.EMail_Sender.oValue));
    FSettings[5]->setText(YesNo(Options.EMail_SendACopyToMe.oValue));
}

void TSendEMailForm::EditSMTPSettings() {
    TOptionsDialog dialog(this);
    if (dialog.ExecOnPage(TOptionsDialog::tsEMailSettings) == QDialog::Accepted) ShowSMTPSettings();
}

bool TSendEMailForm::AskCredentials(std::string& userName, std::string& password) {
    TUsernamePasswordDialog dialog(Options.EMail_SMTPHost.oValue, userName, password, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    userName = dialog.UserName();
    password = dialog.Password();
    if (dialog.SaveUserName() || dialog.SavePassword()) {
        if (dialog.SaveUserName()) Options.EMail_UserName.oValue = userName;
        if (dialog.SavePassword()) Options.EMail_Password.oValue = password;
        SaveOptionsToSettingsFile(Options);
        ShowSMTPSettings();
    }
    return true;
}

void TSendEMailForm::accept() {
    if (FReadOnly) return QDialog::reject();
    if (QLineEdit* wrong = FChecks->FirstWrong()) {
        wrong->setFocus();
        return;
    }
    TSendRequest request;
    request.recipients = ToCore(FTo->text().trimmed());
    request.subject = ToCore(FSubject->text());
    request.body = WithCRLF(FBody->toPlainText());
    request.attachmentName = ToPath(QFileInfo(FromPath(FAttachmentFileName)).fileName());
    std::string error;
    // The file as it is now, byte for byte: it is what the robot receives.
    if (!ReadWholeFile(FAttachmentFileName, request.attachment, &error)) {
        ShowErrorMessage(ToCore(MessageWithPath(error, FAttachmentFileName)));
        return;
    }
    request.contest = FContestLog->Contest();
    request.ownCall = FContestLog->FileHeader().fhUser_OwnCall;
    FOutcome = SendLogByEMail(
        request, Options, [this](std::string& user, std::string& password) { return AskCredentials(user, password); });
    if (FOutcome.Sent()) QDialog::accept();
}

}  // namespace qz::gui
