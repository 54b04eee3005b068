// The STF reader: our own files read back, the tolerances for other programs' files,
// QTC sections, and rows that do not fit their order line.
#include "import/stfimport.h"

#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "export/exporttest.h"
#include "export/stfexport.h"

namespace qz {
namespace {

using test::Add;
using test::FullHeader;

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

std::string DateTimeOf(const TQSO& q) {
    const CivilDate d = DecodeDate(q.DateTime());
    const CivilTime t = DecodeTime(q.DateTime());
    return Format("%.4d-%.2d-%.2d %.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute);
}

class STF : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
    }
    void TearDown() override { Options = TOptions(); }

    std::unique_ptr<TContestLog> Read(const std::string& text, TContest contest = cNoContest,
                                      const std::string& name = "in/x.stf") {
        messages_.clear();
        reader_ = std::make_unique<TSTFConvert>(text, name, &messages_);
        reader_->Cty = test::TinyCty();
        reader_->DefaultContest = contest;
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const {
        std::string m;
        for (const auto& s : messages_) m += s + "\n";
        return m;
    }
    static std::string Export(TContestLog& log) {
        TSTFExportSettings s;
        s.AddComments = true;
        TSTFExport writer(log, s);
        std::vector<std::string> lines;
        writer.ExportLog(lines);
        return Join(lines);
    }

    std::vector<std::string> messages_;
    std::unique_ptr<TSTFConvert> reader_;
};

std::string File(const std::string& order, const std::string& rows, const std::string& header = "") {
    return "STF1\r\nHeader\r\nContest      CQ-WW-CW\r\nMyCall       DL1ABC\r\n" + header + "QsoOrder     " + order +
           "\r\nEndHeader\r\n\r\nQSOList\r\n" + rows + "EndQSOList\r\n";
}

TEST_F(STF, OwnFilesReadBackEveryFieldTheyCarry) {
    auto log = test::MakeContestLog(FullHeader(cWWDXcw));
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "579", {"5"}});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 23:59", "599", {"14"}, "599", {"25"}, SQSOFlags({qfUserDeleted})});
    Add(*log, {"G4ABC", b10m, mCW, "2013-11-24 10:30", "599", {"14"}, "599", {""}});
    log->QSOs(0)->SetComment({"first comment", "second"});
    log->Compile();
    auto back = Read(Export(*log));
    ASSERT_TRUE(back) << reader_->LastError();
    EXPECT_EQ(AllMessages(), "");
    EXPECT_EQ(back->Contest(), cWWDXcw);
    const TFileHeader& h = back->FileHeader();
    EXPECT_EQ(h.fhUser_OwnCall, "DL1ABC");
    EXPECT_EQ(h.fhUser_Name, log->FileHeader().fhUser_Name);
    EXPECT_EQ(h.fhUser_Address, log->FileHeader().fhUser_Address);
    EXPECT_EQ(h.fhUser_Specific, "G24");
    EXPECT_EQ(h.fhContest_CategoryAssisted, caNonAssisted);
    for (const auto& row : reader_->Allocation().QSORows)
        if (row.Property != cpNr && row.Property != cpMark && row.Property != cpMul && row.Property != cpPoints &&
            row.Property != cpFlags && row.Property != cpIsQTC) {
            EXPECT_FALSE(row.Keyword.empty()) << row.Header;
        }
    ASSERT_EQ(back->NoOfQSOs(), log->NoOfQSOs());
    for (int i = 0; i < log->NoOfQSOs(); ++i) {
        const TQSO& a = *log->QSOs(i);
        const TQSO& b = *back->QSOs(i);
        SCOPED_TRACE(a.Call().Call());
        EXPECT_EQ(b.Call().Call(), a.Call().Call());
        EXPECT_EQ(b.Band(), a.Band());
        EXPECT_EQ(b.Mode(), a.Mode());
        EXPECT_EQ(DateTimeOf(b), DateTimeOf(a));
        EXPECT_EQ(b.SentRST(), a.SentRST());
        EXPECT_EQ(b.RcvdRST(), a.RcvdRST());
        EXPECT_EQ(b.SentNumbers(0), a.SentNumbers(0));
        EXPECT_EQ(b.RcvdNumbers(0), a.RcvdNumbers(0));  // "-" leaves the number empty
        EXPECT_EQ(b.QSOFlags().Contains(qfUserDeleted), a.QSOFlags().Contains(qfUserDeleted));
    }
}

TEST_F(STF, QTCSectionsOfAWAELog) {
    auto log = test::MakeContestLog(FullHeader(cWAEcw, "DL1ABC"));
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"1"}, "599", {"12"}});
    Add(*log, {"W1AW",
               b20m,
               mCW,
               "2013-11-23 00:09",
               "",
               {},
               "",
               {"", "1/10", "0001", "DL1XY", "12"},
               SQSOFlags({qfSentQTC})});
    Add(*log, {"K1AB",
               b20m,
               mCW,
               "2013-11-23 00:12",
               "",
               {},
               "",
               {"", "2/10", "0003", "G4ABC", "7"},
               SQSOFlags({qfRcvdQTC})});
    log->Compile();
    auto back = Read(Export(*log));
    ASSERT_TRUE(back) << reader_->LastError();
    ASSERT_EQ(back->NoOfQSOs(), 3) << AllMessages();
    EXPECT_EQ(back->QSOs(1)->QTCKind(), log->QSOs(1)->QTCKind());
    EXPECT_EQ(back->QSOs(2)->QTCKind(), log->QSOs(2)->QTCKind());
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(back->QSOs(2)->RcvdNumbers(n), log->QSOs(2)->RcvdNumbers(n)) << n;
    // A section that does not say which: received for a station in Europe, else sent.
    std::string text = Export(*log);
    const std::size_t from = text.find("QTCSent");
    ASSERT_NE(text.find("EndQTCRcvd"), std::string::npos);
    const std::string list =
        text.substr(0, from) + "QTCList\r\n" +
        text.substr(text.find("\r\n", from) + 2, text.find("EndQTCSent") - text.find("\r\n", from) - 2) +
        "EndQTCList\r\n";
    auto eu = Read(list);
    ASSERT_TRUE(eu);
    EXPECT_TRUE(eu->QSOs(1)->QSOFlags().Contains(qfRcvdQTC));
    std::string dx = list;
    dx.replace(dx.find("DL1ABC"), 6, "W1XX  ");
    auto na = Read(dx);
    ASSERT_TRUE(na);
    EXPECT_TRUE(na->QSOs(1)->QSOFlags().Contains(qfSentQTC));
}

