// qz batch: the committee's jobs over many files at once (exports beside the logs,
// conversion into native logs, one common result list), on a pool of worker threads.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/options.h"
#include "base/text.h"
#include "batch/batchjob.h"
#include "batch/resultlist.h"
#include "batch/resulttsv.h"
#include "cli/batchprogress.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "cli/terminal.h"
#include "domain/defs.h"
#include "import/detect.h"
#include "import/registry.h"

namespace qz::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: qz batch export --format F [--force] [OPTIONS] FILE...\n"
    "       qz batch convert [--from TYPE] [--contest KEYWORD] [-o DIR] [--force] [OPTIONS] FILE...\n"
    "       qz batch results [-o LIST] [--top-level-id ID] [--tsv] [--force] [--contest KEYWORD]\n"
    "                        [OPTIONS] FILE...\n\n"
    "Runs one job over many files, each file going through the steps of an opened log\n"
    "(load, compile, export). The files are processed in parallel; what is printed and\n"
    "written comes in the order of the file list, whatever the number of jobs.\n"
    "  export    writes an export of every native log beside it, named as the log with\n"
    "            the format's extension. --format: stf, cabrillo (.log), adif (.adi),\n"
    "            result (the result report, .sum), comments (the comment summary, .ubn),\n"
    "            res (.res), swisslog (.swi) or dbase (a dBase III table, .dbf)\n"
    "  convert   converts every foreign file into a native log (.QZF) beside it or into\n"
    "            -o DIR. --from TYPE takes only files of that type (Cabrillo, STF, ADIF,\n"
    "            ASCII, ...); default: each file's detected type. --contest: the contest\n"
    "            of every log, whatever the files say\n"
    "  results   writes the common result list of the logs (one tagged entry per log, in\n"
    "            list order, then one FEHLER entry per file that failed) to LIST, or to\n"
    "            standard output without -o or with '-o -'. --top-level-id: the name of\n"
    "            the outermost tag (default FINAL). --tsv: a plain table instead, with the\n"
    "            columns of 'qz score --tsv'. Foreign files (Cabrillo, and every format\n"
    "            the program reads) are converted in memory. --contest: the contest of\n"
    "            files that name none the program knows\n"
    "Options:\n"
    "  -@ LISTFILE   take file names from LISTFILE, one per line ('-': standard input);\n"
    "                may be given more than once and mixed with names on the line\n"
    "  --jobs N      worker threads (default: one per processor core)\n"
    "  --force       replace outputs that exist (without it they are kept and the file\n"
    "                counts as failed; an existing LIST stops the job before it starts)\n"
    "  --cty FILE    the country file for every log (default: the installed one, loaded\n"
    "                once for the whole batch)\n"
    "  --layout NAME read column text files by the stored column layout NAME\n"
    "  --messages    also print what the readers and the compile said about each file\n"
    "Every file that fails is named with its reason on standard error, and so is every\n"
    "line a reader could not read (the file is processed without it; the --tsv table\n"
    "counts such lines in its last column, dropped). Tabs, line ends and backslashes in\n"
    "--tsv fields are written as \\t, \\n, \\r and \\\\. A progress line is shown when\n"
    "standard error is a terminal.\n"
    "Exit status: 0 when every file was processed whole, 1 when one failed or lines of one\n"
    "could not be read, 2 for a usage error.\n";

struct TExportFormatName {
    const char* name;
    TOutputWindow window;
};

constexpr TExportFormatName kExportFormats[] = {
    {"stf", owSTF},           {"cabrillo", owCabrillo}, {"cbr", owCabrillo},      {"adif", owADIF},    {"adi", owADIF},
    {"result", owResult},     {"sum", owResult},        {"comments", owComments}, {"ubn", owComments}, {"res", owRES},
    {"swisslog", owSwisslog}, {"swi", owSwisslog},      {"dbase", owDBase},       {"dbf", owDBase},
};

bool ParseFileType(const std::string& text, TFileType& type) {
    for (const TConverterRow& row : ConverterRegistry())
        for (int t = row.firstType; t <= row.lastType; ++t)
            if (SameText(FileTypeKeyword(static_cast<TFileType>(t)), text) && row.make) {
                type = static_cast<TFileType>(t);
                return true;
            }
    return false;
}

