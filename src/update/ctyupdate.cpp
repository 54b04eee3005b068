#include "update/ctyupdate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/datetime.h"
#include "base/encoding.h"
#include "base/fileio.h"
#include "base/installfiles.h"
#include "domain/cty.h"

namespace qz {

namespace fs = std::filesystem;

namespace {

// A new file beside the target, created exclusively (never through a link) and removed
// again unless it was renamed into place.
class TTempFile {
public:
    explicit TTempFile(const std::string& target) {
        RemoveStaleTemporaryFiles(fs::path(target).parent_path().string());
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = target + ".download" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) error_ = errno;
    }
    ~TTempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_ && error_ == 0) ::unlink(path_.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int error() const { return error_; }

    // Replaces the whole content, flushed to disk.
    bool Rewrite(const std::string& data) {
        if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0) return false;
        const char* p = data.data();
        std::size_t left = data.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        return ::fsync(fd_) == 0;
    }
    // Flushes, takes over the permission bits of `target` when it exists, and renames
    // the file over it.
    bool RenameOver(const std::string& target) {
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd_, old.st_mode & 07777) != 0) return false;
        if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
            fd_ = -1;
            return false;
        }
        fd_ = -1;
        if (::rename(path_.c_str(), target.c_str()) != 0) return false;
        renamed_ = true;
        return true;
    }

private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
    bool renamed_ = false;
};

bool LooksLikeHtml(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return first != std::string_view::npos && text[first] == '<';
}

// "" when `text` is a complete country file of at least `minEntities` entities,
// otherwise why it is not; `version` gets its version.
std::string CheckCountryFile(const std::string& text, int minEntities, TCtyVersion& version) {
    if (text.empty()) return "the download is empty";
    if (LooksLikeHtml(text)) return "the download is a web page, not a country file";
    const std::unique_ptr<TCtyStuff> cty = TCtyStuff::FromText(text, "the download");
    if (!cty->LoadError().empty()) return "the download is no complete country file (" + cty->LoadError() + ")";
    if (cty->CtyListCount() < minEntities)
        return "the download holds " + std::to_string(cty->CtyListCount()) +
               " countries, too few for a country file (" + std::to_string(minEntities) + " expected)";
    version = CtyVersionOf(text, *cty);
    return "";
}

// The version line the updater puts first, in the line ends of the file.
std::string ReleaseLine(std::int32_t release, const std::string& text) {
    const bool crlf = text.find("\r\n") != std::string::npos;
    return "# based on CTY-" + std::to_string(release) + (crlf ? "\r\n" : "\n");
}

std::string Quoted(const TCtyVersion& v) { return CtyVersionText(v); }

}  // namespace

TCTYUpdate::TCTYUpdate(TCtyUpdateRequest request) : request_(std::move(request)) {
    if (request_.installedFile.empty()) request_.installedFile = DefaultCountryFilePath();
    if (request_.destFile.empty())
        request_.destFile = FindFileIgnoringCase(InstalledFilePath(InstalledFile("cty.dat")));
}

TCTYUpdate::TInstalled TCTYUpdate::ReadInstalled() const {
    TInstalled installed;
    std::string text;
    if (!ReadWholeFile(request_.installedFile, text, nullptr, kMaxCountryFileBytes)) return installed;
    const std::unique_ptr<TCtyStuff> cty = TCtyStuff::FromText(text, request_.installedFile);
    installed.version = CtyVersionOf(text, *cty);
    installed.entities = cty->CtyListCount();
    return installed;
}

TCtyUpdateResult TCTYUpdate::Execute() {
    TCtyUpdateResult result;
    result.destFile = request_.destFile;
    const TInstalled installed = ReadInstalled();
    result.installedVersion = installed.version;
    if (!request_.url.empty()) FetchAndInstall(request_.url, installed, -1, result);
    else if (CheckNewVersion(installed, result))
        FetchAndInstall(request_.fileUrl, installed, result.offeredVersion.release, result);
    // The message quotes what the server and the files hold.
    result.message = PrintableText(result.message);
    return result;
}

