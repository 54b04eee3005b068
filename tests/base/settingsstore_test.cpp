#include "base/settingsstore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "base/fileio.h"
#include "testutil.h"

namespace qz {
namespace {

TEST(SettingsStore, MissingFileGivesDefaults) {
    test::TempDir dir;
    TSettingsStore s = TSettingsStore::Load(dir.File("none.ini"));
    EXPECT_EQ(s.GetInteger(kMainSection, "X", 7), 7);
    EXPECT_EQ(s.GetString(kMainSection, "Y", "d"), "d");
    EXPECT_TRUE(s.GetBool(kMainSection, "Z", true));
}

TEST(SettingsStore, RoundTripKeepsEveryKindOfValue) {
    test::TempDir dir;
    TSettingsStore s;
    s.SetInteger(kMainSection, "Count", -12);
    s.SetBool(kMainSection, "Flag", true);
    s.SetString(kMainSection, "Text", "line1\nline2 = \\ x");
    s.SetString(kFileHistorySection, "File0", "/tmp/a.QZF");
    ASSERT_TRUE(s.Save(dir.File("s.ini")));
    TSettingsStore r = TSettingsStore::Load(dir.File("s.ini"));
    EXPECT_EQ(r.GetInteger(kMainSection, "count", 0), -12);  // names ignore case
    EXPECT_TRUE(r.GetBool(kMainSection, "Flag", false));
    EXPECT_EQ(r.GetString(kMainSection, "Text", ""), "line1\nline2 = \\ x");
    EXPECT_EQ(r.GetString(kFileHistorySection, "File0", ""), "/tmp/a.QZF");
    EXPECT_EQ(r.GetString(kMainSection, "File0", "none"), "none");  // sections are separate
}

TEST(SettingsStore, GarbageAndHalfWrittenFilesFallBackToDefaults) {
    TSettingsStore s = TSettingsStore::Parse("\x01\x02garbage\n[QZ\nA=1\n[QZ]\nB=notanumber\nC=5\nD=maybe\n[QZ]\nE");
    EXPECT_EQ(s.GetInteger(kMainSection, "A", 9), 9);  // under a broken section header
    EXPECT_EQ(s.GetInteger(kMainSection, "B", 9), 9);
    EXPECT_EQ(s.GetInteger(kMainSection, "C", 9), 5);
    EXPECT_FALSE(s.GetBool(kMainSection, "D", false));
    EXPECT_EQ(s.GetString(kMainSection, "E", "e"), "e");
    EXPECT_EQ(s.LoadError(), "line 1: neither a section title nor NAME=VALUE");
}

// A file that cannot be read or parsed may hold every setting: a change must not
// replace it with a file of the changed value alone.
TEST(SettingsStore, AFileThatCannotBeReadIsNeverWrittenOver) {
    test::TempDir dir;
    const std::string path = dir.File("s.ini");
    const std::string stored = "[QZ]\nLanguage=1\nEMail_SMTPHost=mail.example.org\n";
    test::WriteFile(path, stored);

    InjectFileFault(TFileFault::Read, EACCES);  // as a file owned by another user
    TSettingsStore unreadable = TSettingsStore::Load(path);
    EXPECT_NE(unreadable.LoadError().find("Permission denied"), std::string::npos) << unreadable.LoadError();
    unreadable.SetInteger(kMainSection, "Language", 0);
    std::string error;
    EXPECT_FALSE(unreadable.Save(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(test::ReadFile(path), stored);

    test::WriteFile(path, "[QZ]\nLanguage=1\n\x7F\x45LF binary\n");
    TSettingsStore damaged = TSettingsStore::Load(path);
    EXPECT_EQ(damaged.LoadError(), path + ", line 3: neither a section title nor NAME=VALUE");
    EXPECT_FALSE(damaged.Save(path));
}

TEST(SettingsStore, AByteOrderMarkIsAccepted) {
    TSettingsStore s = TSettingsStore::Parse("\xEF\xBB\xBF[QZ]\nLanguage=1\n");
    EXPECT_EQ(s.GetInteger(kMainSection, "Language", 0), 1);
    EXPECT_EQ(s.LoadError(), "");
}

// The file holds the SMTP password: only its owner may read it, whether it is new,
// in a new folder, or an older file that others could read.
TEST(SettingsStore, FileIsReadableByItsOwnerOnly) {
    test::TempDir dir;
    const std::string path = dir.File("new/folder/settings.ini");
    TSettingsStore s;
    s.SetString(kMainSection, "Text", "x");
    ASSERT_TRUE(s.Save(path));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(dir.File("new/folder").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    const std::string old = dir.File("old.ini");
    test::WriteFile(old, "[QZ]\nA=1\n");
    ::chmod(old.c_str(), 0644);
    ASSERT_TRUE(s.Save(old));
    ASSERT_EQ(::stat(old.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(TSettingsStore::Load(old).GetString(kMainSection, "Text", ""), "x");
}

TEST(SettingsStore, FailedWriteLeavesThePreviousFile) {
    test::TempDir dir;
    std::string path = dir.File("s.ini");
    TSettingsStore s;
    s.SetInteger(kMainSection, "A", 1);
    ASSERT_TRUE(s.Save(path));
    InjectFileFault(TFileFault::Create, EACCES);  // as a folder the user may not write into
    s.SetInteger(kMainSection, "A", 2);
    std::string error;
    EXPECT_FALSE(s.Save(path, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(TSettingsStore::Load(path).GetInteger(kMainSection, "A", 0), 1);
}

TEST(SettingsStore, FailedWriteOverADirectoryLeavesItAlone) {
    // A write whose final rename fails (the target is a folder) reports the failure
    // and leaves no temporary file behind, also when run as root.
    test::TempDir dir;
    std::string target = dir.File("s.ini");
    std::filesystem::create_directory(target);
    std::filesystem::create_directory(target + "/keep");
    TSettingsStore s;
    s.SetInteger(kMainSection, "A", 2);
    EXPECT_FALSE(s.Save(target));
    EXPECT_TRUE(std::filesystem::is_directory(target + "/keep"));
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 0);
}

TEST(SettingsStore, FreeFunctionsUseTheConfigFolder) {
    EXPECT_EQ(ReadSettingInteger("NeverWritten", 3), 3);
    ASSERT_TRUE(WriteSettingString("SomeText", "abc"));
    EXPECT_EQ(ReadSettingString("SomeText", ""), "abc");
    ASSERT_TRUE(WriteSettingBool("SomeFlag", false));
    EXPECT_FALSE(ReadSettingBool("SomeFlag", true));
    EXPECT_EQ(ReadSettingString("SomeText", ""), "abc");  // earlier values survive later writes
}

}  // namespace
}  // namespace qz