struct TBatchCommand {
    TBatchSettings settings;
    std::vector<std::string> files;
    std::string output;  // results: the list file ("" or "-": standard output)
    std::string topLevelId = kDefaultTopLevelId;
    bool tsv = false;
    bool messages = false;
};

// Takes the job's own options; 0 or the exit status after a message.
int TakeJobOptions(TArgs& args, TBatchCommand& c) {
    TBatchSettings& s = c.settings;
    std::string value;
    if (s.job == TBatchJob::Export) {
        if (!TakeOption(args, "--format", value)) {
            Err("qz batch export: no format given: --format stf, cabrillo, adif, result, comments, res, swisslog or "
                "dbase\n");
            return 2;
        }
        bool known = false;
        for (const auto& f : kExportFormats)
            if (SameText(value, f.name)) {
                s.exportFormat = f.window;
                known = true;
            }
        if (!known) {
            Err("qz batch export: unknown format '" + Utf8ToCp1252(value) +
                "' (stf, cabrillo, adif, result, comments, res, swisslog or dbase)\n");
            return 2;
        }
        if (!BatchExportAvailable(s.exportFormat)) {
            Err("qz batch export: the format '" + Utf8ToCp1252(value) + "' has no writer in this version\n");
            return 2;
        }
    }
    if (s.job != TBatchJob::Export && TakeOption(args, "--contest", value)) {
        TContest& contest = s.job == TBatchJob::Convert ? s.fixContest : s.defaultContest;
        if (!ParseContest(value, contest)) {
            Err("qz batch: unknown contest '" + Utf8ToCp1252(value) + "' (see 'qz contests')\n");
            return 2;
        }
    }
    if (s.job == TBatchJob::Convert) {
        if (TakeOption(args, "--from", value) && !ParseFileType(value, s.importFormat)) {
            Err("qz batch convert: no converter for the type '" + Utf8ToCp1252(value) + "'\n");
            return 2;
        }
        if (TakeOption(args, "-o", s.outputFolder) || TakeOption(args, "--output", s.outputFolder)) {
            std::error_code ec;
            if (s.outputFolder.empty() || !fs::is_directory(s.outputFolder, ec)) {
                Err("qz batch convert: " + Utf8ToCp1252(s.outputFolder) + ": no such folder\n");
                return 1;
            }
        }
    }
    if (s.job == TBatchJob::Results) {
        TakeOption(args, "-o", c.output) || TakeOption(args, "--output", c.output);
        if (TakeOption(args, "--top-level-id", c.topLevelId) &&
            (c.topLevelId.empty() || c.topLevelId.find_first_of("<>/ \t\r\n") != std::string::npos)) {
            Err("qz batch results: --top-level-id needs a tag name without blanks, '<', '>' or '/'\n");
            return 2;
        }
        c.tsv = TakeFlag(args, "--tsv");
        s.foreignFiles = true;
    }
    return 0;
}

// Checks the result list's target before any file is read: its folder must exist, and
// an existing list is replaced only with --force.
int CheckListTarget(const TBatchCommand& c) {
    if (c.output.empty() || c.output == "-") return 0;
    std::error_code ec;
    const fs::path folder = fs::path(c.output).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        Err("qz batch results: " + Utf8ToCp1252(folder.string()) + ": no such folder\n");
        return 1;
    }
    if (fs::is_directory(c.output, ec)) {
        Err("qz batch results: " + Utf8ToCp1252(c.output) + ": is a folder, not a file\n");
        return 1;
    }
    if (const std::string* input = FindSameFile(c.output, c.files)) {
        Err("qz batch results: " + Utf8ToCp1252(c.output) + " is " +
            (*input == c.output ? std::string("one of the logs") : "the log " + Utf8ToCp1252(*input)) +
            " it reads; choose another name with -o\n");
        return 1;
    }
    if (!c.settings.replaceExisting && (fs::exists(c.output, ec) || fs::is_symlink(c.output, ec))) {
        Err("qz batch results: " + Utf8ToCp1252(c.output) + " exists and was kept (--force replaces it)\n");
        return 1;
    }
    return 0;
}

