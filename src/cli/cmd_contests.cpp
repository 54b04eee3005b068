// qz contests: every contest the program knows, with its Cabrillo keyword and mode kind.
#include <string>

#include "base/text.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "contests/factory.h"
#include "domain/defs.h"

namespace qz::cli {

namespace {
const char* const kModeKindNames[] = {"CW", "SSB", "RTTY", "digital", "mixed"};
}

int CmdContests(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out("usage: qz contests [--tsv]\n\n"
            "Lists every contest: ordinal, long name, Cabrillo keyword, mode kind and whether\n"
            "it scores by its own rules (no: its rules are not built yet, its logs are not scored).\n"
            "  --tsv   tab-separated values with a header line\n");
        return 0;
    }
    bool tsv = TakeFlag(args, "--tsv");
    if (!args.empty()) {
        Err("qz contests: unexpected argument '" + args[0] + "'\n");
        return 2;
    }
    TTable table({"ordinal", "contest", "cabrillo", "mode", "rules"});
    table.RightAlign({0});
    // The first and last values only mark the ends of the list.
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c) {
        table.AddRow({std::to_string(c), std::string(ContestNames[c]), std::string(CabrilloContestNames[c]),
                      kModeKindNames[ContestModeKinds[c]],
                      ContestHasOwnRules(static_cast<TContest>(c)) ? "yes" : "no"});
    }
    Out(table.Render(tsv));
    return 0;
}

}  // namespace qz::cli
