// The ADIF writer and reader: our own files read back, the shapes real programs write,
// and damaged input.
#include "import/adifimport.h"

#include <gtest/gtest.h>

#include "base/datetime.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "export/adifexport.h"
#include "export/exporttest.h"
#include "import/cabrilloimport.h"
#include "import/detect.h"

namespace qz {
namespace {

using test::Add;
using test::FullHeader;

std::string Join(const std::vector<std::string>& lines, const char* eol = "\r\n") {
    std::string text;
    for (const auto& l : lines) text += l + eol;
    return text;
}

std::string DateTimeOf(const TQSO& q) {
    const CivilDate d = DecodeDate(q.DateTime());
    const CivilTime t = DecodeTime(q.DateTime());
    return Format("%.4d-%.2d-%.2d %.2d:%.2d", d.year, d.month, d.day, t.hour, t.minute);
}

// Every field both formats carry: call, band, mode, time to the minute, both RSTs,
// the first sent and received number.
void ExpectSameLines(const TContestLog& a, const TContestLog& b) {
    ASSERT_EQ(b.NoOfQSOs(), a.NoOfQSOs());
    for (int i = 0; i < a.NoOfQSOs(); ++i) {
        const TQSO& x = *a.QSOs(i);
        const TQSO& y = *b.QSOs(i);
        SCOPED_TRACE("line " + std::to_string(i + 1) + " " + x.Call().Call());
        EXPECT_EQ(y.Call().Call(), x.Call().Call());
        EXPECT_EQ(y.Band(), x.Band());
        EXPECT_EQ(y.Mode(), x.Mode());
        EXPECT_EQ(DateTimeOf(y), DateTimeOf(x));
        EXPECT_EQ(y.SentRST(), x.SentRST());
        EXPECT_EQ(y.RcvdRST(), x.RcvdRST());
        if (a.NoOfSentNumbers() > 0) {
            EXPECT_EQ(y.SentNumbers(0), x.SentNumbers(0));
        }
        if (a.NoOfRcvdNumbers() > 0) {
            EXPECT_EQ(y.RcvdNumbers(0), x.RcvdNumbers(0));
        }
    }
}

class ADIF : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
    }
    void TearDown() override { Options = TOptions(); }

