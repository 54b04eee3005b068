// The send dialog (TSendEMailForm) in its two modes: sending an exported log through
// the SMTP server of the options, and showing a kept message of the journal read-only;
// and the user-name/password dialog it opens when the settings lack a login.
#pragma once

#include <QDialog>
#include <string>

#include "mail/emailfile.h"
#include "mail/sendlog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qz {
class TContestLog;
}

namespace qz::gui {

class TFieldChecks;

class TUsernamePasswordDialog : public QDialog {
    Q_OBJECT
public:
    // Prefilled with `userName` and `password`; both save boxes ticked.
    TUsernamePasswordDialog(const std::string& host, const std::string& userName, const std::string& password,
                            QWidget* parent = nullptr);
    std::string UserName() const;
    std::string Password() const;
    bool SaveUserName() const;
    bool SavePassword() const;
    void accept() override;

private:
    QLineEdit* FUserName;
    QLineEdit* FPassword;
    QCheckBox* FSaveUserName;
    QCheckBox* FSavePassword;
    TFieldChecks* FChecks;
};

class TSendEMailForm : public QDialog {
    Q_OBJECT
public:
    // Send mode: `attachmentFile` (the system's file name) is sent to the robot address
    // of the log's contest. The log must outlive the dialog.
    TSendEMailForm(const std::string& attachmentFile, const TContestLog& log, QWidget* parent = nullptr);
    // Read-only mode: a kept message.
    TSendEMailForm(const TEMailFile& message, const std::string& fileName, QWidget* parent = nullptr);

    bool ReadOnlyMode() const { return FReadOnly; }
    // The outcome of the last send (status Failed and no keptFile before any).
    const TSendOutcome& Outcome() const { return FOutcome; }
    QLineEdit* Recipient() const { return FTo; }

    // Sends; the dialog closes only after the server accepted the message.
    void accept() override;

private:
    void BuildCommon(QGroupBox* top);
    void ShowSMTPSettings();
    void EditSMTPSettings();
    bool AskCredentials(std::string& userName, std::string& password);

    bool FReadOnly;
    std::string FAttachmentFileName;
    const TContestLog* FContestLog = nullptr;
    TSendOutcome FOutcome;
    QLabel* FSettings[6] = {};  // host, port, user, password, sender, copy
    QLineEdit* FTo;
    QLineEdit* FSubject;
    QPlainTextEdit* FBody;
    QPlainTextEdit* FAttachment;
    QGroupBox* FAttachmentGroup;
    TFieldChecks* FChecks;
};

}  // namespace qz::gui
