// Reading whole files and replacing files atomically: the one place where the program
// checks that a path is a readable regular file of sane size, and where it writes a
// file so that a failure never leaves a half-written one behind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

// Files larger than this are no log, list or settings file of the program; reading them
// would only exhaust memory (a device such as /dev/zero never ends at all).
inline constexpr std::uint64_t kMaxReadFileSize = std::uint64_t{256} * 1024 * 1024;

// Why a file could not be read.
enum class TReadFileError : std::uint8_t {
    None,
    Missing,     // no such file
    Folder,      // a folder
    NotRegular,  // a device, FIFO, socket: no file the program reads
    TooLarge,    // above the size cap
    Unreadable,  // cannot be opened or read
};

// Checks that `path` names a regular file (after symbolic links) of at most `maxSize`
// bytes that can be opened for reading. `error` gets "<path>: <reason>"; `size` the
// file's size when known.
TReadFileError CheckReadableFile(const std::string& path, std::uint64_t maxSize, std::string* error,
                                 std::uint64_t* size = nullptr);

// Reads the whole regular file into `bytes` after CheckReadableFile; reading stops at
// `maxSize` bytes even when the file grows meanwhile. False with `error` naming the
// file and the reason.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error,
                   std::uint64_t maxSize = kMaxReadFileSize);
// The same, telling why it failed.
TReadFileError ReadWholeFileEx(const std::string& path, std::string& bytes, std::string* error,
                               std::uint64_t maxSize = kMaxReadFileSize);

// Up to `count` bytes from the start of a regular file; false when it is none or cannot
// be read (no message: used to recognise files).
bool ReadFileStart(const std::string& path, std::size_t count, std::string& bytes, std::uint64_t* size = nullptr);

struct TWriteOptions {
    // Create missing folders of the path (for the program's own settings and data
    // files); off for files the user names, where a missing folder is a mistake.
    bool createFolders = false;
    // Never replace a file that exists by then (another program put it there first):
    // the write then succeeds without changing it. For copies of shipped files.
    bool keepExisting = false;
};

// Writes `data` to `path` through a new temporary file in the same folder (created
// exclusively, never through a symbolic link), flushed to disk and renamed over the
// target. When `path` is a symbolic link to a file, that file is replaced and the link
// stays (a dangling link is replaced itself); an existing file keeps its permission bits. On failure nothing at `path`
// has changed and `error` names the file and the reason.
bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error = nullptr,
                         TWriteOptions options = {});

// While it lives, holds an exclusive lock on "<path>.lock" (created when missing), so
// that programs changing the same file one read-modify-write at a time never lose each
// other's changes. The lock file is never replaced, unlike the file it guards, which is
// replaced by a rename on every save. Waits for a lock held by another process.
class TFileLock {
public:
    explicit TFileLock(const std::string& path);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    // False when the lock file could not be made or locked; `Error()` says why.
    bool Locked() const { return fd_ >= 0; }
    const std::string& Error() const { return error_; }

private:
    int fd_ = -1;
    std::string error_;
};

// True when both paths name one existing file, by any spelling, symbolic or hard link:
// a program that writes `a` must not when `b` is one of the files it reads.
bool SameFile(const std::string& a, const std::string& b);
// The first of `inputs` that is the same file as `output`, or nullptr.
const std::string* FindSameFile(const std::string& output, const std::vector<std::string>& inputs);

// Removes the temporary files of this program's own naming (an atomic write's
// "<name>.tmp<pid>-<n>-<r>", a download's "<name>.download<pid>-<n>") older than a day
// from `folder`: what a killed or crashed run left behind. Reads each folder once per
// run; called before a file is written into it.
void RemoveStaleTemporaryFiles(const std::string& folder);

// The file a path finally names after following symbolic links: the path itself when
// it is no link, and also when it is a dangling link (to a missing file), which is then
// replaced itself, never followed to create a file elsewhere.
std::string ResolveLinks(const std::string& path);

// True when anything has this name: a file, a folder, or a symbolic link, a dangling one
// included. The test before a file is replaced only when the user agrees.
bool PathTaken(const std::string& path);

// Test hook: the next file operation of this kind in this process fails with `error`
// (an errno value), so that tests reach the error paths for every user, root included.
// Read: opening a file to read; Create: creating the temporary file of a write; Write,
// Flush (fsync) and Rename: the steps of the write that follow.
enum class TFileFault : std::uint8_t { None, Read, Create, Write, Flush, Rename };
void InjectFileFault(TFileFault operation, int error);

}  // namespace qz
