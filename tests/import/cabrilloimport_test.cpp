// The Cabrillo reader: our own files read back field for field, header tags and
// categories, the layouts of other programs, and damaged input.
#include "import/cabrilloimport.h"
#include "import/contestnames.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/datetime.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "export/cabrilloexport.h"
#include "domain/cabrilloformat.h"
#include "export/exporttest.h"
#include "import/detect.h"

namespace qz {
namespace {

using test::Add;
using test::FullHeader;

SQSOFlags Flags(std::initializer_list<TQSOFlags> f) { return SQSOFlags(f); }

std::string Join(const std::vector<std::string>& lines, const char* eol = "\r\n") {
    std::string text;
    for (const auto& l : lines) text += l + eol;
    return text;
}

class CabrilloImport : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();  // the assignment tables of the contests
    }
    void TearDown() override { Options = TOptions(); }

    // Reads `text` with the real contest classes on the tiny country data.
    std::unique_ptr<TContestLog> Read(const std::string& text, TContest fallback = cNoContest) {
        messages_.clear();
        reader_ = std::make_unique<TCabrilloImport>(text, "in/x.log", &messages_);
        reader_->Cty = test::TinyCty();
        reader_->DefaultContest = fallback;
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const { return Join(messages_, "\n"); }

    std::vector<std::string> messages_;
    std::unique_ptr<TCabrilloImport> reader_;
};

std::string Header(const std::string& contest, const std::string& call = "DL1ABC", const std::string& version = "3.0") {
    return "START-OF-LOG: " + version + "\r\nCONTEST: " + contest + "\r\nCALLSIGN: " + call + "\r\n";
}

std::string DateTime(const TQSO& q) {
    const CivilDate d = DecodeDate(q.DateTime());
    const CivilTime t = DecodeTime(q.DateTime());
    return Format("%.4d-%.2d-%.2d %.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute);
}

// Our own files

// Exports `log`, reads the file back into a log of the same class and compares every
// field the layout carries: the first number cut to the column the writer cut it to.
void ExpectRoundTrip(TContestLog& log, int sentKept, int rcvdKept, int firstNumberWidth) {
    TCabrilloExport writer(log);
    std::vector<std::string> lines;
    writer.ExportLog(lines);
    std::vector<std::string> messages;
    TCabrilloImport reader(OutputFileText(lines), "rt.log", &messages);
    reader.Cty = test::TinyCty();
    const int s = log.NoOfSentNumbers(), r = log.NoOfRcvdNumbers();
    const bool qtc = log.IsAQTCContest();
    if (dynamic_cast<test::TExportTestLog*>(&log))
        reader.LogMaker = [&](const TFileHeader& h, std::shared_ptr<const TCtyStuff>) {
            std::unique_ptr<TContestLog> made = test::MakeExportTestLog(s, r, 1, qtc, h);
            return made;
        };
    auto back = reader.ReadLog(false);
    ASSERT_TRUE(back) << reader.LastError();
    EXPECT_EQ(reader.Counts().ownLayout, log.NoOfQSOs()) << Join(messages, "\n");
    ASSERT_EQ(back->NoOfQSOs(), log.NoOfQSOs());
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const TQSO& a = *log.QSOs(i);
        const TQSO& b = *back->QSOs(i);
        SCOPED_TRACE("line " + std::to_string(i) + " " + a.Call().Call());
        EXPECT_EQ(b.Band(), a.Band());
        EXPECT_EQ(b.Mode(), a.Mode());
        EXPECT_EQ(DateTime(b), DateTime(a));
        EXPECT_EQ(b.Call().Call(), a.Call().Call());
        EXPECT_EQ(b.QSOFlags().Contains(qfUserDeleted), a.QSOFlags().Contains(qfUserDeleted));
        EXPECT_EQ(b.QTCKind(), a.QTCKind());
        EXPECT_EQ(b.Frequency(), a.FrequencyInBand());
        if (!log.IsAQTCContest()) {
            EXPECT_EQ(b.TransmitterNumber(), a.TransmitterNumber());
        }
        if (a.IsQTC()) {
            EXPECT_EQ(b.RcvdNumbers(1), cabrillo::FormatQTCGroup(a.RcvdNumbers(1)));
            for (int n = 2; n <= 4; ++n) EXPECT_EQ(b.RcvdNumbers(n), a.RcvdNumbers(n)) << "QTC number " << n;
            continue;
        }
        EXPECT_EQ(b.SentRST(), a.SentRST());
        EXPECT_EQ(b.RcvdRST(), a.RcvdRST());
        for (int n = 0; n < sentKept; ++n)
            EXPECT_EQ(b.SentNumbers(n), n == 0 ? a.SentNumbers(0).substr(0, static_cast<std::size_t>(firstNumberWidth))
                                               : a.SentNumbers(n));
        for (int n = 0; n < rcvdKept; ++n)
            EXPECT_EQ(b.RcvdNumbers(n), n == 0 ? a.RcvdNumbers(0).substr(0, static_cast<std::size_t>(firstNumberWidth))
                                               : a.RcvdNumbers(n));
    }
}

TEST_F(CabrilloImport, OwnFilesReadBackFieldForField) {
    {
        SCOPED_TRACE("narrow layout, CQ WW");
        auto log = test::MakeContestLog(FullHeader(cWWDXcw));
        ASSERT_TRUE(log);
        Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "579", {"05"}});
        Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 23:59", "599", {"14"}, "599", {"25"}});
        Add(*log, {"DL2AAA", b80m, mCW, "2013-11-24 00:20", "599", {"14"}, "599", {"14"}, Flags({qfUserDeleted})});
        Add(*log, {"K1ZZ", b15m, mSSB, "2013-11-24 12:25", "59", {"14"}, "57", {"5"}});
        Add(*log, {"G4ABC", b10m, mCW, "2013-11-24 13:00", "599", {"14"}, "599", {""}});
        // A multi-two log: logged frequencies and transmitter numbers; a frequency
        // outside the line's band (the band was changed) gives the band's text.
        log->QSOs(0)->SetFrequency(14025);
        log->QSOs(0)->SetTransmitterNumber(1);
        log->QSOs(1)->SetFrequency(7008);
        log->QSOs(3)->SetFrequency(14200);
        ExpectRoundTrip(*log, 1, 1, 6);
    }
    {
        SCOPED_TRACE("wide layout, two numbers a side");
        auto log = test::MakeExportTestLog(2, 2, 1, false, FullHeader(cDARC10));
        Add(*log, {"DF1XX", b10m, mCW, "2014-01-12 09:00", "599", {"001", "F43"}, "599", {"017", "B36"}});
        Add(*log, {"DK2ZZ", b10m, mSSB, "2014-01-12 09:30", "59", {"12345", "DOK123"}, "55", {"7", ""}});
        log->QSOs(1)->SetFrequency(28500);
        log->QSOs(1)->SetTransmitterNumber(12);
        ExpectRoundTrip(*log, 2, 2, 4);
    }
    {
        SCOPED_TRACE("wide layout, no sent number");
        auto log = test::MakeExportTestLog(0, 2, 1, false, FullHeader(cDARC10));
        Add(*log, {"DF1XX", b10m, mCW, "2014-01-12 09:00", "599", {}, "599", {"017", "B36"}});
        ExpectRoundTrip(*log, 0, 2, 4);
    }
    {
        SCOPED_TRACE("WAE with QTC rows");
        auto log = test::MakeContestLog(FullHeader(cWAEcw));
        ASSERT_TRUE(log);
        const SQSOFlags rcvd = Flags({qfRcvdQTC}), sent = Flags({qfSentQTC});
        Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:01", "599", {"001"}, "599", {"123"}});
        Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2310", "K3LR", "456"}, rcvd});
        Add(*log, {"JA1XYZ", b40m, mCW, "2013-08-10 00:06", "", {}, "", {"", "7/1", "0001", "W1AW", "123"}, sent});
        Add(*log, {"K1ZZ", b40m, mCW, "2013-08-10 00:08", "599", {"003"}, "599", {"5"}, Flags({qfUserDeleted})});
        Add(*log, {"JA1XYZ",
                   b40m,
                   mCW,
                   "2013-08-10 00:09",
                   "",
                   {},
                   "",
                   {"", "", "0100", "G4ABC", "9"},
                   Flags({qfRcvdQTC, qfUserDeleted})});
        ExpectRoundTrip(*log, 1, 1, 6);
    }
}

