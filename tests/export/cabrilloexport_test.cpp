// The Cabrillo writer: whole files against hand-written expected files, the fixed
// columns under values of any length, and the header values taken from the log.
#include "export/cabrilloexport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/options.h"
#include "domain/cabrilloformat.h"
#include "export/exporttest.h"

namespace qz {
namespace {

using test::Add;
using test::FullHeader;
using test::TLine;

class CabrilloExport : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
    }
    void TearDown() override { Options = TOptions(); }

    static std::vector<std::string> Export(TContestLog& log, std::vector<std::string>* messages = nullptr) {
        TCabrilloExport writer(log);
        std::vector<std::string> lines;
        writer.ExportLog(lines);
        if (messages) *messages = writer.Messages();
        return lines;
    }
    static std::vector<std::string> QSOLines(const std::vector<std::string>& lines) {
        std::vector<std::string> r;
        for (const auto& l : lines)
            if (StartsText("QSO:", l) || StartsText("QTC:", l) || StartsText("XQSO:", l) || StartsText("XQTC:", l))
                r.push_back(l);
        return r;
    }
    static std::string HeaderValue(const std::vector<std::string>& lines, const std::string& tag) {
        for (const auto& l : lines)
            if (l.rfind(tag + ": ", 0) == 0) return l.substr(tag.size() + 2);
        return "<missing>";
    }
    static SQSOFlags Flags(std::initializer_list<TQSOFlags> f) { return SQSOFlags(f); }
};

// Whole files

TEST_F(CabrilloExport, NarrowLayoutMatchesExpectedFile) {
    auto log = test::MakeContestLog(FullHeader(cWWDXcw));
    ASSERT_TRUE(log);
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "599", {"05"}});
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:10", "599", {"14"}, "599", {"14"}});
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:12", "599", {"14"}, "599", {"5"}});  // dupe
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 00:15", "599", {"14"}, "599", {"25"}});
    Add(*log, {"DL2AAA", b40m, mCW, "2013-11-23 00:20", "599", {"14"}, "599", {"14"}, Flags({qfUserDeleted})});
    Add(*log, {"K1ZZ", b15m, mSSB, "2013-11-23 00:25", "59", {"14"}, "59", {"5"}});  // mode not allowed
    log->Compile();
    std::vector<std::string> messages;
    auto lines = Export(*log, &messages);
    test::ExpectSameText(OutputFileText(lines), test::ExpectedFile("narrow_cqww.log"), "narrow_cqww.log");
    EXPECT_TRUE(messages.empty());
}

TEST_F(CabrilloExport, WideLayoutMatchesExpectedFileAndReportsTheCutNumber) {
    TFileHeader h = FullHeader(cDARC10);
    h.fhContest_SoapBox = "Great fun!\r\n73 de Juergen";
    auto log = test::MakeExportTestLog(3, 2, 1, false, h);
    log->SetShow(true, true, true);
    Add(*log, {"DK0XX", b10m, mCW, "2013-11-09 11:00", "599", {"001", "B", "X"}, "599", {"12345", "A"}});
    Add(*log, {"G4XYZ", b10m, mSSB, "2013-11-09 11:05", "59", {"002", "B", "X"}, "59", {"7", "A"}});
    Add(*log, {"DL5QQ", b10m, mCW, "2013-11-09 11:10", "599", {"003", "B"}, "599", {"8", "C"}, Flags({qfUserDeleted})});
    Add(*log, {"JA1ZZZ", b10m, mCW, "2013-11-09 11:15", "599", {"004"}, "599", {"9"}});
    std::vector<std::string> compileMessages;
    log->SetMessageLines(&compileMessages);
    log->Compile();
    std::vector<std::string> messages;
    auto lines = Export(*log, &messages);
    test::ExpectSameText(OutputFileText(lines), test::ExpectedFile("wide.log"), "wide.log");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "QSO #1: " + ExportText(etValueCut) + " 12345 -> 1234");
    EXPECT_EQ(compileMessages.back(), messages[0]);  // also in the editor's message list
}

TEST_F(CabrilloExport, WAELogWithQTCsAndDeletedLinesMatchesExpectedFile) {
    auto log = test::MakeContestLog(FullHeader(cWAEcw));
    ASSERT_TRUE(log);
    const SQSOFlags rcvd = Flags({qfRcvdQTC}), sent = Flags({qfSentQTC});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:01", "599", {"001"}, "599", {"123"}});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2310", "K3LR", "456"}, rcvd});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2315", "N5XX", "12"}, rcvd});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2320", "VE3XYZ", "1001"}, rcvd});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-08-10 00:05", "599", {"002"}, "599", {"077"}});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-08-10 00:06", "", {}, "", {"", "7/1", "0001", "W1AW", "123"}, sent});
    Add(*log, {"K1ZZ", b40m, mCW, "2013-08-10 00:08", "599", {"003"}, "599", {"5"}, Flags({qfUserDeleted})});
    Add(*log, {"JA1XYZ",
               b40m,
               mCW,
               "2013-08-10 00:09",
               "",
               {},
               "",
               {"", "2/1", "0100", "G4ABC", "9"},
               Flags({qfRcvdQTC, qfUserDeleted})});
    log->Compile();
    auto lines = Export(*log);
    test::ExpectSameText(OutputFileText(lines), test::ExpectedFile("wae.log"), "wae.log");
}

