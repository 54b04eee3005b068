// The log checks and bulk edits, each fed a small log whose faults are planted by hand.
#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/memberlist.h"
#include "engine/bulkedits.h"
#include "engine/checks.h"
#include "engine/testlog.h"
#include "engine/undo.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddLine;

SBand Six() { return {b160m, b80m, b40m, b20m, b15m, b10m}; }

// Sent number 0 is the serial; line kinds and member numbers as the test sets them.
class TSerialLog : public test::TTestLog {
public:
    TSerialLog() : TTestLog(2, 2, 1, Six()) { FSpecialCountries = {"DL"}; }
    int GetSentNumericNumberIndex() const override { return 0; }
    bool IsAQTCRcvdNumber(int numberIndex) const override { return numberIndex == 1; }
    void UseMembers(const std::string& text) {
        FMemberList = std::make_unique<TMemberList>();
        FMemberList->ReadFromText(text);
        FMemberList->SetRcvdIndex(0);
    }
};

std::unique_ptr<TSerialLog> SerialLog() {
    auto log = std::make_unique<TSerialLog>();
    TFileHeader h;
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWAEcw;
    log->Init(h, test::TinyCty());
    return log;
}

// The "QSO #n: text" findings of a check, without title and closing lines.
std::vector<std::string> Findings(const std::vector<std::string>& messages) {
    std::vector<std::string> r;
    for (const auto& m : messages)
        if (m.rfind("QSO #", 0) == 0) r.push_back(m);
    return r;
}

class Checks : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        log = SerialLog();
        log->SetMessageLines(&messages);
    }
    void Sent(std::initializer_list<const char*> serials) {
        int minute = 0;
        for (const char* s : serials) {
            AddLine(*log, "W1AW", b20m, mCW, minute++);
            log->QSOs(log->NoOfQSOs() - 1)->SetSentNumbers(0, s);
        }
    }
    std::vector<std::string> Run(void (*check)(const TContestLog&)) {
        messages.clear();
        check(*log);
        return Findings(messages);
    }
    std::unique_ptr<TSerialLog> log;
    std::vector<std::string> messages;
};

TEST_F(Checks, SentSerialsThatDoNotIncreaseOrAreNoNumber) {
    Sent({"001", "002", "002", "004"});
    EXPECT_EQ(Run(&Check4DiscontinuousSentNumbers), std::vector<std::string>{"QSO #3: " + LS(419)});
    ASSERT_EQ(messages.size(), 4u);  // empty line, title, finding, closing line
    EXPECT_EQ(messages[1], LS(421));
    EXPECT_EQ(messages[3], LS(262));
    messages.clear();
    CheckSentSerialGaps(*log, 0);
    EXPECT_EQ(Findings(messages), std::vector<std::string>{"QSO #4: " + LS(552) + " 004"});

    log = SerialLog();
    log->SetMessageLines(&messages);
    Sent({"001", "abc", "003"});
    AddLine(*log, "DL1X", b20m, mCW, 9);
    log->QSOs(3)->SetQSOFlags({qfSentQTC});  // a QTC carries no serial
    EXPECT_EQ(Run(&Check4DiscontinuousSentNumbers), std::vector<std::string>{"QSO #2: abc " + LS(420)});
}

TEST_F(Checks, AChangedSentFieldIsReportedOnceWhereItChanges) {
    Sent({"001", "002", "003", "004"});
    for (int i = 0; i < 4; ++i) log->QSOs(i)->SetSentNumbers(1, i == 2 ? "15" : "14");
    messages.clear();
    Check4NonConstantSentNumbers(*log, 0);  // the field after the serial
    EXPECT_EQ(Findings(messages), (std::vector<std::string>{"QSO #3: " + LS(439), "QSO #4: " + LS(439)}));
}