    std::unique_ptr<TContestLog> Read(const std::string& text, TContest contest = cWWDXcw,
                                      const std::string& name = "in/x.adi") {
        messages_.clear();
        reader_ = std::make_unique<TADIFImport>(text, name, &messages_);
        reader_->Cty = test::TinyCty();
        reader_->DefaultContest = contest;
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const { return Join(messages_, "\n"); }

    std::vector<std::string> messages_;
    std::unique_ptr<TADIFImport> reader_;
};

std::unique_ptr<TContestLog> WWLog() {
    auto log = test::MakeContestLog(FullHeader(cWWDXcw));
    Add(*log, {"DL1ABC", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "599", {"14"}});
    Add(*log, {"W1AW", b40m, mCW, "2013-11-23 23:59", "579", {"14"}, "599", {"5"}});
    Add(*log, {"JA1XYZ", b10m, mCW, "2013-11-24 10:30", "599", {"14"}, "559", {"25"}});
    Add(*log, {"G4ABC", b160m, mCW, "2013-11-24 01:00", "599", {"14"}, "599", {"14"}});
    log->Compile();
    return log;
}

TEST_F(ADIF, DefaultRecordAndConfiguredFields) {
    auto log = WWLog();
    TADIFExport writer(*log, TADIFConfig{});
    EXPECT_EQ(writer.ExportSingleQSO(0),
              "<call:6>DL1ABC<band:3>20M<mode:2>CW<qso_date:8>20131123<time_on:4>0007<rst_sent:3>599<stx:2>14"
              "<rst_rcvd:3>599<contest_id:8>CQ-WW-CW<eor>");
    TADIFConfig c;
    c.TimeFormat = 1;
    c.ContestIdOutput = 1;
    c.FREQ = c.TIME_OFF = c.QSL_SENT = true;
    c.RcvdAssignment = {"state"};
    TADIFExport custom(*log, c);
    const std::string r = custom.ExportSingleQSO(0);
    EXPECT_NE(r.find("<freq:2>14<"), std::string::npos) << r;
    EXPECT_NE(r.find("<time_on:6>000700<time_off:6>000700"), std::string::npos) << r;
    EXPECT_NE(r.find("<state:2>14<qsl_sent:1>N<eor>"), std::string::npos) << r;
    std::vector<std::string> lines;
    custom.ExportLog(lines);
    EXPECT_EQ(lines[4], "QZ__Call=DL1ABC");
    EXPECT_EQ(lines[7], "<adif_ver:4>1.00<contest_id:8>CQ-WW-CW<eoh>");
    EXPECT_EQ(Join(lines).find("contest_id", Join(lines).find("<eoh>")), std::string::npos);
}

TEST_F(ADIF, QTCRowsAreNotWrittenAndTheTableListsOnlyQSONumbers) {
    auto log = test::MakeExportTestLog(1, 5, 1, true, FullHeader(cWAEcw));
    Add(*log, {"OK1AB", b20m, mCW, "2013-11-23 00:02", "599", {"1"}, "599", {"7", "", "", "", "x"}});
    Add(*log, {"OK1AB",
               b20m,
               mCW,
               "2013-11-23 00:03",
               "",
               {},
               "",
               {"", "1/10", "0001", "DL1XY", "12"},
               SQSOFlags({qfSentQTC})});
    const auto rows = ADIFRcvdRows(*log);
    ASSERT_EQ(rows.size(), 1u);  // numbers 1 to 4 are QTC fields
    EXPECT_EQ(rows[0].Field, "srx");
    TADIFExport writer(*log, TADIFConfig::Defaults(*log));
    EXPECT_EQ(writer.ExportSingleQSO(1), "");
    std::vector<std::string> lines;
    writer.ExportLog(lines);
    EXPECT_EQ(lines.size(), 10u);
}

TEST_F(ADIF, ConfigurationIsStoredAndLoaded) {
    test::TempDir dir;
    setenv("QZ_CONFIG_DIR", dir.path().c_str(), 1);
    EXPECT_EQ(TADIFConfig::FromSettings(2).RcvdAssignment, (std::vector<std::string>{"", ""}));
    TADIFConfig c;
    c.TIME_OFF = true;
    c.STX = false;
    c.TimeFormat = 1;
    c.RcvdAssignment = {"srx", "state"};
    ASSERT_TRUE(c.Save());
    const TADIFConfig back = TADIFConfig::FromSettings(3);
    EXPECT_TRUE(back.TIME_OFF);
    EXPECT_FALSE(back.STX);
    EXPECT_EQ(back.TimeFormat, 1);
    EXPECT_EQ(back.RcvdAssignment, (std::vector<std::string>{"srx", "state", ""}));
    unsetenv("QZ_CONFIG_DIR");
}

TEST_F(ADIF, OwnFileReadsBackEveryFieldItCarries) {
    auto log = WWLog();
    TADIFConfig c;
    c.RcvdAssignment = {"srx"};
    for (bool rstFields : {true, false}) {
        // Without the RST fields the numbers still come from stx and srx.
        c.RST_SENT = c.RST_RCVD = rstFields;
        TADIFExport writer(*log, c);
        std::vector<std::string> lines;
        writer.ExportLog(lines);
        auto back = Read(Join(lines), cNoContest);
        ASSERT_TRUE(back) << reader_->LastError();
        EXPECT_EQ(back->Contest(), cWWDXcw);  // from contest_id
        EXPECT_EQ(back->FileHeader().fhUser_OwnCall, "DL1ABC");
        if (rstFields) {
            ExpectSameLines(*log, *back);
        }
        for (int i = 0; i < log->NoOfQSOs(); ++i) {
            EXPECT_EQ(back->QSOs(i)->SentNumbers(0), log->QSOs(i)->SentNumbers(0));
            EXPECT_EQ(back->QSOs(i)->RcvdNumbers(0), log->QSOs(i)->RcvdNumbers(0));
        }
        EXPECT_EQ(AllMessages(), "");
    }
    // Without the srx field the received number does not come back.
    TADIFExport plain(*log, TADIFConfig{});
    std::vector<std::string> lines;
    plain.ExportLog(lines);
    auto back = Read(Join(lines));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->QSOs(1)->RcvdNumbers(0), "");
    EXPECT_EQ(back->QSOs(1)->SentNumbers(0), "14");
}