bool WriteList(const TBatchCommand& c, const std::string& bytes) {
    if (c.output.empty() || c.output == "-") {
        const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        if (ok && std::fflush(stdout) == 0) return true;
        Err("qz batch results: cannot write to standard output\n");
        return false;
    }
    std::string error;
    if (WriteFileAtomically(c.output, bytes, &error)) return true;
    Err("qz batch results: " + Shown(error, c.output) + "\n");
    return false;
}

int RunJob(TBatchCommand& c) {
    TBatchProgress progress(::isatty(STDERR_FILENO));
    c.settings.progress = [&](std::size_t done, std::size_t total) { progress.Update(done, total); };
    int droppedFiles = 0;
    auto finished = [&](const TBatchFileResult& r) {
        if (r.ok && r.dropped.count == 0 && (!c.messages || r.messages.empty())) return;
        progress.Clear();
        if (c.messages)
            for (const std::string& m : r.messages) Err(Shown(m, r.file) + "\n");
        if (ReportDroppedLines("batch", r.file, r.dropped, c.messages) > 0) ++droppedFiles;
        if (!r.ok) Err("qz batch: " + Shown(r.error, r.file) + ContestHint(r.contestUnknown) + "\n");
    };
    TBatchOutcome outcome = RunBatch(c.files, c.settings, finished);
    progress.Clear();
    if (!outcome.setupError.empty()) {
        Err("qz batch: " + outcome.setupError + "\n");
        return 1;
    }
    bool ok = outcome.failed == 0;
    if (c.settings.job == TBatchJob::Results) {
        std::string bytes;
        if (c.tsv) {
            bytes = Cp1252ToUtf8(ResultTsvText(outcome.files));
        } else {
            bytes = ResultListText(Utf8ToCp1252(c.topLevelId), outcome.files);
        }
        ok = WriteList(c, bytes) && ok;
    } else {
        for (const TBatchFileResult& r : outcome.files)
            if (r.ok) Out(Utf8ToCp1252(r.written) + "\n");
    }
    if (outcome.failed > 0)
        Err("qz batch: " + std::to_string(outcome.failed) + " of " + std::to_string(outcome.files.size()) +
            " files failed\n");
    if (droppedFiles > 0)
        Err("qz batch: " + std::to_string(droppedFiles) + " of " + std::to_string(outcome.files.size()) +
            " files had lines that could not be read\n");
    return ok && droppedFiles == 0 ? 0 : 1;
}

}  // namespace

int CmdBatch(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (args.empty() || WantsHelp(args)) {
        Out(kUsage);
        return args.empty() ? 2 : 0;
    }
    TBatchCommand c;
    const std::string job = args[0];
    args.erase(args.begin());
    if (job == "export") c.settings.job = TBatchJob::Export;
    else if (job == "convert") c.settings.job = TBatchJob::Convert;
    else if (job == "results") c.settings.job = TBatchJob::Results;
    else {
        Err("qz batch: unknown job '" + Utf8ToCp1252(job) + "' (export, convert or results)\n");
        return 2;
    }
    if (int status = TakeJobOptions(args, c)) return status;
    std::string value;
    if (TakeOption(args, "--jobs", value) && !ParseJobs("batch", value, c.settings.jobs)) return 2;
    c.settings.replaceExisting = TakeFlag(args, "--force");
    std::vector<std::string> lists;
    while (TakeOption(args, "-@", value)) lists.push_back(value);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "batch " + job, kOptCty | kOptMessages | kOptLayout, common))
        return status;
    c.messages = common.messages;
    c.settings.layoutName = Utf8ToCp1252(common.layout);
    if (int status = GatherFiles("batch " + job, lists, args, c.files)) return status;
    if (int status = CheckListTarget(c)) return status;
    if (!LoadCountryFile("batch", common)) return 1;
    c.settings.cty = common.cty;
    c.settings.compile = CompileSettingsFromOptions(Options);
    return RunJob(c);
}

}  // namespace qz::cli