// Columns

// Every separator column of a layout is blank and the line has the layout's length.
void ExpectLayout(const std::string& line, const cabrillo::TQSOColumns& c) {
    SCOPED_TRACE(line);
    ASSERT_EQ(static_cast<int>(line.size()), c.lineLength);
    for (int col : {11, 14, 25, 30, c.firstCall.last + 1, c.sentRST.last + 1, c.secondCall.last + 1, c.rcvdRST.last + 1,
                    c.secondCall.first - 1})
        EXPECT_EQ(line[static_cast<std::size_t>(col - 1)], ' ') << "column " << col;
    if (c.transmitter.Width() > 0) {
        EXPECT_EQ(line.substr(static_cast<std::size_t>(c.transmitter.first - 2)), " 0");
    }
    for (char ch : line) EXPECT_GE(static_cast<unsigned char>(ch), 0x20);
}

TEST_F(CabrilloExport, FieldsAtMaximumLengthNeverMoveAColumn) {
    const std::string longCall(26, 'W');                  // the longest own call a header holds
    const std::string longValue = "1234567890123456789";  // wider than any number column
    const std::string call = "K1" + std::string(24, 'Z') + "\t";
    for (int s : {0, 1, 2, 3}) {
        for (int r : {0, 1, 2}) {
            SCOPED_TRACE("S=" + std::to_string(s) + " R=" + std::to_string(r));
            TFileHeader h = FullHeader(cDARC10, longCall);
            auto log = test::MakeExportTestLog(s, r, 0, false, h);
            Add(*log, {call,
                       b2_5mm,
                       mATV,
                       "2013-01-01 00:00",
                       "599",
                       {longValue, longValue, longValue},
                       "599",
                       {longValue, longValue}});
            Add(*log, {"DL1A",
                       bSAT,
                       mCW,
                       "9999-12-31 23:59",
                       "599",
                       {longValue, longValue},
                       "599",
                       {longValue, longValue},
                       Flags({qfUserDeleted})});
            log->Compile();
            std::vector<std::string> messages;
            auto lines = QSOLines(Export(*log, &messages));
            ASSERT_EQ(lines.size(), 2u);
            const auto& layout = (s > 1 || r > 1) ? cabrillo::kWide : cabrillo::kNarrow;
            for (const auto& l : lines) ExpectLayout(l, layout);
            EXPECT_EQ(lines[0].substr(0, 30), "QSO:   119 AV 2013-01-01 0000 ");
            EXPECT_EQ(lines[1].substr(0, 30), "XQSO:    S CW 9999-12-31 2359 ");
            EXPECT_EQ(lines[0].substr(30, 13), longCall.substr(0, 13));
            EXPECT_EQ(lines[0].substr(static_cast<std::size_t>(layout.secondCall.first - 1), 13), call.substr(0, 13));
            // The own call once for the log; the worked call and each cut number per line.
            int cutNumbers = std::min(s, (s > 1 || r > 1) ? 2 : 1) + std::min(r, (s > 1 || r > 1) ? 2 : 1);
            ASSERT_EQ(static_cast<int>(messages.size()), 1 + 1 + 2 * cutNumbers);
            EXPECT_EQ(messages[0], ExportText(etOwnCallCut) + " " + longCall);
            const std::string callCut =
                "QSO #1: " + ExportText(etValueCut) + " K1" + std::string(24, 'Z') + " -> " + call.substr(0, 13);
            EXPECT_NE(std::find(messages.begin(), messages.end(), callCut), messages.end());
            if (cutNumbers > 0) {
                EXPECT_EQ(messages.back().rfind("QSO #2: ", 0), 0u);
            }
        }
    }
}

