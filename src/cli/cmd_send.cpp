// qz send: submits a log to its contest's log robot by e-mail.
#include <filesystem>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/fileio.h"
#include "cli/cliutil.h"
#include "cli/commands.h"
#include "cli/mailcli.h"
#include "cli/terminal.h"
#include "export/exporter.h"
#include "mail/smtp.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz send [--format cabrillo|stf] [--to ADDRESS] [--subject S] [--body TEXT]\n"
    "               [--password-stdin] [--cty FILE] [--layout NAME] [--messages] LOG\n\n"
    "Sends a log as the attachment of an e-mail to the log robot of its contest.\n"
    "A Cabrillo or STF file is sent as it is, unless --format asks for another export;\n"
    "any other log (native, ADIF, ...) is compiled and exported first (default Cabrillo),\n"
    "the attachment named after the own call (DL1ABC.log, DL1ABC.stf).\n"
    "  --format F    cabrillo or stf: compile the log and send this export\n";

}  // namespace

int CmdSend(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(std::string(kUsage) + kMailOptionsUsage);
        return 0;
    }
    std::string format;
    const bool haveFormat = TakeOption(args, "--format", format);
    TMailOptions mail;
    TakeMailOptions(args, mail);
    TCommonOptions common;
    if (int status = TakeCommonOptions(args, "send", kOptCty | kOptMessages | kOptLayout, common)) return status;
    TOutputWindow window = owCabrillo;
    if (haveFormat && format == "stf") window = owSTF;
    else if (haveFormat && format != "cabrillo" && format != "cbr") {
        Err("qz send: unknown format '" + Utf8ToCp1252(format) + "' (cabrillo or stf)\n");
        return 2;
    }
    if (args.size() != 1) {
        Err(args.empty() ? "qz send: no log file given (see 'qz send --help')\n" : "qz send: one log file at a time\n");
        return 2;
    }
    const std::string path = args[0];
    if (!LoadCountryFile("send", common)) return 1;
    TOpenedMailLog opened;
    if (!OpenAndCompile("send", path, common, opened)) return 1;
    LoadRobotAddresses();

    const TContestLog& log = *opened.log;
    const bool asItIs = !haveFormat && (opened.type == ftCabrillo || opened.type == ftSTF);
    std::string bytes, name, filePath;
    if (asItIs) {
        std::string error;
        if (!ReadWholeFile(path, bytes, &error, kMaxAttachmentSize)) {
            Err("qz send: " + Shown(error, path) + "\n");
            return 1;
        }
        name = Utf8ToCp1252(std::filesystem::path(path).filename().string());
        filePath = path;
    } else {
        std::vector<std::string> lines;
        ProduceOutputWindow(window, log, lines);
        bytes = OutputFileText(lines);
        name = ProposedExportFileName("", log.FileHeader().fhUser_OwnCall, window);
    }
    return SendExport("send", log, name, bytes, filePath, mail);
}

}  // namespace qz::cli
