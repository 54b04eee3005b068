// Runs "qz info", "qz compile" and "qz convert" on logs made by the tests and on a
// legacy version-3 file built from its layout.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "base/datetime.h"
#include "cli_run.h"
#include "contests/framework/factory.h"
#include "engine/testlog.h"
#include "logfile/qzf.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::string BasicCty() { return std::string(QZ_TEST_DATA_DIR) + "/cty/basic.dat"; }

// A native WWDX log of DL1ABC with two lines, checked against the test country file.
std::string MakeNativeLog(const std::string& path) {
    TFileHeader h = NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWWDXcw;
    h.fhContest_CtyFile = BasicCty();
    auto log = CreateContestLog(h, nullptr, test::TinyCty());
    EXPECT_TRUE(log);
    test::AddLine(*log, "W1AW", b20m, mCW, 10, {"05"});
    test::AddLine(*log, "G4ABC", b40m, mCW, 20, {"14"});
    for (int i = 0; i < log->NoOfQSOs(); ++i) log->QSOs(i)->SetSentNumbers(0, "14");
    TQZF qzf;
    return qzf.StoreLog(path, *log, false);
}

// A version-3 WPX log of DL1ABC with one 20 m line, built from the record layout.
std::string LegacyLog() {
    std::string f(70, '\0');
    f[0] = 9;
    std::memcpy(&f[1], "QZ v 3.00", 9);
    std::memcpy(&f[10], "DL1ABC      ", 12);
    f[30] = 1;  // WPX CW
    char* r = &f[35];
    r[0] = 4;  // 20 m
    const std::uint32_t stamp = (23u << 25) | (11u << 21) | (29u << 16) | (12u << 11) | (30u << 5);
    std::memcpy(r + 2, &stamp, 4);
    std::memcpy(r + 6, "W1AW", 4);
    const std::uint16_t rst = 599, serial = 17;
    std::memcpy(r + 18, &rst, 2);
    std::memcpy(r + 24, &serial, 2);
    std::memcpy(r + 26, &rst, 2);
    std::memcpy(r + 28, "123", 3);
    return f;
}

TEST(CliInfo, ShowsTypeAndHeader) {
    test::TempDir dir;
    const std::string log = MakeNativeLog(dir.File("dl1abc.qzf"));
    ASSERT_EQ(log, dir.File("dl1abc.QZF"));
    test::WriteFile(dir.File("old.dat"), LegacyLog());
    test::WriteFile(dir.File("notes.txt"), "nothing to see\r\n");

    test::RunResult tsv = test::RunQz("info --tsv " + log + " " + dir.File("old.dat") + " " + dir.File("notes.txt"));
    ASSERT_EQ(tsv.status, 0) << tsv.err;
    auto lines = SplitLinesForTest(tsv.out);
    ASSERT_EQ(lines.size(), 4u) << tsv.out;
    EXPECT_EQ(lines[0].substr(0, 30), "file\ttype\tcall\tcontest\toperato");
    EXPECT_EQ(lines[1].substr(0, log.size() + 1), log + "\t");
    EXPECT_NE(lines[1].find("\tQZ4\tDL1ABC\tCQ WW DX Contest CW 2013\tSINGLE-OP\tONE\tNON-ASSISTED\tLOW\t"),
              std::string::npos)
        << lines[1];
    EXPECT_NE(lines[1].find("\t2\t"), std::string::npos);
    EXPECT_NE(lines[1].find("\t4.10.0.0\t"), std::string::npos);
    EXPECT_NE(lines[2].find("\tQZ3\t"), std::string::npos);
    // Nothing recognised: a column text for the ASCII import.
    EXPECT_NE(lines[3].find("\tASCII\t"), std::string::npos);

    test::RunResult text = test::RunQz("info " + log);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("  type:           native log (QZ4)\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  own call:       DL1ABC\n"), std::string::npos);
    EXPECT_NE(text.out.find("  lines:          2\n"), std::string::npos);
    EXPECT_NE(text.out.find("(version 4.10.0.0)"), std::string::npos);
}

