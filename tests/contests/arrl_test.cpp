// ARRL rules: scoring through the annotated logs tests/data/contests/arrl*.txt, plus the
// side of the DX contest, new lines and exchange suggestions.
#include "contests/arrl.h"

#include <gtest/gtest.h>

#include "contests/annotatedlog.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

class ARRLLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(ARRLLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, ARRLLogs, ::testing::ValuesIn(test::AnnotatedLogs("arrl")), test::AnnotatedLogName);

class ARRL : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_F(ARRL, SideOfTheDXContestFollowsTheOwnCall) {
    EXPECT_TRUE(MakeRulesLog<T_ARRL>(cARRLcw, "AA3B")->IsWVESide());
    EXPECT_TRUE(MakeRulesLog<T_ARRL>(cARRLcw, "VE3EJ")->IsWVESide());
    // Alaska, Hawaii and the Caribbean islands are DX in this contest.
    EXPECT_FALSE(MakeRulesLog<T_ARRL>(cARRLssb, "KH6ABC")->IsWVESide());
    EXPECT_FALSE(MakeRulesLog<T_ARRL>(cARRLssb, "8P5A")->IsWVESide());
}

TEST_F(ARRL, NewLinesSendPowerOrStateOrSerial) {
    auto dx = MakeRulesLog<T_ARRL>(cARRLssb, "DL1ABC");
    dx->SetConstantSentNumber("100");
    dx->CreateAndAppendQSO(false);  // the silent front end answers with the default
    dx->CreateAndAppendQSO(false);
    EXPECT_EQ(dx->QSOs(0)->Band(), b20m);
    EXPECT_EQ(dx->QSOs(0)->Mode(), mSSB);
    EXPECT_EQ(dx->QSOs(1)->SentNumbers(0), "100");

    auto wve = MakeRulesLog<T_ARRL10M>(cAR10, "K1ABC");
    wve->SetConstantSentNumber("MA");
    wve->CreateAndAppendQSO(false);
    wve->CreateAndAppendQSO(false);
    EXPECT_EQ(wve->QSOs(0)->Band(), b10m);
    EXPECT_EQ(wve->QSOs(0)->Mode(), mCW);
    EXPECT_EQ(wve->QSOs(1)->SentNumbers(0), "MA");
    auto mm = MakeRulesLog<T_ARRL10M>(cAR10, "K1ABC/MM");
    mm->CreateAndAppendQSO(false);
    mm->CreateAndAppendQSO(false);
    EXPECT_EQ(mm->QSOs(1)->SentNumbers(0), "002");

    auto top = MakeRulesLog<T_ARRL160M_DX>(cAR160, "DL1ABC");
    top->CreateAndAppendQSO(true);
    EXPECT_EQ(top->QSOs(0)->Band(), b160m);
    EXPECT_EQ(top->QSOs(0)->SentNumbers(0), "");
}

TEST_F(ARRL, StateSuggestedFromEarlierQSOOrCall) {
    auto log = MakeRulesLog<T_ARRL>(cARRLcw, "DL1ABC");
    AddQSO(*log, "W1AW", b20m, mCW, {"CT"});
    AddQSO(*log, "W1AW", b40m, mCW);
    AddQSO(*log, "K2ABC", b40m, mCW);
    AddQSO(*log, "VE3EJ", b40m, mCW);
    AddQSO(*log, "G4ABC", b40m, mCW);
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 0, list), "CT");
    EXPECT_EQ(list, std::vector<std::string>{"CT"});
    // A US call: the states of its call area, the first one suggested.
    const std::string state = log->GetRcvdNumberToAppend(2, 0, list);
    EXPECT_FALSE(state.empty());
    EXPECT_EQ(state, list.front());
    EXPECT_NE(std::find(list.begin(), list.end(), "NY"), list.end());
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 0, list), "ON");
    // No state known: the previous line's number is offered, nothing typed in.
    EXPECT_EQ(log->GetRcvdNumberToAppend(4, 0, list), "");
    EXPECT_EQ(list, std::vector<std::string>{""});
}

}  // namespace
}  // namespace qz
