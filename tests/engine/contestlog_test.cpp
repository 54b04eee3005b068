#include "engine/contestlog.h"

#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/language.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddLine;
using test::MakeLog;

SBand Six() { return {b160m, b80m, b40m, b20m, b15m, b10m}; }

std::vector<std::string> Calls(const TContestLog& log) {
    std::vector<std::string> r;
    for (int i = 0; i < log.NoOfQSOs(); ++i) r.push_back(log.QSOs(i)->Call().Call());
    return r;
}

TEST(ContestLog, ConstructionTakesTheHeader) {
    test::UseEnglishStrings();
    auto log = MakeLog(1, 1, 0, Six(), {}, "dl1abc", cWAEcw);
    EXPECT_EQ(log->ContestLogCreateError, ENoError);
    EXPECT_EQ(log->OwnCall().Call(), "DL1ABC");
    EXPECT_EQ(log->OwnCall().CtyMasterPrefix(), "DL");
    EXPECT_EQ(log->Contest(), cWAEcw);
    EXPECT_EQ(log->GetLongContestName(), "WAE DX Contest CW ");
    EXPECT_EQ(log->Modes(), AllModes());  // an empty mode set allows every mode
    EXPECT_TRUE(log->ShowModeInCategory());
    ASSERT_EQ(log->NoOfColumns(), 8);
    EXPECT_EQ(log->ColumnProperty(5), cpCall);
    EXPECT_EQ(log->ColumnHeader(5), LS(49));
    EXPECT_EQ(log->ColumnSTFOrderKeyWord(7), "SRst");
    EXPECT_EQ(log->ColumnProperty(99), cpNr);
    EXPECT_EQ(log->GetColumnNumberFromProperty(cpCall, -1, 8), 5);
    EXPECT_EQ(log->GetColumnNumberFromProperty(cpPoints, -1, 8), 0);
    EXPECT_FALSE(log->CanSelectCell(0, 0));
    EXPECT_TRUE(log->CanSelectCell(5, 0));
    AddLine(*log, "W1AW", b20m, mCW, 0);
    EXPECT_EQ(log->GetLongContestName(), "WAE DX Contest CW 2013");
}

TEST(ContestLog, MissingCountryDataIsACreateError) {
    auto log = std::make_unique<test::TTestLog>(1, 1, 0, Six());
    TFileHeader h;
    h.fhUser_OwnCall = "DL1ABC";
    log->Init(h, TCtyStuff::FromText(""));
    EXPECT_EQ(log->ContestLogCreateError, ECtyFile);
}

TEST(ContestLog, SideSwitchFollowsTheOwnCall) {
    for (auto [call, expected] : {std::pair{"DL1ABC", cWAG}, std::pair{"W1AW", cWAGdx}}) {
        auto log = std::make_unique<test::TTestLog>(1, 1, 1, Six());
        log->SetSides({"DL"}, loInclude, cWAGdx);
        TFileHeader h;
        h.fhUser_OwnCall = call;
        h.fhContest_Contest = cWAG;
        log->Init(h, test::TinyCty());
        EXPECT_EQ(log->Contest(), expected) << call;
        EXPECT_EQ(log->FileHeader().fhContest_Contest, expected) << call;
    }
    auto ex = std::make_unique<test::TTestLog>(1, 1, 1, Six());
    ex->SetSides({"DL"}, loExclude, cWAG);
    TFileHeader h;
    h.fhUser_OwnCall = "DK2XY";
    h.fhContest_Contest = cWAGdx;
    ex->Init(h, test::TinyCty());
    EXPECT_EQ(ex->Contest(), cWAG);
}

TEST(ContestLog, InsertAtTimeGoesAfterEqualTimesAndSortIsStable) {
    auto log = MakeLog(0, 0, 0, Six());
    AddLine(*log, "DL1A", b20m, mCW, 10);
    AddLine(*log, "DL1B", b20m, mCW, 10);
    AddLine(*log, "DL1C", b20m, mCW, 10);
    AddLine(*log, "DL1D", b20m, mCW, 20);
    auto q = log->NewQSO(true);
    q->SetCall("DL1X");
    q->SetDateTime(EncodeDate(2013, 1, 5) + 10 / 1440.0);
    log->InsertQSOAtTime(std::move(q));
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"DL1A", "DL1B", "DL1C", "DL1X", "DL1D"}));

    auto s = MakeLog(0, 0, 0, Six());
    AddLine(*s, "DL1E", b20m, mCW, 30);
    AddLine(*s, "DL1A", b20m, mCW, 10);
    AddLine(*s, "DL1F", b20m, mCW, 30);
    AddLine(*s, "DL1B", b20m, mCW, 10);
    AddLine(*s, "DL1Z", b20m, mCW, 5);
    s->SortByTime();
    EXPECT_EQ(Calls(*s), (std::vector<std::string>{"DL1Z", "DL1A", "DL1B", "DL1E", "DL1F"}));
}

