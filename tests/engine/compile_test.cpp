#include <gtest/gtest.h>

#include "base/language.h"
#include "base/options.h"
#include "engine/contestlog.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddLine;
using test::MakeLog;

SBand Six() { return {b160m, b80m, b40m, b20m, b15m, b10m}; }

std::vector<SQSOFlags> FlagsOf(const TContestLog& log) {
    std::vector<SQSOFlags> r;
    for (int i = 0; i < log.NoOfQSOs(); ++i) r.push_back(log.QSOs(i)->QSOFlags());
    return r;
}

class Compile : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
    void TearDown() override { Options = TOptions(); }
};

TEST_F(Compile, BaseDupeRuleIsCallAndBand) {
    auto log = MakeLog(0, 2, 1, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0, {"1", "DL"});
    AddLine(*log, "DL1A", b20m, mSSB, 1, {"1", "DL"});  // other mode, same band: dupe
    AddLine(*log, "DL1A", b40m, mCW, 2, {"1", "DL"});
    AddLine(*log, "DL1B", b20m, mCW, 3, {"1", "DL"});
    AddLine(*log, "DL1B", b20m, mCW, 4, {"1", "DL"});  // dupe of a deleted line: not a dupe
    log->QSOs(3)->IncludeFlag(qfUserDeleted);
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    log->Compile();
    auto f = FlagsOf(*log);
    EXPECT_FALSE(f[0].Contains(qfDupe));
    EXPECT_TRUE(f[1].Contains(qfDupe));
    EXPECT_FALSE(f[2].Contains(qfDupe));
    EXPECT_FALSE(f[4].Contains(qfDupe));
    EXPECT_EQ(log->Result().NoOfAllDupes(), 1);
    EXPECT_EQ(log->Result().NoOfAllUserDeletedQSOs(), 1);
    EXPECT_EQ(log->Result().NoOfAllGoodQSOs(), 3);
    EXPECT_EQ(log->Result().NoOfBandModeGoodQSOs(b20m, mCW), 2);
    EXPECT_EQ(log->Result().NoOfAllMulties(0), 1);
    EXPECT_EQ(log->Result().AllPoints(), 3);
    EXPECT_EQ(messages.back(), LS(262) + " (3 Points)");
    // Compiling twice gives the same flags and results.
    log->Compile();
    EXPECT_EQ(FlagsOf(*log), f);
    EXPECT_EQ(log->Result().NoOfAllDupes(), 1);
    EXPECT_EQ(log->Result().AllPoints(), 3);
    EXPECT_EQ(log->Result().NoOfAllMulties(0), 1);
}

TEST_F(Compile, DupeScopeSetsWhichEarlierLinesMakeADupe) {
    struct TCase {
        TDupeScope scope;
        std::vector<bool> dupes;
    };
    for (const TCase& c :
         {TCase{TDupeScope::Log, {false, true, true, true}}, TCase{TDupeScope::Band, {false, true, false, true}},
          TCase{TDupeScope::BandMode, {false, false, false, true}}}) {
        auto log = MakeLog(0, 2, 1, Six());
        log->SetDupeScope(c.scope);
        AddLine(*log, "DL1A", b20m, mCW, 0, {"1", "DL"});
        AddLine(*log, "DL1A", b20m, mSSB, 1, {"1", "DL"});
        AddLine(*log, "DL1A", b40m, mCW, 2, {"1", "DL"});
        AddLine(*log, "DL1A", b20m, mCW, 3, {"1", "DL"});
        log->Compile();
        for (int i = 0; i < log->NoOfQSOs(); ++i) {
            EXPECT_EQ(log->QSOs(i)->QSOFlags().Contains(qfDupe), c.dupes[i]) << "line " << i;
            // Asked outside a compile, the rule gives the same answer.
            EXPECT_EQ(log->IsDupe(i), c.dupes[i]) << "line " << i;
        }
    }
}

TEST_F(Compile, DisallowedBandCountsPerBandOnly) {
    TCompileSettings keep;
    keep.CancelQSOIfBandIsNotAllowed = false;
    auto log = MakeLog(0, 2, 1, {b20m});
    AddLine(*log, "DL1A", b30m, mCW, 0, {"5", "X"});
    AddLine(*log, "DL1A", b30m, mCW, 1, {"5", "Y"});
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    log->Compile(keep);
    EXPECT_FALSE(log->QSOs(0)->QSOFlags().Contains(qfInvalid));
    EXPECT_TRUE(log->QSOs(1)->QSOFlags().Contains(qfDupe));
    EXPECT_EQ(log->Result().NoOfBandGoodQSOs(b30m), 1);
    EXPECT_EQ(log->Result().NoOfBandDupes(b30m), 1);
    EXPECT_EQ(log->Result().BandPoints(b30m), 5);
    EXPECT_EQ(log->Result().NoOfAllGoodQSOs(), 0);
    EXPECT_EQ(log->Result().AllPoints(), 0);
    // Only a note, without the rejection prefix.
    EXPECT_EQ(messages[2], "QSO #1: " + LS(47) + " 30m " + LS(341));

    messages.clear();
    log->Compile();
    EXPECT_TRUE(log->QSOs(0)->QSOFlags().Contains(qfInvalid));
    EXPECT_EQ(log->Result().NoOfBandInvalidQSOs(b30m), 2);
    EXPECT_EQ(messages[2], "QSO #1: " + LS(293) + ": " + LS(47) + " 30m " + LS(341));
}

