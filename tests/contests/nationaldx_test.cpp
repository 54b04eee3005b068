// Rules of the national DX contests without a home-side class (YO, LZ, Russian,
// Ukrainian, ARI, EA, 9A, UBA, YV, Bucharest, PA-Beker): scoring through their
// annotated logs in tests/data/contests/, plus what one log cannot show: points that
// depend on the own station, new lines and exchange suggestions.
#include <gtest/gtest.h>

#include "contests/annotatedlog.h"
#include "contests/bucuresti.h"
#include "contests/lzdx.h"
#include "contests/pabeker.h"
#include "contests/uadx.h"
#include "contests/uba.h"
#include "contests/yodx.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

std::vector<std::string> NationalDXLogFiles() {
    std::vector<std::string> files;
    for (const char* prefix :
         {"yodx", "lzdx", "uadx", "ub5", "ari", "eadx", "9adx", "uba", "yv", "bucuresti", "pabeker"})
        for (const std::string& f : test::AnnotatedLogs(prefix)) files.push_back(f);
    return files;
}

class NationalDXLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(NationalDXLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, NationalDXLogs, ::testing::ValuesIn(NationalDXLogFiles()), test::AnnotatedLogName);

class NationalDX : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

// Points of the Bucharest contest for `ownCall` working each call (received number 1
// as given).
std::vector<std::int32_t> BucurestiPoints(const std::string& ownCall) {
    auto log = MakeRulesLog<T_BUCURESTI>(cBucuresti, ownCall);
    AddQSO(*log, "DL1ABC", b80m, mCW, {"001", "DE"});
    AddQSO(*log, "YO3ABC", b80m, mCW, {"002", "XA"});
    AddQSO(*log, "YO3XYZ", b80m, mCW, {"003", "X7"});
    AddQSO(*log, "YO2ABC", b80m, mCW, {"004", "AR"});
    log->Compile();
    std::vector<std::int32_t> points;
    for (int i = 0; i < log->NoOfQSOs(); ++i) points.push_back(log->QSOs(i)->Points());
    return points;
}

TEST_F(NationalDX, BucurestiPointsDependOnBothStations) {
    EXPECT_EQ(BucurestiPoints("DL5ABC"), (std::vector<std::int32_t>{2, 4, 2, 2}));
    // A Romanian own station in call area 3 scores by the call area alone.
    EXPECT_EQ(BucurestiPoints("YO3KPA"), (std::vector<std::int32_t>{4, 2, 2, 4}));
    EXPECT_EQ(BucurestiPoints("YO9KPA"), (std::vector<std::int32_t>{2, 4, 4, 2}));
}

TEST_F(NationalDX, NewLinesSendSerialZoneOrRegion) {
    auto lz = MakeRulesLog<T_LZDX_DX>(cLZDX, "DL1ABC");
    lz->CreateAndAppendQSO(true);
    lz->CreateAndAppendQSO(true);
    EXPECT_EQ(lz->QSOs(0)->SentNumbers(0), "28");
    EXPECT_EQ(lz->QSOs(1)->SentNumbers(0), "28");

    auto pa = MakeRulesLog<T_PA_BEKER>(cPABeker_ssb, "PA3XYZ");
    pa->SetConstantSentNumber("GR");
    pa->CreateAndAppendQSO(false);
    pa->CreateAndAppendQSO(false);
    EXPECT_EQ(pa->QSOs(0)->Band(), b80m);
    EXPECT_EQ(pa->QSOs(0)->Mode(), mSSB);
    EXPECT_EQ(pa->QSOs(1)->SentNumbers(0), "GR");

    auto bu = MakeRulesLog<T_BUCURESTI>(cBucuresti, "DL1ABC");
    bu->SetConstantSentNumber("DE");
    bu->CreateAndAppendQSO(false);
    bu->CreateAndAppendQSO(false);
    EXPECT_EQ(bu->QSOs(0)->Band(), b80m);
    EXPECT_EQ(bu->QSOs(1)->SentNumbers(0), "002");
    EXPECT_EQ(bu->QSOs(1)->SentNumbers(1), "DE");

    auto uba = MakeRulesLog<T_UBA_DX>(cUBAssb, "DL1ABC");
    uba->CreateAndAppendQSO(true);
    EXPECT_EQ(uba->QSOs(0)->Mode(), mSSB);
    EXPECT_EQ(uba->QSOs(0)->SentNumbers(0), "001");
}

TEST_F(NationalDX, RegionSuggestedFromTheCall) {
    auto ua = MakeRulesLog<T_UADX_DX>(cUADX, "DL1ABC");
    AddQSO(*ua, "RA3ABC", b20m, mCW);
    AddQSO(*ua, "UA9WAA", b20m, mCW);
    std::vector<std::string> list;
    EXPECT_EQ(ua->GetRcvdNumberToAppend(0, 0, list), "MA");
    EXPECT_FALSE(ua->GetRcvdNumberToAppend(1, 0, list).empty());

    auto yo = MakeRulesLog<T_YODX_DX>(cYODX, "DL1ABC");
    AddQSO(*yo, "YO2ABC", b20m, mCW, {"TM"});
    AddQSO(*yo, "YO2ABC", b40m, mCW);
    AddQSO(*yo, "YO9XYZ", b40m, mCW);
    EXPECT_EQ(yo->GetRcvdNumberToAppend(1, 0, list), "TM");
    yo->GetRcvdNumberToAppend(2, 0, list);
    EXPECT_NE(std::find(list.begin(), list.end(), "GR"), list.end());

    // A foreign station in the Bucharest contest: its internet country code.
    auto bu = MakeRulesLog<T_BUCURESTI>(cBucuresti, "DL1ABC");
    AddQSO(*bu, "G4ABC", b80m, mCW);
    EXPECT_EQ(bu->GetRcvdNumberToAppend(0, 1, list), "UK");
}

}  // namespace
}  // namespace qz
