// The new formats on the command line: a native log through ADIF and STF files and
// back with qz export and qz convert, the stored ADIF configuration, and column texts
// read by a stored layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "cli_run.h"
#include "export/exporttest.h"
#include "logfile/qzf.h"

namespace qz {
namespace {

using test::Add;

class CliFormats : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        test::WriteFile(cty_, test::kTinyCty);
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
        std::filesystem::create_directories(dir_.File("out"));
    }
    std::unique_ptr<TContestLog> ReadNative(const std::string& path) {
        TQZF qzf;
        auto log = qzf.ReadLog(path, test::TinyCty());
        EXPECT_TRUE(log) << qzf.LastError();
        return log;
    }
    test::RunResult Run(const std::string& args) { return test::RunQz(args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_;
};

TEST_F(CliFormats, NativeThroughADIFAndSTFAndBack) {
    auto log = test::MakeContestLog(test::FullHeader(cWWDXcw));
    ASSERT_TRUE(log);
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "579", {"05"}});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 23:15", "599", {"14"}, "599", {"25"}});
    Add(*log, {"K1ZZ", b15m, mSSB, "2013-11-24 00:25", "59", {"14"}, "57", {"5"}});
    TQZF qzf;
    const std::string native = qzf.StoreLog(dir_.File("DL1ABC.QZF"), *log, false);
    ASSERT_FALSE(native.empty());
    ASSERT_EQ(Run("adif-config set rcvd1=srx").status, 0);
    for (const char* format : {"adif", "stf"}) {
        SCOPED_TRACE(format);
        const std::string file = dir_.File(std::string("DL1ABC.") + (format[0] == 'a' ? "adi" : "stf"));
        test::RunResult e =
            Run(std::string("export --format ") + format + " --cty " + cty_ + " -o " + file + " " + native);
        ASSERT_EQ(e.status, 0) << e.err;
        test::RunResult c = Run("convert -o " + dir_.File("out") + " --cty " + cty_ + " --force " + file);
        ASSERT_EQ(c.status, 0) << c.err;
        auto back = ReadNative(dir_.File("out/DL1ABC.QZF"));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->Contest(), cWWDXcw);
        ASSERT_EQ(back->NoOfQSOs(), log->NoOfQSOs());
        for (int i = 0; i < log->NoOfQSOs(); ++i) {
            const TQSO& a = *log->QSOs(i);
            const TQSO& b = *back->QSOs(i);
            EXPECT_EQ(b.Call().Call(), a.Call().Call());
            EXPECT_EQ(b.Band(), a.Band());
            EXPECT_EQ(b.Mode(), a.Mode());
            EXPECT_NEAR(b.DateTime(), a.DateTime(), 1.0 / 1440 / 2);
            EXPECT_EQ(b.SentRST(), a.SentRST());
            EXPECT_EQ(b.RcvdRST(), a.RcvdRST());
            EXPECT_EQ(b.SentNumbers(0), a.SentNumbers(0));
            EXPECT_EQ(b.RcvdNumbers(0), a.RcvdNumbers(0));
        }
    }
    test::RunResult shown = Run("adif-config");
    EXPECT_NE(shown.out.find("rcvd1      srx"), std::string::npos) << shown.out;
    EXPECT_EQ(Run("adif-config set time=hhmmsss").status, 2);
}

TEST_F(CliFormats, ColumnTextByStoredLayout) {
    const std::string text = dir_.File("log.cols");
    test::WriteFile(text,
                    "W1AW       2013-11-23 0007 599 579 05\r\nnot a line\r\nJA1XYZ     2013-11-23 0015 599 599 25\r\n");
    test::RunResult none = Run("convert --contest CQ-WW-CW --cty " + cty_ + " " + text);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("--layout"), std::string::npos) << none.err;
    ASSERT_EQ(Run("layout set cols call=1-10 year=12-15 month=17-18 day=20-21 hour=23-24 minute=25-26 srst=28-30 "
                  "rrst=32-34 rcvd1=36-37")
                  .status,
              0);
    EXPECT_NE(Run("layout list").out.find("COLS"), std::string::npos);
    test::RunResult c =
        Run("convert --layout COLS --contest CQ-WW-CW -o " + dir_.File("out") + " --cty " + cty_ + " " + text);
    ASSERT_EQ(c.status, 0) << c.err;
    EXPECT_NE(c.err.find("line #2: \"not a line\""), std::string::npos) << c.err;
    auto back = ReadNative(dir_.File("out/log.QZF"));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->NoOfQSOs(), 2);
    EXPECT_EQ(back->QSOs(1)->RcvdNumbers(0), "25");
    EXPECT_EQ(Run("layout set cols call=x").status, 2);
    EXPECT_EQ(Run("layout delete cols").status, 0);
    EXPECT_EQ(Run("convert --layout COLS --contest CQ-WW-CW --cty " + cty_ + " " + text).status, 1);
}

// Changes of the stored layouts run at the same time keep every layout; a damaged list
// is reported and never saved over.
TEST_F(CliFormats, LayoutChangesAtOnceKeepEveryLayout) {
    std::string runs;
    for (int i = 1; i <= 20; ++i)
        runs += env_ + " " + QZ_BINARY + " layout set L" + std::to_string(i) + " call=1-10 >/dev/null 2>&1 & ";
    ASSERT_EQ(std::system((runs + "wait").c_str()), 0);
    test::RunResult list = Run("layout list");
    ASSERT_EQ(list.status, 0) << list.err;
    for (int i = 1; i <= 20; ++i)
        EXPECT_NE(list.out.find("L" + std::to_string(i) + "\n"), std::string::npos) << i << "\n" << list.out;

    const std::string file = dir_.File("data/Encoded/FileFormatList.qz");
    const std::string cut = test::ReadFile(file).substr(0, 300);
    test::WriteFile(file, cut);
    test::RunResult damaged = Run("layout list");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("FileFormatList.qz"), std::string::npos) << damaged.err;
    EXPECT_EQ(Run("layout set NEW call=1-5").status, 1);
    EXPECT_EQ(test::ReadFile(file), cut);
}

}  // namespace
}  // namespace qz
