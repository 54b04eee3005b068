// Whole-file reading with the checks every reader needs, and the atomic replacement of
// a file. Works on file descriptors so that what is checked is what is read.
#include "base/fileio.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>
#include <utility>

namespace qz {

namespace fs = std::filesystem;

namespace {

std::atomic<TFileFault> injectedFault{TFileFault::None};
std::atomic<int> injectedError{0};

// True (with errno set) when a test asked this operation to fail.
bool Injected(TFileFault operation) {
    TFileFault expected = operation;
    if (injectedFault.load(std::memory_order_relaxed) != operation ||
        !injectedFault.compare_exchange_strong(expected, TFileFault::None))
        return false;
    errno = injectedError.load();
    return true;
}

std::string SizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kMB = std::uint64_t{1024} * 1024;
    if (bytes >= kMB && bytes % kMB == 0) return std::to_string(bytes / kMB) + " MB";
    return std::to_string(bytes) + " bytes";
}

TReadFileError Fail(TReadFileError why, const std::string& path, const std::string& reason, std::string* error) {
    if (error) *error = path + ": " + reason;
    return why;
}

// Classifies an open or stat'ed file.
TReadFileError CheckStat(const struct stat& st, const std::string& path, std::uint64_t maxSize, std::string* error) {
    if (S_ISDIR(st.st_mode)) return Fail(TReadFileError::Folder, path, "is a folder, not a file", error);
    if (!S_ISREG(st.st_mode))
        return Fail(TReadFileError::NotRegular, path,
                    "is not a regular file (a device, pipe or socket) and is not read", error);
    if (static_cast<std::uint64_t>(st.st_size) > maxSize)
        return Fail(TReadFileError::TooLarge, path,
                    "is larger than " + SizeText(maxSize) + ", too large for a file of this program", error);
    return TReadFileError::None;
}

class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Opens for reading without blocking on a FIFO whose writer never comes; the caller
// checks with fstat what was opened.
int OpenForReading(const std::string& path) {
    if (Injected(TFileFault::Read)) return -1;
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

TReadFileError OpenError(const std::string& path, std::string* error) {
    const int e = errno;
    if (e == ENOENT || e == ENOTDIR) return Fail(TReadFileError::Missing, path, "no such file", error);
    return Fail(TReadFileError::Unreadable, path, std::string("cannot open the file: ") + std::strerror(e), error);
}

}  // namespace

TReadFileError CheckReadableFile(const std::string& path, std::uint64_t maxSize, std::string* error,
                                 std::uint64_t* size) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return OpenError(path, error);
    if (size) *size = static_cast<std::uint64_t>(st.st_size);
    if (TReadFileError why = CheckStat(st, path, maxSize, error); why != TReadFileError::None) return why;
    // The permission bits alone do not tell (root, access lists): only opening does. A
    // file that cannot be opened is said to be so, not taken for one of no known format.
    TFd fd(OpenForReading(path));
    if (fd.get() < 0) return OpenError(path, error);
    return TReadFileError::None;
}

TReadFileError ReadWholeFileEx(const std::string& path, std::string& bytes, std::string* error, std::uint64_t maxSize) {
    bytes.clear();
    TFd fd(OpenForReading(path));
    if (fd.get() < 0) return OpenError(path, error);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return OpenError(path, error);
    if (TReadFileError why = CheckStat(st, path, maxSize, error); why != TReadFileError::None) return why;
    // Back to ordinary blocking reads for the regular file.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            bytes.clear();
            return Fail(TReadFileError::Unreadable, path, std::string("cannot read the file: ") + std::strerror(e),
                        error);
        }
        if (n == 0) break;
        // The file may grow while it is read: the cap holds for what is read, too.
        if (bytes.size() + static_cast<std::size_t>(n) > maxSize) {
            bytes.clear();
            return Fail(TReadFileError::TooLarge, path,
                        "is larger than " + SizeText(maxSize) + ", too large for a file of this program", error);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return TReadFileError::None;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error, std::uint64_t maxSize) {
    return ReadWholeFileEx(path, bytes, error, maxSize) == TReadFileError::None;
}