TEST(ContestLog, MoveAndIndexOf) {
    auto log = MakeLog(1, 1, 0, Six());
    for (const char* c : {"DL1A", "DL1B", "DL1C"}) AddLine(*log, c, b20m, mCW, 0, {"001"});
    log->MoveQSO(0, 2, false);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"DL1B", "DL1C", "DL1A"}));
    log->MoveQSO(0, 3, false);  // beyond the last line: ignored
    EXPECT_EQ(Calls(*log)[0], "DL1B");
    auto probe = log->NewQSO(true);
    probe->CopyFrom(log->QSOs(1));
    probe->SetRcvdNumbers(0, "001");
    EXPECT_EQ(log->IndexOf(probe.get()), 1);
    probe->SetRcvdNumbers(0, "002");
    EXPECT_EQ(log->IndexOf(probe.get()), -1);
    EXPECT_EQ(log->IndexOf(nullptr), -1);
}

TEST(ContestLog, BulkDeletesKeepTheLastLine) {
    auto log = MakeLog(0, 0, 0, Six());
    AddLine(*log, "", b20m, mCW, 0);
    EXPECT_EQ(log->DeleteAllEmpties(), 0);
    EXPECT_EQ(log->NoOfQSOs(), 1);
    AddLine(*log, "DL1A", b20m, mCW, 0);
    AddLine(*log, "", b20m, mCW, 0);
    EXPECT_EQ(log->DeleteAllEmpties(), 2);
    EXPECT_EQ(Calls(*log), (std::vector<std::string>{"DL1A"}));

    auto sel = MakeLog(0, 0, 0, Six());
    for (const char* c : {"DL1A", "DL1B", "DL1C"}) AddLine(*sel, c, b20m, mCW, 0);
    for (int i = 0; i < 3; ++i) sel->QSOs(i)->SetSelected(true);
    EXPECT_EQ(sel->DeleteAllSelected(), 0);  // everything selected: nothing deleted
    sel->QSOs(1)->SetSelected(false);
    EXPECT_EQ(sel->DeleteAllSelected(), 2);
    EXPECT_EQ(Calls(*sel), (std::vector<std::string>{"DL1B"}));
}

TEST(ContestLog, NextNumbers) {
    auto log = MakeLog(1, 2, 0, Six());
    EXPECT_EQ(log->NextSentSerialText(0), "001");
    AddLine(*log, "DL1A", b20m, mCW, 0);
    log->QSOs(0)->SetSentNumbers(0, "12");
    AddLine(*log, "DL1B", b20m, mCW, 1);
    log->QSOs(1)->SetSentNumbers(0, "abc");
    EXPECT_EQ(log->GetNextSentQSONumber(0), "013");  // looks further back past "abc"
    EXPECT_EQ(log->NextSentSerialText(0), "003");    // last is no number: lines + 1
    EXPECT_EQ(log->GetNextSentQSONumber(1), "");
    EXPECT_EQ(log->GetNextSentQTCSerialNumber(), 1);
    AddLine(*log, "DL1C", b20m, mCW, 2);
    log->QSOs(2)->SetQSOFlags({qfSentQTC});
    log->QSOs(2)->SetRcvdNumbers(1, "7/10");
    EXPECT_EQ(log->GetNextSentQTCSerialNumber(), 8);
}

TEST(ContestLog, UsedBandsAndModesCountGoodLinesOnly) {
    auto log = MakeLog(0, 1, 0, Six());
    EXPECT_EQ(log->GetUsedBands(), ubSingleBand);
    AddLine(*log, "DL1A", b20m, mCW, 0);
    AddLine(*log, "DL1A", b40m, mSSB, 1);
    log->QSOs(1)->IncludeFlag(qfDupe);
    EXPECT_EQ(log->GetUsedBands(), ubSingleBand);
    EXPECT_EQ(log->GetUsedModes(), umSingleMode);
    log->QSOs(1)->ExcludeFlag(qfDupe);
    EXPECT_EQ(log->GetUsedBands(), ubAllBands);
    EXPECT_EQ(log->GetUsedModes(), umMixedMode);
}

}  // namespace
}  // namespace qz
