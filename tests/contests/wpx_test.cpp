// CQ WPX rules: scoring through the annotated logs tests/data/contests/wpx*.txt, plus
// the definitions, prefixes and serial numbers of new lines.
#include "contests/wpx.h"

#include <gtest/gtest.h>

#include "base/language.h"
#include "contests/annotatedlog.h"
#include "testutil.h"

namespace qz {
namespace {

using test::MakeRulesLog;

class WPXLogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(WPXLogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, WPXLogs, ::testing::ValuesIn(test::AnnotatedLogs("wpx")), test::AnnotatedLogName);

class WPX : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

// The definitions themselves are checked once, with every contest's, by the factory tests.
TEST_F(WPX, PrefixIsTheMultiplierColumn) {
    auto cw = MakeRulesLog<T_WPX>(cWPXcw, "DL1ABC");
    ASSERT_EQ(cw->NoOfColumns(), 14);
    EXPECT_EQ(cw->ColumnProperty(11), cpMul);
    EXPECT_EQ(cw->ColumnHeader(11), LS(111));
}

TEST_F(WPX, PrefixesOfOddCalls) {
    auto log = MakeRulesLog<T_WPX>(cWPXcw, "DL1ABC");
    const TCtyStuff* cty = log->CtyStuff();
    for (auto [call, prefix] : std::vector<std::pair<const char*, const char*>>{{"N8ZZZ", "N8"},
                                                                                {"OE2008XYZ", "OE2008"},
                                                                                {"2E0ABC", "2E0"},
                                                                                {"RAZZ", "RA0"},
                                                                                {"X", "X0"},
                                                                                {"DL1ABC/3", "DL3"},
                                                                                {"DL1ABC/P", "DL1"},
                                                                                {"DL1ABC/M", "DL1"},
                                                                                {"DL1ABC/MM", "DL1"}})
        EXPECT_EQ(TCall(call, cty).Prefix(), prefix) << call;
}

TEST_F(WPX, NewLinesGetTheNextSerial) {
    auto log = MakeRulesLog<T_WPX>(cWPXcw, "DL1ABC");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(0)->SentNumbers(0), "001");
    EXPECT_EQ(log->QSOs(0)->Band(), b20m);
    EXPECT_EQ(log->QSOs(0)->Mode(), mCW);
    log->QSOs(0)->SetSentNumbers(0, "099");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "100");
    while (log->NoOfQSOs() < 10) log->CreateAndAppendQSO(true);
    log->QSOs(9)->SetSentNumbers(0, "x12");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(10)->SentNumbers(0), "011");
}

}  // namespace
}  // namespace qz
