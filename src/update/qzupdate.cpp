#include "update/qzupdate.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "base/encoding.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/settingsstore.h"
#include "base/text.h"

extern char** environ;

namespace qz {

std::optional<TQZOffer> ParseVersionFile(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 5) return std::nullopt;
    std::int32_t n[4];
    for (int i = 0; i < 4; ++i)
        if (!TryStrToInt(Trim(lines[static_cast<std::size_t>(i)]), n[i])) return std::nullopt;
    return TQZOffer{{n[0], n[1], n[2], n[3]}, Trim(lines[4])};
}

TQZUpdate::TQZUpdate(std::string url, TDownloadOptions options) : url_(std::move(url)), options_(options) {
    if (url_.empty()) url_ = Trim(ReadSettingString(kVersionFileURLSetting, ""));
    // The address is the user's own: plain HTTP is the user's choice.
    options_.policy = TUrlPolicy::HttpOrHttps;
    options_.maxBytes = kMaxVersionFileBytes;
}

TQZCheckResult TQZUpdate::CheckNewVersion() {
    TQZCheckResult result = Check();
    // The message quotes what the server sent (the download page, the reason of a
    // failure).
    result.message = PrintableText(result.message);
    return result;
}

TQZCheckResult TQZUpdate::Check() {
    TQZCheckResult result;
    if (url_.empty()) {
        result.outcome = TQZCheckOutcome::NoAddress;
        result.message = "No address is set for the program version file (setting " +
                         std::string(kVersionFileURLSetting) + " in " + SettingsFilePath() + ").";
        return result;
    }
    std::string text;
    const TDownloadResult got = DownloadToString(url_, options_, text);
    if (!got.Ok()) {
        result.message = got.error;
        return result;
    }
    const std::optional<TQZOffer> offer = ParseVersionFile(text);
    const std::string own = ProgramVersionText();
    if (!offer) {
        result.message = url_ + ": no program version file (four version numbers and an address expected)";
        return result;
    }
    const TNumVersion& v = offer->version;
    const std::string offered = std::to_string(v.MainVersion) + "." + std::to_string(v.SubVersion) + "." +
                                std::to_string(v.Release) + "." + std::to_string(v.Compilation);
    if (CompareVersions(ProgramVersion(), v) != icrGreater) {
        result.outcome = TQZCheckOutcome::NothingNewer;
        result.message = "This version (" + own + ") is up to date; offered: " + offered + ".";
        return result;
    }
    result.outcome = TQZCheckOutcome::NewerOffered;
    result.offer = *offer;
    result.message = "Version " + offered + " is offered (this is " + own + ")." +
                     (offer->downloadPage.empty() ? "" : " Download page: " + offer->downloadPage);
    return result;
}

bool CanUpdate(int openLogs) {
    if (openLogs == 0) return true;
    ShowErrorMessage(LS(630));
    return false;
}

bool OpenInBrowser(const std::string& url, std::string* error) {
    if (!IsAllowedUrl(url, TUrlPolicy::HttpOrHttps) ||
        std::any_of(url.begin(), url.end(), [](char c) { return c == ' ' || IsControlByte(c); })) {
        if (error) *error = PrintableText(url) + ": not a web address, not opened";
        return false;
    }
    std::string program = "xdg-open";
    std::vector<char*> argv{program.data(), const_cast<char*>(url.c_str()), nullptr};
    pid_t pid = 0;
    const int rc = ::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        if (error) *error = "cannot run xdg-open: " + std::string(std::strerror(rc));
        return false;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        if (error) *error = "xdg-open could not open " + url;
        return false;
    }
    return true;
}

}  // namespace qz
