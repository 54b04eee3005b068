// qz compile: reads a log, compiles it and prints the result report.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/language.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "contests/factory.h"
#include "domain/cty.h"
#include "logfile/qz3.h"
#include "logfile/qzf.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz compile [--messages] [--cty FILE] FILE.QZF\n\n"
    "Reads a native log (or a legacy version-3 log, converted in memory without writing\n"
    "anything), compiles it by the rules of its contest and prints the result report.\n"
    "  --messages    also print the compile messages (after the report)\n"
    "  --cty FILE    the country file to check the log with (default: the one the log names)\n"
    "The language of the report follows the global option --lang.\n";

}  // namespace

int CmdCompile(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    const bool showMessages = TakeFlag(args, "--messages");
    std::string ctyFile;
    TakeOption(args, "--cty", ctyFile);
    for (const auto& a : args) {
        if (a.size() > 1 && a[0] == '-') {
            Err("qz compile: unknown option '" + Utf8ToCp1252(a) + "' (see 'qz compile --help')\n");
            return 2;
        }
    }
    if (args.size() != 1) {
        Err(args.empty() ? "qz compile: no log file given (see 'qz compile --help')\n"
                         : "qz compile: one log file at a time\n");
        return 2;
    }
    const std::string path = args[0];
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        Err("qz compile: " + Utf8ToCp1252(path) + ": no such file\n");
        return 1;
    }
    std::shared_ptr<const TCtyStuff> cty;
    if (!ctyFile.empty()) {
        auto loaded = std::make_shared<TCtyStuff>(ctyFile);
        if (loaded->CtyListCount() == 0) {
            Err("qz compile: no country data: " + loaded->LoadError() + "\n");
            return 1;
        }
        cty = loaded;
    }

    std::unique_ptr<TContestLog> log;
    std::string error;
    switch (NativeFileTypeOfFile(path)) {
        case ftQZ4: {
            TQZF qzf;
            log = qzf.ReadLog(path, cty);
            error = qzf.LastError();
            break;
        }
        case ftQZ3: {
            TQZ3 qz3(path);
            qz3.Cty = cty;
            std::string bytes;
            if (ReadWholeFile(path, bytes, &error)) {
                log = qz3.ReadFromBytes(bytes);
                error = qz3.LastError();
            }
            break;
        }
        default:
            error = path + " " + LS(26);
            break;
    }
    if (!log) {
        Err("qz compile: " + Shown(error.empty() ? path + ": " + LS(196) : error, path) + "\n");
        return 1;
    }
    if (!ContestHasOwnRules(log->Contest())) {
        Err("qz compile: " + Utf8ToCp1252(path) + ": " + RulesNotBuiltMessage(log->Contest()) + "\n");
        return 1;
    }
    std::vector<std::string> messages;
    log->MessageLines = &messages;
    log->ShowMessageBoxes = false;
    log->Compile();
    std::vector<std::string> report;
    log->WriteResults(report);
    log->MessageLines = nullptr;
    std::string text;
    for (const auto& line : report) text += line + "\n";
    if (showMessages)
        for (const auto& line : messages) text += line + "\n";
    Out(text);
    return 0;
}

}  // namespace qz::cli