TEST_F(Checks, ReceivedNumbersArePerStation) {
    // W1AW sends serials 5, 3, 7; G3XYZ zone 14 then 15; DL1X is a special country.
    const std::vector<std::pair<const char*, const char*>> lines = {{"W1AW", "5"}, {"G3XYZ", "14"}, {"w1aw", "3"},
                                                                    {"DL1X", "9"}, {"G3XYZ", "15"}, {"W1AW", "7"},
                                                                    {"DL1X", "2"}, {"G3XYZ", "14"}};
    int minute = 0;
    for (auto [call, rcvd] : lines) AddLine(*log, call, b20m, mCW, minute++, {rcvd});
    messages.clear();
    Check4DiscontinuousRcvdNumbers(*log, 0, {encExcludeSpecialCountries});
    EXPECT_EQ(Findings(messages), (std::vector<std::string>{"QSO #3: " + LS(419), "QSO #8: " + LS(419)}));
    messages.clear();
    Check4DiscontinuousRcvdNumbers(*log, 0, {encTestSpecialCountriesExclusively});
    EXPECT_EQ(Findings(messages), std::vector<std::string>{"QSO #7: " + LS(419)});
    messages.clear();
    Check4NonConstantRcvdNumbers(*log, 0, {encExcludeSpecialCountries});
    EXPECT_EQ(Findings(messages),
              (std::vector<std::string>{"QSO #3: " + LS(439), "QSO #6: " + LS(439), "QSO #5: " + LS(439)}));
    // A QTC line of a station does not carry its exchange and is passed over.
    AddLine(*log, "G3XYZ", b20m, mCW, 20);
    log->QSOs(8)->SetQSOFlags({qfRcvdQTC});
    messages.clear();
    Check4NonConstantRcvdNumbers(*log, 0, {encTestSpecialCountriesExclusively});
    EXPECT_EQ(Findings(messages), std::vector<std::string>{"QSO #7: " + LS(439)});
}

TEST_F(Checks, MissingExtensionsAreReportedOrExtendedWithUndo) {
    AddLine(*log, "DL1ABC", b20m, mCW, 0);
    AddLine(*log, "EA8/DL1ABC", b20m, mCW, 1);
    AddLine(*log, "W1AW", b20m, mCW, 2);
    EXPECT_FALSE(Check4MissingExtensions(*log, true, cecPortable));
    EXPECT_TRUE(Findings(messages).empty());

    AddLine(*log, "DL1ABC/P", b40m, mCW, 3);
    AddLine(*log, "W1AW/MM", b40m, mCW, 4);
    messages.clear();
    EXPECT_FALSE(Check4MissingExtensions(*log, false, cecPortable));
    EXPECT_EQ(Findings(messages),
              (std::vector<std::string>{"QSO #1: " + LS(430) + " DL1ABC", "QSO #3: " + LS(430) + " W1AW"}));
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "DL1ABC") << "reporting changes nothing";

    log->History().SetEnabled(true);
    messages.clear();
    EXPECT_TRUE(Check4MissingExtensions(*log, true, cecMaritimeMobile));
    EXPECT_EQ(Findings(messages), std::vector<std::string>{"QSO #3: " + LS(272) + " W1AW/MM"});
    EXPECT_TRUE(Check4MissingExtensions(*log, true, cecPortable));
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "DL1ABC/P");
    log->Undo();
    log->Undo();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "DL1ABC");
    EXPECT_EQ(log->QSOs(2)->Call().Call(), "W1AW");
}

TEST_F(Checks, MemberNumbersAreCorrectedOnlyWhenAsked) {
    AddLine(*log, "DL1ABC", b20m, mCW, 0, {"123"});
    AddLine(*log, "DL2XX", b20m, mCW, 1, {"77"});
    EXPECT_FALSE(CheckMemberNumbers(*log));
    EXPECT_EQ(messages, std::vector<std::string>{LS(449)});

    log->UseMembers("DL1ABC 123;\nDL2XX 78;\n.\n");
    messages.clear();
    EXPECT_FALSE(CheckMemberNumbers(*log, false));
    EXPECT_EQ(Findings(messages), std::vector<std::string>{"QSO #2: " + LS(553) + " 78"});
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(0), "77");
    log->History().SetEnabled(true);
    EXPECT_TRUE(CheckMemberNumbers(*log));
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(0), "78");
    log->Undo();
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(0), "77");
}

