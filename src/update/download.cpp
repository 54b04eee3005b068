// The libcurl transfer behind both download forms; they differ only in where the bytes
// go.
#include "update/download.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <mutex>

#include "base/frontend.h"
#include "base/text.h"
#include "base/version.h"

namespace qz {

namespace {

using TSink = std::function<bool(const char*, std::size_t)>;

struct TTransfer {
    const TDownloadOptions* options = nullptr;
    TSink sink;
    std::uint64_t received = 0;
    bool tooLarge = false;
    bool writeFailed = false;
    int writeErrno = 0;
    bool progressShown = false;
    curl_off_t progressTotal = 0;
    curl_off_t progressDone = 0;
    std::chrono::steady_clock::time_point started;
};

std::size_t OnData(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<TTransfer*>(user);
    const std::size_t n = size * count;
    if (t->received + n > t->options->maxBytes) {
        t->tooLarge = true;
        return 0;  // ends the transfer with a write error
    }
    if (!t->sink(data, n)) {
        t->writeFailed = true;
        t->writeErrno = errno;
        return 0;
    }
    t->received += n;
    return n;
}

int OnProgress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
    auto* t = static_cast<TTransfer*>(user);
    if (!t->options->showProgress || total <= 0 || static_cast<std::uint64_t>(total) > t->options->maxBytes) return 0;
    if (!t->progressShown || total != t->progressTotal) {
        if (t->progressShown) ProgressEnd();
        ProgressStart(static_cast<int>(total));
        t->progressShown = true;
        t->progressTotal = total;
        t->progressDone = 0;
    }
    if (now > t->progressDone) {
        ProgressStep(static_cast<int>(now - t->progressDone));
        t->progressDone = now;
    }
    return 0;
}

std::string SizeText(std::uint64_t bytes) {
    return bytes % (1024 * 1024) == 0 ? std::to_string(bytes / (1024 * 1024)) + " MB"
                                      : std::to_string(bytes) + " bytes";
}

TDownloadResult Fail(TDownloadStatus status, const std::string& url, const std::string& reason, long httpStatus = 0) {
    return {status, url + ": " + reason, httpStatus};
}

TDownloadResult ResultOf(CURLcode code, CURL* curl, const TTransfer& t, const std::string& url, const char* message) {
    long httpStatus = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &httpStatus);
    const std::string detail = message[0] ? message : curl_easy_strerror(code);
    if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return Fail(TDownloadStatus::TooLarge, url, "the download is larger than " + SizeText(t.options->maxBytes));
    if (t.writeFailed)
        return Fail(TDownloadStatus::WriteFailed, url,
                    std::string("cannot write the download: ") + std::strerror(t.writeErrno));
    switch (code) {
        case CURLE_OK: break;
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            return Fail(TDownloadStatus::BadAddress, url, "not an address that can be fetched (" + detail + ")");
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT: return Fail(TDownloadStatus::NoConnection, url, "no connection (" + detail + ")");
        case CURLE_OPERATION_TIMEDOUT: {
            // Which of the two limits ended it: the one nearer to the time it took.
            const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - t.started).count();
            if (std::abs(took - static_cast<double>(t.options->connectTimeoutSeconds)) <
                std::abs(took - static_cast<double>(t.options->timeoutSeconds)))
                return Fail(TDownloadStatus::TimedOut, url,
                            "the server sent nothing for " + std::to_string(t.options->connectTimeoutSeconds) +
                                " seconds (" + detail + ")");
            return Fail(TDownloadStatus::TimedOut, url, "the download took too long (" + detail + ")");
        }
        case CURLE_HTTP_RETURNED_ERROR:
            return Fail(TDownloadStatus::HttpError, url,
                        "the server answered with status " + std::to_string(httpStatus), httpStatus);
        case CURLE_TOO_MANY_REDIRECTS: return Fail(TDownloadStatus::Failed, url, "too many redirects (" + detail + ")");
        default: return Fail(TDownloadStatus::Failed, url, detail);
    }
    // Only a complete answer with content counts; a 204 or a 1xx is none.
    if (httpStatus != 200)
        return Fail(TDownloadStatus::HttpError, url, "the server answered with status " + std::to_string(httpStatus),
                    httpStatus);
    return {TDownloadStatus::Ok, "", httpStatus};
}

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

TDownloadResult Download(const std::string& url, const TDownloadOptions& options, TSink sink) {
    if (!IsAllowedUrl(url, options.policy))
        return Fail(TDownloadStatus::BadAddress, url,
                    options.policy == TUrlPolicy::HttpsOnly ? "only https:// addresses are fetched"
                                                            : "only http:// and https:// addresses are fetched");
    GlobalInit();
    CURL* curl = curl_easy_init();
    if (!curl) return Fail(TDownloadStatus::Failed, url, "cannot start a download");
    TTransfer t;
    t.options = &options;
    t.sink = std::move(sink);
    char message[CURL_ERROR_SIZE] = "";
    const char* protocols = options.policy == TUrlPolicy::HttpsOnly ? "https" : "http,https";
    const std::string agent = "qz/" + ProgramVersionText();

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, protocols);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, options.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, options.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, options.timeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, options.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, message);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

    t.started = std::chrono::steady_clock::now();
    const CURLcode code = curl_easy_perform(curl);
    if (t.progressShown) ProgressEnd();
    TDownloadResult result = ResultOf(code, curl, t, url, message);
    curl_easy_cleanup(curl);
    return result;
}

}  // namespace

bool IsAllowedUrl(const std::string& url, TUrlPolicy policy) {
    if (StartsText("https://", url)) return url.size() > 8;
    return policy == TUrlPolicy::HttpOrHttps && StartsText("http://", url) && url.size() > 7;
}

TDownloadResult DownloadToString(const std::string& url, const TDownloadOptions& options, std::string& body) {
    body.clear();
    TDownloadResult r = Download(url, options, [&body](const char* data, std::size_t n) {
        body.append(data, n);
        return true;
    });
    if (!r.Ok()) body.clear();
    return r;
}

TDownloadResult DownloadToFile(const std::string& url, const TDownloadOptions& options, int fd) {
    return Download(url, options, [fd](const char* data, std::size_t n) {
        while (n > 0) {
            const ssize_t w = ::write(fd, data, n);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            data += w;
            n -= static_cast<std::size_t>(w);
        }
        return true;
    });
}

}  // namespace qz
