#include "base/installfiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/version.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace qz {
namespace {

TEST(InstallFiles, TableHoldsTheFilesInTheirFolders) {
    EXPECT_EQ(InstalledFiles.size(), 43u);
    EXPECT_EQ(InstalledFiles[0].fiName, "QZ4.exe");
    EXPECT_EQ(InstalledFiles[42].fiName, "install_info.ini");
    std::string data = DataFolder();
    EXPECT_EQ(InstalledFilePath(InstalledFile("cty.dat")), data + "/CountryFiles/cty.dat");
    EXPECT_EQ(InstalledFilePath(InstalledFile("eng.qz")), data + "/Encoded/Eng.qz");
    EXPECT_EQ(InstalledFilePath(InstalledFile("dok.dat")), data + "/AssignmentTables/dok.dat");
    EXPECT_EQ(InstalledFilePath(InstalledFile("HSCMBR.QZ")), data + "/MemberLists/HSCMBR.QZ");
    EXPECT_EQ(TempFolder(), data + "/Temp");
}

TEST(InstallFiles, DebugSwitchMovesDataBelowTheProgram) {
    SetDebugDataFolders(true);
    std::string path = InstalledFilePath(InstalledFile("cty.dat"));
    SetDebugDataFolders(false);
    EXPECT_EQ(path, ProgramFolder() + "/Quorvel/QZ/CountryFiles/cty.dat");
}

TEST(InstallFiles, MoveToBackupNumbersFromZero) {
    test::TempDir dir;
    std::string file = dir.File("ema.qz");
    for (int i = 0; i < 3; ++i) {
        test::WriteFile(file, "v" + std::to_string(i));
        ASSERT_TRUE(MoveToBackup(file));
        EXPECT_FALSE(fs::exists(file));
    }
    EXPECT_EQ(test::ReadFile(dir.File("Backup/ema.qz.0")), "v0");
    EXPECT_EQ(test::ReadFile(dir.File("Backup/ema.qz.2")), "v2");
    // A gap is filled first.
    fs::remove(dir.File("Backup/ema.qz.1"));
    test::WriteFile(file, "v3");
    ASSERT_TRUE(MoveToBackup(file));
    EXPECT_EQ(test::ReadFile(dir.File("Backup/ema.qz.1")), "v3");
    EXPECT_TRUE(MoveToBackup(dir.File("missing")));
}

TEST(InstallFiles, FirstUseCopiesOnlyMissingFiles) {
    std::string target = InstalledFilePath(InstalledFile("Eng.qz"));
    fs::create_directories(fs::path(target).parent_path());
    test::WriteFile(target, "mine");
    std::string error;
    ASSERT_TRUE(InstallMissingDataFiles(&error)) << error;
    EXPECT_EQ(test::ReadFile(target), "mine");  // never overwritten
    EXPECT_TRUE(FileExists(InstalledFilePath(InstalledFile("Ger.qz"))));
    fs::remove(target);
    fs::remove(InstalledFilePath(InstalledFile("Ger.qz")));
}

// Points the data folder at a fresh folder while it lives.
class TOwnDataFolder {
public:
    TOwnDataFolder() : old_(std::getenv("QZ_DATA_DIR")) { ::setenv("QZ_DATA_DIR", dir_.path().c_str(), 1); }
    ~TOwnDataFolder() { ::setenv("QZ_DATA_DIR", old_.c_str(), 1); }
    std::string File(const std::string& rel) const { return dir_.File(rel); }

private:
    test::TempDir dir_;
    std::string old_;
};

TEST(InstallFiles, ACopyCutShortByAFullDiskIsMadeWholeLater) {
    TOwnDataFolder data;
    const std::string shipped = std::string(QZ_STAGED_DATA_DIR) + "/";
    std::string error;
    {
        test::FileSizeLimit full(100);  // every file past 100 bytes fails, as on a full disk
        EXPECT_FALSE(InstallMissingDataFiles(&error));
    }
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    // What failed left nothing behind: no cut table, no temporary file.
    for (const auto& e : fs::recursive_directory_iterator(data.File(""))) {
        if (!e.is_regular_file()) continue;
        const std::string rel = fs::relative(e.path(), data.File("")).string();
        EXPECT_EQ(test::ReadFile(e.path().string()), test::ReadFile(shipped + rel)) << rel;
    }

    // Tables that an earlier copy left empty or cut are installed again; a file the user
    // changed, or saved with a backup beside it, stays.
    const std::string uba = data.File("AssignmentTables/uba.dat"), dok = data.File("AssignmentTables/dok.dat");
    const std::string ari = data.File("AssignmentTables/ari.dat"), formats = data.File("Encoded/FileFormatList.qz");
    fs::create_directories(fs::path(uba).parent_path());
    fs::create_directories(data.File("Encoded/Backup"));
    test::WriteFile(uba, "");
    test::WriteFile(dok, test::ReadFile(shipped + "AssignmentTables/dok.dat").substr(0, 5000));
    test::WriteFile(ari, "Mine: ONE;\n");
    test::WriteFile(formats, "");
    test::WriteFile(data.File("Encoded/Backup/FileFormatList.qz.0"), "older");
    ASSERT_TRUE(InstallMissingDataFiles(&error)) << error;
    EXPECT_EQ(test::ReadFile(uba), test::ReadFile(shipped + "AssignmentTables/uba.dat"));
    EXPECT_EQ(test::ReadFile(dok), test::ReadFile(shipped + "AssignmentTables/dok.dat"));
    EXPECT_EQ(test::ReadFile(ari), "Mine: ONE;\n");
    EXPECT_EQ(test::ReadFile(formats), "");
}

TEST(InstallFiles, FindsFilesIgnoringCase) {
    test::TempDir dir;
    test::WriteFile(dir.File("LOG.QZF"), "x");
    EXPECT_EQ(FindFileIgnoringCase(dir.File("log.qzf")), dir.File("LOG.QZF"));
    EXPECT_EQ(FindFileIgnoringCase(dir.File("other.qzf")), dir.File("other.qzf"));
}

TEST(Version, ComparesNumberByNumber) {
    TVersionInfo program;
    EXPECT_EQ(program.NumFileVersion(), (TNumVersion{4, 10, 0, 0}));
    EXPECT_EQ(ProgramVersion(), program.NumFileVersion());
    TVersionInfo older;
    older.FTextFileVersion = "4.9.9.9";
    EXPECT_EQ(older.CompareWith(TNumVersion{4, 10, 0, 0}), icrGreater);
    EXPECT_EQ(program.CompareWith(TNumVersion{4, 10, 0, 0}), icrEquals);
    EXPECT_EQ(program.CompareWith(TNumVersion{4, 9, 99, 99}), icrLess);
    EXPECT_EQ(ParseNumVersion(""), (TNumVersion{0, 0, 0, 0}));
}

}  // namespace
}  // namespace qz