TEST_F(CabrilloImport, OwnLayoutIsRecognisedByItsColumns) {
    cabrillo::TLineShape narrow;
    const std::string own = "QSO: 14000 CW 2013-11-23 0007 DL1ABC        599 14     W1AW          599 05     0";
    EXPECT_TRUE(cabrillo::IsOwnLayoutLine(own, narrow));
    EXPECT_TRUE(cabrillo::IsOwnLayoutLine("X" + own.substr(0, 4) + own.substr(5), narrow));  // XQSO:
    // Another program's frequency, still in our columns.
    EXPECT_TRUE(cabrillo::IsOwnLayoutLine(
        "QSO: 14055 CW 2023-09-16 1206 3D2AG         599 1      N4DXN         599 3      0", narrow));
    // Blank-separated, shifted, two blanks after the mode, right-aligned serial.
    EXPECT_FALSE(cabrillo::IsOwnLayoutLine("QSO: 28050 CW 2024-12-14 1324 VE3EJ 599 ON LY5W 599 535", narrow));
    EXPECT_FALSE(cabrillo::IsOwnLayoutLine(
        "QSO:  3525 CW  2023-12-26 0832 DF5RF/P       599 F43  DL6AG         599   S44", narrow));
    EXPECT_FALSE(cabrillo::IsOwnLayoutLine(
        "QSO: 14055 CW 2023-09-16 1206 3D2AG         599      1 N4DXN         599      3 0", narrow));
    cabrillo::TLineShape wae{1, 5, true, false};
    EXPECT_TRUE(cabrillo::IsOwnLayoutLine(
        "QTC: 21099 RY 2023-11-11 1212 4E1FKB                   DL4VDA        0050 VE2NMB        0030", wae));
    // Two values in the QTC-call column: a misaligned serial.
    EXPECT_FALSE(cabrillo::IsOwnLayoutLine(
        "QTC: 21094 RY 2023-11-12 2302 4E1FKB        26/10      K6HGF         2036 AA9L  0173", wae));
}

