// Whole-file reading refuses what is no file of the program; atomic writing keeps what
// it replaces as it was.
#include "base/fileio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

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

TEST(FileIO, ADanglingLinkIsReplacedNeverFollowed) {
    test::TempDir dir;
    fs::create_directory(dir.File("elsewhere"));
    const std::string link = dir.File("out.log");
    fs::create_symlink(dir.File("elsewhere/planted.log"), link);
    EXPECT_TRUE(PathTaken(link));
    EXPECT_EQ(ResolveLinks(link), link);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(link, "new", &error)) << error;
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadFile(link), "new");
    EXPECT_FALSE(fs::exists(dir.File("elsewhere/planted.log")));
}

// A failed write leaves no temporary file; one that a killed run left is removed by the
// next write into its folder once it is a day old, and nothing else is.
TEST(FileIO, TemporaryFilesNeverStayBehind) {
    test::TempDir dir;
    const std::string file = dir.File("out.log");
    test::WriteFile(file, "old");
    const std::pair<TFileFault, int> faults[] = {{TFileFault::Create, EACCES},
                                                 {TFileFault::Write, EFBIG},
                                                 {TFileFault::Flush, EIO},
                                                 {TFileFault::Rename, EXDEV}};
    for (const auto& [fault, errorNumber] : faults) {
        InjectFileFault(fault, errorNumber);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(file, "new", &error));
        EXPECT_NE(error.find(std::strerror(errorNumber)), std::string::npos) << error;
        EXPECT_EQ(test::ReadFile(file), "old");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    }

    test::TempDir other;
    const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
    for (const char* name : {"out.log.tmp4242-0-17", "cty.dat.download4242-0", "fresh.log.tmp1-2-3", "notes.tmp",
                             "plan.tmp12-1", "mine.download"}) {
        test::WriteFile(other.File(name), "x");
        if (std::string(name) != "fresh.log.tmp1-2-3") fs::last_write_time(other.File(name), twoDaysAgo);
    }
    ASSERT_TRUE(WriteFileAtomically(other.File("new.log"), "x"));
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(other.path())) left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"fresh.log.tmp1-2-3", "mine.download", "new.log", "notes.tmp",
                                              "plan.tmp12-1"}));
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
