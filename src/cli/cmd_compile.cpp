// qz compile: reads a log of any known format, compiles it and prints the result report.
#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/language.h"
#include "base/options.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "import/openlog.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz compile [--messages] [--cty FILE] FILE\n\n"
    "Reads a log, compiles it by the rules of its contest and prints the result report,\n"
    "followed by the country file with its version and the compile settings that differ\n"
    "from their defaults (settings file), so that the result can be reproduced.\n"
    "Native logs are read as they are; legacy and foreign logs (Cabrillo, and the other\n"
    "formats the program converts) are converted in memory without writing anything.\n"
    "  --messages    also print the reader's and the compile messages (after the report)\n"
    "  --cty FILE    the country file to check the log with (default: the one the log names)\n"
    "  --layout NAME read column text files by the stored column layout NAME\n"
    "The language of the report follows the global option --lang.\n"
    "Lines of the log that could not be read are named on standard error; the report\n"
    "leaves them out and the exit status is 1.\n";

}  // namespace

int CmdCompile(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "compile", kOptCty | kOptMessages | kOptLayout, common)) return status;
    if (args.size() != 1) {
        Err(args.empty() ? "qz compile: no log file given (see 'qz compile --help')\n"
                         : "qz compile: one log file at a time\n");
        return 2;
    }
    const std::string path = args[0];
    if (!LoadCountryFile("compile", common)) return 1;

    TOpenedLog opened = OpenLog(path, OpenOptions(common));
    if (!opened.log) {
        for (const auto& m : opened.messages) Err("qz compile: " + Shown(m, path) + "\n");
        Err("qz compile: " + Shown(opened.error, path) + "\n");
        return 1;
    }
    const int dropped = ReportDroppedLines("compile", path, opened.dropped, common.messages);
    std::vector<std::string> messages = std::move(opened.messages);
    TContestLog& log = *opened.log;
    log.SetMessageLines(&messages);
    log.SetShowMessageBoxes(false);
    log.Compile(CompileSettingsFromOptions(Options));
    std::vector<std::string> report;
    log.WriteResults(report);
    log.SetMessageLines(nullptr);
    std::string text;
    for (const auto& line : report) text += line + "\n";
    text += "\n";
    for (const auto& line : ProvenanceLines(ProvenanceOf(log))) text += line + "\n";
    if (common.messages)
        for (const auto& line : messages) text += Shown(line, path) + "\n";
    Out(text);
    return dropped > 0 ? 1 : 0;
}

}  // namespace qz::cli