TEST_F(CabrilloImport, CallAndRSTShapes) {
    for (const char* call : {"DL1ABC", "4E1FKB", "9A1A", "2E0ABC", "II2Q", "KH6ND/W7", "CT8/PA4O", "A45XR", "dl1abc"})
        EXPECT_TRUE(cabrillo::LooksLikeCall(call)) << call;
    for (const char* other :
         {"599", "05", "MD", "F43", "S44", "NTC85", "599VANNI164", "HANS/124", "10A", "5NN", "ATREB"})
        EXPECT_FALSE(cabrillo::LooksLikeCall(other)) << other;
    for (const char* rst : {"59", "599", "579", "5NN", "147"}) EXPECT_TRUE(cabrillo::LooksLikeRST(rst)) << rst;
    for (const char* other : {"001", "057", "60", "5999", "ON"}) EXPECT_FALSE(cabrillo::LooksLikeRST(other)) << other;
}

// Header

TEST_F(CabrilloImport, HeaderTagsAreFoundByNameIgnoringCaseAndSpacing) {
    auto log = Read(
        "START-OF-LOG: 3.0\r\ncallsign:dl1abc\r\nCONTEST:CQ-WW-CW\r\nNAME: First\r\nNAME: Second\r\n"
        "SOAPBOX: one\r\nSOAPBOX: two\r\nADDRESS: Street 1\r\nADDRESS-CITY: Town\r\n"
        "ADDRESS-COUNTRY: -\r\nHQ-CLUB: Other\r\nCLUB:  \r\nHQ-GRID-LOCATOR: JO00\r\nlocation: MDC \r\n"
        "GRID-LOCATOR: FM19LG\r\nEND-OF-LOG:\r\n");
    ASSERT_TRUE(log) << reader_->LastError();
    const TFileHeader& h = log->FileHeader();
    EXPECT_EQ(h.fhUser_OwnCall, "DL1ABC");
    EXPECT_EQ(log->Contest(), cWWDXcw);
    EXPECT_EQ(h.fhUser_Name, "First");
    EXPECT_EQ(h.fhContest_SoapBox, "one\r\ntwo");
    // The ADDRESS-... tags are not ADDRESS lines; their values follow the address.
    EXPECT_EQ(h.fhUser_Address, "Street 1\r\nTown");
    EXPECT_EQ(h.fhUser_Club, "");  // HQ-CLUB is another tag
    EXPECT_EQ(reader_->TagValue("CLAIMED-SCORE"), "");
    EXPECT_EQ(h.fhUser_ARRLSection, "MDC");
    EXPECT_EQ(h.fhUser_GridLocator, "FM19LG");

    // No LOCATION keeps the default DX; an empty one stays empty.
    auto none = Read(Header("CQ-WW-CW"));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->FileHeader().fhUser_ARRLSection, "DX");
    EXPECT_EQ(none->FileHeader().fhUser_GridLocator, "");
    auto empty = Read(Header("CQ-WW-CW") + "LOCATION: \r\n");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->FileHeader().fhUser_ARRLSection, "");
}

