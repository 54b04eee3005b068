// qz: the command-line front end of the contest log tool.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "base/settingsstore.h"
#include "base/version.h"
#include "cli/commands.h"
#include "cli/terminal.h"

namespace qz::cli {
namespace {

struct TCommand {
    const char* name;
    const char* summary;
    bool needsLanguage;
    int (*run)(const TArgs&);
};

const TCommand kCommands[] = {
    {"contests", "list every contest with its Cabrillo keyword and mode kind", false, CmdContests},
    {"call", "look calls up in the country file: country, zones, prefix, district", true, CmdCall},
    {"export", "compile a log and write it as Cabrillo, STF, ADIF, RES, Swisslog or dBase", true, CmdExport},
    {"info", "show the type of files and the header of native logs", true, CmdInfo},
    {"compile", "compile a log of any format and print its result report", true, CmdCompile},
    {"convert", "convert foreign logs into native logs", true, CmdConvert},
    {"score", "score logs of any format (foreign ones converted in memory)", true, CmdScore},
    {"report", "write an HTML report with the charts of logs of any format", true, CmdReport},
    {"layout", "list and edit the stored column layouts of column text logs", true, CmdLayout},
    {"adif-config", "show and change which fields the ADIF export writes", true, CmdADIFConfig},
    {"check", "check logs for serial, exchange, call-extension and band-change faults", true, CmdCheck},
    {"batch", "run exports, conversions or the common result list over many files at once", true, CmdBatch},
    {"crosscheck", "match the logs of a contest against each other: NIL, busted, band, unique", true, CmdCrossCheck},
    {"update", "check for a newer program version; install a newer country file", true, CmdUpdate},
    {"send", "send a log to its contest's log robot by e-mail", true, CmdSend},
    {"finalize", "compile, save read-only, export and send a log in one go", true, CmdFinalize},
    {"journal", "list the e-mails sent so far", true, CmdJournal},
};

void PrintHelp() {
    Out("usage: qz [GLOBAL OPTIONS] COMMAND [ARGS]\n\n"
        "Keeps, scores, checks and converts amateur-radio contest logs.\n\n"
        "Commands:\n");
    for (const auto& c : kCommands)
        Out("  " + std::string(c.name) + std::string(12 - std::string(c.name).size(), ' ') + c.summary + "\n");
    Out("\nGlobal options:\n"
        "  --lang eng|ger   language of reports and of the messages from the language file\n"
        "                   (default eng, whatever the desktop program stores; the command\n"
        "                   line's own texts are English)\n"
        "  --yes, --no      answer every question of the program with yes or no\n"
        "  --ask            prompt for values a contest asks for (the constant exchange of a\n"
        "                   new log); without it they take their default\n"
        "  --dbg            keep all data files below the program's folder (also /DBG)\n"
        "  --clf            encode eng.lsl and ger.lsl of the current folder into the\n"
        "                   installed language files (also /CLF)\n"
        "  --version        print the program version\n"
        "  --help           print this help; 'qz COMMAND --help' explains a command\n\n"
        "Environment: QZ_DATA_DIR and QZ_CONFIG_DIR replace the data and settings folders.\n");
}

// Loads the language chosen by --lang, English without it; ends the program with the
// bilingual message when the file is missing or of another version. The desktop
// program's stored choice is not taken: the command line's own texts are English, and
// a command that took German strings from the settings would answer in two languages.
bool LoadLanguage(const std::string& langOption) {
    TLanguage lang = lEnglish;
    if (langOption == "ger" || langOption == "de" || langOption == "german") lang = lGerman;
    else if (!langOption.empty() && langOption != "eng" && langOption != "en" && langOption != "english") {
        Err("qz: unknown language '" + langOption + "' (eng or ger)\n");
        return false;
    }
    std::string path = LanguageFilePath(lang);
    TLanguageLoadResult result;
    auto strings = std::make_shared<TLanguageStrings>(TLanguageStrings::FromFile(path, &result));
    if (!strings->FileLoadDone()) {
        Err(LanguageFileErrorMessage(path, result) + "\n");
        return false;
    }
    SetLanguageStrings(strings);
    return true;
}

int Run(int argc, char** argv) {
    TArgs args(argv + 1, argv + argc);
    std::string langOption;
    TakeOption(args, "--lang", langOption);
    std::optional<bool> fixed;
    if (TakeFlag(args, "--yes")) fixed = true;
    if (TakeFlag(args, "--no")) fixed = false;
    // Every spelling given is taken out of the arguments, so none is left over as unknown.
    auto takeAnyFlag = [&args](std::initializer_list<const char*> spellings) {
        bool found = false;
        for (const char* flag : spellings) found = TakeFlag(args, flag) || found;
        return found;
    };
    bool dbg = takeAnyFlag({"--dbg", "/DBG", "/dbg"});
    bool clf = takeAnyFlag({"--clf", "/CLF", "/clf"});
    SetDebugDataFolders(dbg);

    bool ask = TakeFlag(args, "--ask");
    TTerminalFrontEnd frontEnd(fixed, ask);
    SetFrontEnd(&frontEnd);

    if (clf) {
        std::string error;
        if (!WriteLanguageFiles(".", &error)) {
            Err("qz: " + error + "\n");
            return 1;
        }
        if (args.empty()) return 0;
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version" || args[0] == "-V") {
        Out("qz " + ProgramVersionText() + "\n");
        return 0;
    }
    for (const auto& c : kCommands) {
        if (args[0] != c.name) continue;
        TArgs rest(args.begin() + 1, args.end());
        if (c.needsLanguage && !WantsHelp(rest)) {
            std::string error;
            if (!InstallMissingDataFiles(&error)) Err("qz: " + error + "\n");
            const TSettingsStore settings = TSettingsStore::Load();
            if (!settings.LoadError().empty()) {
                // Working on with defaults would save them over every stored setting.
                Err("qz: the settings file cannot be used: " + settings.LoadError() +
                    "\n  Nothing was changed; make it readable or move it away.\n");
                return 1;
            }
            if (!LoadLanguage(langOption)) return 1;
            LoadOptions(Options, settings);
        }
        return c.run(rest);
    }
    Err("qz: unknown command '" + args[0] + "' (see 'qz --help')\n");
    return 2;
}

}  // namespace
}  // namespace qz::cli

int main(int argc, char** argv) {
    // A write past the file-size limit fails with EFBIG and is reported like a full
    // disk, instead of ending the program by signal with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        int status = qz::cli::Run(argc, argv);
        // Results that never reached their reader are a failure: a full disk, a closed
        // pipe, /dev/full.
        errno = 0;
        const bool flushed = std::fflush(stdout) == 0;
        const int error = errno;
        if (!flushed || std::ferror(stdout)) {
            std::fprintf(stderr, "qz: cannot write to standard output%s%s\n", error ? ": " : "",
                         error ? std::strerror(error) : "");
            if (status == 0) status = 1;
        }
        return status;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qz: internal error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "qz: internal error\n");
    }
    return 70;
}