bool TCTYUpdate::CheckNewVersion(const TInstalled& installed, TCtyUpdateResult& result) {
    TDownloadOptions options = request_.download;
    options.maxBytes = kMaxCountryFileBytes;
    std::string text;
    const TDownloadResult got = DownloadToString(request_.versionFileUrl, options, text);
    if (!got.Ok()) {
        result.message = got.error;
        return false;
    }
    result.offeredVersion = CtyVersionOf(text);
    const TCtyVersionOrder order = CompareCtyVersions(installed.version, result.offeredVersion);
    if ((order == TCtyVersionOrder::Same || order == TCtyVersionOrder::Older) && !request_.force) {
        result.outcome = TCtyUpdateOutcome::NotNewer;
        result.message = "No newer country file is offered (installed: " + Quoted(installed.version) +
                         ", offered: " + Quoted(result.offeredVersion) + ").";
        return false;
    }
    return true;
}

void TCTYUpdate::FetchAndInstall(const std::string& url, const TInstalled& installed, std::int32_t offeredRelease,
                                 TCtyUpdateResult& result) {
    // A link is followed: the file it names is replaced and the link stays.
    const std::string target = ResolveLinks(request_.destFile);
    std::error_code ec;
    if (fs::path(target).has_parent_path()) fs::create_directories(fs::path(target).parent_path(), ec);
    TTempFile temp(target);
    if (temp.fd() < 0) {
        result.message = target + ": cannot create a file in its folder: " + std::strerror(temp.error());
        return;
    }
    TDownloadOptions options = request_.download;
    if (!request_.url.empty()) options.policy = TUrlPolicy::HttpOrHttps;
    options.maxBytes = kMaxCountryFileBytes;
    const TDownloadResult got = DownloadToFile(url, options, temp.fd());
    if (!got.Ok()) {
        result.message = got.error;
        return;
    }
    std::string text, error;
    if (!ReadWholeFile(temp.path(), text, &error, kMaxCountryFileBytes)) {
        result.message = error;
        return;
    }
    // A file much smaller than the one it replaces has lost countries on the way.
    const int minEntities = std::max(kMinCountryFileEntities, installed.entities * 3 / 4);
    TCtyVersion version;
    if (std::string why = CheckCountryFile(text, minEntities, version); !why.empty()) {
        result.message = url + ": " + why;
        return;
    }
    // The published file does not name its release; the line written first lets the
    // next check compare with what was installed.
    if (version.release < 0 && offeredRelease >= 0) {
        version.release = offeredRelease;
        if (!temp.Rewrite(ReleaseLine(offeredRelease, text) + text)) {
            result.message = temp.path() + ": cannot write: " + std::strerror(errno);
            return;
        }
    }
    result.offeredVersion = version;
    if (CtyDateTooFarAhead(version, NowUTC())) {
        result.message = url + ": the offered country file names a version date more than a year ahead (" +
                         Quoted(version) + "); such a file is not installed";
        return;
    }
    if (!version.Known() && installed.version.Known() && !request_.force) {
        result.message = url +
                         ": the offered country file names no version (no \"CTY-\" line, no =VER entry), "
                         "the installed one does (" +
                         Quoted(installed.version) + "); --force installs it anyway";
        return;
    }
    const TCtyVersionOrder order = CompareCtyVersions(installed.version, version);
    if (order == TCtyVersionOrder::Older && !request_.force) {
        result.message = url + ": the offered country file (" + Quoted(version) +
                         ") is older than the installed one (" + Quoted(installed.version) +
                         "); --force installs it anyway";
        return;
    }
    if (order == TCtyVersionOrder::Same && !request_.force) {
        result.outcome = TCtyUpdateOutcome::NotNewer;
        result.message = "The installed country file is already of this version (" + Quoted(version) + ").";
        return;
    }
    if (FileExists(target) && !CopyToBackup(target, &result.backupFile)) {
        result.message = target + ": cannot keep a backup copy of the installed file in its folder Backup";
        return;
    }
    if (!temp.RenameOver(target)) {
        result.message = target + ": cannot replace the file: " + std::strerror(errno);
        return;
    }
    result.outcome = TCtyUpdateOutcome::Installed;
    result.message = "Country file " + Quoted(version) + " is now " + request_.destFile +
                     (result.backupFile.empty() ? "." : "; the previous one is kept as " + result.backupFile + ".");
}

}  // namespace qz
