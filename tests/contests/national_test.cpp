// German national contests and the home-side/DX-side national contests: scoring through
// the annotated logs tests/data/contests/de_*.txt and nat_*.txt, plus what a log cannot
// show (DOK check, side switch, reports, new lines and suggestions).
#include <gtest/gtest.h>

#include "base/frontend.h"
#include "contests/annotatedlog.h"
#include "contests/framework/dok.h"
#include "contests/framework/factory.h"
#include "contests/hadx.h"
#include "contests/hsc.h"
#include "reflists/memberlist.h"
#include "contests/okdx.h"
#include "contests/pacc.h"
#include "contests/thueringen.h"
#include "contests/vfdb.h"
#include "contests/wag.h"
#include "contests/xmas.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

class NationalLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(NationalLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

std::vector<std::string> NationalLogFiles() {
    std::vector<std::string> files = test::AnnotatedLogs("de_");
    for (const std::string& f : test::AnnotatedLogs("nat_")) files.push_back(f);
    return files;
}

INSTANTIATE_TEST_SUITE_P(Annotated, NationalLogs, ::testing::ValuesIn(NationalLogFiles()), test::AnnotatedLogName);

TEST(DOK, CheckDOK) {
    for (const char* usable : {"A01", "01A", "a01", "Z99", "DARC", "1X"}) EXPECT_EQ(CheckDOK(usable), 0) << usable;
    for (const char* bad : {"", "A", "123", "-A1", "1-A", "01"}) EXPECT_EQ(CheckDOK(bad), 1) << bad;
    EXPECT_EQ(CheckDOK("nm"), 2);
    EXPECT_EQ(CheckDOK("NM"), 2);
}

class National : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
    void TearDown() override { SetFrontEnd(nullptr); }

    std::unique_ptr<TContestLog> Make(TContest contest, const std::string& own) {
        TFileHeader h;
        h.fhContest_Contest = contest;
        h.fhUser_OwnCall = own;
        return CreateContestLog(h, nullptr, test::TestCty());
    }
    static std::string Joined(const std::vector<std::string>& lines) {
        std::string s;
        for (const auto& l : lines) s += l + "\n";
        return s;
    }
};

TEST_F(National, OwnCallChoosesTheSide) {
    struct Case {
        TContest asked;
        const char* own;
        TContest made;
    };
    for (const Case& c : {Case{cOKDX, "OM3ABC", cOKDXok}, Case{cOKDXok, "DL1ABC", cOKDX}, Case{cWAG, "G4ABC", cWAGdx},
                          Case{cWAGdx, "DL1ABC", cWAG}, Case{cSPDX, "SP1ABC", cSPDXsp}, Case{cPACCpa, "DL1ABC", cPACC},
                          Case{cHADX, "HA1ABC", cHADXha}, Case{cHK, "HK0AA", cHKhk}, Case{cHKhk, "K1ABC", cHK},
                          Case{cHB9, "HB9ABC", cHB9hb}, Case{cXMAShb_cw, "DL1ABC", cXMAShb_cw}}) {
        auto log = Make(c.asked, c.own);
        ASSERT_TRUE(log) << c.own;
        EXPECT_EQ(log->Contest(), c.made) << c.own;
    }
}

TEST_F(National, WAGReportCountsQSOsPerMode) {
    auto log = MakeRulesLog<T_WAGDL>(cWAG, "DL1ABC");
    AddQSO(*log, "G4ABC", b20m, mCW, {"001"});
    AddQSO(*log, "G4ABC", b20m, mSSB, {"002"});
    AddQSO(*log, "K1ABC", b40m, mCW, {"003"});
    log->Compile();
    std::vector<std::string> d;
    log->WriteResults(d);
    ASSERT_EQ(d.size(), 15u) << Joined(d);
    EXPECT_EQ(d[1], "Result overview of DL1ABC");
    EXPECT_EQ(d[3], "        Gd QSO  Gd QSO  Gd QSO  Invalid Dupe  Deleted");
    EXPECT_EQ(d[4], " Band       CW     SSB   total   QSOs   QSOs   QSOs   Mul    Pts");
    EXPECT_EQ(d[7], "  40m        1       0       1      0      0      0     1      5");
    EXPECT_EQ(d[8], "  20m        1       1       2      0      0      0     1      6");
    EXPECT_EQ(d[12], "  all        2       1       3      0      0      0     2     11");
    EXPECT_EQ(d[14], "Final result = 11 * 2 = 22");
}

TEST_F(National, VFDBReportWeighsLocatorFields) {
    auto log = MakeRulesLog<T_VFDB>(cVFDB, "DL1ABC");
    AddQSO(*log, "DL2AAA", b80m, mCW, {"Z12", "JO40"});
    log->Compile();
    EXPECT_EQ(log->GetNoOfCalculatedBandMulties(1, b80m), 5);
    std::vector<std::string> d;
    log->WriteResults(d);
    ASSERT_EQ(d.size(), 14u) << Joined(d);
    EXPECT_EQ(d[4], " Band   QSOs   QSOs   QSOs   QSOs   DOK      Loc          Pts");
    EXPECT_EQ(d[6], "  80m      1      0      0      0     1      1*5=5          5");
    EXPECT_EQ(d[11], "  all      1      0      0      0     1          5          5");
    EXPECT_EQ(d[13], "Final result = 5 * (1 + 5) = 30");
}

