// The STF writer: whole files against hand-written expected files, the header values
// taken from the log, the optional columns and comment lines, and the QTC sections.
#include "export/stfexport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/options.h"
#include "export/exporttest.h"

namespace qz {
namespace {

using test::Add;
using test::FullHeader;

class STFExport : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
    }
    void TearDown() override { Options = TOptions(); }

    static TSTFExportSettings Settings(bool cty = false, bool comments = false) {
        TSTFExportSettings s;
        s.OutputCty = cty;
        s.AddComments = comments;
        s.WrittenAt = EncodeDate(2013, 11, 24) + EncodeTime(12, 0, 0, 0);
        return s;
    }
    static std::vector<std::string> Export(TContestLog& log, const TSTFExportSettings& s = Settings()) {
        std::vector<std::string> lines = {"cleared first"};
        TSTFExport(log, s).ExportLog(lines);
        return lines;
    }
    static std::string Key(const std::vector<std::string>& lines, const std::string& key) {
        for (const auto& l : lines)
            if (l.size() >= 13 && Trim(l.substr(0, 13)) == key) return l.substr(13);
        return "<missing>";
    }
    static std::size_t Tokens(const std::string& text) {
        std::size_t n = 0;
        for (const auto& t : SplitString(text, ' ')) n += t.empty() ? 0 : 1;
        return n;
    }
    static std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& name) {
        std::vector<std::string> rows;
        bool in = false;
        for (const auto& l : lines) {
            if (l == name) in = true;
            else if (l == "End" + name) in = false;
            else if (in) rows.push_back(l);
        }
        return rows;
    }
};

TEST_F(STFExport, CQWWLogMatchesExpectedFile) {
    auto log = test::MakeContestLog(FullHeader(cWWDXcw));
    ASSERT_TRUE(log);
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "599", {"05"}});
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:10", "599", {"14"}, "599", {"14"}});
    Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:12", "599", {"14"}, "599", {"5"}});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 00:15", "599", {"14"}, "599", {"25"}});
    Add(*log, {"DL2AAA", b40m, mCW, "2013-11-23 00:20", "599", {"14"}, "599", {"14"}, SQSOFlags{qfUserDeleted}});
    Add(*log, {"K1ZZ", b15m, mSSB, "2013-11-23 00:25", "59", {"14"}, "59", {"5"}});
    log->Compile();
    test::ExpectSameText(OutputFileText(Export(*log)), test::ExpectedFile("narrow_cqww.stf"), "narrow_cqww.stf");
}

TEST_F(STFExport, WAELogMatchesExpectedFile) {
    auto log = test::MakeContestLog(FullHeader(cWAEcw));
    ASSERT_TRUE(log);
    const SQSOFlags rcvd{qfRcvdQTC}, sent{qfSentQTC};
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:01", "599", {"001"}, "599", {"123"}});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2310", "K3LR", "456"}, rcvd});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2315", "N5XX", "12"}, rcvd});
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:02", "", {}, "", {"", "1/3", "2320", "VE3XYZ", "1001"}, rcvd});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-08-10 00:05", "599", {"002"}, "599", {"077"}});
    Add(*log, {"JA1XYZ", b40m, mCW, "2013-08-10 00:06", "", {}, "", {"", "7/1", "0001", "W1AW", "123"}, sent});
    Add(*log, {"K1ZZ", b40m, mCW, "2013-08-10 00:08", "599", {"003"}, "599", {"5"}, SQSOFlags{qfUserDeleted}});
    Add(*log, {"JA1XYZ",
               b40m,
               mCW,
               "2013-08-10 00:09",
               "",
               {},
               "",
               {"", "2/1", "0100", "G4ABC", "9"},
               SQSOFlags{qfRcvdQTC, qfUserDeleted}});
    log->Compile();
    test::ExpectSameText(OutputFileText(Export(*log)), test::ExpectedFile("wae.stf"), "wae.stf");
}