// A committee counts the later, valid contact with a station when the earlier line
// was rejected; only lines that count make later ones dupes.
TEST_F(Compile, RejectedLineMakesNoLaterContactADupe) {
    auto log = MakeLog(0, 2, 1, Six(), {mCW});
    AddLine(*log, "DL1A", b20m, mSSB, 0, {"1", "DL"});  // mode not allowed: invalid
    AddLine(*log, "DL1A", b20m, mCW, 1, {"1", "DL"});   // counts
    AddLine(*log, "DL1A", b20m, mCW, 2, {"1", "DL"});   // dupe of the line that counts
    AddLine(*log, "XX9ZZ", b40m, mCW, 3, {"1", "XX"});  // no country: invalid
    AddLine(*log, "XX9ZZ", b40m, mCW, 4, {"1", "XX"});  // invalid again, but no dupe
    log->Compile();
    auto f = FlagsOf(*log);
    EXPECT_TRUE(f[0].Contains(qfInvalid));
    EXPECT_FALSE(f[1].Contains(qfDupe));
    EXPECT_TRUE(f[2].Contains(qfDupe));
    EXPECT_FALSE(f[4].Contains(qfDupe));
    EXPECT_EQ(log->Result().NoOfAllGoodQSOs(), 1);
    EXPECT_EQ(log->Result().NoOfAllDupes(), 1);
    EXPECT_EQ(log->Result().NoOfAllInvalidQSOs(), 3);
    // Asked outside a compile pass, the rule answers the same from the flags.
    EXPECT_FALSE(log->IsDupe(1));
    EXPECT_TRUE(log->IsDupe(2));

    // With the mode allowed by the settings, the first line counts and the second is
    // its dupe.
    TCompileSettings keep;
    keep.CancelQSOIfModeIsNotAllowed = false;
    log->Compile(keep);
    EXPECT_TRUE(log->QSOs(1)->QSOFlags().Contains(qfDupe));
    EXPECT_EQ(log->Result().NoOfAllDupes(), 2);
}

TEST_F(Compile, UnknownCountryAndDisallowedModeAreInvalid) {
    auto log = MakeLog(0, 1, 0, Six(), {mCW});
    AddLine(*log, "XX9ZZ", b20m, mCW, 0, {"1"});
    AddLine(*log, "DL1A", b20m, mSSB, 1, {"1"});
    AddLine(*log, "DL1B", b20m, mCW, 2, {"1"});
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    log->Compile();
    EXPECT_TRUE(log->QSOs(0)->QSOFlags().Contains(qfInvalid));
    EXPECT_TRUE(log->QSOs(1)->QSOFlags().Contains(qfInvalid));
    EXPECT_EQ(log->Result().NoOfAllInvalidQSOs(), 2);
    EXPECT_EQ(log->GetFinalResult(), 1);  // no multiplier kinds: the points
    EXPECT_EQ(messages[2], "QSO #1: " + LS(270) + " XX9ZZ");
    EXPECT_EQ(messages[3], "QSO #2: " + LS(293) + ": " + LS(400) + " SSB " + LS(341));
}

TEST_F(Compile, NewMultiplierTestLogWiseAndBandWise) {
    auto log = MakeLog(0, 3, 2, Six());
    AddLine(*log, "DL1A", b20m, mCW, 0, {"1", "DL", "14"});
    AddLine(*log, "DL1B", b20m, mCW, 1, {"1", "DL", "14"});
    AddLine(*log, "DL1C", b40m, mCW, 2, {"1", "dl", "14"});  // other case is another value
    AddLine(*log, "DL1D", b40m, mCW, 3, {"1", "DL", "14"});
    log->Compile();
    EXPECT_EQ(log->QSOs(0)->Multies(0), "DL");
    EXPECT_EQ(log->QSOs(1)->Multies(0), "");
    EXPECT_EQ(log->QSOs(2)->Multies(0), "dl");
    EXPECT_EQ(log->QSOs(3)->Multies(0), "");
    EXPECT_EQ(log->QSOs(2)->Multies(1), "14");  // band-wise: new on 40m
    EXPECT_EQ(log->QSOs(3)->Multies(1), "");
    EXPECT_EQ(log->Result().NoOfAllMulties(0), 2);
    EXPECT_EQ(log->Result().NoOfAllMulties(1), 2);
    EXPECT_EQ(log->GetFinalResult(), 4 * (2 + 2));
    // The register holds every call that carried a value; its sort ignores case, so
    // "dl" shares the entry of "DL".
    const TMultiList& m0 = log->MultiList()[0];
    ASSERT_EQ(m0.size(), 1u);
    EXPECT_EQ(m0.begin()->second.mliSummaryList, (std::vector<std::string>{"DL1A", "DL1B", "DL1C", "DL1D"}));
    EXPECT_EQ(log->MultiList()[1].at("14").mliBandLists[b40m], (std::vector<std::string>{"DL1C", "DL1D"}));
    // Outside a compile pass the rule scans the earlier lines and answers the same.
    EXPECT_EQ(log->NewMulti(3, 1, "14", true), "");
    EXPECT_EQ(log->NewMulti(3, 1, "15", true), "15");
}

