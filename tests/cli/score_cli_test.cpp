// Runs "qz score" as a user would: foreign files scored without writing anything,
// summary rows, the contest for files that name none we know, and saving on request.
#include <gtest/gtest.h>

#include <algorithm>
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
    EXPECT_EQ(lines[0],
              "file\tcall\tcontest\tqsos\tmultipliers\tscore\tclaimed\tctyfile\tctyversion\tsettings\tdropped");
    EXPECT_EQ(lines[1], a + "\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t12\t" + cty_ + "\tunknown\t\t0");
    EXPECT_EQ(lines[2], b + "\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t\t" + cty_ + "\tunknown\t\t0");
}

// A damaged line costs that line only: it is named on standard error without being
// asked for, counted in the summary row, and the command fails.
TEST_F(CliScore, ALineThatCannotBeReadIsNamedCountedAndFailsTheCommand) {
    std::string text = kCabrillo;
    text.insert(text.find("QSO:  7000"),
                std::string("QSO: 14000 CW 2013-11-23 0008 DL1ABC 599 14 \0K1ZZ 599 05\r\n", 58));
    const std::string file = Log("nul.log", text);
    test::RunResult tsv = Run("--tsv " + file);
    EXPECT_EQ(tsv.status, 1);
    auto lines = SplitLines(tsv.out);
    ASSERT_EQ(lines.size(), 2u) << tsv.out;
    EXPECT_EQ(lines[1], file + "\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t12\t" + cty_ + "\tunknown\t\t1");
    EXPECT_NE(tsv.err.find("nul.log line 6: not read: the line holds a zero byte"), std::string::npos) << tsv.err;
    EXPECT_NE(tsv.err.find("nul.log: 1 line could not be read"), std::string::npos) << tsv.err;
    test::RunResult report = Run(file);
    EXPECT_EQ(report.status, 1);
    EXPECT_NE(report.out.find("= 24"), std::string::npos) << report.out;
    EXPECT_NE(report.err.find("line 6: not read"), std::string::npos) << report.err;
}

// A file name with a tab or a line end cannot break a row of tab-separated values.
TEST_F(CliScore, TsvFieldsEscapeTabsLineEndsAndBackslashes) {
    const std::string file = Log("a\tb\nc\\d.log", kCabrillo);
    test::RunResult r = Run("--tsv '" + file + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = SplitLines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    EXPECT_EQ(lines[1].substr(0, lines[1].find(".log")), (dir_.path() / "logs").string() + "/a\\tb\\nc\\\\d");
    EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), '\t'), 10);
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
    EXPECT_NE(again.out.find("\tDL1ABC\tCQ-WW-CW\t2\t4\t24\t\t"), std::string::npos) << again.out;

    // A native log that cannot be written (here past the file-size limit, which holds
    // for root too) is a failure of the command.
    const std::string other = Log("dl2xyz.log", kCabrillo);
    test::RunResult failed = test::RunQz("score --cty " + cty_ + " --save --tsv " + other, "ulimit -f 1; " + env_);
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("dl2xyz.QZF"), std::string::npos) << failed.err;
    EXPECT_FALSE(fs::exists(dir_.File("logs/dl2xyz.QZF")));
}

// A country file cut short is refused with its reason instead of scoring every log
// against part of the countries.
TEST_F(CliScore, ADamagedCountryFileIsRefused) {
    const std::string whole = test::ReadFile(test::TestCountryFile());
    const std::string cut = dir_.File("cty.dat");
    test::WriteFile(cut, whole.substr(0, 50 * 1024));
    test::RunResult r = test::RunQz("score --cty " + cut + " " + Log("dl1abc.log", kCabrillo), env_);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(cut + ", line "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("damaged country file"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
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

// The same log scores differently under other stored settings; the report and the
// summary row say so, with the country file and its version.
TEST_F(CliScore, ResultNamesCountryFileVersionAndChangedSettings) {
    std::string text = kCabrillo;
    text.insert(text.find("QTC:"), "QSO: 21000 PH 2013-11-23 0012 DL1ABC 59 14 K2ZZ 59 05\r\n");
    const std::string file = Log("mixed.log", text);
    test::WriteFile(cty_, std::string(test::kTinyCty) +
                              "Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\r\n"
                              "    VE,=VER20230502;\r\n");
    test::RunResult r = Run(file);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Final result = 6 * (2 + 2) = 24"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Country file: " + cty_ + ", version 20230502\nCompile settings: defaults\n"),
              std::string::npos)
        << r.out;

    fs::create_directories(dir_.path() / "config");
    test::WriteFile(dir_.File("config/settings.ini"), "[QZ]\nCompile_CancelQSOIfModeIsNotAllowed=0\n");
    r = Run(file);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Final result = 9 * (3 + 3) = 54"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Compile settings: Compile_CancelQSOIfModeIsNotAllowed=off\n"), std::string::npos) << r.out;
    test::RunResult tsv = Run("--tsv " + file);
    EXPECT_NE(tsv.out.find("\t54\t12\t" + cty_ + "\t20230502\tCompile_CancelQSOIfModeIsNotAllowed=off\t0\n"),
              std::string::npos)
        << tsv.out;

    // qz compile names them alike.
    ASSERT_EQ(Run("--save --tsv " + file).status, 0);
    test::RunResult compiled = test::RunQz("compile --cty " + cty_ + " " + dir_.File("logs/mixed.QZF"), env_);
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    EXPECT_NE(compiled.out.find("version 20230502\nCompile settings: Compile_CancelQSOIfModeIsNotAllowed=off\n"),
              std::string::npos)
        << compiled.out;
}

}  // namespace
}  // namespace qz
