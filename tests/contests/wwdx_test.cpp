// CQ WW DX rules: scoring through the annotated logs tests/data/contests/wwdx*.txt,
// plus the definitions, new lines and exchange suggestions that a log cannot show.
#include "contests/wwdx.h"

#include <gtest/gtest.h>

#include "base/frontend.h"
#include "base/language.h"
#include "contests/annotatedlog.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

class WWDXLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(WWDXLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, WWDXLogs, ::testing::ValuesIn(test::AnnotatedLogs("wwdx")), test::AnnotatedLogName);

// Answers the fixed-exchange dialog with a given text and remembers the prompt.
class TAnsweringFrontEnd : public TSilentFrontEnd {
public:
    explicit TAnsweringFrontEnd(std::string answer) : answer_(std::move(answer)) {}
    bool QueryText(const std::string&, const std::string& p, std::string& value) override {
        prompt = p;
        value = answer_;
        return true;
    }
    std::string prompt;

private:
    std::string answer_;
};

class WWDX : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
    void TearDown() override { SetFrontEnd(nullptr); }
};

TEST_F(WWDX, WVECountries) {
    for (const char* p : {"K", "VE", "KG4", "KH0", "KH5K", "KH6", "KH7K", "KH9", "KL", "KP1", "KP4", "KP5"})
        EXPECT_TRUE(IsWVECountry(p)) << p;
    for (const char* p : {"", "DL", "KH7", "KP3", "k", "XE", "VE2"}) EXPECT_FALSE(IsWVECountry(p)) << p;
}

TEST_F(WWDX, NewLinesCarryTheOwnZoneOn) {
    auto log = MakeRulesLog<T_WWDX>(cWWDXssb, "DL1ABC");
    log->CreateAndAppendQSO(true);
    const TQSO& first = *log->QSOs(0);
    EXPECT_EQ(first.Band(), b20m);
    EXPECT_EQ(first.Mode(), mSSB);
    EXPECT_EQ(first.SentNumbers(0), "14");
    EXPECT_EQ(first.SentRST(), "59");
    log->QSOs(0)->SetSentNumbers(0, "15");
    log->QSOs(0)->SetBand(b40m);
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "15");
    EXPECT_EQ(log->QSOs(1)->Band(), b40m);
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "");
}

TEST_F(WWDX, RTTYAsksWVEStationsForTheirState) {
    TAnsweringFrontEnd answering("MA");
    SetFrontEnd(&answering);
    auto us = MakeRulesLog<T_WWDX_RTTY>(cWWDXrtty, "K1ABC");
    us->CreateAndAppendQSO(false);
    EXPECT_EQ(us->QSOs(0)->SentNumbers(0), "05");
    EXPECT_EQ(us->QSOs(0)->SentNumbers(1), "MA");
    EXPECT_EQ(answering.prompt, LS(253));
    EXPECT_EQ(us->QSOs(0)->Mode(), mRTTY);
    answering.prompt.clear();
    us->CreateAndAppendQSO(false);  // later lines copy both numbers without asking
    EXPECT_EQ(us->QSOs(1)->SentNumbers(1), "MA");
    EXPECT_EQ(answering.prompt, "");

    // Lines made by importers (edited flag set) and DX stations are not asked.
    auto imported = MakeRulesLog<T_WWDX_RTTY>(cWWDXrtty, "K1ABC");
    imported->CreateAndAppendQSO(true);
    EXPECT_EQ(imported->QSOs(0)->SentNumbers(1), "");
    auto dx = MakeRulesLog<T_WWDX_RTTY>(cWWDXrtty, "DL1ABC");
    dx->CreateAndAppendQSO(false);
    EXPECT_EQ(dx->QSOs(0)->SentNumbers(0), "14");
    EXPECT_EQ(dx->QSOs(0)->SentNumbers(1), "");
    EXPECT_EQ(answering.prompt, "");
}