TEST_F(Compile, MultipliersPerBandAndMode) {
    auto log = MakeLog(0, 4, 3, Six(), {mCW, mSSB});
    AddLine(*log, "DL1A", b20m, mCW, 0, {"1", "", "", "MA"});
    AddLine(*log, "DL1B", b20m, mSSB, 1, {"1", "", "", "MA"});  // other mode: new
    AddLine(*log, "DL1C", b20m, mCW, 2, {"1", "", "", "MA"});
    AddLine(*log, "DL1D", b40m, mCW, 3, {"1", "", "", "MA"});  // other band: new
    log->Compile();
    std::vector<std::string> got;
    for (int i = 0; i < log->NoOfQSOs(); ++i) got.push_back(log->QSOs(i)->Multies(2));
    EXPECT_EQ(got, (std::vector<std::string>{"MA", "MA", "", "MA"}));
    EXPECT_EQ(log->Result().NoOfAllMulties(2), 3);
    EXPECT_EQ(log->MultiList()[2].at("MA").mliSummaryList, (std::vector<std::string>{"DL1A", "DL1B", "DL1C", "DL1D"}));
    // Outside a compile pass the rule scans the earlier lines and answers the same.
    EXPECT_EQ(log->NewMulti(2, 2, "MA", TMultiScope::BandMode), "");
    EXPECT_EQ(log->NewMulti(1, 2, "MA", TMultiScope::BandMode), "");
    EXPECT_EQ(log->NewMulti(3, 2, "CT", TMultiScope::BandMode), "CT");
    log->QSOs(1)->SetMulties(2, "");
    EXPECT_EQ(log->NewMulti(1, 2, "MA", TMultiScope::BandMode), "MA");
}

TEST_F(Compile, FinalResultMultipliesPointsBySumOfKinds) {
    auto log = MakeLog(0, 3, 2, {b20m});
    for (int i = 0; i < 10; ++i) {
        std::string m0 = "A" + std::to_string(i);
        std::string m1 = i < 5 ? "B" + std::to_string(i) : "B0";
        AddLine(*log, "DL" + std::to_string(i) + "AA", b20m, mCW, i, {"10", m0.c_str(), m1.c_str()});
    }
    log->Compile();
    EXPECT_EQ(log->Result().AllPoints(), 100);
    EXPECT_EQ(log->Result().NoOfAllMulties(0), 10);
    EXPECT_EQ(log->Result().NoOfAllMulties(1), 5);
    EXPECT_EQ(log->GetFinalResult(), 1500);
}

TEST_F(Compile, SortsByTimeAndClearsSeconds) {
    auto log = MakeLog(0, 1, 0, Six());
    AddLine(*log, "DL1B", b20m, mCW, 20, {"1"});
    AddLine(*log, "DL1A", b20m, mCW, 10, {"1"});
    log->QSOs(0)->SetDateTime(log->QSOs(0)->DateTime() + 30.0 / 86400);
    log->Compile();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "DL1A");
    EXPECT_EQ(log->QSOs(1)->GetFormattedTime(potComplete), "0020");
    TCompileSettings unsorted;
    unsorted.SortLog = false;
    AddLine(*log, "DL1C", b20m, mCW, 0, {"1"});
    log->Compile(unsorted);
    EXPECT_EQ(log->QSOs(2)->Call().Call(), "DL1C");
}

