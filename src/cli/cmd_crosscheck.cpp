// qz crosscheck: the logs of a contest matched against each other, as the sponsor does
// after the contest; the findings as rows, the reports per entrant and the checked
// scores.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/encoding.h"
#include "base/options.h"
#include "base/text.h"
#include "cli/batchprogress.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "crosscheck/crosscheck.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz crosscheck [--window MIN] [--penalty N] [--contest KEYWORD] [--fix-contest KEYWORD]\n"
    "                     [--tsv] [-o DIR] [-j N] [--cty FILE] [--layout NAME] FILE... | -@ LISTFILE\n\n"
    "Matches every QSO of the logs with the other station's record of it, as a contest's\n"
    "sponsor does. Logs of different contests, or of one contest in different years, are\n"
    "checked apart and never matched against each other. Each QSO that does not match is\n"
    "a finding of one kind:\n"
    "  NIL              the other station sent a log and it has no such QSO\n"
    "  BUSTED-CALL      the call was copied wrong: a station with a similar call has the\n"
    "                   QSO at that time and band ('correct' names it)\n"
    "  BUSTED-EXCHANGE  the exchange received differs from what the other station sent\n"
    "  BAND             the other station logged the QSO at that time on another band\n"
    "                   (or mode, where the contest counts modes)\n"
    "  UNIQUE           the call is in no other log and resembles no call that sent one\n"
    "                   (reported, not removed)\n"
    "  CLOCK            the whole log is off by a constant time: reported once, and its\n"
    "                   QSOs matched with the times corrected\n"
    "QSOs with stations that sent no log are not judged, except as uniques.\n"
    "Options:\n"
    "  --window MIN     how far apart the two records of a QSO may lie (default 3)\n"
    "  --penalty N      QSO points taken off the checked score per removed QSO, on top\n"
    "                   of the QSO itself (default 0)\n"
    "  --contest KEYWORD      the contest of files that name none the program knows\n"
    "  --fix-contest KEYWORD  the contest of every file, whatever it names\n"
    "  --tsv            print the findings as tab-separated rows: log, line, call, kind,\n"
    "                   correct, other (without it: the checked scores as a table)\n"
    "  -o DIR           write one report per entrant (CALL.ubn.txt) and checked.tsv\n"
    "                   (file, call, claimed, score, checked, qsos, removed) into DIR\n"
    "  -j N, --jobs N   worker threads (default: one per processor core)\n"
    "  -@ LISTFILE      take file names from LISTFILE, one per line ('-': standard input)\n"
    "  --cty FILE       the country file for every log (default: the installed one)\n"
    "  --layout NAME    read column text files by the stored column layout NAME\n"
    "A summary (logs, QSOs, findings per kind, time taken) goes to standard error, with a\n"
    "progress line when it is a terminal. Every file that took no part is named there\n"
    "with its reason.\n"
    "Exit status: 0 when every file took part, 1 when one did not or an output could not\n"
    "be written, 2 for a usage error.\n";

struct TCrossCommand {
    TCrossSettings settings;
    std::string folder;
    bool tsv = false;
};

bool TakeNumber(TArgs& args, const std::string& name, int low, int high, int& value) {
    std::string text;
    if (!TakeOption(args, name, text)) return true;
    if (TryStrToInt(text, value) && value >= low && value <= high) return true;
    Err("qz crosscheck: " + name + " needs a number from " + std::to_string(low) + " to " + std::to_string(high) +
        "\n");
    return false;
}

bool TakeContest(TArgs& args, const std::string& name, TContest& contest) {
    std::string text;
    if (!TakeOption(args, name, text) || ParseContest(text, contest)) return true;
    Err("qz crosscheck: unknown contest '" + Utf8ToCp1252(text) + "' (see 'qz contests')\n");
    return false;
}

// Takes the command's own options; 0 or the exit status after a message.
int TakeOptions(TArgs& args, TCrossCommand& c) {
    TCrossSettings& s = c.settings;
    if (!TakeNumber(args, "--window", 0, 24 * 60, s.windowMinutes) ||
        !TakeNumber(args, "--penalty", 0, 1000, s.penalty))
        return 2;
    if (!TakeContest(args, "--contest", s.defaultContest) || !TakeContest(args, "--fix-contest", s.fixContest))
        return 2;
    c.tsv = TakeFlag(args, "--tsv");
    if (TakeOption(args, "-o", c.folder) || TakeOption(args, "--output", c.folder)) {
        std::error_code ec;
        if (c.folder.empty() ||
            (std::filesystem::exists(c.folder, ec) && !std::filesystem::is_directory(c.folder, ec))) {
            Err("qz crosscheck: -o needs a folder: " + Utf8ToCp1252(c.folder) + "\n");
            return 2;
        }
    }
    std::string jobs;
    if ((TakeOption(args, "-j", jobs) || TakeOption(args, "--jobs", jobs)) && !ParseJobs("crosscheck", jobs, s.jobs))
        return 2;
    return 0;
}

