// Runs "qz export" on native logs as a user would and compares what it writes with the
// expected output-window files.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "export/exporttest.h"
#include "logfile/qzf.h"

namespace qz {
namespace {

using test::Add;

class CliExport : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        test::WriteFile(cty_, test::kTinyCty);
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
    }

    // The CQ WW log of the expected files, stored as a native file.
    std::string StoreCQWWLog(const std::string& name, const std::string& firstCall = "W1AW") {
        auto log = test::MakeContestLog(test::FullHeader(cWWDXcw));
        if (!log) return {};
        Add(*log, {firstCall, b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "599", {"05"}});
        Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:10", "599", {"14"}, "599", {"14"}});
        Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:12", "599", {"14"}, "599", {"5"}});
        Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 00:15", "599", {"14"}, "599", {"25"}});
        Add(*log, {"DL2AAA", b40m, mCW, "2013-11-23 00:20", "599", {"14"}, "599", {"14"}, SQSOFlags{qfUserDeleted}});
        Add(*log, {"K1ZZ", b15m, mSSB, "2013-11-23 00:25", "59", {"14"}, "59", {"5"}});
        TQZF qzf;
        std::string stored = qzf.StoreLog(dir_.File(name), *log, false);
        EXPECT_FALSE(stored.empty()) << qzf.LastError();
        return stored;
    }
    test::RunResult Run(const std::string& args) { return test::RunQz(args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_;
};

TEST_F(CliExport, CabrilloOnStandardOutputIsTheOutputWindowFile) {
    std::string log = StoreCQWWLog("DL1ABC.QZF");
    test::RunResult r = Run("export --format cabrillo --cty " + cty_ + " -o - " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    test::ExpectSameText(r.out, test::ExpectedFile("narrow_cqww.log"), "stdout");
    EXPECT_EQ(r.err, "");
}

TEST_F(CliExport, DefaultOutputLiesBesideTheLog) {
    std::string log = StoreCQWWLog("DL1ABC.QZF");
    test::RunResult r = Run("export --format stf --cty " + cty_ + " " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    auto written = SplitLines(test::ReadFile(dir_.File("DL1ABC.stf")));
    auto expected = SplitLines(test::ExpectedFile("narrow_cqww.stf"));
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_EQ(written[2].rfind("# Data written \"", 0), 0u);
    written[2] = expected[2];  // line 3 holds the time of writing
    EXPECT_EQ(written, expected);
    EXPECT_NE(test::ReadFile(dir_.File("DL1ABC.stf")).find("EndQSOList\r\n"), std::string::npos);

    r = Run("export --format cabrillo --cty " + cty_ + " " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadFile(dir_.File("DL1ABC.log")), test::ExpectedFile("narrow_cqww.log"));
}

TEST_F(CliExport, AnExistingFileIsReplacedOnlyWithForce) {
    std::string log = StoreCQWWLog("DL1ABC.QZF");
    std::string out = dir_.File("out.log");
    test::WriteFile(out, "old");
    test::RunResult r = Run("export --format cabrillo --cty " + cty_ + " -o " + out + " " + log);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("out.log"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadFile(out), "old");

    // --yes answers questions; it does not give leave to destroy a file such as the
    // Cabrillo original the log was converted from.
    r = Run("--yes export --format cabrillo --cty " + cty_ + " " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    test::WriteFile(dir_.File("DL1ABC.log"), "original submission");
    r = Run("--yes export --format cabrillo --cty " + cty_ + " " + log);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadFile(dir_.File("DL1ABC.log")), "original submission");

    r = Run("export --force --format cabrillo --cty " + cty_ + " -o " + out + " " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadFile(out), test::ExpectedFile("narrow_cqww.log"));

    // A log named like its Cabrillo file is never replaced by it.
    std::filesystem::copy_file(log, dir_.File("same.log"));
    r = Run("export --force --format cabrillo --cty " + cty_ + " " + dir_.File("same.log"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(test::ReadFile(dir_.File("same.log")), test::ReadFile(log));

    // A folder that does not exist is refused, not created.
    r = Run("export --format cabrillo --cty " + cty_ + " -o " + dir_.File("missing/dir/x.log") + " " + log);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing/dir"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("missing")));
}

TEST_F(CliExport, RESSwisslogAndDBaseFiles) {
    std::string log = StoreCQWWLog("DL1ABC.QZF");
    test::RunResult r = Run("export --format res --cty " + cty_ + " -o - " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = SplitLines(r.out);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 50), "23-Nov-13 0007    1  20 CW   W1AW          599  05");
    EXPECT_NE(r.out.find("\r\n"), std::string::npos);
    r = Run("export --format swisslog --cty " + cty_ + " -o - " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(SplitLines(r.out)[1], "G4ABC,20131123,0010,14,CW,599,599,N,N,14");
    r = Run("export --format dbase --cty " + cty_ + " " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string table = test::ReadFile(dir_.File("DL1ABC.dbf"));
    ASSERT_EQ(table.size(), 738u + 6u * 166u + 1u);
    EXPECT_EQ(table[4], 6);
    EXPECT_EQ(table.substr(738 + 1, 18), "W1AW              ");
}

TEST_F(CliExport, CutValuesAreReportedWithFileAndLine) {
    std::string log = StoreCQWWLog("LONG.QZF", "W1AWABCDEFGHIJKLMN");
    test::RunResult r = Run("export --format cabrillo --cty " + cty_ + " -o - " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" W1AWABCDEFGHI 599 05     0\r\n"), std::string::npos);
    EXPECT_NE(r.err.find("LONG.QZF: QSO #1: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("W1AWABCDEFGHIJKLMN -> W1AWABCDEFGHI"), std::string::npos) << r.err;
}

TEST_F(CliExport, UsageAndFileErrors) {
    test::RunResult help = Run("export --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--format"), std::string::npos);
    EXPECT_EQ(Run("export " + dir_.File("x.QZF")).status, 2);                      // no format
    EXPECT_EQ(Run("export --format frob " + dir_.File("x.QZF")).status, 2);        // unknown format
    EXPECT_EQ(Run("export --format stf").status, 2);                               // no log
    EXPECT_EQ(Run("export --format stf --frob " + dir_.File("x.QZF")).status, 2);  // unknown option

    test::RunResult missing = Run("export --format stf " + dir_.File("nothere.QZF"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nothere.QZF"), std::string::npos) << missing.err;

    test::WriteFile(dir_.File("garbage.QZF"), std::string(5000, 'x'));
    test::RunResult garbage = Run("export --format cabrillo --cty " + cty_ + " " + dir_.File("garbage.QZF"));
    EXPECT_EQ(garbage.status, 1);
    EXPECT_NE(garbage.err.find("garbage.QZF"), std::string::npos) << garbage.err;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("garbage.log")));
}

}  // namespace
}  // namespace qz
