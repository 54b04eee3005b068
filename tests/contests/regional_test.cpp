// Rules of the regional DX contests (SAC, All Asian, JIDX, Oceania): scoring through the
// annotated logs tests/data/contests/{sac,aadx,jidx,vkzl}*.txt, plus what a log cannot
// show: points of the own continent, new lines and exchange suggestions.
#include <gtest/gtest.h>

#include "base/frontend.h"
#include "contests/allasian.h"
#include "contests/annotatedlog.h"
#include "contests/jidx.h"
#include "contests/sac.h"
#include "contests/vkzl.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

std::vector<std::string> RegionalLogFiles() {
    std::vector<std::string> files;
    for (const char* prefix : {"sac", "aadx", "jidx", "vkzl"})
        for (const std::string& f : test::AnnotatedLogs(prefix)) files.push_back(f);
    return files;
}

class RegionalLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(RegionalLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, RegionalLogs, ::testing::ValuesIn(RegionalLogFiles()), test::AnnotatedLogName);

class Regional : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
    void TearDown() override { SetFrontEnd(nullptr); }
};

TEST_F(Regional, SameContinentScoresLittleOrNothing) {
    auto sac = MakeRulesLog<T_SAC>(cSACssb, "DL1ABC");
    AddQSO(*sac, "SM5ABC", b40m, mSSB);
    auto oceania = MakeRulesLog<T_VKZL>(cVKZLcw, "VK3ABC");
    AddQSO(*oceania, "ZL1ABC", b160m, mCW);
    sac->Compile();
    oceania->Compile();
    EXPECT_EQ(sac->QSOs(0)->Points(), 1);
    EXPECT_EQ(oceania->QSOs(0)->Points(), 0);
    EXPECT_EQ(oceania->QSOs(0)->Multies(0), "ZL1");
}

TEST_F(Regional, NewLinesSendSerialZoneOrAge) {
    auto sac = MakeRulesLog<T_SAC_SC>(cSACsc_cw, "SM5ABC");
    sac->CreateAndAppendQSO(true);
    sac->CreateAndAppendQSO(true);
    EXPECT_EQ(sac->QSOs(1)->SentNumbers(0), "002");
    EXPECT_EQ(sac->QSOs(0)->Mode(), mCW);

    auto jidx = MakeRulesLog<T_JA_DX>(cJIDXssb, "DL1ABC");
    jidx->CreateAndAppendQSO(true);
    jidx->CreateAndAppendQSO(true);
    EXPECT_EQ(jidx->QSOs(0)->SentNumbers(0), "14");
    EXPECT_EQ(jidx->QSOs(1)->SentNumbers(0), "14");
    EXPECT_EQ(jidx->QSOs(0)->Mode(), mSSB);

    auto asia = MakeRulesLog<T_AA_ASIA>(cAADXas_cw, "JA1ABC");
    asia->SetConstantSentNumber("45");
    asia->CreateAndAppendQSO(false);
    asia->QSOs(0)->SetSentNumbers(0, "46");
    asia->CreateAndAppendQSO(false);
    EXPECT_EQ(asia->QSOs(0)->SentNumbers(0), "46");
    EXPECT_EQ(asia->QSOs(1)->SentNumbers(0), "46");
}

// Counts the beeps of the front end.
class TBeepCounter : public TSilentFrontEnd {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

TEST_F(Regional, AgeOfAnEarlierQSOIsSuggestedWithABeep) {
    TBeepCounter frontEnd;
    SetFrontEnd(&frontEnd);
    auto log = MakeRulesLog<T_AADX>(cAADXcw, "DL1ABC");
    AddQSO(*log, "JA1ABC", b20m, mCW, {"45"});
    AddQSO(*log, "JA2XYZ", b40m, mCW, {"33"});
    AddQSO(*log, "JA1ABC", b40m, mCW);
    AddQSO(*log, "JA3ZZZ", b40m, mCW);
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 0, list), "45");
    EXPECT_EQ(frontEnd.beeps, 1);
    // Without an earlier QSO the previous line's age, and no beep.
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 0, list), "");
    EXPECT_EQ(frontEnd.beeps, 1);
}

TEST_F(Regional, PrefectureSuggestedFromTheCallArea) {
    auto log = MakeRulesLog<T_JA_DX>(cJIDXcw, "DL1ABC");
    AddQSO(*log, "JA8ABC", b20m, mCW, {"01"});
    AddQSO(*log, "7K4ABC", b20m, mCW);
    AddQSO(*log, "JA8ABC", b40m, mCW);
    AddQSO(*log, "JD1BIA", b40m, mCW);
    std::vector<std::string> list;
    // 7K4 is a Kanto prefix: the prefectures of call area 1 (Tokyo is 10).
    log->GetRcvdNumberToAppend(1, 0, list);
    EXPECT_NE(std::find(list.begin(), list.end(), "10"), list.end());
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 0, list), "01");
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 0, list), "48");
}

}  // namespace
}  // namespace qz
