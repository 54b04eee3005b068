// qz export: compiles a log of any known format and writes it in a submission or
// exchange format, byte for byte as the editor's output window saves it (Windows-1252,
// CR LF), or as a dBase table.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "base/datetime.h"
#include "base/encoding.h"
#include "base/fileio.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "export/exporter.h"
#include "import/openlog.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz export --format cabrillo|stf|adif|res|swisslog|dbase [-o OUT] [--force] [--cty FILE]\n"
    "                 [--messages] FILE\n\n"
    "Reads a log (native, legacy or foreign, converted in memory), compiles it and writes\n"
    "it in a submission format, exactly as the editor's output window saves it\n"
    "(Windows-1252 text with CR LF line ends).\n"
    "  --format F    cabrillo (Cabrillo 3.0, extension .log), stf (STF, extension .stf) or\n"
    "                adif (ADIF, extension .adi, with the fields of the stored ADIF\n"
    "                configuration: see 'qz adif-config'), res (RES lines, .res), swisslog\n"
    "                (Swisslog import lines, .swi) or dbase (a dBase III table, .dbf)\n"
    "  -o OUT        the file to write; '-' writes to standard output (default: the log's\n"
    "                name with the format's extension, in the log's folder); its folder\n"
    "                must exist\n"
    "  --force       replace an existing OUT\n"
    "  --cty FILE    the country file to check the log with (default: the one the log names)\n"
    "  --layout NAME read column text files by the stored column layout NAME\n"
    "  --messages    print the compile messages on standard error\n"
    "An existing OUT is never replaced without --force: it may be the file the log was\n"
    "converted from.\n"
    "Values cut to fit a Cabrillo column are reported on standard error, and so are lines\n"
    "of the log that could not be read: they are not in the output, which is written all\n"
    "the same, and the exit status is 1.\n";

}  // namespace

int CmdExport(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    std::string format, outFile;
    bool haveFormat = TakeOption(args, "--format", format);
    bool haveOut = TakeOption(args, "-o", outFile) || TakeOption(args, "--output", outFile);
    const bool force = TakeFlag(args, "--force");
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "export", kOptCty | kOptMessages | kOptLayout, common)) return status;
    if (!haveFormat) {
        Err("qz export: no format given: --format cabrillo, stf, adif, res, swisslog or dbase\n");
        return 2;
    }
    TOutputWindow window;
    if (format == "cabrillo" || format == "cbr") window = owCabrillo;
    else if (format == "stf") window = owSTF;
    else if (format == "adif" || format == "adi") window = owADIF;
    else if (format == "res") window = owRES;
    else if (format == "swisslog" || format == "swi") window = owSwisslog;
    else if (format == "dbase" || format == "dbf") window = owDBase;
    else {
        Err("qz export: unknown format '" + Utf8ToCp1252(format) + "' (cabrillo, stf, adif, res, swisslog or dbase)\n");
        return 2;
    }
    if (args.size() != 1) {
        Err(args.empty() ? "qz export: no log file given (see 'qz export --help')\n"
                         : "qz export: one log file at a time\n");
        return 2;
    }
    const std::string logFile = args[0];
    if (haveOut && outFile.empty()) {
        Err("qz export: -o needs a file name ('-' for standard output)\n");
        return 2;
    }

    if (!LoadCountryFile("export", common)) return 1;

    TOpenedLog opened = OpenLog(logFile, OpenOptions(common));
    if (!opened.log) {
        for (const auto& m : opened.messages) Err("qz export: " + Shown(m, logFile) + "\n");
        Err("qz export: " + Shown(opened.error, logFile) + "\n");
        return 1;
    }
    std::unique_ptr<TContestLog> log = std::move(opened.log);
    const int status = ReportDroppedLines("export", logFile, opened.dropped, common.messages) > 0 ? 1 : 0;
    std::vector<std::string> compileMessages = std::move(opened.messages);
    log->SetMessageLines(&compileMessages);
    log->SetShowMessageBoxes(false);
    log->Compile(CompileSettingsFromOptions(Options));
    std::size_t compiled = compileMessages.size();

    std::vector<std::string> exportMessages;
    std::string text;
    ProduceExportFile(window, *log, text, &exportMessages, NowLocal());
    log->SetMessageLines(nullptr);

    if (common.messages)
        for (std::size_t i = 0; i < compiled; ++i) Err(Shown(compileMessages[i], logFile) + "\n");
    for (const auto& m : exportMessages) Err("qz export: " + Utf8ToCp1252(logFile) + ": " + m + "\n");

    if (outFile == "-") {
        if (!WriteStdout(text)) {
            Err("qz export: cannot write to standard output\n");
            return 1;
        }
        return status;
    }
    if (!haveOut) outFile = std::filesystem::path(logFile).replace_extension(OutputWindowExtension(window)).string();
    if (!OutputFileAllowed("export", outFile, {logFile}, force)) return 1;
    std::string error;
    if (!WriteFileAtomically(outFile, text, &error)) {
        Err("qz export: " +
            (error.empty() ? LS(lsConversionFailed) + " " + Utf8ToCp1252(outFile) : Shown(error, outFile)) + "\n");
        return 1;
    }
    return status;
}

}  // namespace qz::cli
