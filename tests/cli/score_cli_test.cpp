// Runs "qz score" as a user would: foreign files scored without writing anything,
// summary rows, the contest for files that name none we know, and saving on request.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_run.h"
#include "export/exporttest.h"
#include "logfile/qzf.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

const char* kCabrillo =
    "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: DL1ABC\r\nCLAIMED-SCORE: 12\r\n"
    "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05\r\n"
    "QSO:  7000 CW 2013-11-23 0010 DL1ABC 599 14 JA1XYZ 599 25\r\n"
    "QTC: 14000 CW 2013-11-23 0011 DL1ABC 1/10 W1AW 0001 K1ZZ 5\r\n"
    "END-OF-LOG:\r\n";

class CliScore : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        test::WriteFile(cty_, test::kTinyCty);
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
        fs::create_directories(dir_.path() / "logs");
    }
    std::string Log(const std::string& name, const std::string& text) {
        const std::string path = (dir_.path() / "logs" / name).string();
        test::WriteFile(path, text);
        return path;
    }
    int FilesIn(const std::string& folder) {
        int n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_.path() / folder)) ++n;
        return n;
    }
    test::RunResult Run(const std::string& args) { return test::RunQz("score --cty " + cty_ + " " + args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_;
};

TEST_F(CliScore, CabrilloIsScoredInMemory) {
    const std::string file = Log("dl1abc.log", kCabrillo);
    test::RunResult r = Run("--messages " + file);
    ASSERT_EQ(r.status, 0) << r.err;
    // Two QSOs on two bands with two other continents: 3 points each, two countries
    // and two zones.
    EXPECT_NE(r.out.find("CQ WW DX Contest CW 2013"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Final result = 6 * (2 + 2) = 24"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("line 7: not read: a QTC line"), std::string::npos) << r.out;
    EXPECT_EQ(FilesIn("logs"), 1) << "no native log is written";
}

TEST_F(CliScore, SummaryRowsCarryTheClaimedScore) {
    const std::string a = Log("a.log", kCabrillo);
    const std::string b = Log("b.log", std::string(kCabrillo).replace(std::string(kCabrillo).find("CLAIMED"), 17, ""));
    test::RunResult r = Run("--tsv " + a + " " + b);
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = SplitLines(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[0], "file\tcall\tcontest\tqsos\tmultipliers\tscore\tclaimed");
    EXPECT_EQ(lines[1], a + "\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t12");
    EXPECT_EQ(lines[2], b + "\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t");
}

TEST_F(CliScore, ContestOptionServesFilesThatNameNoneWeKnow) {
    std::string text = kCabrillo;
    text.replace(text.find("CQ-WW-CW"), 8, "CQWW DX");
    const std::string file = Log("x.log", text);
    test::RunResult unknown = Run(file);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("'CQWW DX' names no contest"), std::string::npos) << unknown.err;
    // The message ends with the hint it announces, not with a bare colon.
    EXPECT_NE(unknown.err.find("knows; give the contest with --contest\n"), std::string::npos) << unknown.err;

    test::RunResult fixed = Run("--contest CQ-WW-CW --tsv " + file);
    ASSERT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_NE(fixed.out.find("\tCQ-WW-CW\t2\t4\t24\t"), std::string::npos) << fixed.out;
    // The option does not override a contest the file names.
    test::RunResult named = Run("--contest CQ-WPX-CW --tsv " + Log("y.log", kCabrillo));
    EXPECT_NE(named.out.find("\tCQ-WW-CW\t"), std::string::npos) << named.out;
    // Spellings of other programs are understood.
    EXPECT_EQ(Run("--contest 'WAE CW' --tsv " + file).status, 0);
    EXPECT_EQ(Run("--contest NO-SUCH-THING " + file).status, 2);
}

TEST_F(CliScore, SaveWritesTheNativeLogAndNativeLogsAreScoredToo) {
    const std::string file = Log("dl1abc.log", kCabrillo);
    test::RunResult r = Run("--save --tsv " + file);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string native = (dir_.path() / "logs" / "dl1abc.QZF").string();
    ASSERT_TRUE(fs::exists(native)) << r.err;
    test::RunResult again = Run("--tsv " + native);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t\n"), std::string::npos) << again.out;
}

TEST_F(CliScore, FailuresAreNamedAndCounted) {
    const std::string good = Log("good.log", kCabrillo);
    test::RunResult r = Run(good + " " + dir_.File("missing.log") + " " + Log("text.txt", "just some words\r\n"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("==> " + good + " <=="), std::string::npos);
    EXPECT_NE(r.err.find("missing.log"), std::string::npos);
    EXPECT_NE(r.err.find("text.txt"), std::string::npos);
    EXPECT_EQ(Run("--bogus " + good).status, 2);
    EXPECT_EQ(Run("").status, 2);
}

// The base rules score every log 0; a contest without rules of its own is named instead.
TEST_F(CliScore, ContestWithoutItsRulesIsNamedNotScored) {
    std::string text = kCabrillo;
    text.replace(text.find("CQ-WW-CW"), 8, "DTC");
    const std::string file = Log("dtc.log", text);
    const std::string message = "Deutscher Telegraphie Contest (DTC): rules of this contest are not built yet";
    test::RunResult r = Run("--save " + file);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.find("Final result"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(file + ": " + message), std::string::npos) << r.err;

    test::RunResult tsv = Run("--tsv " + file + " " + Log("ww.log", kCabrillo));
    EXPECT_EQ(tsv.status, 1);
    auto lines = SplitLines(tsv.out);
    ASSERT_EQ(lines.size(), 3u) << tsv.out;
    EXPECT_EQ(lines[1].rfind(file + "\tDL1ABC\tDTC\t\t\t\t12", 0), 0u) << lines[1];
    EXPECT_NE(lines[2].find("\tCQ-WW-CW\t2\t4\t24\t12"), std::string::npos) << lines[2];

    // The native log that --save wrote is refused by compile and export alike.
    const std::string native = (dir_.path() / "logs" / "dtc.QZF").string();
    ASSERT_TRUE(fs::exists(native)) << r.err;
    for (const std::string& command : {"compile --cty " + cty_, "export --format cabrillo -o - --cty " + cty_}) {
        test::RunResult refused = test::RunQz(command + " " + native, env_);
        EXPECT_EQ(refused.status, 1) << command;
        EXPECT_EQ(refused.out, "") << command;
        EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace qz
