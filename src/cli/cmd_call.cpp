// qz call: the country, zones, prefix, district and suffix the program finds for calls.
#include <string>

#include "base/encoding.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "domain/call.h"
#include "domain/cty.h"
#include "domain/defs.h"

namespace qz::cli {

int CmdCall(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out("usage: qz call [--tsv] [--cty FILE] CALL...\n\n"
            "Looks calls up in the country file and shows for each its country, master prefix,\n"
            "continent, CQ and ITU zones, WPX prefix, call area, district, the part of the call\n"
            "that decides the country and its operating-condition suffix (/P, /M, /MM, ...).\n"
            "  --cty FILE   the country file to use (default: cty.dat of the data folder, else\n"
            "               the system's copy)\n"
            "  --tsv        tab-separated values with a header line\n");
        return 0;
    }
    bool tsv = TakeFlag(args, "--tsv");
    std::string ctyFile;
    TakeOption(args, "--cty", ctyFile);
    for (const auto& a : args) {
        if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            Err("qz call: unknown option '" + a + "'\n");
            return 2;
        }
    }
    if (args.empty()) {
        Err("qz call: no call given (see 'qz call --help')\n");
        return 2;
    }
    TCtyStuff cty(ctyFile);
    if (cty.CtyListCount() == 0) {
        Err("qz call: no country data: " + cty.LoadError() + "\n");
        return 1;
    }
    if (!cty.LoadError().empty()) Err("qz call: warning: " + cty.LoadError() + "\n");

    TTable table({"call", "country", "master", "cont", "cq", "itu", "wpx", "area", "district", "relevant", "ext"});
    table.RightAlign({4, 5, 7});
    for (const auto& a : args) {
        TCall call(Utf8ToCp1252(a), &cty);
        table.AddRow({call.Call(), call.CtyName(), call.CtyMasterPrefix(),
                      std::string(ContinentNames[call.Continent()]), std::to_string(call.CQZone()),
                      std::to_string(call.ITUZone()), call.Prefix(), std::to_string(call.CallArea()), call.District(),
                      call.RelevantPart(), std::string(CallExtensionNames[call.Extension()])});
    }
    Out(table.Render(tsv));
    return 0;
}

}  // namespace qz::cli