TEST_F(ADIF, CabrilloThroughNativeAndADIFGivesTheSameLog) {
    const std::string cabrillo =
        "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: DL1ABC\r\n"
        "QSO: 14025 CW 2013-11-23 0007 DL1ABC        599 14     W1AW          599 05     0\r\n"
        "QSO:  7012 CW 2013-11-23 0109 DL1ABC        599 14     JA1XYZ        579 25     0\r\n"
        "QSO: 28040 CW 2013-11-24 2359 DL1ABC        599 14     G4ABC         599 14     0\r\n"
        "END-OF-LOG:\r\n";
    TCabrilloImport cbr(cabrillo, "in/x.log", nullptr);
    cbr.Cty = test::TinyCty();
    auto native = cbr.ReadLog(false);
    ASSERT_TRUE(native);
    TADIFConfig c;
    c.RcvdAssignment = {"srx"};
    TADIFExport writer(*native, c);
    std::vector<std::string> lines;
    writer.ExportLog(lines);
    auto back = Read(Join(lines));
    ASSERT_TRUE(back) << reader_->LastError();
    ExpectSameLines(*native, *back);
    native->Compile();
    back->Compile();
    EXPECT_EQ(back->GetFinalResult(), native->GetFinalResult());
}

TEST_F(ADIF, ShapesOfOtherPrograms) {
    // The first record on the end-of-header line, typed fields, upper-case tags and
    // end-of-record, text between fields, LF, CR LF and a lone CR.
    const std::string text =
        "Exported<eoh><call:6>W1AW  <band:3>20m <mode:2>CW <qso_date:8>20131123 <time_on:6>120159 <eor>\n"
        "<CALL:6:S>JA1XYZ<BAND:3:E>40M<QSO_DATE:8:D>20131123<TIME_ON:4:T>1300 junk <RST_SENT:3>599<EOR>\r\n"
        "<Call:5>G4ABC<freq:6>28.040<time_off:4>1400<qso_date:8>20131124<eOr>\r";
    auto log = Read(text);
    ASSERT_TRUE(log) << reader_->LastError();
    ASSERT_EQ(log->NoOfQSOs(), 3) << AllMessages();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
    EXPECT_EQ(log->QSOs(0)->Band(), b20m);
    EXPECT_EQ(DateTimeOf(*log->QSOs(0)), "2013-11-23 12:01");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "JA1XYZ");
    EXPECT_EQ(log->QSOs(1)->Band(), b40m);
    EXPECT_EQ(log->QSOs(1)->SentRST(), "599");
    EXPECT_EQ(log->QSOs(2)->Band(), b10m);  // freq in MHz
    EXPECT_EQ(DateTimeOf(*log->QSOs(2)), "2013-11-24 14:00");
    EXPECT_EQ(reader_->Counts().records, 3);
    // No header at all.
    auto bare = Read("<call:4>W1AW<band:3>20M<eor>\n<call:5>G4ABC<band:3>40M<eor>\n");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->NoOfQSOs(), 2);
    // Lengths count bytes: a UTF-8 name of 6 bytes does not eat the next tag.
    auto bytes = Read("<eoh><name:6>J\xC3\xBCrgn<call:4>W1AW<eor>");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->NoOfQSOs(), 1);
    EXPECT_EQ(bytes->QSOs(0)->Call().Call(), "W1AW");
}