TEST_F(National, ThueringenNotesAMissingMultiplier) {
    auto log = MakeRulesLog<T_Thueringen>(cThueringen, "DL1ABC");
    AddQSO(*log, "G4ABC", b80m, mCW, {"001"});
    log->Compile();
    std::vector<std::string> d;
    log->WriteResults(d);
    EXPECT_EQ(d.back(), "(In case of multiplier = 0, the multiplier will be set to = 1)");
    AddQSO(*log, "DL2AAA", b80m, mCW, {"X01"});
    log->Compile();
    d.clear();
    log->WriteResults(d);
    EXPECT_EQ(d.back(), "Final result = 2 * 1 = 2");
}

TEST_F(National, EmptyMemberListIsNamedInTheReport) {
    auto log = MakeRulesLog<T_HSC>(cHSC, "DL1ABC");
    AddQSO(*log, "G4ABC", b80m, mCW, {"1234"});
    log->Compile();
    std::vector<std::string> d;
    log->WriteResults(d);
    EXPECT_NE(Joined(d).find("member list HSCMBR.QZ is empty"), std::string::npos) << Joined(d);
}

TEST_F(National, MemberNumberFilledOnlyIntoANumberNeverSet) {
    auto log = MakeRulesLog<T_HSC>(cHSC, "DL1ABC");
    auto fresh = log->NewQSO(false);
    fresh->SetCall("G4ABC");
    fresh->SetBand(b80m);
    fresh->SetDateTime(EncodeDate(2013, 11, 23));
    log->AppendQSO(std::move(fresh));
    AddQSO(*log, "F5ABC", b80m, mCW, {"77"});
    log->Compile();
    // Nobody is in the shipped (empty) list: the new line gets "NM", the typed one stays.
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "NM");
    EXPECT_TRUE(log->QSOs(0)->RcvdHasBeenSet(0));
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(0), "77");
}

TEST_F(National, NewLinesOfTheGermanContests) {
    auto xmas = MakeRulesLog<T_XMAS>(cXMAS, "DL1ABC");
    xmas->SetShowMessageBoxes(false);
    xmas->CreateAndAppendQSO(false);
    const TQSO& first = *xmas->QSOs(0);
    EXPECT_EQ(first.Band(), b80m);
    EXPECT_EQ(DecodeDate(first.DateTime()).day, 26);
    EXPECT_EQ(DecodeDate(first.DateTime()).month, 12);
    xmas->QSOs(0)->SetSentNumbers(0, "B01");
    xmas->CreateAndAppendQSO(false);
    EXPECT_EQ(xmas->QSOs(1)->SentNumbers(0), "B01");

    auto dx = MakeRulesLog<T_WAGDX>(cWAGdx, "G4ABC");
    dx->CreateAndAppendQSO(true);
    dx->CreateAndAppendQSO(true);
    EXPECT_EQ(dx->QSOs(0)->SentNumbers(0), "001");
    EXPECT_EQ(dx->QSOs(1)->SentNumbers(0), "002");
}

TEST_F(National, DOKSuggestion) {
    auto log = MakeRulesLog<T_XMAS>(cXMAS, "DL1ABC");
    AddQSO(*log, "DL2AAA", b80m, mCW, {"B01"});
    AddQSO(*log, "G4ABC", b80m, mCW, {"001"});
    AddQSO(*log, "DL2AAA", b40m, mCW);
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 0, list), "B01");
    EXPECT_EQ(list, std::vector<std::string>{"B01"});
    // A foreign station: the previous line's number as the only candidate, no text.
    AddQSO(*log, "F5ABC", b40m, mCW);
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 0, list), "");
    EXPECT_EQ(list, std::vector<std::string>{""});
}

TEST_F(National, RegionSuggestions) {
    auto ok = MakeRulesLog<T_OKDX_DX>(cOKDX, "DL1ABC");
    AddQSO(*ok, "OK1AAA", b20m, mCW);
    AddQSO(*ok, "OL5AAA", b20m, mCW);
    std::vector<std::string> list;
    const std::string first = ok->GetRcvdNumberToAppend(0, 0, list);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(first, list.front());
    EXPECT_EQ(first, "APA");
    // OL calls have no fixed area: nothing suggested.
    EXPECT_EQ(ok->GetRcvdNumberToAppend(1, 0, list), "");

    auto pa = MakeRulesLog<T_PACC_DX>(cPACC, "DL1ABC");
    AddQSO(*pa, "PA1AAA", b20m, mCW);
    EXPECT_EQ(pa->GetRcvdNumberToAppend(0, 0, list), "DR");
    EXPECT_EQ(list.size(), 12u);

    auto ha = MakeRulesLog<T_HADX_DX>(cHADX, "DL1ABC");
    AddQSO(*ha, "HA1AAA", b20m, mCW);
    EXPECT_EQ(ha->GetRcvdNumberToAppend(0, 0, list), "");
    EXPECT_EQ(list, (std::vector<std::string>{"GY", "VA", "ZA"}));
}

}  // namespace
}  // namespace qz
