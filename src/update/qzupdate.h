// The check for a newer version of the program: a small text file at an address kept in
// the settings names the version on offer and its download page. The program only tells
// the user and may open that page in the browser; it never fetches or starts an
// installer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/version.h"
#include "update/download.h"

namespace qz {

// The setting (section QZ) that holds the address of the program version file; there is
// no default address.
inline constexpr std::string_view kVersionFileURLSetting = "Update_VersionFileURL";
inline constexpr std::uint64_t kMaxVersionFileBytes = 64 * 1024;

// What a program version file offers: the lines 1 to 4 are the numbers of the version,
// line 5 the address of its download page.
struct TQZOffer {
    TNumVersion version;
    std::string downloadPage;
};
// Nothing for a file of fewer than five lines or with a line 1 to 4 that is no number.
std::optional<TQZOffer> ParseVersionFile(std::string_view text);

enum class TQZCheckOutcome : std::uint8_t { NoAddress, Failed, NothingNewer, NewerOffered };

struct TQZCheckResult {
    TQZCheckOutcome outcome = TQZCheckOutcome::Failed;
    std::string message;  // for the user
    TQZOffer offer;       // set for NewerOffered
};

class TQZUpdate {
public:
    // `url` "" takes the address from the setting.
    explicit TQZUpdate(std::string url = "", TDownloadOptions options = {});
    // Fetches the version file and compares its version with the program's own. The
    // message is printable: what the server sent cannot control a terminal.
    TQZCheckResult CheckNewVersion();

private:
    TQZCheckResult Check();
    std::string url_;
    TDownloadOptions options_;
};

// True when nothing stands in the way of an update: no log is open. Otherwise the
// error message of the update commands is shown.
bool CanUpdate(int openLogs);

// Opens an http:// or https:// address in the user's web browser (xdg-open, run
// directly, no shell); any other address is refused. False with `error` when it could
// not be opened.
bool OpenInBrowser(const std::string& url, std::string* error = nullptr);

}  // namespace qz
