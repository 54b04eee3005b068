// Replacing the country file with a newer published one, safely: the new file is
// fetched into a temporary file beside the installed one, checked to be a complete
// country file with a plausible number of entries and a version not older than the
// installed one, and only then is the old file copied into the backup folder and the
// new one renamed into its place. Any failure leaves the installed file as it was.
#pragma once

#include <cstdint>
#include <string>

#include "domain/cty.h"
#include "update/ctyversion.h"
#include "update/download.h"

namespace qz {

// The published files: the one whose "CTY-" line names the release on offer, and the one
// that is installed.
inline constexpr const char* kCtyVersionFileURL = "https://www.country-files.com/cty/cty_wt.dat";
inline constexpr const char* kCtyFileURL = "https://www.country-files.com/cty/cty.dat";
// A country file is a few hundred kilobytes; anything past this is no country file.
inline constexpr std::uint64_t kMaxCountryFileBytes = 16u * 1024 * 1024;

struct TCtyUpdateRequest {
    // "" fetches the published file at the built-in addresses when its version file
    // offers a newer release; otherwise this address (http:// or https://) is fetched
    // and its own version decides.
    std::string url;
    // The published files, fetched under the download options' policy (HTTPS only
    // unless a caller relaxes it).
    std::string versionFileUrl = kCtyVersionFileURL;
    std::string fileUrl = kCtyFileURL;
    // Install even when the offered file is not newer, or older, than the installed one.
    bool force = false;
    // The file whose version counts as installed; "" means the country file in use
    // (DefaultCountryFilePath).
    std::string installedFile;
    // The file replaced or created; "" means cty.dat of the data folder.
    std::string destFile;
    // Time-outs, progress and the policy of the published addresses; the cap is that
    // of a country file, and an address in `url` may be plain HTTP.
    TDownloadOptions download;
};

enum class TCtyUpdateOutcome : std::uint8_t { Installed, NotNewer, Failed };

struct TCtyUpdateResult {
    TCtyUpdateOutcome outcome = TCtyUpdateOutcome::Failed;
    // What happened, for the user.
    std::string message;
    std::string destFile;
    std::string backupFile;  // "" when there was no file to keep
    TCtyVersion installedVersion;
    TCtyVersion offeredVersion;
};

class TCTYUpdate {
public:
    explicit TCTYUpdate(TCtyUpdateRequest request);
    TCtyUpdateResult Execute();

private:
    struct TInstalled {
        TCtyVersion version;
        int entities = 0;
    };
    TInstalled ReadInstalled() const;
    // The release the version file offers, compared with the installed one; false (with
    // the result set) when there is nothing to fetch.
    bool CheckNewVersion(const TInstalled& installed, TCtyUpdateResult& result);
    // Fetches, checks and installs the country file from `url`.
    void FetchAndInstall(const std::string& url, const TInstalled& installed, std::int32_t offeredRelease,
                         TCtyUpdateResult& result);

    TCtyUpdateRequest request_;
};

}  // namespace qz
