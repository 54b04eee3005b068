// Searching lines field by field, selecting by range, band and mode, sent QTC lines
// made from selected QSOs, and the statistics cells.
#include <gtest/gtest.h>

#include "engine/search.h"
#include "engine/sentqtcs.h"
#include "engine/statistics.h"
#include "engine/testlog.h"

namespace qz {
namespace {

using test::AddLine;

SBand Three() { return {b80m, b40m, b20m}; }

int Col(const TContestLog& log, TColumnProperty p, int index = -1) {
    return log.GetColumnNumberFromProperty(p, index, log.NoOfColumns());
}

TSearchOptions Only(const std::string& text, std::initializer_list<bool TSearchOptions::*> fields) {
    TSearchOptions o;
    o.soFindWhat = text;
    for (bool TSearchOptions::*f :
         {&TSearchOptions::soSearchInDate, &TSearchOptions::soSearchInTime, &TSearchOptions::soSearchInBand,
          &TSearchOptions::soSearchInMode, &TSearchOptions::soSearchInCall, &TSearchOptions::soSearchInSentRST,
          &TSearchOptions::soSearchInRcvdRST, &TSearchOptions::soSearchInSentNumber,
          &TSearchOptions::soSearchInRcvdNumber, &TSearchOptions::soSearchInMulties, &TSearchOptions::soSearchInPoints})
        o.*f = false;
    for (bool TSearchOptions::*f : fields) o.*f = true;
    return o;
}

TEST(Search, FirstFieldKindWithAMatchDecidesAndFindNextGoesOn) {
    auto log = test::MakeLog(1, 1, 0, Three());
    AddLine(*log, "DL1ABC", b20m, mCW, 0);
    AddLine(*log, "G4XYZ", b20m, mCW, 1);
    AddLine(*log, "DL1ABC", b40m, mCW, 2);
    log->QSOs(0)->SetSentRST("579");
    log->QSOs(0)->SetRcvdRST("559");
    log->QSOs(1)->SetSentRST("559");
    // Received RST 559 comes first in the log, but sent RST is the earlier field kind.
    TSearchHit hit =
        SearchLog(*log, Only("55", {&TSearchOptions::soSearchInSentRST, &TSearchOptions::soSearchInRcvdRST}), -1);
    EXPECT_EQ(hit.line, 1);
    EXPECT_EQ(hit.column, Col(*log, cpSentRST));

    TSearchOptions call = Only("dl1abc", {&TSearchOptions::soSearchInCall});
    call.soWholeWordOnly = true;
    hit = SearchLog(*log, call, -1);
    EXPECT_EQ(hit.line, 0);
    EXPECT_EQ(hit.column, Col(*log, cpCall));
    call.soSearchFrom = sfCursor;
    EXPECT_EQ(SearchLog(*log, call, 0).line, 2);
    EXPECT_FALSE(SearchLog(*log, call, 2).Found());  // find next on the last line
    call.soFindWhat = "DL1AB";                       // a part is no whole field
    EXPECT_FALSE(SearchLog(*log, call, -1).Found());
    call.soFindWhat = "  ";
    EXPECT_FALSE(SearchLog(*log, call, -1).Found());

    // Points: the text must be a number equal to the points.
    log->QSOs(2)->SetPoints(3);
    EXPECT_EQ(SearchLog(*log, Only("3", {&TSearchOptions::soSearchInPoints}), -1).line, 2);
    EXPECT_FALSE(SearchLog(*log, Only("3x", {&TSearchOptions::soSearchInPoints}), -1).Found());
}

TEST(QSORange, RangeAllBandAndMode) {
    auto log = test::MakeLog(1, 1, 0, Three());
    for (int i = 0; i < 6; ++i)
        AddLine(*log, "DL" + std::to_string(i) + "AA", i < 3 ? b20m : b40m, i % 2 ? mSSB : mCW, i);
    auto selected = [&] {
        std::string s;
        for (int i = 0; i < log->NoOfQSOs(); ++i) s += log->QSOs(i)->Selected() ? '1' : '0';
        return s;
    };
    TQSORange r;
    r.from = 5;
    r.to = 3;
    SelectQSORange(*log, r, true);
    EXPECT_EQ(selected(), "000000");
    r.allLines = true;
    SelectQSORange(*log, r, true);
    EXPECT_EQ(selected(), "111111");
    r = {};
    r.byRange = false;
    r.byBand = true;
    r.band = "40m";
    r.byMode = true;
    r.mode = "CW";
    SelectQSORange(*log, r, false);
    EXPECT_EQ(selected(), "010000");  // every 40 m line and every CW line unselected
    r = {};
    r.from = 2;
    r.to = 99;  // beyond the last line
    SelectQSORange(*log, r, true);
    EXPECT_EQ(selected(), "011111");
}

TEST(SentQTCs, TwelveSelectedQSOsMakeTwelveLinesInOneUndoStep) {
    auto log = test::MakeLog(1, 5, 0, Three(), {}, "DL1ABC", cWAEcw);
    log->History().SetEnabled(true);
    for (int i = 0; i < 12; ++i) AddLine(*log, "K" + std::to_string(i + 1) + "AA", b20m, mCW, i, {"001"});
    AddLine(*log, "", b20m, mCW, 20);  // the empty line at the end
    for (int i = 0; i < 12; ++i) log->QSOs(i)->SetSelected(true);
    const TSentQTCGroup proposed = ProposeSentQTCGroup(*log);
    EXPECT_EQ(proposed.call, "K12AA");
    EXPECT_EQ(proposed.serial, "1/10");
    EXPECT_EQ(proposed.time, "0011");
    TSentQTCGroup group = proposed;
    group.call = "ua9abc";
    group.time = "2400";
    EXPECT_EQ(AppendSentQTCs(*log, group), 0);  // no time of day
    group.time = "1230";
    group.serial = "7-10";
    EXPECT_EQ(AppendSentQTCs(*log, group), 0);
    EXPECT_FALSE(log->History().CanUndo());
    group.serial = "7/10";
    ASSERT_EQ(AppendSentQTCs(*log, group), 12);
    ASSERT_EQ(log->NoOfQSOs(), 25);
    const TQSO* first = log->QSOs(12);  // the empty line moved past the new ones
    EXPECT_TRUE(first->QSOFlags().Contains(qfSentQTC));
    EXPECT_EQ(first->Call().Call(), "UA9ABC");
    EXPECT_EQ(first->RcvdNumbers(1), "7/10");
    EXPECT_EQ(first->RcvdNumbers(2), log->QSOs(0)->GetFormattedTime(potComplete));
    EXPECT_EQ(first->RcvdNumbers(3), "K1AA");
    EXPECT_EQ(first->RcvdNumbers(4), "001");
    EXPECT_TRUE(log->QSOs(24)->Call().Call().empty());
    EXPECT_EQ(log->Undo(), TUndoOutcome::ListChanged);
    EXPECT_EQ(log->NoOfQSOs(), 13);
    EXPECT_TRUE(log->QSOs(12)->Call().Call().empty());
    EXPECT_FALSE(log->History().CanUndo());
}

TEST(Statistics, CountsWithTheirShareOfTheBandsGoodQSOs) {
    EXPECT_EQ(CountWithShare(3, 60), "3 (5.0%)");
    EXPECT_EQ(CountWithShare(1, 3), "1 (33.3%)");
    EXPECT_EQ(CountWithShare(0, 0), "0 (0.0%)");

    // Multiplier kind 0 counts once in the log, its value in received number 1.
    auto log = test::MakeLog(0, 2, 1, Three());
    AddLine(*log, "DL1AA", b20m, mCW, 0, {"1", "A"});
    AddLine(*log, "DL2AA", b20m, mCW, 1, {"1", "B"});
    AddLine(*log, "DL3AA", b40m, mCW, 2, {"1", "A"});
    log->Compile();
    const std::vector<TStatisticsTable> tables = BuildStatistics(*log);
    ASSERT_EQ(tables.size(), 1u);
    const TStatisticsTable& t = tables[0];
    ASSERT_EQ(t.multies, (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(t.columns.size(), 8u);  // three bands and all bands, counts and calls each
    // Columns: 80 m, 40 m, 20 m, all bands; each QSOs, then calls.
    EXPECT_EQ(t.texts[0][0], "0 (0.0%)");
    EXPECT_EQ(t.texts[0][2], "1 (100.0%)");
    EXPECT_EQ(t.texts[0][3], "DL3AA");
    EXPECT_EQ(t.texts[0][4], "1 (50.0%)");
    EXPECT_EQ(t.texts[0][5], "DL1AA");
    EXPECT_EQ(t.texts[0][6], "2 (66.7%)");
    EXPECT_EQ(t.calls[0][7], (std::vector<std::string>{"DL1AA", "DL3AA"}));
    EXPECT_EQ(t.texts[1][2], "0 (0.0%)");
}

}  // namespace
}  // namespace qz
