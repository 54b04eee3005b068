// qz score: reads logs of any known format (foreign ones converted in memory),
// compiles them and prints the result reports or one summary row per file.
#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "domain/cty.h"
#include "import/openlog.h"
#include "logfile/qzf.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz score [--contest KEYWORD] [--layout NAME] [--messages] [--tsv] [--save] [--cty FILE]\n"
    "                FILE...\n\n"
    "Reads each log, compiles it by the rules of its contest and prints its result report.\n"
    "Native logs are read as they are; foreign files (Cabrillo, and the other formats the\n"
    "program converts) are recognised by their content and converted in memory: no file\n"
    "is written unless --save is given.\n"
    "  --contest KEYWORD  the contest for files that name none the program knows: a\n"
    "                     Cabrillo keyword, a spelling of another program ('WAE CW') or\n"
    "                     an ordinal as 'qz contests' lists them\n"
    "  --layout NAME      read column text files by the stored column layout NAME (see\n"
    "                     'qz layout'); default: the layout of the file's extension\n"
    "  --messages         also print the reader's and the compile messages\n"
    "  --tsv              print one tab-separated row per file instead of the reports:\n"
    "                     file, call, contest, QSOs, multipliers, score, claimed score,\n"
    "                     country file, its version, the compile settings that\n"
    "                     differ from their defaults and the number of lines that could\n"
    "                     not be read (tabs, line ends and backslashes in fields are\n"
    "                     written as \\t, \\n, \\r and \\\\)\n"
    "  --save             store each converted foreign log as a native log beside its\n"
    "                     source (.QZF; the program asks before replacing a file)\n"
    "  --cty FILE         the country file to score with (default: the installed one)\n"
    "Lines a reader cannot read are left out of the log and named on standard error.\n"
    "Exit status: 0 when every file was scored in full, 1 when one was not or lines of one\n"
    "could not be read, 2 for a usage error.\n";

// Stores a log read from a foreign file as a native log beside its source; false after
// a message when it was not stored.
bool SaveConverted(const std::string& path, TContestLog& log) {
    TQZF qzf;
    const std::string written = qzf.StoreLog(path, log, true);
    if (written.empty()) {
        Err("qz score: " + Shown(qzf.LastError().empty() ? path + ": not saved" : qzf.LastError(), path) + "\n");
        return false;
    }
    Err("qz score: saved " + Utf8ToCp1252(written) + "\n");
    return true;
}

}  // namespace

int CmdScore(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    const bool tsv = TakeFlag(args, "--tsv");
    const bool save = TakeFlag(args, "--save");
    std::string contest;
    const bool haveContest = TakeOption(args, "--contest", contest);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "score", kOptCty | kOptMessages | kOptLayout, common)) return status;
    if (args.empty()) {
        Err("qz score: no file given (see 'qz score --help')\n");
        return 2;
    }
    TOpenLogOptions open = OpenOptions(common);
    if (haveContest && !ParseContest(contest, open.defaultContest)) {
        Err("qz score: unknown contest '" + Utf8ToCp1252(contest) + "' (see 'qz contests')\n");
        return 2;
    }
    if (!LoadCountryFile("score", common)) return 1;
    open.cty = common.cty;

    TTable table({"file", "call", "contest", "qsos", "multipliers", "score", "claimed", "ctyfile", "ctyversion",
                  "settings", "dropped"});
    int status = 0;
    bool first = true;
    for (const std::string& path : args) {
        const std::string shown = Utf8ToCp1252(path);
        TOpenedLog loaded = OpenLog(path, open);
        std::vector<std::string> messages = std::move(loaded.messages);
        if (!loaded.log) {
            for (const auto& m : messages) Err("qz score: " + Shown(m, path) + "\n");
            Err("qz score: " + Shown(loaded.error, path) + ContestHint(loaded.contestUnknown) + "\n");
            status = 1;
            continue;
        }
        const int dropped = ReportDroppedLines("score", path, loaded.dropped, common.messages);
        if (dropped > 0) status = 1;
        if (save && loaded.type != ftQZ4 && loaded.type != ftQZ3 && !SaveConverted(path, *loaded.log)) status = 1;
        TContestLog& log = *loaded.log;
        log.SetMessageLines(&messages);
        log.SetShowMessageBoxes(false);
        log.Compile(CompileSettingsFromOptions(Options));
        const TProvenance provenance = ProvenanceOf(log);
        std::vector<std::string> report;
        log.WriteResults(report);
        std::int64_t multipliers = 0;
        for (int k = 0; k < log.NoOfMulties(); ++k) multipliers += log.GetNoOfAllCalculatedMulties(k);
        const std::int64_t score = log.GetFinalResult();
        log.SetMessageLines(nullptr);

        if (tsv) {
            table.AddRow({shown, log.FileHeader().fhUser_OwnCall,
                          std::string(CabrilloContestNames[static_cast<std::size_t>(log.Contest())]),
                          std::to_string(log.Result().NoOfAllGoodQSOs()), std::to_string(multipliers),
                          std::to_string(score), loaded.claimedScore, provenance.ctyFile, provenance.ctyVersion,
                          provenance.settings, std::to_string(dropped)});
            if (common.messages)
                for (const auto& m : messages) Err(Shown(m, path) + "\n");
            continue;
        }
        std::string text;
        if (args.size() > 1) text += std::string(first ? "" : "\n") + "==> " + shown + " <==\n";
        first = false;
        for (const auto& line : report) text += line + "\n";
        text += "\n";
        for (const auto& line : ProvenanceLines(provenance)) text += line + "\n";
        if (common.messages)
            for (const auto& line : messages) text += Shown(line, path) + "\n";
        Out(text);
    }
    if (tsv) Out(table.Render(true));
    return status;
}

}  // namespace qz::cli
