// qz export: compiles a native log and writes it as Cabrillo or STF, byte for byte as
// the editor's output window saves it (Windows-1252, CR LF).
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "base/encoding.h"
#include "base/frontend.h"
#include "base/language.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "contests/factory.h"
#include "domain/cty.h"
#include "export/exporter.h"
#include "logfile/qzf.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz export --format cabrillo|stf|adif [-o OUT] [--cty FILE] [--messages] FILE.QZF\n\n"
    "Reads a native log, compiles it and writes it in a submission format, exactly as the\n"
    "editor's output window saves it (Windows-1252 text with CR LF line ends).\n"
    "  --format F    cabrillo (Cabrillo 3.0, extension .log), stf (STF, extension .stf) or\n"
    "                adif (ADIF, extension .adi, with the fields of the stored ADIF\n"
    "                configuration: see 'qz adif-config')\n"
    "  -o OUT        the file to write; '-' writes to standard output (default: the log's\n"
    "                name with the format's extension, in the log's folder)\n"
    "  --cty FILE    the country file to check the log with (default: the one the log names)\n"
    "  --messages    print the compile messages on standard error\n"
    "An existing OUT is replaced only with --yes (or when the question is answered yes).\n"
    "Values cut to fit a Cabrillo column are reported on standard error.\n";

// File names arrive as UTF-8; messages are Windows-1252 until Err converts them.
std::string Shown(const std::string& path) { return Utf8ToCp1252(path); }

bool WriteStdout(const std::string& bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) return false;
    return std::fflush(stdout) == 0;
}

}  // namespace

int CmdExport(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    std::string format, outFile, ctyFile;
    bool haveFormat = TakeOption(args, "--format", format);
    bool haveOut = TakeOption(args, "-o", outFile) || TakeOption(args, "--output", outFile);
    TakeOption(args, "--cty", ctyFile);
    bool showMessages = TakeFlag(args, "--messages");
    for (const auto& a : args) {
        if (a.size() > 1 && a[0] == '-') {
            Err("qz export: unknown option '" + Shown(a) + "' (see 'qz export --help')\n");
            return 2;
        }
    }
    if (!haveFormat) {
        Err("qz export: no format given: --format cabrillo, stf or adif\n");
        return 2;
    }
    TOutputWindow window;
    if (format == "cabrillo" || format == "cbr")
        window = owCabrillo;
    else if (format == "stf")
        window = owSTF;
    else if (format == "adif" || format == "adi")
        window = owADIF;
    else {
        Err("qz export: unknown format '" + Shown(format) + "' (cabrillo, stf or adif)\n");
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

    std::shared_ptr<const TCtyStuff> cty;
    if (!ctyFile.empty()) {
        auto loaded = std::make_shared<TCtyStuff>(ctyFile);
        if (loaded->CtyListCount() == 0) {
            Err("qz export: no country data: " + loaded->LoadError() + "\n");
            return 1;
        }
        cty = loaded;
    }

    TQZF qzf;
    std::unique_ptr<TContestLog> log = qzf.ReadLog(logFile, cty);
    if (!log) {
        Err("qz export: " + (qzf.LastError().empty() ? "cannot read " + Shown(logFile) : qzf.LastError()) + "\n");
        return 1;
    }
    if (!ContestHasOwnRules(log->Contest())) {
        // Its points, multipliers and claimed score would all be 0.
        Err("qz export: " + Shown(logFile) + ": " + RulesNotBuiltMessage(log->Contest()) + "\n");
        return 1;
    }
    std::vector<std::string> compileMessages;
    log->MessageLines = &compileMessages;
    log->ShowMessageBoxes = false;
    log->Compile();
    std::size_t compiled = compileMessages.size();

    std::vector<std::string> lines, exportMessages;
    ProduceOutputWindow(window, *log, lines, &exportMessages);
    log->MessageLines = nullptr;

    if (showMessages)
        for (std::size_t i = 0; i < compiled; ++i) Err(compileMessages[i] + "\n");
    for (const auto& m : exportMessages) Err("qz export: " + Shown(logFile) + ": " + m + "\n");

    const std::string text = OutputFileText(lines);
    if (outFile == "-") {
        if (!WriteStdout(text)) {
            Err("qz export: cannot write to standard output\n");
            return 1;
        }
        return 0;
    }
    if (!haveOut) outFile = std::filesystem::path(logFile).replace_extension(OutputWindowExtension(window)).string();
    std::error_code ec;
    if (std::filesystem::equivalent(outFile, logFile, ec)) {
        Err("qz export: " + Shown(outFile) + " is the log itself; choose another name with -o\n");
        return 1;
    }
    if (std::filesystem::exists(outFile, ec) &&
        AskOkCancel(ExportOverwriteQuestion(Shown(outFile))) != TMsgAnswer::Ok) {
        Err("qz export: " + Shown(outFile) + " exists and was kept (--yes replaces it)\n");
        return 1;
    }
    std::string error;
    if (!SaveOutputFile(outFile, lines, &error)) {
        Err("qz export: " + LS(245) + " " + Shown(outFile) + (error.empty() ? "" : ": " + error) + "\n");
        return 1;
    }
    return 0;
}

}  // namespace qz::cli