TEST_F(STFExport, CategoryIsBuiltFromTheGoodLinesOrTakenFromTheContest) {
    TFileHeader h = FullHeader(cDARC10);
    h.fhContest_CategoryOverlay = coTbWires;
    h.fhContest_CategoryTime = ctm12Hours;
    auto log = test::MakeExportTestLog(0, 1, 0, false, h);
    Add(*log, {"W1AW", b80m, mSSB, "2013-11-23 00:01", "59", {}, "59", {"1"}, SQSOFlags{qfUserDeleted}});
    Add(*log, {"G4ABC", b2m, mCW, "2013-11-23 00:02", "599", {}, "599", {"1"}});
    log->Compile();
    EXPECT_EQ(Key(Export(*log), "Category"), "SINGLE-OP ONE NON-ASSISTED LOW FIXED 2M CW");
    log->SetShow(false, true, true);
    EXPECT_EQ(Key(Export(*log), "Category"), "SINGLE-OP ONE NON-ASSISTED LOW FIXED TB-WIRES 12-HOURS 2M");
    Add(*log, {"JA1XYZ", b20m, mCW, "2013-11-23 00:03", "599", {}, "599", {"1"}});
    log->Compile();
    log->SetShow(true, false, false);
    EXPECT_EQ(Key(Export(*log), "Category"), "SINGLE-OP ONE NON-ASSISTED LOW FIXED ALL CW");

    log->SpecialSTFCategory = "SO-AB HIGH";
    EXPECT_EQ(Key(Export(*log), "Category"), "SO-AB HIGH");

    auto empty = test::MakeExportTestLog(0, 1, 0, false, FullHeader(cDARC10));
    empty->Compile();
    auto lines = Export(*empty);
    EXPECT_EQ(Key(lines, "Category"), "SINGLE-OP ONE NON-ASSISTED LOW FIXED");
    EXPECT_EQ(Section(lines, "QSOList"), std::vector<std::string>{});
}

TEST_F(STFExport, ClaimedValuesAndTenMultiplierKeys) {
    auto log = test::MakeExportTestLog(2, 1, 10, false, FullHeader(cDARC10));
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:02", "599", {"001", ""}, "599", {"X"}});
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:03", "599", {"002", "B"}, "599", {"X"}});  // dupe
    log->Compile();
    auto lines = Export(*log);
    EXPECT_EQ(Key(lines, "ClaimedQso"), "1");
    EXPECT_EQ(Key(lines, "ClaimedDupes"), "1");
    EXPECT_EQ(Key(lines, "ClaimedPts"), "1");
    EXPECT_EQ(Key(lines, "ClaimedScore"), std::to_string(log->GetFinalResult()));
    EXPECT_EQ(Key(lines, "ClaimedQtc"), "<missing>");
    EXPECT_EQ(Key(lines, "QtcOrder"), "<missing>");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ClaimedMult  1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ClaimedMult2 1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ClaimedMult101"), lines.end());  // 13-character key
    EXPECT_EQ(Key(lines, "QsoOrder"),
              "Date Time Band Mode Call SRst Sent Sent2 RRst R0 Mult Mult2 Mult3 Mult4 Mult5 Mult6 Mult7 Mult8 Mult9 "
              "Mult10 Pts");
    auto rows = Section(lines, "QSOList");
    ASSERT_EQ(rows.size(), 2u);
    // An empty second sent number is written as "-", so the tokens match the order line.
    EXPECT_EQ(rows[0].substr(0, 63), "20131123 0002 20    CW     G4ABC        599 001    -      599 X");
    for (const auto& row : rows) EXPECT_EQ(Tokens(row), Tokens(Key(lines, "QsoOrder"))) << row;
}