TEST_F(CabrilloExport, QTCFieldsAtMaximumLengthKeepTheirColumns) {
    auto log = test::MakeExportTestLog(1, 5, 0, true, FullHeader(cWAEcw, "DL1ABCDEFGHIJKLMNOP"));
    const std::string v(30, '9');
    Add(*log, {"W1AWWWWWWWWWWWWWWWW",
               b20m,
               mCW,
               "2013-08-10 00:02",
               "",
               {},
               "",
               {"", "1234/12", v, v, v},
               Flags({qfRcvdQTC})});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:03", "", {}, "", {"", "x", "1", "K", "7"}, Flags({qfSentQTC})});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:04", "599", {v}, "599", {v}});
    log->Compile();
    std::vector<std::string> messages;
    auto lines = QSOLines(Export(*log, &messages));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(29), " DL1ABCDEFGHIJ 1234/1     W1AWWWWWWWWWW 9999 9999999999999 9999");
    EXPECT_EQ(lines[1].substr(29), " W1AW          x          DL1ABCDEFGHIJ    1 K                7");
    ExpectLayout(lines[2], cabrillo::kQTCContestQSO);
    // Own call once; call, group, time, QTC call, serial of the first row; the two
    // numbers and the own call of the QSO row need no more than their one message.
    EXPECT_EQ(messages.size(), 1u + 5u + 2u);
}

TEST_F(CabrilloExport, SentHalfWithoutNumbersKeepsTheWideColumns) {
    auto log = test::MakeExportTestLog(0, 2, 0, false, FullHeader(cDARC10));
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {}, "599", {"12", "NY"}});
    log->Compile();
    auto lines = QSOLines(Export(*log));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "QSO: 14000 CW 2013-11-23 0007 DL1ABC        599             W1AW          599 12   NY     0");
    EXPECT_EQ(lines[0].find("W1AW"), 60u);  // column 61

    auto narrow = test::MakeExportTestLog(0, 0, 0, false, FullHeader(cDARC10));
    Add(*narrow, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {}, "599", {}});
    narrow->Compile();
    lines = QSOLines(Export(*narrow));
    EXPECT_EQ(lines[0], "QSO: 14000 CW 2013-11-23 0007 DL1ABC        599        W1AW          599        0");
}

TEST_F(CabrilloExport, QTCGroupSpelling) {
    EXPECT_EQ(cabrillo::FormatQTCGroup("3/10"), "003/10");
    EXPECT_EQ(cabrillo::FormatQTCGroup("1/10"), "001/10");
    EXPECT_EQ(cabrillo::FormatQTCGroup("12/5"), "012/05");
    EXPECT_EQ(cabrillo::FormatQTCGroup("1234/12"), "1234/12");
    EXPECT_EQ(cabrillo::FormatQTCGroup("3-10"), "3-10");
    EXPECT_EQ(cabrillo::FormatQTCGroup("3/"), "3/");
    EXPECT_EQ(cabrillo::FormatQTCGroup("a/b"), "a/b");
    EXPECT_EQ(cabrillo::FormatQTCGroup(""), "");
}

// Header

TEST_F(CabrilloExport, CategoriesComeFromTheGoodLines) {
    auto log = test::MakeExportTestLog(0, 1, 1, false, FullHeader(cDARC10));
    // The first line is deleted and on another band and mode; the good ones decide.
    Add(*log, {"W1AW", b80m, mSSB, "2013-11-23 00:01", "59", {}, "59", {"X"}, Flags({qfUserDeleted})});
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:02", "599", {}, "599", {"X"}});
    Add(*log, {"JA1XYZ", b20m, mCW, "2013-11-23 00:03", "599", {}, "599", {"Y"}});
    Add(*log, {"JA1XYZ", b15m, mRTTY, "2013-11-23 00:04", "599", {}, "599", {"Y"}, Flags({qfUserDeleted})});
    log->Compile();
    auto lines = Export(*log);
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-BAND"), "20M");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-MODE"), "CW");
    EXPECT_EQ(HeaderValue(lines, "CLAIMED-SCORE"), std::to_string(log->GetFinalResult()));
    EXPECT_EQ(HeaderValue(lines, "CLAIMED-SCORE"), "4");  // 2 points * 2 multipliers

    Add(*log, {"K1ZZ", b40m, mSSB, "2013-11-23 00:05", "59", {}, "59", {"Z"}});
    log->Compile();
    lines = Export(*log);
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-BAND"), "ALL");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-MODE"), "MIXED");
    EXPECT_EQ(HeaderValue(lines, "CLAIMED-SCORE"), "9");
}

TEST_F(CabrilloExport, CategoryLinesFollowTheContestsDisplayFlags) {
    TFileHeader h = FullHeader(cDARC10);
    h.fhContest_CategoryOverlay = coNone;
    h.fhContest_CategoryTime = ctm6Hours;
    auto log = test::MakeExportTestLog(0, 1, 0, false, h);
    log->SetShow(false, true, true);
    Add(*log, {"W1AW", b70cm, mFM, "2013-11-23 00:01", "59", {}, "59", {"1"}});
    log->Compile();
    auto lines = Export(*log);
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-OVERLAY"), "<missing>");  // coNone: no line
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-TIME"), "6-HOURS");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-MODE"), "<missing>");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-BAND"), "70CM");

    log->SetShow(true, false, false);
    lines = Export(*log);
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-TIME"), "<missing>");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-MODE"), "FM");
}

