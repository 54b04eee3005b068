// Rules of IARU HF, CQ-M, TOPS, the field days, WWSA, IOTA, EU HF, the QRP contest,
// VHF, CQMM, Day of YLs, OK RTTY and the DXpedition log: scoring through one annotated
// log per contest, plus what a log cannot show (option points, member numbers filled
// in, new lines, suggestions, the DXpedition report).
#include <gtest/gtest.h>

#include "base/frontend.h"
#include "base/language.h"
#include "contests/annotatedlog.h"
#include "contests/cqmm.h"
#include "contests/dayofyls.h"
#include "contests/dxpedition.h"
#include "contests/iaru.h"
#include "reflists/memberlist.h"
#include "contests/oqrp.h"
#include "contests/framework/rulehelpers.h"
#include "contests/tops.h"
#include "contests/vhf.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

std::vector<std::string> RemainingContestLogs() {
    std::vector<std::string> files;
    for (const char* prefix :
         {"iaru", "cqm", "tops", "fd", "wwsa", "iota", "euhf", "oqrp", "vhf", "dayofyls", "okrtty", "dxpdn"}) {
        // "cqm" also finds cqmm.txt.
        for (std::string& f : test::AnnotatedLogs(prefix)) files.push_back(std::move(f));
    }
    return files;
}

class RemainingLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(RemainingLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, RemainingLogs, ::testing::ValuesIn(RemainingContestLogs()), test::AnnotatedLogName);

// Answers questions and the fixed-exchange dialog, and remembers what was asked.
class TAnsweringFrontEnd : public TSilentFrontEnd {
public:
    TAnsweringFrontEnd(std::string text, TMsgAnswer answer) : TSilentFrontEnd(answer), text_(std::move(text)) {}
    bool QueryText(const std::string&, const std::string& p, std::string& value) override {
        prompts.push_back(p);
        value = text_;
        return true;
    }
    TMsgAnswer AskYesNo(const std::string& q) override {
        prompts.push_back(q);
        return TSilentFrontEnd::AskYesNo(q);
    }
    std::vector<std::string> prompts;

private:
    std::string text_;
};

class Remaining : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
    void TearDown() override {
        SetFrontEnd(nullptr);
        SetIARUPointsFromOptions(false);
        SetIARUOptionPoints({});
    }
};

TEST_F(Remaining, IARUTakesItsPointsFromTheOptionsOnlyWithTheSwitch) {
    auto log = MakeRulesLog<T_IARU>(cIARU, "DL1ABC");
    AddQSO(*log, "DA0HQ", b20m, mCW, {"DARC"});
    AddQSO(*log, "DL2XYZ", b20m, mCW, {"28"});
    AddQSO(*log, "G4ABC", b20m, mCW, {"27"});
    AddQSO(*log, "K1ABC", b20m, mCW, {"8"});
    AddQSO(*log, "OE1ABC", b20m, mCW, {""});
    auto points = [&] {
        log->Compile();
        std::vector<std::int32_t> p;
        for (int i = 0; i < log->NoOfQSOs(); ++i) p.push_back(log->QSOs(i)->Points());
        return p;
    };
    SetIARUOptionPoints({2, 2, 4, 6});
    EXPECT_EQ(points(), (std::vector<std::int32_t>{1, 1, 3, 5, 0}));
    SetIARUPointsFromOptions(true);
    EXPECT_EQ(points(), (std::vector<std::int32_t>{2, 2, 4, 6, 0}));
    // A change of the options counts at the next compile.
    SetIARUOptionPoints({0, 1, 2, 3});
    EXPECT_EQ(points(), (std::vector<std::int32_t>{0, 1, 2, 3, 0}));
}

TEST_F(Remaining, IARUEmptyZoneIsReported) {
    auto log = MakeRulesLog<T_IARU>(cIARU, "DL1ABC");
    AddQSO(*log, "OE1ABC", b20m, mCW, {""});
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    log->Compile();
    log->SetMessageLines(nullptr);
    EXPECT_NE(std::find(messages.begin(), messages.end(), "QSO #1: Invalid zone: "), messages.end());
    EXPECT_EQ(log->Result().AllPoints(), 0);
}