TEST_F(CabrilloImport, CategoriesOfBothVersions) {
    auto v2 = Read(Header("CQ-WW-CW", "DL1ABC", "2.0") + "CATEGORY: MULTI-TWO HIGH\r\n");
    ASSERT_TRUE(v2);
    const TFileHeader& a = v2->FileHeader();
    EXPECT_EQ(a.fhContest_CategoryOperator, coMultiOp);
    EXPECT_EQ(a.fhContest_CategoryTransmitter, ctxTwo);
    EXPECT_EQ(a.fhContest_CategoryPower, cpHigh);
    EXPECT_EQ(a.fhContest_CategoryAssisted, caNonAssisted);
    EXPECT_EQ(a.fhContest_CategoryStation, csFixed);
    EXPECT_EQ(a.fhContest_CategoryTime, ctm24Hours);

    auto v3 = Read(Header("CQ-WW-CW") +
                   "CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\n"
                   "CATEGORY-STATION: PORTABLE\r\nCATEGORY-POWER: LO\r\n");
    ASSERT_TRUE(v3);
    const TFileHeader& b = v3->FileHeader();
    EXPECT_EQ(b.fhContest_CategoryOperator, coMultiOp);
    EXPECT_EQ(b.fhContest_CategoryAssisted, caNonAssisted);  // a whole word, not "ASSISTED" inside it
    EXPECT_EQ(b.fhContest_CategoryStation, csPortable);
    EXPECT_EQ(b.fhContest_CategoryPower, cpLow);
    EXPECT_EQ(b.fhContest_CategoryTime, ctm24Hours);

    // A version-3 file with the version-2 tag alone is read by that tag.
    auto mixed = Read(Header("CQ-WW-CW") + "CATEGORY: Single-OP high\r\n");
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->FileHeader().fhContest_CategoryPower, cpHigh);
}

TEST_F(CabrilloImport, ContestSpellingsOfOtherPrograms) {
    EXPECT_EQ(ContestFromSpelling("WAE CW"), cWAEcw);
    EXPECT_EQ(ContestFromSpelling("WAE RTTY"), cWAErtty);
    EXPECT_EQ(ContestFromSpelling("wae_ssb"), cWAEssb);
    EXPECT_EQ(ContestFromSpelling("XMAS"), cXMAS);
    EXPECT_EQ(ContestFromSpelling("UBA-DX-SSB"), cUBAssb);
    // Names the table already matches keep their contest.
    EXPECT_EQ(ContestFromSpelling("DARC-WAEDC-RTTY-2013"), cWAErtty);
    EXPECT_EQ(ContestFromSpelling("WAG"), cWAG);
    EXPECT_EQ(ContestFromSpelling("NAQP-CW"), cNoContest);
    EXPECT_EQ(ContestFromSpelling(""), cNoContest);

    EXPECT_FALSE(Read(Header("NAQP-CW")));
    EXPECT_NE(reader_->LastError().find("NAQP-CW"), std::string::npos);
    EXPECT_TRUE(reader_->ContestUnknown());
    // A name in another code page is quoted without wrong letters: Windows-1251 bytes
    // as "?", UTF-8 decoded; the reader gives no front end's wording.
    EXPECT_FALSE(Read(Header("\"\xC5\xEB\xE5\" 2016")));
    EXPECT_NE(reader_->LastError().find("CONTEST '\"???\" 2016' names"), std::string::npos) << reader_->LastError();
    EXPECT_EQ(reader_->LastError().find("--contest"), std::string::npos);
    EXPECT_FALSE(Read(Header("K\xC3\xB6ln")));
    EXPECT_NE(reader_->LastError().find("'K\xF6ln'"), std::string::npos) << reader_->LastError();
    auto fallback = Read(Header("NAQP-CW"), cDXPDN);
    ASSERT_TRUE(fallback);
    EXPECT_EQ(fallback->Contest(), cDXPDN);

    // With the header dialog the user chooses the contest the file does not name.
    TCabrilloImport dialog(Header("NAQP-CW"), "x.log", nullptr);
    dialog.Cty = test::TinyCty();
    dialog.EditHeader = [](TFileHeader& h) {
        h.fhContest_Contest = cWPXcw;
        return true;
    };
    auto chosen = dialog.ReadLog(true);
    ASSERT_TRUE(chosen) << dialog.LastError();
    EXPECT_EQ(chosen->Contest(), cWPXcw);
}

