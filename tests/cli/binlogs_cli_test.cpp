// The binary logs on the command line: a CT log with its QTC file, an NA log with its
// template in the data folder and a QW log, each recognised by qz info, scored and
// converted; damaged files are named with the record.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_run.h"
#include "engine/testlog.h"
#include "import/binlogmaker.h"
#include "logfile/qzf.h"
#include "testutil.h"

namespace qz {
namespace {

constexpr std::int32_t kSeconds = 1385210096;  // 2013-11-23 12:34:56

class CliBinaryLogs : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        test::WriteFile(cty_, test::kTinyCty);
        std::filesystem::create_directories(dir_.File("data"));
        std::filesystem::create_directories(dir_.File("out"));
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
    }
    test::RunResult Run(const std::string& args) { return test::RunQz(args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_;
};

TEST_F(CliBinaryLogs, InfoScoreAndConvertOfEachFormat) {
    test::TCTHeaderSpec ct;
    ct.contest = 10;  // WAE
    test::WriteFile(dir_.File("wae.bin"), test::MakeCTFile(ct, {{"W1AW", "001", 4, 1, 599, 0, kSeconds},
                                                                {"JA1XYZ", "002", 3, 1, 599, 0, kSeconds + 60}}));
    test::WriteFile(dir_.File("wae.QTC"),
                    test::MakeCTQTCFile({{"W1AW", kSeconds + 30, 4, "1/1", "1200", "K1ABC", "1"}}));
    std::string text(31, ' ');
    test::PutColumns(text, 1, "W1AW");
    test::PutColumns(text, 13, "579589");
    test::WriteFile(dir_.File("na.qdf"), test::MakeNAFile(100, "DL1ABC", "cqww", {{0, 8, false, text}}));
    test::WriteFile(dir_.File("data/CQWW.CRT"), test::MakeNATemplate(10));
    test::WriteFile(dir_.File("qw.bin"),
                    test::MakeQWFile("DL1ABC", "JO31AA", "G24", {{"1200", "131123", "W1AW", "", 4, 599, 1, 599005}}));

    test::RunResult info =
        Run("info --tsv " + dir_.File("wae.bin") + " " + dir_.File("na.qdf") + " " + dir_.File("qw.bin"));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("CT9"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("NA10"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("QW4"), std::string::npos) << info.out;

    test::RunResult score = Run("score --tsv --cty " + cty_ + " " + dir_.File("wae.bin"));
    ASSERT_EQ(score.status, 0) << score.err;
    EXPECT_NE(score.out.find("WAE"), std::string::npos) << score.out;
    // NA and QW logs name no contest: it is given.
    score = Run("score --tsv --cty " + cty_ + " " + dir_.File("na.qdf"));
    EXPECT_NE(score.status, 0);
    EXPECT_NE(score.err.find("--contest"), std::string::npos) << score.err;
    score = Run("score --tsv --contest CQ-WW-CW --cty " + cty_ + " " + dir_.File("na.qdf") + " " + dir_.File("qw.bin"));
    ASSERT_EQ(score.status, 0) << score.err;

    test::RunResult convert = Run("convert -o " + dir_.File("out") + " --cty " + cty_ + " " + dir_.File("wae.bin"));
    ASSERT_EQ(convert.status, 0) << convert.err;
    TQZF qzf;
    auto log = qzf.ReadLog(dir_.File("out/wae.QZF"), test::TinyCty());
    ASSERT_TRUE(log) << qzf.LastError();
    EXPECT_EQ(log->Contest(), cWAEcw);
    ASSERT_EQ(log->NoOfQSOs(), 3);
    EXPECT_TRUE(log->QSOs(1)->IsQTC());
    convert = Run("convert -o " + dir_.File("out") + " --contest CQ-WW-CW --cty " + cty_ + " " + dir_.File("na.qdf"));
    ASSERT_EQ(convert.status, 0) << convert.err;
    log = qzf.ReadLog(dir_.File("out/na.QZF"), test::TinyCty());
    ASSERT_TRUE(log) << qzf.LastError();
    EXPECT_EQ(log->QSOs(0)->RcvdRST(), "589");
}

TEST_F(CliBinaryLogs, DamagedFilesNameTheRecord) {
    std::string file =
        test::MakeCTFile({}, {{"W1AW", "14", 4, 1, 599, 0, kSeconds}, {"K1ABC", "14", 4, 1, 599, 0, kSeconds}});
    file.resize(file.size() - 10);
    test::WriteFile(dir_.File("cut.bin"), file);
    // A CT log cut inside its last record keeps the complete ones, names the cut one
    // and fails the command.
    test::RunResult r = Run("score --tsv --cty " + cty_ + " " + dir_.File("cut.bin"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cut.bin: record 2: the file ends inside this record"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("\tCQ-WW-CW\t1\t"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.substr(r.out.rfind('\t', r.out.size() - 2)), "\t1\n") << r.out;

    // QW and NA logs are known by their length only: cut short, they get that reason,
    // never "no known format" or a guess at a column text.
    std::string qw = test::MakeQWFile("DL1ABC", "", "", {{"1200", "131123", "W1AW"}, {"1201", "131123", "K1ABC"}});
    qw.resize(qw.size() - 10);
    test::WriteFile(dir_.File("qw.bin"), qw);
    test::WriteFile(dir_.File("na.qdf"), test::MakeNAFile(100, "DL1ABC", "cqww", {{0, 8, false, "W1AW"}}) + "cut");
    for (const std::string& command : {"score --contest CQ-WW-CW --cty " + cty_, std::string("info")}) {
        for (const char* name : {"qw.bin", "na.qdf"}) {
            SCOPED_TRACE(command + " " + name);
            r = Run(command + " " + dir_.File(name));
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find(std::string(name) + ": the length ("), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find("known format"), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find("column"), std::string::npos) << r.err;
        }
    }
    // A companion file alone is no log.
    test::WriteFile(dir_.File("alone.QTC"), test::MakeCTQTCFile({{"W1AW", kSeconds, 4, "1/1", "1200", "K1ABC", "1"}}));
    r = Run("score --cty " + cty_ + " " + dir_.File("alone.QTC"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("alone.QTC"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out/cut.QZF")));
}

}  // namespace
}  // namespace qz