TEST_F(ADIF, FieldRulesOfTheReader) {
    // RST with the number appended: its length depends on the mode.
    auto ssb = Read("<eoh><call:4>W1AW<mode:3>SSB<rst_rcvd:5>59912<eor>", cIOTA);
    ASSERT_TRUE(ssb);
    EXPECT_EQ(ssb->QSOs(0)->RcvdRST(), "59");
    EXPECT_EQ(ssb->QSOs(0)->RcvdNumbers(0), "912");
    auto cw = Read("<eoh><call:4>W1AW<mode:2>CW<rst_rcvd:5>59912<eor>");
    ASSERT_TRUE(cw);
    EXPECT_EQ(cw->QSOs(0)->RcvdRST(), "599");
    EXPECT_EQ(cw->QSOs(0)->RcvdNumbers(0), "12");
    // call_sign is not call; a 5-character time is ignored.
    auto other = Read("<eoh><call_sign:4>K1AB<call:4>W1AW<time_on:5>12345<eor>");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->QSOs(0)->Call().Call(), "W1AW");
    EXPECT_NE(DateTimeOf(*other->QSOs(0)).substr(11), "12:34");
    std::string value;
    EXPECT_TRUE(ADIFFieldValue("CALL", "<call:4>W1AW<eor>", value));
    EXPECT_EQ(value, "W1AW");
    EXPECT_FALSE(ADIFFieldValue("call", "<call:x>W1AW", value));
    EXPECT_TRUE(ADIFFieldValue("call", "<call:9>W1AW<eor>", value));
    EXPECT_EQ(value, "");
}

TEST_F(ADIF, OwnCallAndContestComeFromTheFileBeforeTheFolder) {
    // The station fields of the file first, in this order; the folder only when the
    // file names no station and only when the folder is shaped like a call.
    auto own = [this](const std::string& text, const std::string& name) {
        auto log = Read(text, cWWDXcw, name);
        return log ? log->FileHeader().fhUser_OwnCall : std::string("(no log)");
    };
    EXPECT_EQ(own("<station_callsign:5>G4XYZ<eoh><operator:5>K1ABC<call:4>W1AW<eor>", "x/DL1ABC/x.adi"), "G4XYZ");
    EXPECT_EQ(own("<eoh><operator:5>K1ABC<call:4>W1AW<eor>", "x/DL1ABC/x.adi"), "K1ABC");
    EXPECT_EQ(own("<eoh><call:4>W1AW<eor>", "logs/DL1ABC_P/x.adi"), "DL1ABC/P");
    EXPECT_EQ(own("<eoh><call:4>W1AW<eor>", "home/Downloads/x.adi"), "");
    // CONTEST_ID in another program's spelling.
    auto wae = Read("<eoh><contest_id:6>WAE CW<call:4>W1AW<eor>", cNoContest);
    ASSERT_TRUE(wae);
    EXPECT_EQ(wae->Contest(), cWAEcw);
}

TEST_F(ADIF, DamagedInputKeepsWhatIsReadableAndSaysWhere) {
    const std::string text =
        "header\n<eoh>\n"
        "<call:4>W1AW<band:x>20M<eor>\n"             // line 3: length not a number
        "<call:4>K1AB<band:30>20M<mode:2>CW<eor>\n"  // line 4: runs into the next tag
        "<call:5>G4ABC<band:3<mode:2>CW<eor>\n"      // line 5: tag without ">"
        "<band:3>40M<eor>\n"                         // line 6: no call
        "<call:6>JA1XYZ<comment:999999999>x";        // line 7: runs past the end, no <eor>
    auto log = Read(text);
    ASSERT_TRUE(log) << reader_->LastError();
    ASSERT_EQ(log->NoOfQSOs(), 4) << AllMessages();
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
    EXPECT_EQ(log->QSOs(1)->Mode(), mCW);  // the tag after the bad length is still read
    EXPECT_EQ(log->QSOs(2)->Mode(), mCW);
    EXPECT_EQ(log->QSOs(3)->Call().Call(), "JA1XYZ");
    const std::string m = AllMessages();
    EXPECT_NE(m.find("line 3 (byte"), std::string::npos) << m;
    EXPECT_NE(m.find("line 4 (byte"), std::string::npos) << m;
    EXPECT_NE(m.find("line 5 (byte"), std::string::npos) << m;
    EXPECT_NE(m.find("line 6 (byte "), std::string::npos) << m;
    EXPECT_NE(m.find("past the end"), std::string::npos) << m;
    EXPECT_NE(m.find("ends inside record 5"), std::string::npos) << m;
    EXPECT_EQ(reader_->Counts().records, reader_->Counts().qsos + reader_->Counts().withoutCall);
}

