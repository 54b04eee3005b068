// qz update: checks whether a newer version of the program is offered, and replaces the
// country file with a newer published one (or one from an address the user gives).
#include <string>

#include "base/encoding.h"
#include "base/frontend.h"
#include "base/language.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "update/ctyupdate.h"
#include "update/qzupdate.h"

namespace qz::cli {

namespace {

constexpr const char* kUsage =
    "usage: qz update --check [--url URL]\n"
    "       qz update --cty [--url URL] [--force]\n\n"
    "  --check      fetch the program version file and tell whether a newer version is\n"
    "               offered; on request its download page is opened in the browser.\n"
    "               The address is the setting Update_VersionFileURL (none by default)\n"
    "               or --url.\n"
    "  --cty        fetch the published country file (https://www.country-files.com)\n"
    "               when it is newer than the installed one, and install it as cty.dat\n"
    "               of the data folder. The download is checked first (a complete\n"
    "               country file of a plausible size, not older than the installed\n"
    "               one); the previous file is kept in CountryFiles/Backup. Any failure\n"
    "               leaves the installed file as it was.\n"
    "  --url URL    the address to fetch instead (http:// or https://); with --cty the\n"
    "               country file itself, whose own version decides\n"
    "  --force      with --cty: install even when the file is not newer\n\n"
    "Exit status: 0 done or nothing newer, 1 the check or download failed, 2 usage error.\n"
    "Nothing downloaded is ever run.\n";

int Check(const std::string& url) {
    const TQZCheckResult r = TQZUpdate(Utf8ToCp1252(url)).CheckNewVersion();
    switch (r.outcome) {
        case TQZCheckOutcome::NoAddress:
            Err("qz update: " + r.message + "\n  Give one with --url URL, or store it in the settings file.\n");
            return 1;
        case TQZCheckOutcome::Failed: Err("qz update: " + r.message + "\n"); return 1;
        case TQZCheckOutcome::NothingNewer: Out(r.message + "\n"); return 0;
        case TQZCheckOutcome::NewerOffered: break;
    }
    Out(r.message + "\n");
    if (!r.offer.downloadPage.empty() && AskYesNo("Open the download page in the browser?") == TMsgAnswer::Yes) {
        std::string error;
        if (!OpenInBrowser(r.offer.downloadPage, &error)) {
            Err("qz update: " + error + "\n");
            return 1;
        }
    }
    return 0;
}

int UpdateCty(const std::string& url, bool force) {
    TCtyUpdateRequest request;
    request.url = Utf8ToCp1252(url);
    request.force = force;
    const TCtyUpdateResult r = TCTYUpdate(request).Execute();
    switch (r.outcome) {
        case TCtyUpdateOutcome::Installed: Out(LS(629) + "\n" + r.message + "\n"); return 0;
        case TCtyUpdateOutcome::NotNewer: Out(r.message + "\n"); return 0;
        case TCtyUpdateOutcome::Failed: break;
    }
    Err("qz update: " + r.message + "\n  The installed country file is unchanged.\n");
    return 1;
}

}  // namespace

int CmdUpdate(const TArgs& argsIn) {
    TArgs args = argsIn;
    if (WantsHelp(args)) {
        Out(kUsage);
        return 0;
    }
    const bool check = TakeFlag(args, "--check");
    const bool cty = TakeFlag(args, "--cty");
    const bool force = TakeFlag(args, "--force");
    std::string url;
    const bool hasUrl = TakeOption(args, "--url", url);
    if (!args.empty()) {
        Err("qz update: unknown argument '" + Utf8ToCp1252(args[0]) + "' (see 'qz update --help')\n");
        return 2;
    }
    if (check == cty || (force && !cty) || (hasUrl && url.empty())) {
        Err("qz update: give either --check or --cty (see 'qz update --help')\n");
        return 2;
    }
    return check ? Check(url) : UpdateCty(url, force);
}

}  // namespace qz::cli
