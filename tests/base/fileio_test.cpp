// Whole-file reading refuses what is no file of the program; atomic writing keeps what
// it replaces as it was.
#include "base/fileio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

TEST(FileIO, ReadingRefusesWhatIsNoRegularFileOfSaneSize) {
    test::TempDir dir;
    std::string bytes, error;
    EXPECT_EQ(ReadWholeFileEx("/dev/zero", bytes, &error), TReadFileError::NotRegular);
    EXPECT_NE(error.find("/dev/zero: "), std::string::npos) << error;

    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening a FIFO without a writer must not block.
    EXPECT_EQ(ReadWholeFileEx(fifo, bytes, &error), TReadFileError::NotRegular);
    EXPECT_EQ(CheckReadableFile(fifo, kMaxReadFileSize, nullptr), TReadFileError::NotRegular);

    EXPECT_EQ(ReadWholeFileEx(dir.path().string(), bytes, &error), TReadFileError::Folder);
    EXPECT_EQ(ReadWholeFileEx(dir.File("none"), bytes, &error), TReadFileError::Missing);
    EXPECT_NE(error.find(dir.File("none")), std::string::npos);

    test::WriteFile(dir.File("big"), std::string(100, 'x'));
    EXPECT_EQ(ReadWholeFileEx(dir.File("big"), bytes, &error, 99), TReadFileError::TooLarge);
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(bytes.empty());
    ASSERT_TRUE(ReadWholeFile(dir.File("big"), bytes, &error, 100));
    EXPECT_EQ(bytes.size(), 100u);
}

TEST(FileIO, SavingThroughALinkReplacesItsTargetAndKeepsPermissions) {
    test::TempDir dir;
    const std::string target = dir.File("real.txt"), link = dir.File("link.txt");
    test::WriteFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink("real.txt", link);

    std::string error;
    ASSERT_TRUE(WriteFileAtomically(link, "new", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadFile(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // Nothing but the two names is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(FileIO, MissingFoldersAreCreatedOnlyOnRequest) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.File("a/b.txt"), "x", &error));
    EXPECT_NE(error.find(dir.File("a/b.txt")), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(dir.File("a")));
    EXPECT_TRUE(WriteFileAtomically(dir.File("a/b.txt"), "x", &error, TWriteOptions{.createFolders = true}));
    EXPECT_EQ(test::ReadFile(dir.File("a/b.txt")), "x");
}

}  // namespace
}  // namespace qz