// Other programs' lines

TEST_F(CabrilloImport, BlankSeparatedQSOLinesAreReadByTheirFields) {
    auto log = Read(Header("CQ-WW-CW", "K1ABC") +
                    "QSO: 28050 CW 2024-12-14 1324 VE3EJ 599 4 LY5W 599 15\r\n"
                    "QSO:    7008 CW 2024-11-23 0000 VE3EJ            599 5     MW0IDX           599  14      0\r\n"
                    "QSO: 14158 PH 2025-03-29 0000 VE3EJ 59 4 N4DN 59 5 1\r\n"
                    "X-QSO: 14036 CW 2025-08-09 0713 VE3EJ 599 4 WH6R 599 31\r\n"
                    "QSO:\xA0"
                    "3525 CW  2023-12-26 0832 VE3EJ 599 4 DL6AG 599 14 \xA0\xA0\r\n"
                    "END-OF-LOG:\r\n");
    ASSERT_TRUE(log) << reader_->LastError();
    ASSERT_EQ(log->NoOfQSOs(), 5) << AllMessages();
    const TQSO& a = *log->QSOs(0);
    EXPECT_EQ(a.Band(), b10m);
    EXPECT_EQ(DateTime(a), "2024-12-14 13:24");
    EXPECT_EQ(a.Call().Call(), "LY5W");
    EXPECT_EQ(a.SentNumbers(0), "4");
    EXPECT_EQ(a.RcvdNumbers(0), "15");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "MW0IDX");
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(0), "14");
    EXPECT_EQ(log->QSOs(2)->Mode(), mSSB);
    EXPECT_EQ(log->QSOs(2)->RcvdRST(), "59");
    EXPECT_EQ(log->QSOs(2)->RcvdNumbers(0), "5");
    EXPECT_TRUE(log->QSOs(3)->QSOFlags().Contains(qfUserDeleted));
    EXPECT_EQ(log->QSOs(3)->Call().Call(), "WH6R");
    EXPECT_EQ(log->QSOs(4)->Band(), b80m);
    EXPECT_EQ(log->QSOs(4)->Call().Call(), "DL6AG");
    EXPECT_EQ(reader_->Counts().fieldLayout, 5);
    // Frequencies in kHz and transmitter numbers are kept where the line has them.
    EXPECT_EQ(a.Frequency(), 28050u);
    EXPECT_EQ(log->QSOs(1)->Frequency(), 7008u);
    EXPECT_EQ(log->QSOs(4)->Frequency(), 3525u);
    EXPECT_EQ(log->QSOs(1)->TransmitterNumber(), 0);
    EXPECT_EQ(log->QSOs(2)->TransmitterNumber(), 1);
}

TEST_F(CabrilloImport, ExchangesWithoutRSTFollowTheFieldCounts) {
    // Two numbers a side and no RST: the worked call sits after the sent half.
    auto log = Read(Header("CQ-WW-RTTY", "K3MM") +
                    "QSO: 14119 RY 2024-09-28 0002 K3MM 599 05 MD W9TD 599 04 IL\r\n"
                    "QSO: 14119 RY 2024-09-28 0003 K3MM 05 MD K9UC 04 TN\r\n");
    ASSERT_TRUE(log) << reader_->LastError() << AllMessages();
    ASSERT_EQ(log->NoOfQSOs(), 2) << AllMessages();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W9TD");
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(1), "IL");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "K9UC");
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(0), "04");
    EXPECT_EQ(log->QSOs(1)->RcvdNumbers(1), "TN");

    // Another exchange than the contest's: split at the call, the surplus kept in the
    // last number, and one summary message.
    auto naqp =
        Read(Header("NAQP-CW", "K3DNE") + "QSO: 28044 CW 2025-01-11 1800 K3DNE Ed SC VE2FK DUB QC\r\n", cWWDXcw);
    ASSERT_TRUE(naqp);
    ASSERT_EQ(naqp->NoOfQSOs(), 1);
    EXPECT_EQ(naqp->QSOs(0)->Call().Call(), "VE2FK");
    EXPECT_EQ(naqp->QSOs(0)->RcvdNumbers(0), "DUB QC");
    EXPECT_NE(AllMessages().find("split at the worked call"), std::string::npos);
}

