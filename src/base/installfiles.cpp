#include "base/installfiles.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/fileio.h"
#include "base/text.h"

namespace fs = std::filesystem;

namespace qz {

const std::array<TFileToBeInstalled, kNoOfInstalledFiles> InstalledFiles = {{
    {fkProgramFile, "QZ4.exe"},
    {fkHelpFile, "qz_ger.chm"},
    {fkHelpFile, "qz_eng.chm"},
    {fkLanguageFile, "Ger.qz"},
    {fkLanguageFile, "Eng.qz"},
    {fkFileFormatList, "FileFormatList.qz"},
    {fkEMailAddressList, "ema.qz"},
    {fkCountryFile, "cty.dat"},
    {fkCountryFile, "r150s.dat"},
    {fkCountryFile, "eu_cty.dat"},
    {fkMemberList, "AGCWMBR.QZ"},
    {fkMemberList, "HSCMBR.QZ"},
    {fkMemberList, "PROCWMbr.qz"},
    {fkMemberList, "HADXCMBR.QZ"},
    {fkAssignmentTable, "ardxdx.dat"},
    {fkAssignmentTable, "ar160.dat"},
    {fkAssignmentTable, "ar10.dat"},
    {fkAssignmentTable, "cq160.dat"},
    {fkAssignmentTable, "oblast.dat"},
    {fkAssignmentTable, "okom.dat"},
    {fkAssignmentTable, "dok.dat"},
    {fkAssignmentTable, "hadx.dat"},
    {fkAssignmentTable, "yodx.dat"},
    {fkAssignmentTable, "jadx.dat"},
    {fkAssignmentTable, "ari.dat"},
    {fkAssignmentTable, "uba.dat"},
    {fkAssignmentTable, "spdx.dat"},
    {fkAssignmentTable, "lzdx.dat"},
    {fkAssignmentTable, "ukrain.dat"},
    {fkAssignmentTable, "helvetia.dat"},
    {fkAssignmentTable, "pacc.dat"},
    {fkAssignmentTable, "ea_provinces.dat"},
    {fkAssignmentTable, "dtc.dat"},
    {fkAssignmentTable, "hessencontest.dat"},
    {fkAssignmentTable, "thueringencontest.dat"},
    {fkAssignmentTable, "zdok.dat"},
    {fkAssignmentTable, "vfdb_stn.dat"},
    {fkAssignmentTable, "cctld.dat"},
    {fkAssignmentTable, "bucuresti.dat"},
    {fkAssignmentTable, "pa_beker.dat"},
    {fkAssignmentTable, "wna.dat"},
    {fkTemp, "tmp.tmp"},
    {fkIni, "install_info.ini"},
}};

namespace {

constexpr const char* kManualFolderName = "manual";

// Set once at start-up from the command line, before any other thread runs.
bool debugDataFolders = false;

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return (v && *v) ? std::string(v) : fallback;
}

std::string HomeFolder() { return EnvOr("HOME", "/tmp"); }

std::string_view SubFolder(TFileKind kind) {
    switch (kind) {
        case fkLanguageFile:
        case fkFileFormatList:
        case fkEMailAddressList:
        case fkIni: return "Encoded/";
        case fkCountryFile: return "CountryFiles/";
        case fkMemberList: return "MemberLists/";
        case fkAssignmentTable: return "AssignmentTables/";
        case fkTemp: return "Temp/";
        default: return "";
    }
}

}  // namespace

TFileToBeInstalled InstalledFile(std::string_view name) {
    for (const auto& e : InstalledFiles)
        if (SameText(e.fiName, name)) return e;
    return {fkTemp, name};
}

void SetDebugDataFolders(bool on) { debugDataFolders = on; }
bool DebugDataFolders() { return debugDataFolders; }

std::string ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string DataFolder() {
    const char* d = std::getenv("QZ_DATA_DIR");
    if (d && *d) return d;
    std::string base = EnvOr("XDG_DATA_HOME", HomeFolder() + "/.local/share");
    return base + "/Quorvel/QZ";
}

std::string InstalledDataFolder() {
    const char* d = std::getenv("QZ_INSTALLED_DIR");
    if (d && *d) return d;
    return (fs::path(ProgramFolder()) / ".." / "share" / "qz").lexically_normal().string();
}

std::string ManualFolder() { return InstalledDataFolder() + "/" + kManualFolderName; }

std::string InstalledFileFolder(const TFileToBeInstalled& entry) {
    std::string sub(SubFolder(entry.fiKind));
    if (debugDataFolders) return ProgramFolder() + "/Quorvel/QZ/" + sub;
    if (entry.fiKind == fkProgramFile || entry.fiKind == fkHelpFile) return ProgramFolder() + "/";
    return DataFolder() + "/" + sub;
}

std::string InstalledFilePath(const TFileToBeInstalled& entry) {
    return InstalledFileFolder(entry) + std::string(entry.fiName);
}

