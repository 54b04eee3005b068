// Where the program's own data files live: the table of shipped and kept files, the
// folders of each kind, the first-use copy of the installed read-only data, and the
// numbered backup made before a data file is overwritten.
//
// Folders on Linux:
//   data folder      $QZ_DATA_DIR, else $XDG_DATA_HOME/Quorvel/QZ, else ~/.local/share/Quorvel/QZ
//   program folder   the folder of the running executable
//   installed copy   $QZ_INSTALLED_DIR, else <program folder>/../share/qz (read-only)
// With the debug switch every kind lives below <program folder>/Quorvel/QZ/.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qz {

enum TFileKind : std::uint8_t {
    fkProgramFile,
    fkHelpFile,
    fkLanguageFile,
    fkFileFormatList,
    fkEMailAddressList,
    fkCountryFile,
    fkMemberList,
    fkAssignmentTable,
    fkTemp,
    fkIni
};

struct TFileToBeInstalled {
    TFileKind fiKind;
    std::string_view fiName;
};

inline constexpr std::size_t kNoOfInstalledFiles = 43;
extern const std::array<TFileToBeInstalled, kNoOfInstalledFiles> InstalledFiles;

// The entry with this file name (compared ignoring case); a caller-side bug when the
// name is not in the table, answered with an entry of kind fkTemp and that name.
TFileToBeInstalled InstalledFile(std::string_view name);

void SetDebugDataFolders(bool on);
bool DebugDataFolders();

std::string ProgramFolder();
std::string DataFolder();           // without trailing "/"
std::string InstalledDataFolder();  // without trailing "/"
// The user manual's pages: the folder "manual" of the installed copy, read from there
// (never copied into the data folder, so that an update brings its new pages).
std::string ManualFolder();

// Folder of an entry, ending with "/".
std::string InstalledFileFolder(const TFileToBeInstalled& entry);
std::string InstalledFilePath(const TFileToBeInstalled& entry);
// Folder of the temporary file, without trailing "/".
std::string TempFolder();

// The country file used when a log names none: the data folder's cty.dat, or the
// system's copy from the hamradio-files package when the data folder has none.
std::string DefaultCountryFilePath();
inline constexpr const char* kSystemCountryFile = "/usr/share/hamradio-files/cty.dat";

// Copies every file of the installed read-only copy that the data folder lacks, each
// through a temporary file renamed into place. A file left empty or cut short by an
// earlier copy that never finished counts as missing; any other file present is never
// touched. Returns false (with a message in `error`) when a copy failed.
bool InstallMissingDataFiles(std::string* error = nullptr);

// Moves an existing file into the subfolder "Backup" of its folder, named
// "<file name>.<n>" with the smallest free n from 0. Returns false when the file could
// not be moved (a missing file is not an error and returns true).
bool MoveToBackup(const std::string& fileName);
// Copies an existing file into the same "Backup" subfolder under the same kind of name,
// leaving the file itself in place (for a file that is then replaced by a rename, so
// that it never goes missing). False when the copy failed or the file does not exist;
// `backupPath` gets the copy's path.
bool CopyToBackup(const std::string& fileName, std::string* backupPath = nullptr);

// Replaces a data file of the program (a list the user edits) with `bytes`: an existing
// file is first copied into its backup folder (CopyToBackup), then the new content is
// written beside it and renamed over it, so that a failure at any point leaves the old
// file in place. Missing folders are made. False with `error` naming the file.
bool ReplaceDataFile(const std::string& path, std::string_view bytes, std::string* error);

// Finds a file ignoring the case of its name in its folder; returns the path as it
// exists on disk, or the given path when none matches.
std::string FindFileIgnoringCase(const std::string& path);

bool FileExists(const std::string& path);

}  // namespace qz