TEST_F(CabrilloImport, QTCLinesOfOtherPrograms) {
    auto log = Read(Header("WAE CW", "DL1ABC") +
                    "QSO: 14000 CW 2024-08-10 1150 DL1ABC 599 001 W1AW 599 010\r\n"
                    "QTC: 14000 CW 2024-08-10 1200 DL1ABC 001/10 W1AW 1205 OK1XYZ 123\r\n"
                    "QTC: 14000 CW  2024-08-10 1201 JA1XYZ 2/10 DL1ABC 1100 G4ABC 7\r\n"
                    "QTC: 21099 RY 2023-11-11 1212 DL1ABC                   DL4VDA        0050 VE2NMB        0030\r\n"
                    "QTC: 14000 CW 2024-08-10 1203 K1ZZ 3/10 W1AW 1300 G4ABC 8\r\n"
                    "END-OF-LOG:\r\n");
    ASSERT_TRUE(log);
    ASSERT_EQ(log->NoOfQSOs(), 4) << AllMessages();
    const TQSO& r = *log->QSOs(1);
    EXPECT_TRUE(r.QSOFlags().Contains(qfRcvdQTC));
    EXPECT_EQ(r.Call().Call(), "W1AW");
    EXPECT_EQ(r.RcvdNumbers(1), "001/10");
    EXPECT_EQ(r.RcvdNumbers(2), "1205");
    EXPECT_EQ(r.RcvdNumbers(3), "OK1XYZ");
    EXPECT_EQ(r.RcvdNumbers(4), "123");
    const TQSO& s = *log->QSOs(2);
    EXPECT_TRUE(s.QSOFlags().Contains(qfSentQTC));
    EXPECT_EQ(s.Call().Call(), "JA1XYZ");
    // An empty group column, in our own columns.
    EXPECT_EQ(log->QSOs(3)->Call().Call(), "DL4VDA");
    EXPECT_EQ(log->QSOs(3)->RcvdNumbers(1), "");
    EXPECT_EQ(log->QSOs(3)->RcvdNumbers(3), "VE2NMB");
    // Neither call is the own call: reported with its line number, not read.
    EXPECT_NE(AllMessages().find("in/x.log line 8 " + LS(396)), std::string::npos) << AllMessages();
    EXPECT_EQ(reader_->Counts().skipped, 1);
}

// A line that lacks an exchange field must not fit a shape without RST by taking the
// RST as the exchange: it is kept, with the RST as RST and the exchange empty, and
// reported with its line number.
TEST_F(CabrilloImport, RSTIsNeverTakenAsTheExchange) {
    auto log = Read(Header("CQ-WPX-CW") +
                    "QSO: 14000 CW 2025-05-31 0001 DL1ABC 599 101 K1ABC 599 7\r\n"
                    "QSO: 14000 CW 2025-05-31 0002 DL1ABC 599 K2ABC 599 102\r\n"
                    "QSO: 14000 CW 2025-05-31 0003 DL1ABC 599 103 K3ABC 599\r\n"
                    "QSO: 14000 CW 2025-05-31 0004 DL1ABC 599 K4ABC 599\r\n"
                    "QSO: 14000 CW 2025-05-31 0005 DL1ABC 105 K5ABC 12\r\n");
    ASSERT_TRUE(log) << reader_->LastError();
    ASSERT_EQ(log->NoOfQSOs(), 5) << AllMessages();
    const std::string m = AllMessages();
    EXPECT_EQ(m.find("line 4:"), std::string::npos) << m;
    const TQSO& noSent = *log->QSOs(1);
    EXPECT_EQ(noSent.SentRST(), "599");
    EXPECT_EQ(noSent.SentNumbers(0), "");  // not 599, nor the next serial
    EXPECT_EQ(noSent.RcvdRST(), "599");
    EXPECT_EQ(noSent.RcvdNumbers(0), "102");
    EXPECT_NE(m.find("line 5: the exchange can be read more than one way"), std::string::npos) << m;
    EXPECT_EQ(log->QSOs(2)->SentNumbers(0), "103");
    EXPECT_EQ(log->QSOs(2)->RcvdRST(), "599");
    EXPECT_EQ(log->QSOs(2)->RcvdNumbers(0), "");
    EXPECT_NE(m.find("line 6: the exchange can be read more than one way"), std::string::npos) << m;
    EXPECT_EQ(log->QSOs(3)->SentNumbers(0), "");
    EXPECT_EQ(log->QSOs(3)->RcvdNumbers(0), "");
    EXPECT_NE(m.find("line 7: the exchange can be read more than one way"), std::string::npos) << m;
    // Without RSTs on either side and no RST-like value, the fields are the exchange.
    EXPECT_EQ(log->QSOs(4)->SentNumbers(0), "105");
    EXPECT_EQ(log->QSOs(4)->RcvdNumbers(0), "12");
    EXPECT_EQ(m.find("line 8:"), std::string::npos) << m;

    // A line that simply lacks its received number keeps it empty and is reported.
    auto zone = Read(Header("CQ-WW-CW") +
                     "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05 1\r\n"
                     "QSO: 14000 CW 2013-11-23 0008 DL1ABC 599 14 K1ZZ\r\n");
    ASSERT_TRUE(zone);
    ASSERT_EQ(zone->NoOfQSOs(), 2) << AllMessages();
    EXPECT_EQ(zone->QSOs(1)->RcvdNumbers(0), "");
    EXPECT_NE(AllMessages().find("line 5: a field of the contest's exchange is missing"), std::string::npos)
        << AllMessages();
}

