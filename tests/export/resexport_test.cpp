// The RES and Swisslog writers: the fixed columns of a RES line for each number of
// received numbers, values longer than their width, and every line of the log in order.
#include "export/resexport.h"

#include <gtest/gtest.h>

#include "export/exporttest.h"
#include "export/swisslogexport.h"

namespace qz {
namespace {

using test::Add;

constexpr const char* kTail = "        0        0 00    0 49 0";

TEST(RESExport, ColumnsByTheNumberOfReceivedNumbers) {
    struct Case {
        int rcvd;
        std::vector<std::string> numbers;
        const char* exchange;
    } cases[] = {
        {0, {}, " 599      "},
        {1, {"001"}, " 599  001 "},
        {2, {"14", "DL"}, " 14   DL  "},
        {3, {"123456", "ABCDE", "x"}, " 123456ABCDE"},  // minimum widths: longer values shift the line
    };
    for (const Case& c : cases) {
        auto log = test::MakeExportTestLog(0, c.rcvd, 0, false, test::FullHeader(cWWDXcw));
        for (int i = 0; i < 6; ++i) Add(*log, {"K1ABC", b40m, mSSB, "2013-01-01 00:00", "59", {}, "59", {}});
        Add(*log, {"DL1ABC", b20m, mCW, "2013-05-05 09:30", "599", {}, "599", c.numbers});
        TRESExport writer(*log);
        std::vector<std::string> lines = {"kept"};
        writer.ExportLog(lines);
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[0], "kept");
        EXPECT_EQ(lines[7], std::string("05-May-13 0930    7  20 CW   DL1ABC       ") + c.exchange + kTail) << c.rcvd;
    }
}

TEST(RESExport, EveryLineInLogOrderQTCsAndDeletedLinesIncluded) {
    auto log = test::MakeExportTestLog(0, 5, 0, true, test::FullHeader(cWAEcw));
    Add(*log, {"W1AW", b160m, mRTTY, "2013-12-31 23:59", "599", {}, "599", {"12", "1/1"}, SQSOFlags({qfUserDeleted})});
    Add(*log, {"W1AW",
               bSAT,
               mPACKET,
               "2013-12-31 23:59",
               "",
               {},
               "",
               {"", "1/1", "1200", "K1ABC", "1"},
               SQSOFlags({qfRcvdQTC})});
    Add(*log, {"JA1ABCDEFGHIJKLM", b2m, mATV, "2009-02-01 00:05", "59", {}, "59", {"7", ""}});
    std::vector<std::string> res, swi;
    TRESExport(*log).ExportLog(res);
    ASSERT_EQ(res.size(), 3u);
    EXPECT_EQ(res[0].substr(0, 48), "31-Dec-13 2359    1 160 RTTY W1AW          12   ");
    EXPECT_EQ(res[1].substr(0, 48), "31-Dec-13 2359    2 SAT PKT  W1AW               ");
    EXPECT_EQ(res[2].substr(0, 50), "01-Feb-09 0005    3   2 ATV  JA1ABCDEFGHIJKLM 7   ");

    TSwisslogExport(*log).ExportLog(swi);
    ASSERT_EQ(swi.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(swi[static_cast<std::size_t>(i)], log->QSOs(i)->AsSWI(i));
    EXPECT_EQ(swi[2].substr(0, 32), "JA1ABCDEFGHIJKLM,20090201,0005,1");

    // The output windows produce both.
    std::vector<std::string> window;
    ASSERT_TRUE(ProduceOutputWindow(owRES, *log, window));
    EXPECT_EQ(window, res);
    ASSERT_TRUE(ProduceOutputWindow(owSwisslog, *log, window));
    EXPECT_EQ(window, swi);
}

}  // namespace
}  // namespace qz
