// Fetching one web address with libcurl: HTTP(S) only, certificate checks, a size cap,
// time-outs, a bounded number of redirects, and progress shown through the front end.
// What is fetched is only ever stored and read as data, never run.
#pragma once

#include <cstdint>
#include <string>

namespace qz {

// Which addresses a download accepts, for the address itself and for every redirect.
enum class TUrlPolicy : std::uint8_t {
    HttpsOnly,    // the program's built-in addresses
    HttpOrHttps,  // an address the user gave (plain HTTP allowed, HTTPS still checked)
};

struct TDownloadOptions {
    TUrlPolicy policy = TUrlPolicy::HttpsOnly;
    // A body larger than this ends the download (stated or as received).
    std::uint64_t maxBytes = 16u * 1024 * 1024;
    // Connecting; also the longest stretch in which the server sends nothing (a server
    // that accepts the connection and then stays silent is given up after it).
    long connectTimeoutSeconds = 20;
    // The whole transfer, redirects included.
    long timeoutSeconds = 300;
    long maxRedirects = 5;
    // Show the front end's progress indicator while the body arrives (when its length
    // is known).
    bool showProgress = true;
};

enum class TDownloadStatus : std::uint8_t {
    Ok,
    BadAddress,    // not an address the policy accepts, or malformed
    NoConnection,  // the host is unknown or does not answer
    HttpError,     // the server answered with an error status
    TooLarge,      // the body passed the cap
    TimedOut,
    WriteFailed,  // the local file could not be written
    Failed,       // anything else: broken transfer, certificate, redirect loop, ...
};

struct TDownloadResult {
    TDownloadStatus status = TDownloadStatus::Failed;
    // For anything but Ok: the address and the reason, for the user.
    std::string error;
    long httpStatus = 0;
    bool Ok() const { return status == TDownloadStatus::Ok; }
};

// True when `url` starts with a scheme the policy accepts ("https://", and "http://"
// for HttpOrHttps), ignoring case.
bool IsAllowedUrl(const std::string& url, TUrlPolicy policy);

// Fetches `url` into `body` (replaced; emptied on failure).
TDownloadResult DownloadToString(const std::string& url, const TDownloadOptions& options, std::string& body);
// Fetches `url` into the open file `fd` from its current position. On failure the file
// may hold part of the body; the caller discards it.
TDownloadResult DownloadToFile(const std::string& url, const TDownloadOptions& options, int fd);

}  // namespace qz