TEST(CliInfo, MissingAndDamagedFilesFail) {
    test::TempDir dir;
    test::RunResult missing = test::RunQz("info " + dir.File("none.qzf"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.qzf"), std::string::npos);

    const std::string log = MakeNativeLog(dir.File("d.QZF"));
    std::string bytes = test::ReadFile(log);
    bytes[2560] = static_cast<char>(200);  // contest ordinal outside its table
    test::WriteFile(log, bytes);
    test::RunResult damaged = test::RunQz("info " + log);
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find(log + ": header: invalid contest value 200"), std::string::npos) << damaged.err;
    EXPECT_EQ(test::RunQz("info").status, 2);
}

TEST(CliCompile, PrintsTheResultReportAndMessages) {
    test::TempDir dir;
    const std::string log = MakeNativeLog(dir.File("c.QZF"));
    test::RunResult r = test::RunQz("compile " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = SplitLinesForTest(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "CQ WW DX Contest CW 2013");
    EXPECT_EQ(lines[1], "Result overview of DL1ABC");
    EXPECT_EQ(r.out.find("Compiling the log ..."), std::string::npos);

    test::RunResult m = test::RunQz("compile --messages " + log);
    ASSERT_EQ(m.status, 0) << m.err;
    EXPECT_NE(m.out.find("Compiling the log ..."), std::string::npos) << m.out;

    test::RunResult legacy = test::RunQz("compile --cty " + BasicCty() + " " + dir.File("old.dat"));
    EXPECT_EQ(legacy.status, 1);
    test::WriteFile(dir.File("old.dat"), LegacyLog());
    legacy = test::RunQz("compile --cty " + BasicCty() + " " + dir.File("old.dat"));
    ASSERT_EQ(legacy.status, 0) << legacy.err;
    EXPECT_EQ(SplitLinesForTest(legacy.out)[0], "CQ WW WPX Contest CW 2003");
    EXPECT_EQ(test::ReadFile(dir.File("old.dat")), LegacyLog());  // nothing written
}

TEST(CliCompile, DamagedLogIsRefusedWithFileAndLine) {
    test::TempDir dir;
    const std::string log = MakeNativeLog(dir.File("bad.QZF"));
    std::string bytes = test::ReadFile(log);
    bytes[4096 + 1] = 60;  // mode of line 1
    test::WriteFile(log, bytes);
    test::RunResult r = test::RunQz("compile " + log);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(log + ": line 1: invalid mode value 60"), std::string::npos) << r.err;

    test::WriteFile(dir.File("text.txt"), "hello");
    test::RunResult text = test::RunQz("compile " + dir.File("text.txt"));
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("is not a log file of a known format."), std::string::npos) << text.err;
}

TEST(CliConvert, LegacyLogIntoAnOutputFolderNeverOverwritesWithoutForce) {
    test::TempDir dir;
    fs::create_directory(dir.File("out"));
    const std::string source = dir.File("contest.dat");
    test::WriteFile(source, LegacyLog());
    const std::string args = "convert --cty " + BasicCty() + " -o " + dir.File("out") + " " + source;

    test::RunResult r = test::RunQz(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.File("out/contest.QZF") + "\n");
    EXPECT_EQ(test::ReadFile(source), LegacyLog());
    TQZF qzf;
    auto log = qzf.ReadLog(dir.File("out/contest.QZF"), test::TinyCty());
    ASSERT_TRUE(log) << qzf.LastError();
    EXPECT_EQ(log->Contest(), cWPXcw);
    ASSERT_EQ(log->NoOfQSOs(), 1);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "17");
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "123");

    test::RunResult again = test::RunQz(args);
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_NE(again.err.find("not converted"), std::string::npos) << again.err;
    EXPECT_NE(again.err.find("--force"), std::string::npos) << again.err;

    test::RunResult forced = test::RunQz("convert --force --contest CQ-WPX-SSB --cty " + BasicCty() + " -o " +
                                         dir.File("out") + " " + source);
    ASSERT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(qzf.ReadLog(dir.File("out/contest.QZF"), test::TinyCty())->Contest(), cWPXssb);
}

TEST(CliConvert, WithoutOutputFolderTheSourceIsKeptAsQZ3BesideIt) {
    test::TempDir dir;
    const std::string source = dir.File("legacy.dat");
    test::WriteFile(source, LegacyLog());
    test::RunResult r = test::RunQz("convert --cty " + BasicCty() + " " + source);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.File("legacy.QZF") + "\n");
    EXPECT_EQ(test::ReadFile(dir.File("legacy.QZ3")), LegacyLog());
    EXPECT_FALSE(fs::exists(source));
    EXPECT_FALSE(fs::exists("legacy.QZ3"));  // not in the working folder
    EXPECT_NE(r.err.find("was renamed to"), std::string::npos) << r.err;
}