TEST_F(WWDX, TopBandAsksForTheConstantExchange) {
    TAnsweringFrontEnd answering("DL");
    SetFrontEnd(&answering);
    auto log = MakeRulesLog<T_WWDX160M>(cWWDX160cw, "DL1ABC");
    log->CreateAndAppendQSO(false);
    EXPECT_EQ(log->QSOs(0)->Band(), b160m);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "DL");
    EXPECT_EQ(answering.prompt, LS(109));
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "DL");

    auto quiet = MakeRulesLog<T_WWDX160M>(cWWDX160cw, "DL1ABC");
    quiet->SetShowMessageBoxes(false);
    quiet->CreateAndAppendQSO(false);
    EXPECT_EQ(quiet->QSOs(0)->SentNumbers(0), "");
}

TEST_F(WWDX, ZoneSuggestion) {
    auto log = MakeRulesLog<T_WWDX>(cWWDXcw, "DL1ABC");
    AddQSO(*log, "K1ABC", b20m, mCW, {"04"});
    AddQSO(*log, "G4ABC", b20m, mCW, {"14"});
    AddQSO(*log, "K1ABC", b40m, mCW);
    std::vector<std::string> list;
    // An earlier QSO with the call gives its zone, even a wrong one.
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 0, list), "04");
    EXPECT_EQ(list, std::vector<std::string>{"04"});
    // Otherwise the call's zone, with the country's zones as candidates.
    AddQSO(*log, "W6XYZ", b40m, mCW);
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 0, list), "03");
    EXPECT_EQ(list, (std::vector<std::string>{"03", "04", "05"}));
    // A call without country: the previous line's number.
    AddQSO(*log, "Q1ABC", b40m, mCW);
    EXPECT_EQ(log->GetRcvdNumberToAppend(4, 0, list), "");
    EXPECT_EQ(list, std::vector<std::string>{""});
    EXPECT_EQ(log->GetSwisslogSPField(0), "04");
}

TEST_F(WWDX, RTTYStateSuggestion) {
    auto log = MakeRulesLog<T_WWDX_RTTY>(cWWDXrtty, "DL1ABC");
    AddQSO(*log, "W1XYZ", b20m, mRTTY, {"05", "MA"});
    for (const char* call : {"W1XYZ", "W2ABC", "VE3ABC", "G4ABC", "KH6XYZ"}) AddQSO(*log, call, b40m, mRTTY);
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 1, list), "MA");
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 1, list), "NJ");
    EXPECT_EQ(list, (std::vector<std::string>{"NJ", "NY"}));
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 0, list), "05");
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 1, list), "ON");
    EXPECT_EQ(list, std::vector<std::string>{"ON"});
    EXPECT_EQ(log->GetRcvdNumberToAppend(4, 1, list), "");
    EXPECT_TRUE(list.empty());
    // Other W/VE entities: the previous line's state.
    EXPECT_EQ(log->GetRcvdNumberToAppend(5, 1, list), log->QSOs(4)->RcvdNumbers(1));
}

TEST_F(WWDX, TopBandStateSuggestion) {
    auto log = MakeRulesLog<T_WWDX160M>(cWWDX160cw, "DL1ABC");
    AddQSO(*log, "G4ABC", b160m, mCW, {"14"});
    for (const char* call : {"K1ABC", "VA7XX", "JA1ABC"}) AddQSO(*log, call, b160m, mCW);
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 0, list), "CT");
    EXPECT_EQ(list, (std::vector<std::string>{"CT", "MA", "ME", "NH", "RI", "VT"}));
    EXPECT_EQ(log->GetRcvdNumberToAppend(2, 0, list), "BC");
    // Everyone else: the previous line's number as a candidate, no suggestion.
    log->QSOs(2)->SetRcvdNumbers(0, "BC");
    EXPECT_EQ(log->GetRcvdNumberToAppend(3, 0, list), "");
    EXPECT_EQ(list, std::vector<std::string>{"BC"});
}

TEST_F(WWDX, ReportShowsAllThreeMultiplierKinds) {
    auto log = MakeRulesLog<T_WWDX_RTTY>(cWWDXrtty, "DL1ABC");
    AddQSO(*log, "K1ABC", b20m, mRTTY, {"5", "MA"});
    AddQSO(*log, "G4ABC", b20m, mRTTY, {"14", ""});
    log->Compile();
    std::vector<std::string> report;
    log->WriteResults(report);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back(), "Final result = 5 * (2 + 2 + 1) = 25");
}

}  // namespace
}  // namespace qz