bool ReadFileStart(const std::string& path, std::size_t count, std::string& bytes, std::uint64_t* size) {
    bytes.clear();
    TFd fd(OpenForReading(path));
    if (fd.get() < 0) return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (size) *size = static_cast<std::uint64_t>(st.st_size);
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, count - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

std::string ResolveLinks(const std::string& path) {
    fs::path p(path);
    std::error_code ec;
    // A chain longer than this is a loop; the path is then taken as it is and the
    // rename below replaces the link.
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    // A dangling link (perhaps left by another user) is never followed to create a file
    // wherever it points: the link itself is what gets replaced.
    if (!fs::exists(p, ec)) return path;
    return p.string();
}

bool PathTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

namespace {

// "<name>.tmp<pid>-<n>-<r>" of the atomic write and "<name>.download<pid>-<n>" of the
// country-file update: names no user gives a file.
bool IsOwnTemporaryName(std::string_view name) {
    auto digitsAndDashes = [](std::string_view s, int dashes) {
        int seen = 0;
        bool digitBefore = false;
        for (char c : s) {
            if (c == '-' && digitBefore) {
                ++seen;
                digitBefore = false;
            } else if (c >= '0' && c <= '9') {
                digitBefore = true;
            } else {
                return false;
            }
        }
        return seen == dashes && digitBefore;
    };
    for (const auto& [marker, dashes] : {std::pair<std::string_view, int>{".tmp", 2}, {".download", 1}}) {
        const std::size_t at = name.rfind(marker);
        if (at != std::string_view::npos && at > 0 && digitsAndDashes(name.substr(at + marker.size()), dashes))
            return true;
    }
    return false;
}

}  // namespace

void RemoveStaleTemporaryFiles(const std::string& folder) {
    // Once per folder and run: a batch writing thousands of files into one folder reads
    // it once.
    static std::mutex mutex;
    static std::set<std::string> done;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!done.insert(folder).second) return;
    }
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder.empty() ? "." : folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::error_code fileEc;
        if (!IsOwnTemporaryName(it->path().filename().string()) || !it->is_regular_file(fileEc) ||
            it->is_symlink(fileEc))
            continue;
        const auto written = fs::last_write_time(it->path(), fileEc);
        if (!fileEc && written < dayAgo) fs::remove(it->path(), fileEc);
    }
}

bool WriteFileAtomically(const std::string& pathIn, std::string_view data, std::string* error, TWriteOptions options) {
    const std::string path = ResolveLinks(pathIn);
    const fs::path target(path);
    std::error_code ec;
    if (options.createFolders && target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    // What a killed run of an earlier write left behind.
    RemoveStaleTemporaryFiles(target.parent_path().string());

    // The permission bits of the file being replaced; a new file gets the usual ones
    // (0666 less the umask, applied by open).
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        if (error) *error = pathIn + ": is a folder, not a file";
        return false;
    }

    static std::atomic<unsigned> counter{0};
    static thread_local std::minstd_rand random(static_cast<unsigned>(::getpid()) ^
                                                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(&counter)));
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tmp = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
              std::to_string(random() % 100000);
        // O_EXCL: a file (or link) already of that name is never opened, let alone
        // followed; O_NOFOLLOW says the same for links explicitly.
        fd = Injected(TFileFault::Create)
                 ? -1
                 : ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    auto fail = [&](const std::string& what) {
        const int e = errno;
        if (error) *error = pathIn + ": " + what + ": " + std::strerror(e);
        if (fd >= 0) ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    };
    if (fd < 0) {
        const int e = errno;
        if (error) *error = pathIn + ": cannot create a file in its folder: " + std::strerror(e);
        return false;
    }
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) return fail("cannot keep the file's permissions");
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = Injected(TFileFault::Write) ? -1 : ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail("cannot write");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (Injected(TFileFault::Flush) || ::fsync(fd) != 0) return fail("cannot flush");
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return fail("cannot close");
    if (options.keepExisting) {
        if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) return true;
        if (errno != EEXIST) return fail("cannot create the file");
        ::unlink(tmp.c_str());
        return true;
    }
    if (Injected(TFileFault::Rename) || ::rename(tmp.c_str(), path.c_str()) != 0)
        return fail("cannot replace the file");
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

const std::string* FindSameFile(const std::string& output, const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs)
        if (SameFile(output, input)) return &input;
    return nullptr;
}

TFileLock::TFileLock(const std::string& path) {
    const std::string lockPath = path + ".lock";
    std::error_code ec;
    const fs::path folder = fs::path(lockPath).parent_path();
    if (!folder.empty()) fs::create_directories(folder, ec);
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        error_ = lockPath + ": cannot create the lock file: " + std::strerror(errno);
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        error_ = lockPath + ": cannot lock: " + std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
        return;
    }
}

TFileLock::~TFileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

void InjectFileFault(TFileFault operation, int error) {
    injectedError.store(error);
    injectedFault.store(operation);
}

}  // namespace qz
