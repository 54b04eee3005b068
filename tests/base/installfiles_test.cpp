#include "base/installfiles.h"

#include <gtest/gtest.h>

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
