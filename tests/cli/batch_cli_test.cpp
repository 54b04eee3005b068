// Runs "qz batch" as a committee would: file lists from standard input, the same list
// for any number of jobs, the figures of 'qz score --tsv', bad files named without
// stopping the batch, and outputs that are never replaced unasked.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_run.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::string CabrilloLog(const std::string& call, const std::string& extraQso) {
    return "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: " + call +
           "\r\nCLAIMED-SCORE: 24\r\n"
           "QSO: 14000 CW 2013-11-23 0007 " +
           call + " 599 14 W1AW 599 05\r\nQSO:  7000 CW 2013-11-23 0010 " + call + " 599 14 JA1XYZ 599 25\r\n" +
           extraQso + "END-OF-LOG:\r\n";
}

class CliBatch : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        test::WriteFile(cty_, test::kTinyCty);
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
        fs::create_directories(dir_.path() / "logs");
        a_ = Log("dl1abc.log", CabrilloLog("DL1ABC", ""));
        b_ = Log("dl2xyz.log", CabrilloLog("DL2XYZ", "QSO: 21000 CW 2013-11-23 0012 DL2XYZ 599 14 G4ABC 599 14\r\n"));
        list_ = dir_.File("list.txt");
        test::WriteFile(list_, a_ + "\n" + dir_.File("logs/missing.log") + "\r\n\n" + b_ + "\n");
    }
    std::string Log(const std::string& name, const std::string& text) {
        const std::string path = dir_.File("logs/" + name);
        test::WriteFile(path, text);
        return path;
    }
    test::RunResult Run(const std::string& args) { return test::RunQz(args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_, a_, b_, list_;
};

TEST_F(CliBatch, ResultListFromAListOnStandardInputIsTheSameForAnyNumberOfJobs) {
    test::RunResult one = test::RunQz("batch results --cty " + cty_ + " --jobs 1 -@ -", env_, list_);
    test::RunResult two = Run("batch results --cty " + cty_ + " --jobs 2 --top-level-id CQWW -@ " + list_);
    EXPECT_EQ(one.status, 1) << "a file failed";
    EXPECT_NE(one.err.find("missing.log"), std::string::npos) << one.err;
    EXPECT_NE(one.err.find("1 of 3 files failed"), std::string::npos) << one.err;
    EXPECT_EQ(one.out.rfind("<FINAL>\r\n\r\n<TEILNAHME>\r\n", 0), 0u) << one.out;
    EXPECT_LT(one.out.find("<CALL>DL1ABC</CALL>"), one.out.find("<CALL>DL2XYZ</CALL>"));
    EXPECT_NE(one.out.find(" <SCORE>24</SCORE>"), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("<FEHLER>"), std::string::npos) << one.out;
    std::string renamed = one.out;
    renamed.replace(0, 7, "<CQWW>");
    renamed.replace(renamed.size() - 10, 10, "</CQWW>\r\n");
    EXPECT_EQ(two.out, renamed);

    // An existing list is kept unless --force replaces it.
    const std::string out = dir_.File("results.txt");
    test::WriteFile(out, "earlier");
    test::RunResult kept = Run("batch results --cty " + cty_ + " -o " + out + " " + a_);
    EXPECT_EQ(kept.status, 1);
    EXPECT_EQ(test::ReadFile(out), "earlier");
    EXPECT_EQ(Run("batch results --cty " + cty_ + " --force -o " + out + " " + a_).status, 0);
    EXPECT_EQ(test::ReadFile(out).rfind("<FINAL>", 0), 0u);

    // Not even --force writes the list over one of the logs it reads, by any name.
    const std::string before = test::ReadFile(a_);
    fs::create_symlink(a_, dir_.File("link.log"));
    fs::create_hard_link(b_, dir_.File("hard.log"));
    for (const std::string& target : {dir_.File("logs/../logs/dl1abc.log"), dir_.File("link.log")}) {
        test::RunResult r = Run("batch results --cty " + cty_ + " --force -o " + target + " " + b_ + " " + a_);
        EXPECT_EQ(r.status, 1) << target;
        EXPECT_NE(r.err.find("it reads"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run("batch results --cty " + cty_ + " --force -o " + dir_.File("hard.log") + " -@ " + list_).status, 1);
    EXPECT_EQ(test::ReadFile(a_), before);
    EXPECT_EQ(test::ReadFile(b_).rfind("START-OF-LOG", 0), 0u);

    // A list that names no file is a failure, not an empty batch that went well.
    test::WriteFile(dir_.File("empty.txt"), "\n\n");
    test::RunResult none = Run("batch results --cty " + cty_ + " -@ " + dir_.File("empty.txt"));
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("empty.txt"), std::string::npos) << none.err;
}

TEST_F(CliBatch, TsvRowsAreThoseOfScore) {
    test::RunResult batch = Run("batch results --tsv --cty " + cty_ + " " + a_ + " " + b_);
    test::RunResult score = Run("score --tsv --cty " + cty_ + " " + a_ + " " + b_);
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(batch.out, score.out);
}

// A log with a line that cannot be read keeps its entry (without that line), the line
// is named on standard error, the table counts it, and the batch fails.
TEST_F(CliBatch, ALineThatCannotBeReadIsNamedCountedAndFailsTheBatch) {
    const std::string nul =
        Log("nul.log",
            CabrilloLog("DL3NUL", std::string("QSO: 21000 CW 2013-11-23 0012 DL3NUL 599 14 G4\0BC 599 14\r\n", 58)));
    test::RunResult list = Run("batch results --cty " + cty_ + " " + a_ + " " + nul);
    EXPECT_EQ(list.status, 1);
    EXPECT_NE(list.err.find("nul.log line 7: not read: the line holds a zero byte"), std::string::npos) << list.err;
    EXPECT_NE(list.err.find("1 of 2 files had lines that could not be read"), std::string::npos) << list.err;
    EXPECT_NE(list.out.find("<CALL>DL3NUL</CALL>\r\n <QSO>2</QSO>"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("FEHLER"), std::string::npos) << list.out;
    // The list of clean logs is what it always was.
    test::RunResult clean = Run("batch results --cty " + cty_ + " " + a_);
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_EQ(list.out.substr(0, list.out.find("<TEILNAHME>", 20)), clean.out.substr(0, clean.out.find("</FINAL>")));

    test::RunResult tsv = Run("batch results --tsv --cty " + cty_ + " " + a_ + " " + nul);
    EXPECT_EQ(tsv.status, 1);
    auto lines = SplitLines(tsv.out);
    ASSERT_EQ(lines.size(), 3u) << tsv.out;
    EXPECT_EQ(lines[0].substr(lines[0].rfind('\t')), "\tdropped");
    EXPECT_EQ(lines[1].substr(lines[1].rfind('\t')), "\t0");
    EXPECT_EQ(lines[2].substr(lines[2].rfind('\t')), "\t1");
}

TEST_F(CliBatch, ConvertThenExportBesideTheLogs) {
    test::RunResult converted = Run("batch convert --cty " + cty_ + " " + a_ + " " + b_);
    ASSERT_EQ(converted.status, 0) << converted.err;
    const std::string qzfA = dir_.File("logs/dl1abc.QZF"), qzfB = dir_.File("logs/dl2xyz.QZF");
    EXPECT_EQ(converted.out, qzfA + "\n" + qzfB + "\n");

    const std::string other = Log("other.log", CabrilloLog("DL3OO", ""));
    test::RunResult exported = Run("batch export --format stf --cty " + cty_ + " " + qzfA + " " + qzfB + " " + other);
    EXPECT_EQ(exported.status, 1) << "the Cabrillo file is no native log";
    EXPECT_EQ(exported.out, dir_.File("logs/dl1abc.stf") + "\n" + dir_.File("logs/dl2xyz.stf") + "\n");
    EXPECT_NE(exported.err.find("other.log: not a native log"), std::string::npos) << exported.err;

    test::RunResult res = Run("batch export --format res --cty " + cty_ + " " + qzfA);
    EXPECT_EQ(res.status, 0) << res.err;
    EXPECT_EQ(res.out, dir_.File("logs/dl1abc.res") + "\n");
    EXPECT_EQ(Run("batch export --format frob " + qzfA).status, 2);
    EXPECT_EQ(Run("batch sort " + qzfA).status, 2);
    EXPECT_EQ(Run("batch results --jobs 0 " + qzfA).status, 2);
}

}  // namespace
}  // namespace qz
