// Logs for the writer tests: a configurable contest class, a filled header, a line
// builder, and the comparison with the hand-written expected files.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/datetime.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "engine/contestlog.h"
#include "engine/testlog.h"
#include "export/exporter.h"
#include "testutil.h"

namespace qz::test {

// S sent, R received numbers and M multiplier kinds; every good line scores 1 point,
// multiplier kind k is the last received number, new per band. With `qtc` it behaves
// as a QTC contest whose received numbers 1 to 4 are QTC fields.
class TExportTestLog : public TContestLog {
public:
    TExportTestLog(int s, int r, int m, bool qtc = false) : FQTC(qtc) {
        FNoOfSentNumbers = s;
        FNoOfRcvdNumbers = r;
        FNoOfMulties = m;
        FBands = AllBands();
    }
    void SetShow(bool mode, bool time, bool overlay) {
        FShowModeInCategory = mode;
        FShowTimeInCategory = time;
        FShowOverlayInCategory = overlay;
    }
    std::string SpecialSTFCategory;

    std::string GetMulti(int index, int multiIndex) override {
        const TQSO* q = QSOs(index);
        if (!q->IsGood()) return {};
        return NewMulti(index, multiIndex, q->RcvdNumbers(FNoOfRcvdNumbers - 1), true);
    }
    std::int32_t GetPoints(int index) override { return QSOs(index)->IsGood() ? 1 : 0; }
    void SetColumns() override {
        TContestLog::SetColumns();
        for (int i = 0; i < FNoOfSentNumbers; ++i) SetColumn(cpSentNumber, 51, i, {qqQSO}, i ? "Sent2" : "Sent");
        SetColumn(cpRcvdRST, 52, -1, {qqQSO}, "RRst");
        for (int i = 0; i < FNoOfRcvdNumbers; ++i) {
            bool qtcNumber = IsAQTCRcvdNumber(i);
            SetColumn(cpRcvdNumber, 53, i, {qtcNumber ? qqQTC : qqQSO}, "R" + std::to_string(i));
        }
    }
    bool IsAQTCContest() const override { return FQTC; }
    bool IsAQTCRcvdNumber(int i) const override { return FQTC && i >= 1 && i <= 4; }
    std::string GetSpecialSTFCategory() const override { return SpecialSTFCategory; }

private:
    bool FQTC;
};

// A header with every text field filled: a two-line club, a three-line address, a
// Windows-1252 name.
inline TFileHeader FullHeader(TContest contest, const std::string& ownCall = "DL1ABC") {
    TFileHeader h;
    h.fhUser_OwnCall = ownCall;
    h.fhContest_Contest = contest;
    h.fhUser_ARRLSection = "DX";
    h.fhUser_Club = "Rhein-Ruhr Contest Club\r\nOV G24";
    h.fhUser_Name = "J\xFCrgen M\xFCller";
    h.fhUser_EMail = "dl1abc@example.org";
    h.fhUser_Specific = "G24";
    h.fhUser_Address = "J\xFCrgen M\xFCller\r\nHauptstr. 1\r\n12345 Musterstadt";
    h.fhUser_Station = "TRX 100 W, dipole";
    h.fhUser_Power = "100";
    h.fhContest_OperatorList = "DL1ABC\nDL2XYZ";
    h.fhContest_SoapBox = "";
    h.fhContest_CategoryOperator = coSingleOp;
    h.fhContest_CategoryTransmitter = ctxOne;
    h.fhContest_CategoryAssisted = caNonAssisted;
    h.fhContest_CategoryPower = cpLow;
    h.fhContest_CategoryStation = csFixed;
    h.fhContest_CategoryTime = ctm24Hours;
    h.fhContest_CategoryOverlay = coRookie;
    return h;
}

// A log of a real contest class on the tiny country data.
inline std::unique_ptr<TContestLog> MakeContestLog(const TFileHeader& h) {
    auto log = CreateContestLog(h, nullptr, TinyCty());
    EXPECT_NE(log, nullptr);
    return log;
}

inline std::unique_ptr<TExportTestLog> MakeExportTestLog(int s, int r, int m, bool qtc, const TFileHeader& h) {
    auto log = std::make_unique<TExportTestLog>(s, r, m, qtc);
    log->Init(h, TinyCty());
    return log;
}

struct TLine {
    TLine(std::string c, TBand b, TMode m, std::string t, std::string srst, std::vector<std::string> s,
          std::string rrst, std::vector<std::string> r, SQSOFlags f = {})
        : call(std::move(c)),
          band(b),
          mode(m),
          time(std::move(t)),
          sentRST(std::move(srst)),
          sent(std::move(s)),
          rcvdRST(std::move(rrst)),
          rcvd(std::move(r)),
          flags(f) {}
    std::string call;
    TBand band;
    TMode mode;
    std::string time;  // "yyyy-mm-dd hh:nn"
    std::string sentRST;
    std::vector<std::string> sent;
    std::string rcvdRST;
    std::vector<std::string> rcvd;
    SQSOFlags flags;  // sent/received QTC, user-deleted
};

inline void Add(TContestLog& log, const TLine& l) {
    auto q = log.NewQSO(false);
    q->SetBand(l.band);
    q->SetMode(l.mode);
    q->SetCall(l.call);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    y = StrToIntDef(Copy(l.time, 1, 4), 0);
    mo = StrToIntDef(Copy(l.time, 6, 2), 0);
    d = StrToIntDef(Copy(l.time, 9, 2), 0);
    h = StrToIntDef(Copy(l.time, 12, 2), 0);
    mi = StrToIntDef(Copy(l.time, 15, 2), 0);
    q->SetDateTime(EncodeDate(y, mo, d) + EncodeTime(h, mi, 0, 0));
    if (l.flags.Contains(qfSentQTC) || l.flags.Contains(qfRcvdQTC)) q->SetQSOFlags(l.flags);
    q->SetSentRST(l.sentRST);
    q->SetRcvdRST(l.rcvdRST);
    for (std::size_t i = 0; i < l.sent.size(); ++i) q->SetSentNumbers(static_cast<int>(i), l.sent[i]);
    for (std::size_t i = 0; i < l.rcvd.size(); ++i) q->SetRcvdNumbers(static_cast<int>(i), l.rcvd[i]);
    if (l.flags.Contains(qfUserDeleted)) q->IncludeFlag(qfUserDeleted);
    log.AppendQSO(std::move(q));
}

inline std::string ExpectedFile(const std::string& name) {
    return ReadFile(std::string(QZ_TEST_DATA_DIR) + "/export/" + name);
}

// Compares line by line first, so that a failure names the line that differs.
inline void ExpectSameText(const std::string& actual, const std::string& expected, const std::string& what) {
    auto a = SplitLines(actual), e = SplitLines(expected);
    for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i) EXPECT_EQ(a[i], e[i]) << what << ", line " << i + 1;
    EXPECT_EQ(a.size(), e.size()) << what;
    EXPECT_TRUE(actual == expected) << what << ": bytes differ (line ends?)";
}

}  // namespace qz::test