// A result depends only on the settings handed to the compile, never on the stored
// options of the process; the settings that differ from their defaults are named.
TEST_F(Compile, SettingsArePassedNotTakenFromTheStoredOptions) {
    auto log = MakeLog(0, 1, 0, {b20m}, {mCW});
    AddLine(*log, "DL1A", b20m, mSSB, 0, {"1"});
    AddLine(*log, "DL1B", b40m, mCW, 1, {"1"});
    Options.Compile_CancelQSOIfBandIsNotAllowed.oValue = false;
    Options.Compile_CancelQSOIfModeIsNotAllowed.oValue = false;
    log->Compile();
    EXPECT_EQ(log->Result().NoOfAllInvalidQSOs(), 1);
    EXPECT_EQ(log->Result().NoOfBandInvalidQSOs(b40m), 1);
    EXPECT_EQ(NonDefaultCompileSettings(log->CompileSettings()), std::vector<std::string>{});

    const TCompileSettings fromOptions = CompileSettingsFromOptions(Options);
    log->Compile(fromOptions);
    EXPECT_EQ(log->Result().NoOfAllInvalidQSOs(), 0);
    EXPECT_EQ(log->Result().NoOfAllGoodQSOs(), 1);  // the 40 m line counts on its band only
    EXPECT_EQ(NonDefaultCompileSettings(log->CompileSettings()),
              (std::vector<std::string>{"Compile_CancelQSOIfBandIsNotAllowed=off",
                                        "Compile_CancelQSOIfModeIsNotAllowed=off"}));
    // The settings of the last pass stay in force for later validity checks.
    EXPECT_TRUE(log->IsValidQSO(0, false));
}

TEST_F(Compile, ResultOverviewLayout) {
    auto log = MakeLog(0, 2, 1, {b20m}, {}, "DL1ABC", cWWDXcw);
    int minute = 0;
    // 100 good QSOs (50 x 3 + 50 x 2 = 250 points, 40 multipliers), 2 invalid, 3 dupes, 1 deleted.
    for (int i = 0; i < 100; ++i) {
        std::string mult = i < 40 ? "M" + std::to_string(i) : "M0";
        AddLine(*log, "DL" + std::to_string(i) + "ZZ", b20m, mCW, minute++, {i < 50 ? "3" : "2", mult.c_str()});
    }
    AddLine(*log, "XX1AA", b20m, mCW, minute++, {"3", "X"});
    AddLine(*log, "XX2AA", b20m, mCW, minute++, {"3", "X"});
    for (int i = 0; i < 3; ++i) AddLine(*log, "DL0ZZ", b20m, mCW, minute++, {"3", "X"});
    AddLine(*log, "W1AW", b20m, mCW, minute++, {"3", "X"});
    log->QSOs(105)->IncludeFlag(qfUserDeleted);
    log->Compile();
    std::vector<std::string> r;
    log->WriteResults(r);
    ASSERT_EQ(r.size(), 11u);
    EXPECT_EQ(r[0], "CQ WW DX Contest CW 2013");
    EXPECT_EQ(r[1], "Result overview of DL1ABC");
    EXPECT_EQ(r[3], "        Good  Invalid Dupe  Deleted");
    EXPECT_EQ(r[4], " Band   QSOs   QSOs   QSOs   QSOs   Mul      Pts");
    EXPECT_EQ(r[6], "  20m    100      2      3      1    40      250");
    EXPECT_EQ(r[6].size(), 48u);
    EXPECT_EQ(r[8], "  all    100      2      3      1    40      250");
    EXPECT_EQ(r[10], "Final result = 250 * 40 = 10.000");
}

TEST_F(Compile, ResultOverviewWithoutAllowedLinesAndWithThreeKinds) {
    auto log = MakeLog(0, 4, 3, {b20m});
    AddLine(*log, "DL1A", b40m, mCW, 0, {"3", "a", "b"});
    log->Compile();
    std::vector<std::string> r;
    log->WriteResults(r);
    EXPECT_EQ(r[4], " Band   QSOs   QSOs   QSOs   QSOs  Mul1   Mul2   Mul3      Pts");
    EXPECT_EQ(r[6], "  20m      0      0      0      0     0      0      0        0");
    EXPECT_EQ(r[10], "Final result = 0 * (0 + 0 + 0) = 0");
}

TEST(Reports, FormatThousandsAndComments) {
    test::UseEnglishStrings();  // the comment summary's title is a language string
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1.000");
    EXPECT_EQ(FormatThousands(1234567), "1.234.567");
    EXPECT_EQ(FormatThousands(1234567890), "1234.567.890");
    auto log = MakeLog(0, 0, 0, Six());
    std::vector<std::string> r;
    log->WriteAllComments(r);
    EXPECT_EQ(r.back(), "[no QSO comments available]");
    AddLine(*log, "DL1A", b20m, mCW, 0);
    AddLine(*log, "DL1B", b20m, mCW, 0);
    log->QSOs(1)->SetComment({"checked", "busted call"});
    r.clear();
    log->WriteAllComments(r);
    EXPECT_EQ(
        r, (std::vector<std::string>{log->GetLongContestName(), "QSO comment summary (Crosscheck/UBN report) of DL1ABC",
                                     "", "QSO #2", "checked", "busted call", ""}));
}

}  // namespace
}  // namespace qz
