#include "cli/mailcli.h"

#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "base/encoding.h"
#include "base/options.h"
#include "base/text.h"
#include "cli/terminal.h"
#include "engine/compilesettings.h"
#include "export/exporter.h"
#include "import/openlog.h"
#include "mail/mailaddress.h"
#include "mail/mailclient.h"
#include "mail/robotaddresses.h"
#include "mail/sendlog.h"

namespace qz::cli {

const char* const kMailOptionsUsage =
    "  --to ADDRESS  the recipient(s), \",\" between several (default: the log robot\n"
    "                address stored for the log's contest); a new one is stored for the\n"
    "                contest when the question is answered yes (on a terminal, or --yes)\n"
    "  --subject S   the subject (default: the log's own call)\n"
    "  --body TEXT   the message text above the footer (default: none)\n"
    "  --password-stdin\n"
    "                read the SMTP password from the first line of standard input\n"
    "SMTP server, port, user name, password, sender and the copy to the sender come from\n"
    "the settings (EMail_SMTPHost, EMail_SMTPPort, EMail_UserName, the stored password,\n"
    "EMail_Sender, EMail_SendACopyToMe); EMail_ConnectTimeout (seconds, default 30) limits\n"
    "the wait for the server. The password is never taken from the command line: without\n"
    "a stored one and without --password-stdin it is asked for on a terminal. User name and\n"
    "password are sent only over an encrypted connection (STARTTLS, or TLS on port 465).\n"
    "With EMail_Type=1 the platform's mail client (xdg-email) gets the file instead.\n"
    "A sent message is kept in the e-mail folder (Path_EMails): see 'qz journal'.\n";

namespace {

std::string ReadLineFromStdin() {
    std::string line;
    std::getline(std::cin, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

// Asks on the terminal without echo; false when there is no terminal to ask on.
bool PromptPassword(const std::string& prompt, std::string& password) {
    if (!isatty(STDIN_FILENO) || !isatty(STDERR_FILENO)) return false;
    Err(prompt);
    termios old{};
    const bool haveTermios = tcgetattr(STDIN_FILENO, &old) == 0;
    if (haveTermios) {
        termios quiet = old;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    password = ReadLineFromStdin();
    if (haveTermios) tcsetattr(STDIN_FILENO, TCSANOW, &old);
    Err("\n");
    return true;
}

// The export written for the mail client, which needs a file that outlives the command.
std::string WriteForMailClient(const std::string& command, const std::string& name, const std::string& bytes) {
    namespace fs = std::filesystem;
    const std::string path = (fs::path(Options.Path_Exported_Logs.oValue) / name).string();
    std::error_code ec;
    if (fs::exists(path, ec) && AskOkCancel(ExportOverwriteQuestion(Utf8ToCp1252(path))) != TMsgAnswer::Ok) {
        Err("qz " + command + ": " + Utf8ToCp1252(path) + " exists and was kept (--yes replaces it)\n");
        return {};
    }
    std::string error;
    if (!WriteFileAtomically(path, bytes, &error, {.createFolders = true})) {
        Err("qz " + command + ": " + Shown(error, path) + "\n");
        return {};
    }
    return path;
}

// Says what became of a --to address that is not the contest's stored robot address.
void ReportRecipientStore(const std::string& command, TContest contest, const std::string& to, TRecipientStore store) {
    const std::string contestName(ContestNames[static_cast<std::size_t>(contest)]);
    if (store == TRecipientStore::Stored)
        Err("qz " + command + ": " + Trim(to) + " is stored as the log robot address of " + contestName + "\n");
    else if (store == TRecipientStore::Declined)
        Err("qz " + command + ": " + Trim(to) + " was not stored as the log robot address of " + contestName +
            " (--yes stores it)\n");
}

}  // namespace

void TakeMailOptions(TArgs& args, TMailOptions& options) {
    if (TakeOption(args, "--to", options.to)) options.to = Utf8ToCp1252(options.to);
    if (TakeOption(args, "--subject", options.subject)) options.subject = Utf8ToCp1252(options.subject);
    if (TakeOption(args, "--body", options.body)) options.body = Utf8ToCp1252(options.body);
    options.passwordStdin = TakeFlag(args, "--password-stdin");
}

bool OpenAndCompile(const std::string& command, const std::string& path, const TCommonOptions& common,
                    TOpenedMailLog& opened) {
    TOpenedLog o = OpenLog(path, OpenOptions(common));
    if (!o.log) {
        for (const auto& m : o.messages) Err("qz " + command + ": " + Shown(m, path) + "\n");
        Err("qz " + command + ": " + Shown(o.error, path) + "\n");
        return false;
    }
    // A log that lacks lines of its file is not sent as if it were complete.
    if (ReportDroppedLines(command, path, o.dropped, false) > 0) {
        Err("qz " + command + ": " + Utf8ToCp1252(path) + ": not sent while lines of it cannot be read\n");
        return false;
    }
    std::vector<std::string> messages = std::move(o.messages);
    o.log->SetMessageLines(&messages);
    o.log->SetShowMessageBoxes(false);
    o.log->Compile(CompileSettingsFromOptions(Options));
    o.log->SetMessageLines(nullptr);
    if (common.messages)
        for (const auto& m : messages) Err(Shown(m, path) + "\n");
    opened.log = std::move(o.log);
    opened.type = o.type;
    return true;
}

void LoadRobotAddresses() {
    TEMailAddressList list;
    if (list.LoadFromFile())
        for (const auto& m : list.Messages()) Err("qz: " + m + "\n");
}

int SendExport(const std::string& command, const TContestLog& log, const std::string& attachmentName,
               const std::string& attachment, std::string attachmentPath, const TMailOptions& options) {
    const TContest contest = log.Contest();
    const std::string ownCall = log.FileHeader().fhUser_OwnCall;
    std::string to = options.to;
    if (Trim(to).empty() && contest > cNoContest && contest <= kNoOfRobotAddresses)
        to = EMailAddresses[static_cast<std::size_t>(contest)];
    const std::string subject = options.subject.empty() ? ownCall : options.subject;

    if (Options.EMail_Type.oValue == 1) {
        if (attachmentPath.empty()) attachmentPath = WriteForMailClient(command, attachmentName, attachment);
        if (attachmentPath.empty()) return 1;
        std::vector<std::string> parsed;
        if (!Trim(options.to).empty() && ParseAddressList(options.to, parsed, nullptr))
            ReportRecipientStore(command, contest, options.to, OfferToStoreRecipient(contest, options.to));
        std::string error;
        if (!ComposeWithMailClient(attachmentPath, subject, to, &error)) {
            Err("qz " + command + ": " + error + "\n");
            return 1;
        }
        return 0;
    }
    if (Trim(to).empty()) {
        Err("qz " + command + ": no log robot address is stored for " + std::string(ContestNames[contest]) +
            "; give the recipient with --to\n");
        return 1;
    }
    TOptions settings = Options;
    if (options.passwordStdin) settings.EMail_Password.oValue = ReadLineFromStdin();
    TSendRequest request;
    request.recipients = to;
    request.subject = subject;
    request.body = options.body;
    request.attachmentName = attachmentName;
    request.attachment = attachment;
    request.contest = contest;
    request.ownCall = ownCall;
    const TSendOutcome out = SendLogByEMail(request, settings, [&](std::string& user, std::string& password) {
        // No user name: the server is used without login.
        if (user.empty() || !password.empty()) return true;
        if (PromptPassword("SMTP password for " + user + ": ", password)) return true;
        Err("qz " + command + ": the settings name the SMTP user " + user +
            " but hold no password: give it with --password-stdin or store it in the settings\n");
        return false;
    });
    if (!Trim(options.to).empty()) ReportRecipientStore(command, contest, options.to, out.recipientStore);
    return out.Sent() ? 0 : 1;
}

}  // namespace qz::cli