// A symbolic link left where the native log goes is an existing file: kept without
// --force, and replaced itself with it, never followed to create a file elsewhere.
TEST(CliConvert, ADanglingLinkIsReplacedNeverFollowed) {
    test::TempDir dir;
    fs::create_directory(dir.File("out"));
    fs::create_directory(dir.File("elsewhere"));
    const std::string source = dir.File("contest.dat"), link = dir.File("out/contest.QZF");
    test::WriteFile(source, LegacyLog());
    fs::create_symlink(dir.File("elsewhere/planted.QZF"), link);
    const std::string args = "convert --cty " + BasicCty() + " -o " + dir.File("out") + " " + source;

    test::RunResult kept = test::RunQz(args);
    EXPECT_EQ(kept.status, 1);
    EXPECT_NE(kept.err.find("--force"), std::string::npos) << kept.err;
    EXPECT_TRUE(fs::is_symlink(link));
    test::RunResult forced = test::RunQz("convert --force" + args.substr(7));
    ASSERT_EQ(forced.status, 0) << forced.err;
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_regular_file(link));
    EXPECT_FALSE(fs::exists(dir.File("elsewhere/planted.QZF")));
}

// Converting in place renames the source to .QZ3; a .QZ3 of another log that --force
// replaces is kept in the backup folder.
TEST(CliConvert, ForceOverAnotherLogsQZ3KeepsABackup) {
    test::TempDir dir;
    const std::string source = dir.File("legacy.dat");
    test::WriteFile(source, LegacyLog());
    test::WriteFile(dir.File("legacy.QZ3"), "another log");
    test::RunResult r = test::RunQz("convert --force --cty " + BasicCty() + " " + source);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadFile(dir.File("legacy.QZ3")), LegacyLog());
    EXPECT_EQ(test::ReadFile(dir.File("Backup/legacy.QZ3.0")), "another log");
    EXPECT_NE(r.err.find("Backup/legacy.QZ3.0"), std::string::npos) << r.err;
}

// Writing past the file-size limit is a failure like a full disk: a message, exit 1 and
// nothing left behind, not death by signal.
TEST(CliConvert, AFileSizeLimitIsAFailureWithAMessage) {
    test::TempDir dir;
    fs::create_directory(dir.File("out"));
    const std::string source = dir.File("contest.dat");
    test::WriteFile(source, LegacyLog());
    // One block of 512 bytes: less than a native log's header.
    test::RunResult r =
        test::RunQz("convert --cty " + BasicCty() + " -o " + dir.File("out") + " " + source, "ulimit -f 1;");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(dir.File("out")));
}

TEST(CliConvert, UnrecognisedMissingAndUsageErrors) {
    test::TempDir dir;
    test::WriteFile(dir.File("notes.txt"), "hello\r\n");
    test::RunResult unknown = test::RunQz("convert " + dir.File("notes.txt") + " " + dir.File("none.dat"));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("notes.txt is not a log file of a known format."), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("none.dat does not exist or is empty."), std::string::npos) << unknown.err;

    const std::string native = MakeNativeLog(dir.File("n.QZF"));
    test::RunResult already = test::RunQz("convert " + native);
    EXPECT_EQ(already.status, 0);
    EXPECT_NE(already.err.find("already a native log"), std::string::npos);

    EXPECT_EQ(test::RunQz("convert").status, 2);
    EXPECT_EQ(test::RunQz("convert --contest NOPE " + native).status, 2);
    EXPECT_EQ(test::RunQz("convert --frob " + native).status, 2);
    EXPECT_EQ(test::RunQz("convert -o " + dir.File("nowhere") + " " + native).status, 1);
}

TEST(CliFiles, HelpOfEachCommand) {
    for (const char* cmd : {"info", "compile", "convert"}) {
        test::RunResult r = test::RunQz(std::string(cmd) + " --help");
        EXPECT_EQ(r.status, 0) << cmd;
        EXPECT_EQ(r.out.rfind(std::string("usage: qz ") + cmd, 0), 0u) << r.out;
    }
}

}  // namespace
}  // namespace qz