// Tags are read in any letter case; a line shaped like a QSO line under a tag that is
// no QSO or QTC tag is reported, never dropped in silence.
TEST_F(CabrilloImport, TagsInAnyCaseAndStrayDataLinesAreReported) {
    auto log = Read(
        "start-of-log: 3.0\r\ncontest: cq-ww-cw\r\ncallsign: dl1abc\r\n"
        "qso: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05\r\n"
        "  Qso: 7000 CW 2013-11-23 0008 DL1ABC 599 14 JA1XYZ 599 25\r\n"
        "x-qso: 7000 CW 2013-11-23 0009 DL1ABC 599 14 G4ABC 599 14\r\n"
        "QS0: 21000 CW 2013-11-23 0010 DL1ABC 599 14 K1ZZ 599 05\r\n"
        "soapbox: 100 qso: fun\r\n"
        "end-of-log:\r\n");
    ASSERT_TRUE(log) << reader_->LastError();
    EXPECT_EQ(log->Contest(), cWWDXcw);
    ASSERT_EQ(log->NoOfQSOs(), 3) << AllMessages();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "JA1XYZ");
    EXPECT_TRUE(log->QSOs(2)->QSOFlags().Contains(qfUserDeleted));
    EXPECT_NE(AllMessages().find("line 7: not read: a line shaped like a QSO line"), std::string::npos)
        << AllMessages();
    const TCabrilloReadCounts& c = reader_->Counts();
    EXPECT_EQ(c.dataLines, 4);
    EXPECT_EQ(c.skipped, 1);
    EXPECT_EQ(reader_->CheckFormat(), ftCabrillo);
}

TEST_F(CabrilloImport, LinesThatCannotBeUsedAreReportedWithTheirNumbers) {
    auto log = Read(Header("CQ-WW-CW") +
                    "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14\r\n"                 // no worked call
                    "QTC: 14000 CW 2013-11-23 0008 DL1ABC 1/10 W1AW 0001 K1ZZ 5\r\n"  // no QTC contest
                    "QSO: 99999 ZZ 2013-13-45 2599 DL1ABC 599 14 W1AW 599 05\r\n"     // bad values
                    "QSO: 14000 CW 2013-11-23 0009 DL1ABC 599 14 K1ZZ 599 05\r\n");
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 2);
    const std::string m = AllMessages();
    EXPECT_NE(m.find("line 4: not read:"), std::string::npos) << m;
    EXPECT_NE(m.find("line 5: not read: a QTC line"), std::string::npos) << m;
    for (const char* what : {"frequency in no band", "mode not known", "date not understood", "time not understood"})
        EXPECT_NE(m.find(std::string("line 6: ") + what), std::string::npos) << what << "\n" << m;
    const TCabrilloReadCounts& c = reader_->Counts();
    EXPECT_EQ(c.dataLines, 4);
    EXPECT_EQ(c.qsos + c.qtcs + c.skipped, c.dataLines);
}

// Damaged and odd files

