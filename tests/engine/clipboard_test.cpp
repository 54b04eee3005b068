// Copying lines as clipboard text and pasting them back, including text that does not fit.
#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/text.h"
#include "engine/testlog.h"
#include "engine/clipboard.h"
#include "engine/undo.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddLine;
using test::MakeLog;

SBand Six() { return {b160m, b80m, b40m, b20m, b15m, b10m}; }

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        SetFrontEnd(&fe);
    }
    void TearDown() override { SetFrontEnd(nullptr); }
    TSilentFrontEnd fe;
};

TEST_F(Clipboard, CopiedLinesPasteAsTheSameLines) {
    auto from = MakeLog(2, 2, 1, Six());
    AddLine(*from, "W1AW", b40m, mSSB, 0, {"5", "14"});
    AddLine(*from, "DL1ABC/P", b20m, mCW, 1, {"6", "x"});
    AddLine(*from, "G3XYZ", b15m, mCW, 2);
    from->QSOs(0)->SetDateTime(EncodeDate(2013, 1, 31) + EncodeTime(9, 5, 0, 0));
    from->QSOs(0)->SetChangedRST(cpSentRST, "57");
    from->QSOs(0)->SetSentNumbers(0, "001");
    from->QSOs(0)->SetSentNumbers(1, "A\tB");
    from->QSOs(2)->SetQSOFlags({qfSentQTC});
    from->QSOs(2)->SetComment({"first", "second"});
    for (int i : {0, 2}) from->QSOs(i)->SetSelected(true);
    const std::string text = CopyToClipboard(*from, 1);
    EXPECT_EQ(SplitLines(text)[0], "@QZ@\t2\t2\t1\t0\t0\t31\t1\t2013\t0905\t2\t1\tW1AW\t57\t59\t001\tA B\t5\t14\t\t0");

    auto to = MakeLog(2, 2, 1, Six());
    to->History().SetEnabled(true);
    EXPECT_EQ(PasteFromClipboard(*to, text), 2);
    ASSERT_EQ(to->NoOfQSOs(), 2);
    EXPECT_EQ(to->QSOs(0)->SentNumbers(1), "A B") << "a tab inside a value cannot split the line";
    to->QSOs(0)->SetSentNumbers(1, "A\tB");
    for (int i = 0; i < 2; ++i) {
        const TQSO& a = *from->QSOs(i == 0 ? 0 : 2);
        const TQSO& b = *to->QSOs(i);
        EXPECT_TRUE(a.SameQSO(&b)) << i;
        EXPECT_EQ(a.Comment(), b.Comment()) << i;
    }
    EXPECT_EQ(fe.lastError, "");
    // Nothing selected: the given line alone.
    for (int i = 0; i < 3; ++i) from->QSOs(i)->SetSelected(false);
    EXPECT_EQ(PasteFromClipboard(*to, CopyToClipboard(*from, 1)), 1);
    EXPECT_EQ(to->QSOs(2)->Call().Call(), "DL1ABC/P");
    to->Undo();
    to->Undo();
    EXPECT_EQ(to->NoOfQSOs(), 0) << "each paste is one undo step";
}

TEST_F(Clipboard, SurplusNumbersAreDroppedWithOneMessage) {
    auto from = MakeLog(3, 2, 0, Six());
    AddLine(*from, "W1AW", b20m, mCW, 0, {"r1", "r2"});
    AddLine(*from, "K1AB", b20m, mCW, 1, {"r3", "r4"});
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 3; ++k) from->QSOs(i)->SetSentNumbers(k, "s" + std::to_string(k));
        from->QSOs(i)->SetSelected(true);
    }
    auto to = MakeLog(2, 2, 0, Six());
    TPasteResult r = PasteText(*to, CopyToClipboard(*from, 0));
    EXPECT_EQ(r.added, 2);
    EXPECT_TRUE(r.surplusNumbers);
    EXPECT_EQ(to->QSOs(1)->SentNumbers(1), "s1");
    EXPECT_EQ(to->QSOs(1)->RcvdNumbers(1), "r4");
    EXPECT_EQ(PasteFromClipboard(*to, CopyToClipboard(*from, 0)), 2);
    EXPECT_EQ(fe.lastError, LS(203));
}

TEST_F(Clipboard, LinesThatDoNotFitAreReportedAndNotPasted) {
    auto log = MakeLog(1, 1, 0, Six());
    const std::string good = "@QZ@\t1\t1\t0\t0\t0\t5\t1\t2013\t1200\t4\t0\tW1AW\t599\t599\t001\t14\t0";
    auto with = [&good](int field, const std::string& value) {
        auto f = SplitString(good, '\t');
        f[static_cast<std::size_t>(field)] = value;
        std::string s;
        for (const auto& v : f) s += (s.empty() ? "" : "\t") + v;
        return s;
    };
    const std::string text = "some text\r\n" + good + "\r\n" + with(6, "32") + "\n" + with(8, "2013x") + "\n" +
                             with(9, "2460") + "\n" + with(10, "27") + "\n" + with(11, "19") + "\n" + with(1, "2") +
                             "\n" + with(13, "5") + "\n" + with(12, std::string(300, 'K')) + "\n@QZ@\n" + good + "\n";
    TPasteResult r = PasteText(*log, text);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.rejected, (std::vector<std::string>{
                              LS(558) + " 3: " + LS(560) + " " + LS(45), LS(558) + " 4: " + LS(560) + " " + LS(45),
                              LS(558) + " 5: " + LS(560) + " " + LS(46), LS(558) + " 6: " + LS(560) + " " + LS(47),
                              LS(558) + " 7: " + LS(560) + " " + LS(48), LS(558) + " 8: " + LS(559),
                              LS(558) + " 9: " + LS(560) + " " + LS(50), LS(558) + " 10: " + LS(561) + " " + LS(49),
                              LS(558) + " 11: " + LS(559)}));

    EXPECT_EQ(PasteFromClipboard(*log, "no marker\r\nanywhere"), 0);
    EXPECT_EQ(fe.lastInfo, LS(563));
}

TEST_F(Clipboard, AHundredThousandLinesPasteOrAreRefusedAsOneStep) {
    auto log = MakeLog(1, 1, 0, Six());
    AddLine(*log, "W1AW", b20m, mCW, 0);
    log->History().SetEnabled(true);
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text +=
            i % 2 ? "@QZ@\tgarbage\r\n" : "@QZ@\t1\t1\t0\t0\t0\t5\t1\t2013\t1200\t4\t0\tK1AB\t599\t599\t1\t2\t0\r\n";
    EXPECT_EQ(PasteFromClipboard(*log, text), 50000);
    EXPECT_EQ(log->NoOfQSOs(), 50001);
    EXPECT_NE(fe.lastError.find("49990 " + LS(562)), std::string::npos);
    EXPECT_EQ(std::count(fe.lastError.begin(), fe.lastError.end(), '\n'), 11);
    log->Undo();
    EXPECT_EQ(log->NoOfQSOs(), 1);
}

}  // namespace
}  // namespace qz
