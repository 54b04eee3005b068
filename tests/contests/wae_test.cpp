// WAE rules: scoring through the annotated logs tests/data/contests/wae*.txt, plus the
// QTC rows' limit across compiles, new rows, editable cells and the result report.
#include "contests/wae.h"

#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/language.h"
#include "base/text.h"
#include "contests/annotatedlog.h"
#include "testutil.h"

namespace qz {
namespace {

using test::AddQSO;
using test::MakeRulesLog;

class WAELogs : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

TEST_P(WAELogs, ScoreAsAnnotated) { test::CheckAnnotatedLog(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Annotated, WAELogs, ::testing::ValuesIn(test::AnnotatedLogs("wae")), test::AnnotatedLogName);

// Appends a QTC row (1 sent, 2 received) with `call` and the reported QSO, whose time
// differs from row to row.
void AddQTC(TContestLog& log, int kind, const std::string& call, TBand band, const std::string& group,
            const std::string& reportedCall) {
    auto q = log.NewQSO(true);
    q->SetQSOFlags(SQSOFlags{kind == 1 ? qfSentQTC : qfRcvdQTC});
    q->SetCall(call);
    q->SetBand(band);
    q->SetMode(mCW);
    q->SetDateTime(EncodeDate(2013, 11, 23) + log.NoOfQSOs() / 1440.0);
    q->SetRcvdNumbers(1, group);
    q->SetRcvdNumbers(2, ZeroPadded(1200 + log.NoOfQSOs(), 4));  // one QSO reported once
    q->SetRcvdNumbers(3, reportedCall);
    q->SetRcvdNumbers(4, "001");
    log.AppendQSO(std::move(q));
}

std::vector<SQSOFlags> FlagsOf(const TContestLog& log) {
    std::vector<SQSOFlags> r;
    for (int i = 0; i < log.NoOfQSOs(); ++i) r.push_back(log.QSOs(i)->QSOFlags());
    return r;
}

class WAE : public ::testing::Test {
protected:
    void SetUp() override { test::UseEnglishStrings(); }
};

// The definitions themselves are checked once, with every contest's, by the factory tests.
TEST_F(WAE, QTCFieldsAreReceivedNumbersOneToFour) {
    auto cw = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(cw->IsAQTCRcvdNumber(i), i >= 1 && i <= 4) << i;
}

TEST_F(WAE, ColumnsSeparateQSOAndQTCNumbers) {
    auto log = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    std::vector<std::string> got;
    for (const auto& c : log->Columns())
        got.push_back(std::to_string(c.ColumnProperty) + "/" + std::to_string(c.ArrayIndex) + "/" +
                      std::to_string(c.QSO_QTC.bits()) + "/" + c.STFOrderKeyWord);
    const std::string qso = "1", qtc = "2", both = "3";  // bit masks of S_QSO_QTC
    auto col = [](TColumnProperty p, int i, const std::string& rows, const char* stf) {
        return std::to_string(p) + "/" + std::to_string(i) + "/" + rows + "/" + stf;
    };
    EXPECT_EQ(
        got,
        (std::vector<std::string>{
            col(cpNr, -1, "0", ""), col(cpMark, -1, "0", ""), col(cpIsQTC, -1, both, ""), col(cpDate, -1, both, "Date"),
            col(cpBand, -1, both, "Band"), col(cpMode, -1, both, "Mode"), col(cpCall, -1, both, "Call"),
            col(cpTime, -1, both, "Time"), col(cpSentRST, -1, qso, "SRst"), col(cpSentNumber, 0, qso, "Sent"),
            col(cpRcvdRST, -1, qso, "RRst"), col(cpRcvdNumber, 0, qso, "Rcvd"), col(cpRcvdNumber, 1, qtc, "QTCn"),
            col(cpRcvdNumber, 2, qtc, "Qtim"), col(cpRcvdNumber, 3, qtc, "Qcal"), col(cpRcvdNumber, 4, qtc, "Qinf"),
            col(cpMul, 0, "0", ""), col(cpPoints, -1, "0", ""), col(cpFlags, -1, "0", "")}));
    EXPECT_EQ(log->ColumnHeader(12), LS(62));
}

TEST_F(WAE, EditableCellsDependOnTheRowKind) {
    auto log = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    AddQSO(*log, "K1ABC", b20m, mCW, {"001"});
    AddQTC(*log, 2, "K1ABC", b20m, "1/10", "W1AW");
    auto col = [&](TColumnProperty p, int i) { return log->GetColumnNumberFromProperty(p, i, log->NoOfColumns()); };
    // Grid row 1 is the QSO, row 2 the QTC, row 0 the header.
    for (int row : {0, 1}) {
        EXPECT_TRUE(log->CanSelectCell(col(cpCall, -1), row));
        EXPECT_TRUE(log->CanSelectCell(col(cpSentNumber, 0), row));
        EXPECT_TRUE(log->CanSelectCell(col(cpRcvdNumber, 0), row));
        EXPECT_FALSE(log->CanSelectCell(col(cpRcvdNumber, 1), row));
        EXPECT_FALSE(log->CanSelectCell(col(cpMul, 0), row));
    }
    EXPECT_TRUE(log->CanSelectCell(col(cpIsQTC, -1), 2));
    EXPECT_TRUE(log->CanSelectCell(col(cpCall, -1), 2));
    EXPECT_TRUE(log->CanSelectCell(col(cpTime, -1), 2));
    EXPECT_FALSE(log->CanSelectCell(col(cpSentRST, -1), 2));
    EXPECT_FALSE(log->CanSelectCell(col(cpSentNumber, 0), 2));
    EXPECT_FALSE(log->CanSelectCell(col(cpRcvdRST, -1), 2));
    EXPECT_FALSE(log->CanSelectCell(col(cpRcvdNumber, 0), 2));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(log->CanSelectCell(col(cpRcvdNumber, i), 2)) << i;
    EXPECT_FALSE(log->CanSelectCell(col(cpPoints, -1), 2));
    EXPECT_FALSE(log->CanSelectCell(col(cpNr, -1), 2));
}

TEST_F(WAE, NewRowsContinueQSOsAndQTCGroups) {
    auto log = MakeRulesLog<T_WAE>(cWAEssb, "DL1ABC");
    log->CreateAndAppendQSO(true);
    const TQSO& first = *log->QSOs(0);
    EXPECT_FALSE(first.IsQTC());
    EXPECT_EQ(first.Band(), b20m);
    EXPECT_EQ(first.Mode(), mSSB);
    EXPECT_EQ(first.SentNumbers(0), "001");
    EXPECT_EQ(first.SentRST(), "59");
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(first.RcvdHasBeenSet(i)) << i;

    log->QSOs(0)->SetSentNumbers(0, "041");
    log->CreateAndAppendQSO(true);
    EXPECT_EQ(log->QSOs(1)->SentNumbers(0), "042");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "");

    // After a QTC row: the next QTC of the same group with the same station.
    AddQTC(*log, 1, "G4ABC", b40m, "3/10", "W1AW");
    log->CreateAndAppendQSO(true);
    const TQSO& next = *log->QSOs(3);
    EXPECT_TRUE(next.QSOFlags().Contains(qfSentQTC));
    EXPECT_FALSE(next.QSOFlags().Contains(qfRcvdQTC));
    EXPECT_EQ(next.Call().Call(), "G4ABC");
    EXPECT_EQ(next.Band(), b40m);
    EXPECT_EQ(next.RcvdNumbers(1), "3/10");
    EXPECT_TRUE(next.RcvdHasBeenSet(1));
    EXPECT_EQ(next.RcvdNumbers(2), "");
    EXPECT_EQ(next.SentNumbers(0), "");
    EXPECT_EQ(next.SentRST(), "");
    EXPECT_EQ(next.RcvdRST(), "");
    // Turned into a QSO row it continues the QSO serials past the QTC rows.
    log->QSOs(3)->SetChangedQTCFlag(0, true);
    EXPECT_EQ(log->QSOs(3)->SentNumbers(0), "043");

    log->QSOs(3)->SetSentNumbers(0, "abc");
    log->CreateAndAppendQSO(true);
    EXPECT_FALSE(log->QSOs(4)->IsQTC());
    EXPECT_EQ(log->QSOs(4)->SentNumbers(0), "");
}

TEST_F(WAE, QTCLimitIsRecountedOnEveryCompile) {
    auto log = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    AddQSO(*log, "JA1ABC", b20m, mCW, {"001"});
    for (int i = 0; i < 11; ++i) AddQTC(*log, 2, "JA1ABC", b20m, "1/10", "W1AW");
    AddQTC(*log, 2, "VK2ABC", b20m, "1/1", "W1AW");
    AddQSO(*log, "VK2ABC", b20m, mCW, {"002"});
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    log->Compile();
    EXPECT_TRUE(log->QSOs(11)->QSOFlags().Contains(qfTooManyQTCs));
    EXPECT_FALSE(log->QSOs(12)->QSOFlags().Contains(qfTooManyQTCs));
    EXPECT_EQ(log->Result().NoOfAllGoodQTCs(), 10);
    EXPECT_EQ(log->Result().NoOfAllInvalidQTCs(), 2);  // VK2ABC's QTC came before its QSO

    // Outside Compile the rules answer from the lines themselves, with the same result.
    auto flags = FlagsOf(*log);
    for (int i = 1; i < log->NoOfQSOs(); ++i) EXPECT_FALSE(log->IsDupe(i));
    EXPECT_EQ(FlagsOf(*log), flags);
    for (int i = 0; i < log->NoOfQSOs(); ++i) {
        const bool counted = !flags[i].Contains(qfInvalid) && !flags[i].Contains(qfTooManyQTCs);
        EXPECT_EQ(log->IsValidQSO(i, false), counted) << i;
    }
    // A flagged row is invalid with its reason when asked outside Compile.
    messages.clear();
    EXPECT_FALSE(log->IsValidQSO(11, true));
    EXPECT_FALSE(log->IsValidQSO(12, true));
    EXPECT_EQ(messages, (std::vector<std::string>{"QSO #12: " + LS(271), "QSO #13: " + LS(274)}));

    // Deleting one of the first ten makes room for the eleventh on the next compile.
    log->QSOs(3)->IncludeFlag(qfUserDeleted);
    log->Compile();
    EXPECT_FALSE(log->QSOs(11)->QSOFlags().Contains(qfTooManyQTCs));
    EXPECT_EQ(log->Result().NoOfAllGoodQTCs(), 10);
    EXPECT_EQ(log->Result().NoOfAllInvalidQTCs(), 1);
    EXPECT_EQ(log->Result().NoOfAllUserDeletedQSOs(), 1);
}

TEST_F(WAE, QTCRowsNeverMakeQSOsDupes) {
    auto log = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    AddQSO(*log, "JA1ABC", b20m, mCW, {"001"});
    AddQTC(*log, 2, "JA1ABC", b40m, "1/2", "W1AW");
    AddQSO(*log, "JA1ABC", b40m, mCW, {"002"});
    AddQSO(*log, "JA1ABC", b40m, mCW, {"003"});
    log->Compile();
    EXPECT_EQ(FlagsOf(*log),
              (std::vector<SQSOFlags>{SQSOFlags{}, SQSOFlags{qfRcvdQTC}, SQSOFlags{}, SQSOFlags{qfDupe}}));
    EXPECT_FALSE(log->IsDupe(2));
    EXPECT_TRUE(log->IsDupe(3));
}

// A QTC exchanged on a band where its station was never worked brings its point and no
// multiplier: the count per band agrees with the register, which holds QSO rows only.
TEST_F(WAE, QTCRowsBringPointsNeverMultipliers) {
    auto log = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    AddQSO(*log, "JA1ABC", b20m, mCW, {"001"});
    AddQTC(*log, 2, "JA1ABC", b40m, "1/2", "W1AW");
    AddQSO(*log, "VK2ABC", b20m, mCW, {"002"});
    AddQTC(*log, 2, "VK2ABC", b15m, "1/1", "W2AW");
    AddQSO(*log, "VK2ABC", b15m, mCW, {"003"});
    log->Compile();
    EXPECT_EQ(log->Result().AllPoints(), 5);
    EXPECT_EQ(log->QSOs(1)->Multies(0), "");
    EXPECT_EQ(log->QSOs(3)->Multies(0), "");
    EXPECT_EQ(log->QSOs(4)->Multies(0), "VK2");  // the contact earns it, after the QTC
    EXPECT_EQ(log->Result().NoOfBandMulties(0, b40m), 0);
    for (TBand b : {b80m, b40m, b20m, b15m, b10m}) {
        int registered = 0;
        for (const auto& [value, item] : log->MultiList()[0]) registered += item.mliBandLists[b].empty() ? 0 : 1;
        EXPECT_EQ(registered, log->Result().NoOfBandMulties(0, b)) << BandNames[b];
    }
    EXPECT_EQ(log->GetFinalResult(), 5 * 6);  // JA1 and VK2 on 20 m, VK2 on 15 m, factor 2 each
}

TEST_F(WAE, ReportShowsQTCsAndWeightedMultipliers) {
    auto log = MakeRulesLog<T_WAE>(cWAEcw, "DL1ABC");
    AddQSO(*log, "K1ABC", b80m, mCW, {"001"});
    AddQSO(*log, "K1ABC", b40m, mCW, {"002"});
    AddQSO(*log, "JA1ABC", b20m, mCW, {"003"});
    AddQTC(*log, 2, "JA1ABC", b20m, "1/2", "W1AW");
    AddQTC(*log, 2, "JA1ABC", b20m, "1/2", "W2AW");
    AddQSO(*log, "G4ABC", b20m, mCW, {"004"});
    AddQSO(*log, "K1ABC", b80m, mCW, {"005"});
    log->Compile();
    std::vector<std::string> report;
    log->WriteResults(report);
    EXPECT_EQ(report, (std::vector<std::string>{
                          "WAE DX Contest CW 2013",
                          "Result overview of DL1ABC",
                          " ",
                          "        Good  Invalid Dupe  Deleted  Good  Invalid",
                          " Band   QSOs   QSOs   QSOs  QSO+QTC  QTCs   QTCs   Cty  Factor Mul  Pts",
                          "",
                          "  80m      1      0      1      0       0      0     1     4     4    1",
                          "  40m      1      0      0      0       0      0     1     3     3    1",
                          "  20m      1      1      0      0       2      0     1     2     2    3",
                          "  15m      0      0      0      0       0      0     0     2     0    0",
                          "  10m      0      0      0      0       0      0     0     2     0    0",
                          "",
                          "  all      3      1      1      0       2      0     3           9    5",
                          "",
                          "Final result = 5 * 9 = 45",
                      }));
    EXPECT_EQ(log->GetFinalResult(), 45);
}

}  // namespace
}  // namespace qz
