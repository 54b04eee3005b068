// qz report: compiles logs of any known format and writes one HTML file with each log's
// result report and charts, and the logs compared when they are two to four of one
// contest.
#include <filesystem>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/options.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "import/openlog.h"
#include "report/htmlreport.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz report [-o OUT.html] [--force] [--rest MINUTES] [--contest KEYWORD] [--layout NAME]\n"
    "                 [--cty FILE] [--messages] LOG...\n\n"
    "Reads each log (native, legacy or foreign, converted in memory), compiles it and\n"
    "writes one HTML file: per log its result report and charts of QSOs, points and new\n"
    "multipliers per hour (by band), QSOs per 10 minutes, the QSOs, multipliers and score\n"
    "so far, the bands by hour, the band changes and the off-times; for two to four logs\n"
    "of one contest also their rates and scores compared. The file holds everything it\n"
    "shows (inline SVG, no script) and opens in any browser.\n"
    "  -o OUT        the file to write; '-' writes to standard output (default: the first\n"
    "                log's name with the extension .html, in its folder); its folder must\n"
    "                exist\n"
    "  --force       replace an existing OUT\n"
    "  --rest MINUTES  the shortest pause that counts as an off-time (default 60)\n"
    "  --contest KEYWORD  the contest for files that name none the program knows\n"
    "  --layout NAME read column text files by the stored column layout NAME\n"
    "  --cty FILE    the country file to score with (default: the installed one)\n"
    "  --messages    print the reader's and the compile messages on standard error\n"
    "Exit status: 0 when the report holds every log in full, 1 when a log could not be\n"
    "read (the report is written with the others) or lines of one could not be read,\n"
    "2 for a usage error.\n";

constexpr int kLongestRest = 7 * 24 * 60;

}  // namespace

int CmdReport(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    std::string outFile, rest, contest;
    const bool haveOut = TakeOption(args, "-o", outFile) || TakeOption(args, "--output", outFile);
    const bool force = TakeFlag(args, "--force");
    const bool haveRest = TakeOption(args, "--rest", rest);
    const bool haveContest = TakeOption(args, "--contest", contest);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "report", kOptCty | kOptMessages | kOptLayout, common)) return status;
    if (args.empty()) {
        Err("qz report: no log file given (see 'qz report --help')\n");
        return 2;
    }
    if (haveOut && outFile.empty()) {
        Err("qz report: -o needs a file name ('-' for standard output)\n");
        return 2;
    }
    TSeriesSettings settings;
    if (haveRest && (!TryStrToInt(rest, settings.minimumRestMinutes) || settings.minimumRestMinutes < 1 ||
                     settings.minimumRestMinutes > kLongestRest)) {
        Err("qz report: --rest needs whole minutes from 1 to " + std::to_string(kLongestRest) + ", not '" +
            Utf8ToCp1252(rest) + "'\n");
        return 2;
    }
    TOpenLogOptions open = OpenOptions(common);
    if (haveContest && !ParseContest(contest, open.defaultContest)) {
        Err("qz report: unknown contest '" + Utf8ToCp1252(contest) + "' (see 'qz contests')\n");
        return 2;
    }
    if (!haveOut) outFile = std::filesystem::path(args[0]).replace_extension(".html").string();
    if (outFile != "-" && !OutputFileAllowed("report", outFile, args, force)) return 1;
    if (!LoadCountryFile("report", common)) return 1;
    open.cty = common.cty;

    int status = 0;
    std::vector<TReportLog> logs;
    for (const std::string& path : args) {
        TOpenedLog loaded = OpenLog(path, open);
        std::vector<std::string> messages = std::move(loaded.messages);
        if (!loaded.log) {
            for (const auto& m : messages) Err("qz report: " + Shown(m, path) + "\n");
            Err("qz report: " + Shown(loaded.error, path) + "\n");
            status = 1;
            continue;
        }
        if (ReportDroppedLines("report", path, loaded.dropped, common.messages) > 0) status = 1;
        TContestLog& log = *loaded.log;
        log.SetMessageLines(&messages);
        log.SetShowMessageBoxes(false);
        log.Compile(CompileSettingsFromOptions(Options));
        log.SetMessageLines(nullptr);
        if (common.messages)
            for (const auto& m : messages) Err(Shown(m, path) + "\n");
        logs.push_back(ReportLogOf(log, Utf8ToCp1252(path), settings));
    }
    if (logs.empty()) return 1;
    if (logs.size() > 1 && !ComparesLogs(logs))
        Err("qz report: the logs are not compared: that needs two to four logs of one contest\n");
    const std::string html = HtmlReport(logs);
    if (outFile == "-") {
        if (WriteStdout(html)) return status;
        Err("qz report: cannot write to standard output\n");
        return 1;
    }
    std::string error;
    if (!WriteFileAtomically(outFile, html, &error)) {
        Err("qz report: " + Shown(error.empty() ? outFile + ": not written" : error, outFile) + "\n");
        return 1;
    }
    return status;
}

}  // namespace qz::cli