std::string Summary(const TCrossResult& r) {
    std::string text = Format("qz crosscheck: %zu logs in %zu contest session%s, %zu QSOs;", r.logs.size(), r.sessions,
                              r.sessions == 1 ? "" : "s", r.qsos);
    for (std::size_t k = 0; k < kCrossKinds; ++k)
        text += Format("%s %s %zu", k == 0 ? "" : ",", CrossKindName(static_cast<TCrossKind>(k)), r.counts[k]);
    text += Format("; %.1f s (reading and scoring %.1f s, matching %.1f s, checked scores %.1f s)\n",
                   r.readSeconds + r.matchSeconds + r.scoreSeconds, r.readSeconds, r.matchSeconds, r.scoreSeconds);
    return text;
}

bool WriteStdout(const std::string& bytes) {
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (ok && std::fflush(stdout) == 0) return true;
    Err("qz crosscheck: cannot write to standard output\n");
    return false;
}

std::string ScoreTable(const TCrossResult& r) {
    TTable table({"file", "call", "claimed", "score", "checked", "qsos", "removed"});
    table.RightAlign({2, 3, 4, 5, 6});
    for (const TCrossLog& log : r.logs)
        table.AddRow({Utf8ToCp1252(log.file), log.call, log.claimed, std::to_string(log.score),
                      std::to_string(log.checked), std::to_string(log.qsos), std::to_string(log.removed)});
    return table.Render(false);
}

int Run(TCrossCommand& c) {
    TBatchProgress progress(::isatty(STDERR_FILENO));
    c.settings.progress = [&](std::size_t done, std::size_t total) { progress.Update(done, total); };
    const TCrossResult result = RunCrossCheck(c.settings);
    progress.Clear();
    if (!result.setupError.empty()) {
        Err("qz crosscheck: " + result.setupError + "\n");
        return 1;
    }
    if (result.cancelled) {
        Err("qz crosscheck: stopped\n");
        return 1;
    }
    for (const TCrossFailure& f : result.failures) Err("qz crosscheck: " + NamedOnce(f.message, f.file) + "\n");
    bool ok = result.failures.empty();
    // A log that lost lines on reading was checked without them: the run is not clean.
    for (const TCrossLog& l : result.logs)
        if (l.droppedLines > 0) {
            Err(Format("qz crosscheck: %s: %d line(s) could not be read and are not in the log\n", l.file.c_str(),
                       l.droppedLines));
            ok = false;
        }
    ok = WriteStdout(Cp1252ToUtf8(c.tsv ? CrossFindingsTsv(result) : ScoreTable(result))) && ok;
    if (!c.folder.empty()) {
        std::string error;
        if (!WriteCrossReports(result, c.folder, error)) {
            Err("qz crosscheck: " + Shown(error, c.folder) + "\n");
            ok = false;
        }
    }
    Err(Summary(result));
    if (!result.failures.empty())
        Err(Format("qz crosscheck: %zu of %zu files took no part\n", result.failures.size(), c.settings.files.size()));
    return ok ? 0 : 1;
}

}  // namespace

int CmdCrossCheck(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (args.empty() || WantsHelp(args)) {
        Out(kUsage);
        return args.empty() ? 2 : 0;
    }
    TCrossCommand c;
    if (int status = TakeOptions(args, c)) return status;
    std::vector<std::string> lists;
    std::string value;
    while (TakeOption(args, "-@", value)) lists.push_back(value);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "crosscheck", kOptCty | kOptLayout, common)) return status;
    if (int status = GatherFiles("crosscheck", lists, args, c.settings.files)) return status;
    if (!LoadCountryFile("crosscheck", common)) return 1;
    c.settings.cty = common.cty;
    c.settings.layoutName = Utf8ToCp1252(common.layout);
    c.settings.compile = CompileSettingsFromOptions(Options);
    return Run(c);
}

}  // namespace qz::cli
