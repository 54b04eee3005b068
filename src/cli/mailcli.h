// What the mail commands (send, finalize) share: opening and compiling the log, the
// mail options, and sending a file by SMTP or handing it to the platform's mail client.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/cliutil.h"
#include "cli/commands.h"
#include "engine/contestlog.h"

namespace qz::cli {

struct TMailOptions {
    std::string to;       // the recipients; "" = the contest's robot address
    std::string subject;  // "" = the own call
    std::string body;
    bool passwordStdin = false;
};

// Takes --to, --subject, --body and --password-stdin (Windows-1252 from here on).
void TakeMailOptions(TArgs& args, TMailOptions& options);

// The usage lines of those options.
extern const char* const kMailOptionsUsage;

struct TOpenedMailLog {
    std::unique_ptr<TContestLog> log;
    TFileType type = ftUnknown;
};

// Opens a log of any format and compiles it (messages on stderr with --messages).
// False after a message.
bool OpenAndCompile(const std::string& command, const std::string& path, const TCommonOptions& common,
                    TOpenedMailLog& opened);

// The robot address list of the data folder into EMailAddresses (quietly: a missing
// list only matters when no --to is given).
void LoadRobotAddresses();

// Sends an exported log for `log`: with EMail_Type 1 the file `attachmentPath` (written
// from `attachment` into the export folder first when it is "") goes to the platform's
// mail client; otherwise the message goes through the SMTP server of the settings and
// is kept in the e-mail folder. Returns the exit status (0 sent).
int SendExport(const std::string& command, const TContestLog& log, const std::string& attachmentName,
               const std::string& attachment, std::string attachmentPath, const TMailOptions& options);

}  // namespace qz::cli