TEST_F(Checks, TenMinuteRuleSkipsMultiplierLines) {
    // Line 3 changes band after 3 minutes; line 5 changes back for a multiplier, so the
    // next plain line (at minute 20) counts; line 7 changes again 5 minutes later.
    const std::vector<std::pair<int, TBand>> lines = {{0, b20m}, {1, b20m},  {3, b40m}, {5, b40m},
                                                      {8, b20m}, {20, b20m}, {25, b40m}};
    for (auto [minute, band] : lines) AddLine(*log, "W1AW", band, mCW, minute);
    log->QSOs(4)->SetMulties(0, "K");
    EXPECT_EQ(Run(&CheckQSYRules), (std::vector<std::string>{"QSO #3: " + LS(551), "QSO #7: " + LS(551)}));
    log->QSOs(2)->SetDateTime(log->QSOs(2)->DateTime() + 10 / 1440.0);
    EXPECT_EQ(Run(&CheckQSYRules), (std::vector<std::string>{"QSO #5: " + LS(551), "QSO #7: " + LS(551)}));
}

TEST_F(Checks, TimeShiftCrossesMidnightAndYearEndExactly) {
    AddLine(*log, "W1AW", b20m, mCW, 0);
    AddLine(*log, "G3XYZ", b20m, mCW, 0);
    log->QSOs(0)->SetDateTime(EncodeDate(2012, 12, 31) + EncodeTime(23, 50, 0, 0));
    log->QSOs(0)->SetSelected(true);
    EXPECT_TRUE(SetTimeDifference(*log, 0, 0, 30));
    CivilDate d = DecodeDate(log->QSOs(0)->DateTime());
    CivilTime t = DecodeTime(log->QSOs(0)->DateTime());
    EXPECT_EQ((std::vector<int>{d.year, d.month, d.day, t.hour, t.minute, t.second, t.msec}),
              (std::vector<int>{2013, 1, 1, 0, 20, 0, 0}));
    EXPECT_TRUE(SetTimeDifference(*log, 0, -1, 30));  // back 30 minutes
    t = DecodeTime(log->QSOs(0)->DateTime());
    EXPECT_EQ(t.hour * 60 + t.minute, -10 + 24 * 60);
    EXPECT_EQ(DecodeDate(log->QSOs(0)->DateTime()).year, 2012);

    // A shift out of the calendar changes no line.
    log->QSOs(1)->SetSelected(true);
    const TDateTime before = log->QSOs(1)->DateTime();
    TSilentFrontEnd fe;
    SetFrontEnd(&fe);
    EXPECT_FALSE(SetTimeDifference(*log, 4000000, 0, 0));
    SetFrontEnd(nullptr);
    EXPECT_EQ(fe.lastError, LS(557));
    EXPECT_EQ(log->QSOs(1)->DateTime(), before);
    for (int i = 0; i < 2; ++i) log->QSOs(i)->SetSelected(false);
    EXPECT_FALSE(SetTimeDifference(*log, 1, 0, 0)) << "nothing selected";
}

TEST_F(Checks, SentNumbersAreRenumbered) {
    Sent({"1", "2", "3", "4"});
    log->QSOs(2)->SetQSOFlags({qfSentQTC});
    for (int i = 0; i < 4; ++i) log->QSOs(i)->SetSelected(i > 0);
    log->History().SetEnabled(true);
    EXPECT_TRUE(SetSentNumbers(*log, smSetContiuouslyNumber, "98", 0, true));
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "098");
    EXPECT_EQ(log->QSOs(2)->SentNumbers(0), "") << "a QTC is not numbered but uses up a number";
    EXPECT_EQ(log->QSOs(3)->SentNumbers(0), "100");
    EXPECT_TRUE(SetSentNumbers(*log, smSetFixNumber, "ABC", 1, false));
    EXPECT_EQ(log->QSOs(3)->SentNumbers(1), "ABC");
    EXPECT_FALSE(SetSentNumbers(*log, smSetContiuouslyNumber, "x1", 0, false));
    EXPECT_FALSE(log->History().Grouping());
    log->Undo();
    log->Undo();
    EXPECT_EQ(log->QSOs(3)->SentNumbers(0), "4");
    EXPECT_EQ(log->QSOs(3)->SentNumbers(1), "");
    EXPECT_FALSE(log->History().CanUndo());
}