TEST_F(Remaining, IARUNewLinesAndSuggestions) {
    auto log = MakeRulesLog<T_IARU>(cIARU, "DL1ABC");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "28");
    EXPECT_EQ(log->QSOs(0)->SentRST(), "599");
    log->QSOs(0)->SetCall("K1ABC");
    log->QSOs(0)->SetRcvdNumbers(0, "07");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "28");
    log->QSOs(1)->SetCall("K1ABC");
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 0, list), "07");
    log->QSOs(1)->SetCall("JA1ABC");
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 0, list), "45");
    EXPECT_NE(std::find(list.begin(), list.end(), "45"), list.end());
}

TEST_F(Remaining, IOTAReferenceNormalForm) {
    for (const char* text : {"eu5", "EU5", "EU-005", "Eu-5", "EU-05"}) EXPECT_EQ(IOTAReference(text), "EU-005") << text;
    EXPECT_EQ(IOTAReference("oc-123"), "OC-123");
    for (const char* text : {"", "EU", "EU-", "XX-001", "EU-0", "EU-1000", "EU-00A", "EU--5", "E-005"})
        EXPECT_EQ(IOTAReference(text), "") << text;
}

TEST_F(Remaining, TOPSFillsInMemberNumbersButKeepsTypedOnes) {
    auto log = MakeRulesLog<T_TOPS>(cTOPS, "DL1ABC");
    ASSERT_NE(log->MemberList(), nullptr);
    log->MemberList()->ReadFromText("DL1ABC 100;\nDL2XYZ 200;\nF5ABC 300;\n.\n");
    log->CreateAndAppendQSO(true);  // the first line takes the own number
    EXPECT_EQ(log->ConstantSentNumber(), "100");
    EXPECT_EQ(log->QSOs(0)->Band(), b80m);
    log->QSOs(0)->SetSentNumbers(1, "100");
    log->QSOs(0)->SetCall("DL2XYZ/P");
    log->QSOs(0)->SetRcvdHasBeenSet(1, false);
    log->CreateAndAppendQSO(false);
    TQSO& typed = *log->QSOs(1);
    EXPECT_EQ(typed.SentNumbers(0), "002");
    EXPECT_EQ(typed.SentNumbers(1), "100");
    typed.SetCall("F5ABC");
    ASSERT_TRUE(typed.SetChangedNumber(cpRcvdNumber, 1, "999"));
    log->Compile();
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(1), "200");
    EXPECT_EQ(log->QSOs(0)->Points(), 7);
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(1), "999");
    EXPECT_EQ(log->QSOs(1)->Points(), 8);
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 1, list), "300");
    EXPECT_EQ(list, std::vector<std::string>{"300"});
}

TEST_F(Remaining, ExchangeSuggestions) {
    auto oqrp = MakeRulesLog<T_OQRP>(cOQRP, "DL1ABC");
    AddQSO(*oqrp, "G4ABC", b80m, mCW, {"001", "MP"});
    AddQSO(*oqrp, "G4ABC", b40m, mCW);
    AddQSO(*oqrp, "F5ABC", b40m, mCW);
    std::vector<std::string> list;
    EXPECT_EQ(oqrp->GetRcvdNumberToAppend(1, 1, list), "MP");
    EXPECT_EQ(oqrp->GetRcvdNumberToAppend(2, 1, list), "VLP");
    EXPECT_EQ(list, (std::vector<std::string>{"VLP", "QRP", "MP"}));

    auto cqmm = MakeRulesLog<T_CQMM>(cCQMM, "DL1ABC");
    AddQSO(*cqmm, "PY2ABC", b20m, mCW);
    EXPECT_EQ(cqmm->GetRcvdNumberToAppend(0, 0, list), "SA");
    EXPECT_EQ(list, std::vector<std::string>{"SA"});

    // Day of YLs compares calls ignoring case; otherwise only the previous line's number
    // is offered.
    auto yl = MakeRulesLog<T_DAY_OF_YLs>(cDayOfYLs, "DL1ABC");
    AddQSO(*yl, "DL2XYZ", b20m, mCW, {"59", "YL"});
    AddQSO(*yl, "G4ABC", b20m, mCW, {"57", "OM"});
    AddQSO(*yl, "dl2xyz", b40m, mCW);
    AddQSO(*yl, "F5ABC", b40m, mCW);
    EXPECT_EQ(yl->GetRcvdNumberToAppend(2, 1, list), "YL");
    EXPECT_EQ(yl->GetRcvdNumberToAppend(3, 1, list), "");
    EXPECT_EQ(list, std::vector<std::string>{""});
}