namespace qz {
namespace {

constexpr const char* kCabrilloLog =
    "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: DL1ABC\r\nCLAIMED-SCORE: 3\r\n"
    "QSO: 14000 CW 2024-11-30 0000 DL1ABC        599 14     W1AW          599 05     0\r\n"
    "END-OF-LOG:\r\n";

TEST(CliOpen, EveryCommandReadsEveryFormat) {
    test::TempDir dir;
    const std::string file = dir.File("dl1abc.log");
    test::WriteFile(file, kCabrilloLog);
    const std::string cty = " --cty " + std::string(QZ_TEST_DATA_DIR) + "/cty/basic.dat ";
    test::RunResult compiled = test::RunQz("compile" + cty + file);
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    EXPECT_NE(compiled.out.find("Result overview of DL1ABC"), std::string::npos) << compiled.out;
    test::RunResult exported = test::RunQz("export --format stf -o -" + cty + file);
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(exported.out.find("W1AW"), std::string::npos) << exported.out;
    // Nothing was written beside the source.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(CliOpen, WhatIsNoLogFileIsRefusedByEveryCommand) {
    test::TempDir dir;
    const std::string fifo = dir.File("pipe.log");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string command : {"compile", "score", "export --format stf -o -", "info", "convert"}) {
        for (const std::string& path : {std::string("/dev/zero"), fifo}) {
            SCOPED_TRACE(command + " " + path);
            test::RunResult r = test::RunQz("--no " + command + " " + path);
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find(path + ": is not a regular file"), std::string::npos) << r.err;
        }
    }
}

// Permission bits do not stop root: run as root, the commands run as nobody here.
TEST(CliOpen, AFileThatCannotBeOpenedIsSaidToBeSo) {
    test::TempDir dir;
    const std::string log = MakeNativeLog(dir.File("locked.QZF"));
    const std::string cut = dir.File("cut.qzf");
    test::WriteFile(cut, test::ReadFile(log).substr(0, 3000));
    ASSERT_EQ(::chmod(log.c_str(), 0), 0);
    for (const char* folder : {"data", "config"}) {
        fs::create_directories(dir.File(folder));
        fs::permissions(dir.File(folder), fs::perms::all);
    }
    std::string env = "QZ_DATA_DIR=" + dir.File("data") + " QZ_CONFIG_DIR=" + dir.File("config");
    if (::geteuid() == 0) {
        const std::string nobody = "setpriv --reuid=65534 --regid=65534 --clear-groups";
        if (std::system((nobody + " true 2>/dev/null").c_str()) != 0)
            GTEST_SKIP() << "running as root without setpriv: permission bits cannot stop root";
        env += " " + nobody;
    }
    for (const std::string command : {"info", "score", "compile", "export --format stf -o -"}) {
        SCOPED_TRACE(command);
        test::RunResult r = test::RunQz(command + " " + log, env);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(log + ": cannot open the file: Permission denied"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("known format"), std::string::npos) << r.err;
        // A native log cut inside its header is named as one, never guessed at.
        r = test::RunQz(command + " " + cut, env);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(cut + ": a native log that ends inside its header (3000 of 4096 bytes)"),
                  std::string::npos)
            << r.err;
    }
}

TEST(CliOpen, AFailedWriteToStandardOutputIsAFailure) {
    test::TempDir dir;
    const std::string log = MakeNativeLog(dir.File("c.QZF"));
    int status = std::system((std::string(QZ_BINARY) + " compile " + log + " >/dev/full 2>" + dir.File("err")).c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(test::ReadFile(dir.File("err")).find("cannot write to standard output"), std::string::npos);
    status = std::system((std::string(QZ_BINARY) + " score --tsv " + log + " >/dev/full 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST(CliConvert, ALegacyFileNamedQZ3IsConvertedBesideIt) {
    test::TempDir dir;
    const std::string source = dir.File("old.QZ3");
    test::WriteFile(source, LegacyLog());
    test::RunResult r = test::RunQz("--no convert --cty " + BasicCty() + " " + source);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dir.File("old.QZF") + "\n");
    EXPECT_EQ(test::ReadFile(source), LegacyLog());
}

TEST(CliConvert, AConversionErrorNamesTheFileOnce) {
    test::TempDir dir;
    const std::string file = dir.File("x.log");
    test::WriteFile(file, "START-OF-LOG: 3.0\r\nCONTEST: NO SUCH TEST\r\nCALLSIGN: DL1ABC\r\n");
    test::RunResult r = test::RunQz("convert --cty " + BasicCty() + " " + file);
    EXPECT_EQ(r.status, 1);
    const std::size_t first = r.err.find(file);
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(file, first + 1), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qz