TEST_F(Checks, ExchangeFieldsAreToldApartByHowTheyChange) {
    // Sent: serial and own zone; received: the station's serial and its zone. The test
    // class names only its sent serial; the received one is found from its values.
    const std::vector<std::pair<const char*, const char*>> lines = {
        {"W1AW", "5"}, {"G3XYZ", "1"}, {"W1AW", "9"}, {"G3XYZ", "4"}, {"K1AB", "2"}};
    int minute = 0;
    for (auto [call, serial] : lines) {
        AddLine(*log, call, b20m, mCW, minute++, {serial});
        TQSO& q = *log->QSOs(log->NoOfQSOs() - 1);
        q.SetSentNumbers(0, Format("%.3d", minute));
        q.SetSentNumbers(1, "14");
    }
    TExchangeFields f = ClassifyExchangeFields(*log);
    EXPECT_EQ(f.sentSerials, std::vector<int>{0});
    EXPECT_EQ(f.sentConstant, std::vector<int>{1});
    EXPECT_EQ(f.rcvdSerials, std::vector<int>{0});
    EXPECT_TRUE(f.rcvdConstant.empty()) << "field 1 is a QTC field, never filled on a QSO";
    log->QSOs(2)->SetRcvdNumbers(0, "5");  // W1AW: 5, 5 and G3XYZ 1, 4: one rise in two
    EXPECT_EQ(ClassifyExchangeFields(*log).rcvdConstant, std::vector<int>{0});

    int index = -1;
    std::string text;
    EXPECT_TRUE(ParseLineMessage("QSO #12: " + LS(419), index, text));
    EXPECT_EQ(index, 11);
    EXPECT_EQ(text, LS(419));
    EXPECT_FALSE(ParseLineMessage(LS(421), index, text));
    EXPECT_FALSE(ParseLineMessage("QSO #x: y", index, text));
}

// Lines from the third on evaluated again: the newest compile's messages about them give
// way to the new ones, before the closing line, which tells the new result; older compiles
// and other lines keep theirs.
TEST(LineMessages, NewerEvaluationReplacesStaleOnes) {
    test::UseEnglishStrings();  // the compile's opening and closing lines are language strings
    const std::string started = LS(lsCompileStarted), done = LS(lsCompileDone) + " (5 Points)";
    std::vector<std::string> messages = {started,         "QSO #4: old",   done, "",     started, "QSO #2: kept",
                                         "QSO #3: stale", "QSO #9: stale", done, "after"};
    const std::string now = LS(lsCompileDone) + " (7 Points)";
    EXPECT_TRUE(ReplaceLineMessages(messages, 2, {"QSO #3: new"}, now));
    EXPECT_EQ(messages, (std::vector<std::string>{started, "QSO #4: old", done, "", started, "QSO #2: kept",
                                                  "QSO #3: new", now, "after"}));
    EXPECT_FALSE(ReplaceLineMessages(messages, 5, {}, now));
}

TEST_F(Checks, NextSentNumbers) {
    Sent({"011", "012", "abc"});
    EXPECT_EQ(log->GetNextSentQSONumber(0), "013");
    EXPECT_EQ(log->GetNextSentQSONumber(2), "");
    AddLine(*log, "DL1X", b20m, mCW, 9);
    log->QSOs(3)->SetQSOFlags({qfSentQTC});
    log->QSOs(3)->SetRcvdNumbers(1, "7/10");
    EXPECT_EQ(log->GetNextSentQTCSerialNumber(), 8);
    log->QSOs(0)->SetSelected(true);
    log->QSOs(0)->SetTimeHasBeenSet(false);
    EXPECT_FALSE(AllSelectedQSOTimesHasBeenEdited(*log));
}

}  // namespace
}  // namespace qz
