// qz journal: the e-mails sent so far, as kept in the e-mail folder.
#include <filesystem>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/options.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "mail/journal.h"

namespace qz::cli {

int CmdJournal(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out("usage: qz journal [--tsv]\n\n"
            "Lists the e-mails sent with 'qz send', 'qz finalize' or the editor, oldest first:\n"
            "date and time, contest, call, recipient, attachment and the kept message file\n"
            "(in the e-mail folder, the setting Path_EMails).\n"
            "  --tsv   tab-separated values with a header line\n"
            "Exit status: 0, or 1 when a message file could not be read (each is named).\n");
        return 0;
    }
    const bool tsv = TakeFlag(args, "--tsv");
    if (!args.empty()) {
        Err("qz journal: unexpected argument '" + args[0] + "'\n");
        return 2;
    }
    TTable table({"date", "contest", "call", "recipient", "attachment", "file"});
    std::vector<std::string> problems;
    for (const TJournalEntry& e : ReadJournal(Options.Path_EMails.oValue, &problems)) {
        const TEMailFile& m = e.message;
        table.AddRow({m.ehFormattedDateTime(), m.ehContest, m.ehCall, m.ehTo, m.ehAttachmentName,
                      Utf8ToCp1252(std::filesystem::path(e.fileName).filename().string())});
    }
    Out(table.Render(tsv));
    for (const std::string& p : problems) Err("qz journal: " + Utf8ToCp1252(p) + "\n");
    return problems.empty() ? 0 : 1;
}

}  // namespace qz::cli