TEST_F(STFExport, CountryColumnAndCommentLines) {
    auto log = test::MakeExportTestLog(0, 1, 0, false, FullHeader(cDARC10));
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:02", "599", {}, "599", {"1"}});
    Add(*log, {"QQ1ABC", b20m, mCW, "2013-11-23 00:03", "599", {}, "599", {"2"}});  // no country
    log->QSOs(0)->SetComment({"first remark", "second\tremark"});
    log->Compile();
    auto lines = Export(*log, Settings(true, true));
    EXPECT_EQ(Key(lines, "QsoOrder"), "Date Time Band Mode Call SRst RRst R0 Pts Cty");
    auto rows = Section(lines, "QSOList");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "20131123 0002 20    CW     G4ABC        599 599 1      1  G     ");
    EXPECT_EQ(rows[1], "# first remark");
    EXPECT_EQ(rows[2], "# second remark");
    EXPECT_EQ(rows[3], "20131123 0003 20    CW     QQ1ABC       599 599 2      0  -     ");

    rows = Section(Export(*log, Settings(false, false)), "QSOList");
    EXPECT_EQ(rows.size(), 2u);
}

TEST_F(STFExport, EveryRowHasAsManyFieldsAsItsOrderLine) {
    // Values read from another program may hold blanks, and a line may lack its RST.
    auto log = test::MakeExportTestLog(1, 1, 0, false, FullHeader(cDARC10));
    Add(*log, {"G4ABC", b20m, mCW, "2013-11-23 00:02", "", {"14 A"}, "599", {" DL  1 "}});
    log->Compile();
    auto lines = Export(*log);
    auto rows = Section(lines, "QSOList");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Tokens(rows[0]), Tokens(Key(lines, "QsoOrder"))) << rows[0];
    EXPECT_NE(rows[0].find(" 14_A "), std::string::npos) << rows[0];
    EXPECT_NE(rows[0].find(" DL__1 "), std::string::npos) << rows[0];
}

TEST_F(STFExport, QTCSectionsOnlyWhenTheyHaveRows) {
    auto log = test::MakeExportTestLog(1, 5, 1, true, FullHeader(cWAEcw));
    Add(*log, {"W1AW", b20m, mCW, "2013-08-10 00:01", "599", {"001"}, "599", {"1"}});
    Add(*log, {"W1AW",
               b20m,
               mCW,
               "2013-08-10 00:02",
               "",
               {},
               "",
               {"", "1/1", "2310", "K3LR", "123456789012"},
               SQSOFlags{qfSentQTC, qfUserDeleted}});
    log->Compile();
    auto lines = Export(*log);
    EXPECT_EQ(Key(lines, "QtcOrder"), "Date Time Band Mode Call R1 R2 R3 R4 Pts");
    EXPECT_EQ(Key(lines, "ClaimedQtc"), "0");
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "QTCRcvd"), lines.end());
    auto rows = Section(lines, "QTCSent");
    ASSERT_EQ(rows.size(), 1u);
    // A last field that fills its width is kept apart from the deletion mark.
    EXPECT_EQ(rows[0].substr(rows[0].size() - 15), " 123456789012 C");
    EXPECT_EQ(lines.back(), "EndQTCSent");

    // A QTC contest without QTC rows ends with the QSO list.
    auto plain = test::MakeExportTestLog(1, 5, 1, true, FullHeader(cWAEcw));
    Add(*plain, {"W1AW", b20m, mCW, "2013-08-10 00:01", "599", {"001"}, "599", {"1"}});
    plain->Compile();
    EXPECT_EQ(Export(*plain).back(), "EndQSOList");
}

TEST_F(STFExport, MultiLineHeaderTexts) {
    TFileHeader h = FullHeader(cDARC10);
    h.fhUser_Address = "";
    h.fhContest_SoapBox = "Nice\r\nconditions";
    h.fhUser_Station = "TRX\r\nAntenna";
    auto log = test::MakeExportTestLog(0, 1, 0, false, h);
    log->Compile();
    auto lines = Export(*log);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "MailAddress  "), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Soapbox      Nice"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Soapbox      conditions"), lines.end());
    EXPECT_EQ(Key(lines, "Equipment"), "TRX Antenna");
    EXPECT_EQ(Key(lines, "Club"), "Rhein-Ruhr Contest Club OV G24");
    for (const auto& l : lines) EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(lines[2], "# Data written \"2013-11-24 12:00:00\"");
}

}  // namespace
}  // namespace qz