TEST_F(ADIF, TheScannerShortcutReadsWhatTheGeneralWayReads) {
    const char* const texts[] = {
        "<CALL:6>DL1ABC <QSO_DATE:8>20241123 <EOR>\r\n<call:4>W1AW<eor>",
        "<call:4:S>W1AW<band:3>20M<eor>",                           // typed field
        "<call:30>W1AW<band:3>20M<eor>",                            // runs into the next tag
        "<call:4>W1<A<eor><call:4>K1",                              // "<" in the value, cut at the end
        "<call:1234567890>x<call:x>y<call:>z<call:4 <eoh><a b><>",  // length shapes, no tags
        "<call:9>W1AW",                                             // runs past the end
        "<call:5>W1AW",                                             // by one byte
        "<EOR",                                                     // no ">"
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        TADIFScanner fast(text, 0), general(text, 0, true);
        for (;;) {
            const bool more = fast.Next();
            ASSERT_EQ(general.Next(), more);
            if (!more) break;
            EXPECT_EQ(fast.Start(), general.Start());
            EXPECT_EQ(fast.End(), general.End());
            EXPECT_EQ(fast.Name(), general.Name());
            EXPECT_EQ(fast.Value(), general.Value());
            EXPECT_EQ(fast.Problem(), general.Problem());
            EXPECT_EQ(fast.Absent(), general.Absent());
        }
    }
}

// The scanner looks at sixteen bytes at a time where it can: names and values ending
// on either side of such a block, and near the end of the text, are read as byte by byte.
TEST(ADIFScan, NamesAndValuesAcrossBlockEdges) {
    const std::string stops = std::string("/:@[`{^ <>\x7f") + '\x80' + '\xff' + '\0';
    for (std::size_t length = 0; length <= 40; ++length) {
        for (char stop : stops) {
            for (std::size_t tail : {0, 1, 15, 16, 17}) {
                std::string text(length, 'a');
                for (std::size_t k = 0; k < length; ++k) text[k] = "aZ9_"[k % 4];
                text += stop;
                text += std::string(tail, 'x');
                ASSERT_EQ(adifscan::NameEnd(text.data(), 0, text.size()), length)
                    << length << " " << int(stop) << " " << tail;
            }
        }
        const std::string name(length, 'A');
        EXPECT_EQ(adifscan::NameEnd(name.data(), 0, name.size()), length);
    }
    for (std::size_t length = 0; length <= 20; ++length) {
        for (std::size_t open = 0; open <= 20; ++open) {
            std::string text(40, 'x');
            text[open] = '<';
            for (std::size_t readable : {length, std::size_t{16}, std::size_t{40}}) {
                if (readable < length) continue;
                ASSERT_EQ(adifscan::HasTagOpen(text.data(), length, readable), open < length)
                    << length << " " << open << " " << readable;
            }
        }
    }
}

TEST_F(ADIF, GarbageIsReadInLinearTimeWithFewMessages) {
    std::string garbage;
    garbage.reserve(8u << 20);
    std::uint32_t x = 12345;
    garbage += "<eoh>";
    while (garbage.size() < (8u << 20)) {
        x = x * 1103515245u + 12345u;
        const char c = static_cast<char>(x >> 24);
        garbage += (x & 0x700) == 0 ? '<' : (x & 0x7000) == 0 ? '>' : c;
    }
    auto log = Read(garbage);
    ASSERT_TRUE(log);
    EXPECT_LE(messages_.size(), 202u);
    EXPECT_EQ(reader_->Counts().records, reader_->Counts().qsos + reader_->Counts().withoutCall);
}

TEST_F(ADIF, DetectionAndMissingContest) {
    test::TempDir dir;
    test::WriteFile(dir.File("a.adi"), "WSJT-X ADIF Export<eoh>\n<call:4>W1AW<eor>\n");
    test::WriteFile(dir.File("b.txt"), "<call:4>W1AW<eor>\n");
    test::WriteFile(dir.File("c.txt"), "call W1AW eor\n");
    EXPECT_EQ(DetectFileType(dir.File("a.adi")), ftADIF);
    EXPECT_EQ(DetectFileType(dir.File("b.txt")), ftADIF);
    EXPECT_EQ(DetectFileType(dir.File("c.txt")), ftASCII);
    TADIFImport reader(dir.File("a.adi"), nullptr);
    EXPECT_EQ(reader.ReadLog(false), nullptr);
    EXPECT_TRUE(reader.ContestUnknown()) << reader.LastError();
}

}  // namespace
}  // namespace qz