TEST_F(Remaining, VHFAsksForTheOwnLocatorOnce) {
    TAnsweringFrontEnd answering("JO31AB", TMsgAnswer::No);
    SetFrontEnd(&answering);
    auto log = MakeRulesLog<T_VHF>(cVHF, "DL1ABC");
    log->CreateAndAppendQSO(false);
    log->CreateAndAppendQSO(false);
    EXPECT_EQ(log->QSOs(0)->Band(), b2m);
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "002");
    EXPECT_EQ(log->QSOs(1)->SentNumbers(1), "JO31AB");
    EXPECT_EQ(answering.prompts, std::vector<std::string>{LS(479)});
    log->QSOs(0)->SetCall("DL2XYZ");
    log->QSOs(0)->SetRcvdNumbers(1, "JO40HB");
    log->QSOs(1)->SetCall("DL2XYZ");
    std::vector<std::string> list;
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 1, list), "JO40HB");
    // Otherwise only the previous line's number is offered.
    log->QSOs(1)->SetCall("DL3XYZ");
    EXPECT_EQ(log->GetRcvdNumberToAppend(1, 1, list), "");
    EXPECT_EQ(list, std::vector<std::string>{"JO40HB"});
}

TEST_F(Remaining, DayOfYLsAsksForTheOwnOperator) {
    TAnsweringFrontEnd answering("59", TMsgAnswer::Yes);
    SetFrontEnd(&answering);
    auto log = MakeRulesLog<T_DAY_OF_YLs>(cDayOfYLs, "DL1ABC");
    log->CreateAndAppendQSO(false);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "59");
    EXPECT_EQ(log->QSOs(0)->SentNumbers(1), "YL");
    EXPECT_EQ(answering.prompts, (std::vector<std::string>{LS(643), LS(645)}));
    log->CreateAndAppendQSO(false);  // later lines copy without asking
    EXPECT_EQ(log->QSOs(1)->SentNumbers(1), "YL");
    EXPECT_EQ(answering.prompts.size(), 2u);

    // An imported first line is asked the question too, but a log without message
    // boxes is not.
    auto imported = MakeRulesLog<T_DAY_OF_YLs>(cDayOfYLs, "DL1ABC");
    imported->CreateAndAppendQSO(true);
    EXPECT_EQ(imported->QSOs(0)->SentNumbers(1), "YL");
    EXPECT_EQ(answering.prompts.size(), 3u);
    auto quiet = MakeRulesLog<T_DAY_OF_YLs>(cDayOfYLs, "DL1ABC");
    quiet->SetShowMessageBoxes(false);
    quiet->CreateAndAppendQSO(false);
    EXPECT_EQ(quiet->QSOs(0)->SentNumbers(1), "OM");
    EXPECT_EQ(answering.prompts.size(), 3u);
}

TEST_F(Remaining, DXpeditionReportListsEveryBandWithoutPoints) {
    auto log = MakeRulesLog<T_DXPDN>(cDXPDN, "DL1ABC");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(0)->RcvdRST(), "599");
    log->QSOs(0)->SetCall("K1ABC");
    AddQSO(*log, "JA1ABC", b20m, mSSB);
    AddQSO(*log, "JA1ABC", b20m, mSSB);
    log->Compile();
    std::vector<std::string> report;
    log->WriteResults(report);
    ASSERT_EQ(report.size(), 6u + kNoOfBands + 2u);
    EXPECT_EQ(report[1], "Result overview of DL1ABC");
    EXPECT_EQ(report[2], " ");
    EXPECT_EQ(report[4], " Band   QSOs   QSOs   QSOs   QSOs   Cty");
    EXPECT_EQ(report[5], "");
    EXPECT_EQ(report[6], " 160m      0      0      0      0     0  ");
    EXPECT_EQ(report[6 + b20m], "  20m      2      0      1      0     2  ");
    EXPECT_EQ(report[6 + bSAT], "  SAT      0      0      0      0     0  ");
    EXPECT_EQ(report[6 + kNoOfBands], " ");
    EXPECT_EQ(report.back(), "  all      2      0      1      0     2  ");
}

}  // namespace
}  // namespace qz