TEST_F(STF, ToleranceForOtherFiles) {
    const std::string text =
        "STF1\r\nHeader\r\ncontest: \"CQ-WW-CW\"\r\n  mycall = \"dl1abc/p\"\r\nCategory  multi-op two low\r\n"
        "Soapbox  one\r\nSoapbox  two\r\nQsoOrder Call Band\r\nQSOORDER Date Time Band Mode Call SRst Sent RRst "
        "RcvdZone Pts\r\nEndHeader\r\nqsolist\r\n"
        "# a comment line\r\n"
        "130101 0001 20 CW W1AW 599 14 599 5 3\r\n"
        "990101 0002 20 CW W2AW 599 14 599 5 C\r\n"
        "2013011 0003 20 CW W3AW 599 14 599 5 3\r\n"
        "20130101 0004 20 CW W4AW 599 14\r\n"
        "20130101 0005 20 CW W5AW 599 14 599 5 3 extra\r\n"
        "EndQSOList\r\n";
    auto log = Read(text);
    ASSERT_TRUE(log) << reader_->LastError();
    const TFileHeader& h = log->FileHeader();
    EXPECT_EQ(h.fhUser_OwnCall, "DL1ABC/P");
    EXPECT_EQ(h.fhContest_CategoryOperator, coMultiOp);
    EXPECT_EQ(h.fhContest_CategoryTransmitter, ctxTwo);
    EXPECT_EQ(h.fhContest_SoapBox, "one\r\ntwo");
    EXPECT_EQ(reader_->Allocation().QSOOrder.size(), 10u);  // the second order line wins
    ASSERT_EQ(log->NoOfQSOs(), 4) << AllMessages();
    EXPECT_EQ(DecodeDate(log->QSOs(0)->DateTime()).year, 2013);
    EXPECT_EQ(DecodeDate(log->QSOs(1)->DateTime()).year, 1999);
    EXPECT_TRUE(log->QSOs(1)->QSOFlags().Contains(qfUserDeleted));
    EXPECT_FALSE(log->QSOs(0)->QSOFlags().Contains(qfUserDeleted));
    EXPECT_EQ(log->QSOs(3)->Call().Call(), "W5AW");
    const std::string m = AllMessages();
    EXPECT_NE(m.find("line 15: date not understood: '2013011'"), std::string::npos) << m;
    EXPECT_NE(m.find("line 16: 7 fields where QsoOrder declares 10"), std::string::npos) << m;
    EXPECT_NE(m.find("line 17: 11 fields where QsoOrder declares 10"), std::string::npos) << m;
    EXPECT_EQ(reader_->Counts().dataLines, 5);
    EXPECT_EQ(reader_->Counts().qsos + reader_->Counts().dropped, 5);
}

TEST_F(STF, AllocationCanBeChanged) {
    const std::string text =
        File("Date Time Band Mode Call SRst Sent RRst Zone", "20130101 0001 20 CW W1AW 599 14 599 5\r\n");
    messages_.clear();
    TSTFConvert reader(text, "in/x.stf", &messages_);
    reader.Cty = test::TinyCty();
    reader.AskQuestions = true;
    reader.EditAllocation = [](TSTFAllocation& a) {
        for (auto& row : a.QSORows)
            if (row.Property == cpRcvdNumber) row.Keyword = "Zone";
        return true;
    };
    auto log = reader.ReadLog(false);
    ASSERT_TRUE(log) << reader.LastError();
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "5");
    reader.EditAllocation = [](TSTFAllocation&) { return false; };
    EXPECT_EQ(reader.ReadLog(false), nullptr);
    EXPECT_TRUE(reader.Cancelled());
}

TEST_F(STF, NotSTFAndUnknownContest) {
    EXPECT_EQ(Read("Header\r\nEndHeader"), nullptr);  // the end is the last line
    EXPECT_NE(reader_->LastError().find("not an STF file"), std::string::npos);
    EXPECT_EQ(Read("STF1\r\nHeader\r\nContest  NOPE \xC5\xEB\r\nEndHeader\r\n\r\n"), nullptr);
    // The name is quoted safely: bytes of an unknown code page show as "?"; how to
    // give a contest is left to the front end.
    EXPECT_TRUE(reader_->ContestUnknown());
    EXPECT_NE(reader_->LastError().find("'NOPE \?\?'"), std::string::npos) << reader_->LastError();
    EXPECT_EQ(reader_->LastError().find("--contest"), std::string::npos);
    EXPECT_EQ(STFTokens("a-b  -  x/y,\xC4z;9").size(), 5u);
}

}  // namespace
}  // namespace qz