TEST_F(CabrilloImport, LineEndsEndMarkerAndTrailingText) {
    const std::string body = "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05";
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::Message() << "line end " << static_cast<int>(eol[0]));
        std::string text = "START-OF-LOG: 3.0" + std::string(eol) + "CONTEST: CQ-WW-CW" + eol + "CALLSIGN: DL1ABC" +
                           eol + body + eol + body.substr(0, 44) + "K1ZZ 599 05";  // no END-OF-LOG, no final eol
        auto log = Read(text);
        ASSERT_TRUE(log);
        EXPECT_EQ(log->NoOfQSOs(), 2);
    }
    auto after = Read(Header("CQ-WW-CW") + body + "\r\nEND-OF-LOG:\r\n73 Jan\r\n" + body + "\r\n");
    ASSERT_TRUE(after);
    EXPECT_EQ(after->NoOfQSOs(), 2);
    EXPECT_NE(AllMessages().find("after END-OF-LOG"), std::string::npos);
}

TEST_F(CabrilloImport, AZeroByteLosesOnlyItsOwnLineWhichIsReportedAsDropped) {
    const std::string line = "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05\r\n";
    std::string text = Header("CQ-WW-CW");
    for (int i = 0; i < 50; ++i) text += i == 6 ? line.substr(0, 20) + std::string(1, '\0') + line.substr(20) : line;
    text += std::string("SOAPBOX: a damaged remark \0\r\n", 29);  // no data line, dropped all the same
    auto log = Read(text);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 49);
    const TCabrilloReadCounts& c = reader_->Counts();
    EXPECT_EQ(c.skipped, 1);
    EXPECT_EQ(c.qsos + c.qtcs + c.skipped, c.dataLines);  // every data line is read or skipped
    ASSERT_EQ(reader_->Dropped().count, 2);
    // The header takes three lines: the seventh QSO line is line 10.
    EXPECT_NE(reader_->Dropped().listed[0].find("in/x.log line 10: not read: the line holds a zero byte"),
              std::string::npos)
        << reader_->Dropped().listed[0];
    EXPECT_EQ(reader_->Dropped().listed[0].find('\0'), std::string::npos);
    // Zeros that pad a file after its end lose nothing and are not reported.
    Read(Header("CQ-WW-CW") + line + std::string(100, '\0'));
    EXPECT_EQ(AllMessages().find("zero byte"), std::string::npos);
    EXPECT_EQ(reader_->Dropped().count, 0);
}

TEST_F(CabrilloImport, BadInputGivesAMessageOrNothingButNeverACrash) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    EXPECT_FALSE(Read(garbage));
    EXPECT_EQ(reader_->CheckFormat(), ftUnknown);

    // Truncated in the middle of a QSO line.
    const std::string full = Header("CQ-WW-CW") + "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05\r\n";
    for (std::size_t cut = 0; cut <= full.size(); cut += 7) Read(full.substr(0, cut));

    // Over-long lines, Windows-1251 text and control bytes.
    std::string text = Header("CQ-WW-CW") + "NAME: \xD1\xE2\xE5\xF2\xEB\xEE\xE7\xE0\xF0\r\n" +
                       "QSO: " + std::string(200000, '9') + "\r\nQSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 " +
                       std::string(100000, 'A') + "\r\nQSO: 14000 CW \x01\x02\x7F\xFF 0007 DL1ABC 599 14 W1AW 599\r\n";
    auto log = Read(text);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->FileHeader().fhUser_Name, "\xD1\xE2\xE5\xF2\xEB\xEE\xE7\xE0\xF0");
    EXPECT_EQ(reader_->Counts().dataLines, 3);
    for (const auto& m : messages_) EXPECT_LT(m.size(), 400u) << "messages quote lines cut short";
}

TEST_F(CabrilloImport, ConvertLogStoresANativeLogAndDetectionKnowsTheFormat) {
    test::TempDir dir;
    const std::string file = dir.File("DL1ABC.log");
    test::WriteFile(file, Header("CQ-WW-CW") + "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05\r\n");
    EXPECT_EQ(DetectFileType(file), ftCabrillo);
    std::vector<std::string> messages;
    auto converter = MakeConverter(ftCabrillo, file, &messages);
    ASSERT_TRUE(converter);
    converter->Cty = test::TinyCty();
    converter->StoreTarget = TStoreTarget{false, true, ""};
    const std::string written = converter->ConvertLog(false);
    EXPECT_EQ(written, dir.File("DL1ABC.QZF")) << converter->LastError();
}

}  // namespace
}  // namespace qz
