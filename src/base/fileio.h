// Reading whole files and replacing files atomically: the one place where the program
// checks that a path is a readable regular file of sane size, and where it writes a
// file so that a failure never leaves a half-written one behind.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qz {

// Files larger than this are no log, list or settings file of the program; reading them
// would only exhaust memory (a device such as /dev/zero never ends at all).
inline constexpr std::uint64_t kMaxReadFileSize = 256u * 1024 * 1024;

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
};

// Writes `data` to `path` through a new temporary file in the same folder (created
// exclusively, never through a symbolic link), flushed to disk and renamed over the
// target. When `path` is a symbolic link, the file it points to is replaced and the
// link stays; an existing file keeps its permission bits. On failure nothing at `path`
// has changed and `error` names the file and the reason.
bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error = nullptr,
                         TWriteOptions options = {});

// The file a path finally names after following symbolic links (the path itself when it
// is no link; a link to a missing file gives that missing file's path).
std::string ResolveLinks(const std::string& path);

}  // namespace qz
