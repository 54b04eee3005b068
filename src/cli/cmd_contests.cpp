// qz contests: every contest the program knows, with its Cabrillo keyword, mode kind and
// the spellings of other programs that stand for it.
#include <string>
#include <vector>

#include "base/text.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "domain/defs.h"
#include "import/contestnames.h"

namespace qz::cli {

namespace {
const char* const kModeKindNames[] = {"CW", "SSB", "RTTY", "digital", "mixed"};

std::string JoinedSpellings(const std::vector<std::string>& spellings) {
    std::string joined;
    for (const std::string& s : spellings) joined += (joined.empty() ? "" : ", ") + s;
    return joined;
}

}  // namespace

int CmdContests(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out("usage: qz contests [--tsv]\n\n"
            "Lists every contest: ordinal, long name, Cabrillo keyword, mode kind and whether\n"
            "it scores by its own rules (every contest does; the column stays for scripts).\n"
            "The last column holds the other names logs give the contest (from the table\n"
            "AssignmentTables/contestnames.dat of the data folder), \", \" between them.\n"
            "  --tsv   tab-separated values with a header line\n");
        return 0;
    }
    bool tsv = TakeFlag(args, "--tsv");
    if (!args.empty()) {
        Err("qz contests: unexpected argument '" + args[0] + "'\n");
        return 2;
    }
    TTable table({"ordinal", "contest", "cabrillo", "mode", "rules", "aliases"});
    const TContestNameTable& names = ContestNameTable();
    table.RightAlign({0});
    // The first and last values only mark the ends of the list.
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c) {
        table.AddRow({std::to_string(c), std::string(ContestNames[c]), std::string(CabrilloContestNames[c]),
                      kModeKindNames[ContestModeKinds[c]], "yes",
                      JoinedSpellings(names.Spellings(static_cast<TContest>(c)))});
    }
    Out(table.Render(tsv));
    return 0;
}

}  // namespace qz::cli