std::string TempFolder() {
    std::string f = InstalledFileFolder(InstalledFile("tmp.tmp"));
    if (!f.empty() && f.back() == '/') f.pop_back();
    return f;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string DefaultCountryFilePath() {
    std::string own = FindFileIgnoringCase(InstalledFilePath(InstalledFile("cty.dat")));
    if (FileExists(own)) return own;
    if (FileExists(kSystemCountryFile)) return kSystemCountryFile;
    return own;
}

namespace {

// True when `dest` holds a started copy of `source` that never finished (a first start
// on a full disk, a killed copy): shorter than the shipped file and agreeing with its
// start, an empty file included. A file the program saved itself has a backup beside it
// (every save of a data file makes one first) and is the user's, whatever its length.
bool IsInterruptedCopy(const fs::path& source, const fs::path& dest) {
    std::error_code ec;
    const auto destSize = fs::file_size(dest, ec);
    if (ec) return false;
    const auto sourceSize = fs::file_size(source, ec);
    if (ec || destSize >= sourceSize) return false;
    if (fs::exists(dest.parent_path() / "Backup" / (dest.filename().string() + ".0"), ec)) return false;
    std::string have, shipped;
    if (!ReadFileStart(dest.string(), static_cast<std::size_t>(destSize), have)) return false;
    if (!ReadFileStart(source.string(), static_cast<std::size_t>(destSize), shipped)) return false;
    return have == shipped;
}

// Copies one shipped file through a temporary file renamed into place, so that a full
// disk leaves either no file or the whole one.
// A file that is missing is created only if no other run of the program made it
// meanwhile; a cut copy is replaced.
bool InstallDataFile(const fs::path& source, const fs::path& dest, bool replace, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(source.string(), bytes, error)) return false;
    std::string why;
    if (WriteFileAtomically(dest.string(), bytes, &why, TWriteOptions{.createFolders = true, .keepExisting = !replace}))
        return true;
    if (error) *error = "cannot install " + source.string() + ": " + why;
    return false;
}

}  // namespace

bool InstallMissingDataFiles(std::string* error) {
    std::error_code ec;
    fs::path source(InstalledDataFolder());
    if (!fs::is_directory(source, ec)) return true;  // nothing installed to copy
    fs::path target(DataFolder());
    bool ok = true;
    for (auto it = fs::recursive_directory_iterator(source, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        fs::path rel = fs::relative(it->path(), source, ec);
        if (ec) break;
        if (*rel.begin() == kManualFolderName) continue;  // read where it is installed
        fs::path dest = target / rel;
        const bool present = fs::exists(fs::symlink_status(dest, ec));
        if (present && !IsInterruptedCopy(it->path(), dest)) continue;
        if (!InstallDataFile(it->path(), dest, present, error)) ok = false;
    }
    return ok;
}

namespace {

// "<folder>/Backup/<name>.<n>" with the smallest n from 0 that is not taken; "" when the
// folder cannot be made or every name is taken.
fs::path FreeBackupName(const fs::path& file) {
    std::error_code ec;
    fs::path backup = file.parent_path() / "Backup";
    fs::create_directories(backup, ec);
    if (ec) return {};
    for (int n = 0; n < 100000; ++n) {
        fs::path dest = backup / (file.filename().string() + "." + std::to_string(n));
        if (!fs::exists(fs::symlink_status(dest, ec))) return dest;
    }
    return {};
}

}  // namespace

bool MoveToBackup(const std::string& fileName) {
    std::error_code ec;
    fs::path file(fileName);
    if (!fs::exists(file, ec)) return true;
    fs::path dest = FreeBackupName(file);
    if (dest.empty()) return false;
    fs::rename(file, dest, ec);
    if (ec) {  // another file system: copy, then remove
        ec.clear();
        if (!fs::copy_file(file, dest, ec)) return false;
        fs::remove(file, ec);
    }
    return !ec;
}

bool CopyToBackup(const std::string& fileName, std::string* backupPath) {
    std::error_code ec;
    fs::path file(fileName);
    if (!fs::is_regular_file(file, ec)) return false;
    fs::path dest = FreeBackupName(file);
    if (dest.empty() || !fs::copy_file(file, dest, ec) || ec) return false;
    if (backupPath) *backupPath = dest.string();
    return true;
}

bool ReplaceDataFile(const std::string& path, std::string_view bytes, std::string* error) {
    std::error_code ec;
    if (fs::exists(path, ec) && !CopyToBackup(path)) {
        if (error) *error = path + ": the backup copy could not be made; the file was not changed";
        return false;
    }
    return WriteFileAtomically(path, bytes, error, TWriteOptions{.createFolders = true});
}

std::string FindFileIgnoringCase(const std::string& path) {
    std::error_code ec;
    fs::path p(path);
    if (fs::exists(p, ec)) return path;
    fs::path dir = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    std::string name = p.filename().string();
    for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (SameText(it->path().filename().string(), name))
            return p.parent_path().empty() ? it->path().filename().string()
                                           : (p.parent_path() / it->path().filename()).string();
    }
    return path;
}

}  // namespace qz