TEST_F(CabrilloExport, MultiLineHeaderTextsNeverBreakATagLine) {
    TFileHeader h = FullHeader(cDARC10, "DL1ABC/P");
    h.fhUser_Name = "Hans\rMeier";
    h.fhUser_Club = "Club A\r\n\r\nClub B\r\n";
    h.fhContest_OperatorList = "DL1ABC\r\nDL2XYZ\nDL3QQ";
    h.fhUser_Address = "Street 1\rTown\n";
    h.fhContest_SoapBox = "Line one\r\n\r\nLine three";
    auto log = test::MakeExportTestLog(0, 0, 0, false, h);
    log->Compile();
    auto lines = Export(*log);
    for (const auto& l : lines) EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos) << l;
    EXPECT_EQ(HeaderValue(lines, "NAME"), "Hans Meier");
    EXPECT_EQ(HeaderValue(lines, "CLUB"), "Club A Club B");
    EXPECT_EQ(HeaderValue(lines, "OPERATORS"), "DL1ABC DL2XYZ DL3QQ");
    EXPECT_EQ(HeaderValue(lines, "CALLSIGN"), "DL1ABC/P");
    std::vector<std::string> address, soapbox;
    for (const auto& l : lines) {
        if (l.rfind("ADDRESS: ", 0) == 0) address.push_back(l);
        if (l.rfind("SOAPBOX: ", 0) == 0) soapbox.push_back(l);
    }
    EXPECT_EQ(address, (std::vector<std::string>{"ADDRESS: Street 1", "ADDRESS: Town"}));
    EXPECT_EQ(soapbox, (std::vector<std::string>{"SOAPBOX: Line one", "SOAPBOX: ", "SOAPBOX: Line three"}));
}

TEST_F(CabrilloExport, LoggedFrequencyTransmitterLocationAndGridAreWritten) {
    TFileHeader h = FullHeader(cWWDXcw);
    h.fhUser_ARRLSection = "Isle of Wight";
    h.fhUser_GridLocator = "IO90IQ";
    auto log = test::MakeContestLog(h);
    ASSERT_TRUE(log);
    Add(*log, {"W1AW", b40m, mCW, "2013-11-23 00:07", "599", {"14"}, "599", {"05"}});
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:10", "599", {"14"}, "599", {"14"}});
    Add(*log, {"JA1XYZ", b6m, mCW, "2013-11-23 00:15", "599", {"14"}, "599", {"25"}});
    log->QSOs(0)->SetFrequency(7008);
    log->QSOs(0)->SetTransmitterNumber(1);
    log->QSOs(1)->SetFrequency(7008);  // no longer the line's band
    log->QSOs(2)->SetFrequency(50100);
    log->Compile();
    const auto lines = Export(*log);
    const auto qsos = QSOLines(lines);
    ASSERT_EQ(qsos.size(), 3u);
    EXPECT_EQ(qsos[0].substr(0, 10), "QSO:  7008");
    EXPECT_EQ(qsos[0].substr(80), "1");
    EXPECT_EQ(qsos[1].substr(0, 10), "QSO: 14000");
    EXPECT_EQ(qsos[1].substr(80), "0");
    EXPECT_EQ(qsos[2].substr(0, 10), "QSO:    50");  // 50100 kHz is no frequency of 6 m
    EXPECT_EQ(HeaderValue(lines, "LOCATION"), "Isle of Wight");
    EXPECT_EQ(HeaderValue(lines, "GRID-LOCATOR"), "IO90IQ");

    // Without a grid the header has no GRID-LOCATOR line, as before.
    TFileHeader header = log->FileHeader();
    header.fhUser_GridLocator.clear();
    log->UpdateFileHeader(header);
    EXPECT_EQ(HeaderValue(Export(*log), "GRID-LOCATOR"), "<missing>");
}

TEST_F(CabrilloExport, LogWithoutLinesHasAHeaderAndTheEndMarker) {
    auto log = test::MakeExportTestLog(1, 1, 1, false, FullHeader(cDARC10));
    log->Compile();
    std::vector<std::string> lines = {"kept"};
    TCabrilloExport(*log).ExportLog(lines);
    EXPECT_EQ(lines.front(), "kept");  // appends only
    EXPECT_EQ(lines[1], "START-OF-LOG: 3.0");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-BAND"), "");
    EXPECT_EQ(HeaderValue(lines, "CATEGORY-MODE"), "");
    EXPECT_EQ(HeaderValue(lines, "CLAIMED-SCORE"), "0");
    EXPECT_EQ(lines.back(), "END-OF-LOG:");
    EXPECT_EQ(TCabrilloExport(*log).QSOLine(0), "");
}

}  // namespace
}  // namespace qz
