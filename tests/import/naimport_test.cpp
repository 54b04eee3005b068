// The NA reader on files made by the test generator: recognition, the two versions'
// time rules and template extensions, every band number, both modes, every template
// layout, the template lookup in the data folder only, and damaged files.
#include "import/naimport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <filesystem>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/options.h"
#include "base/text.h"
#include "engine/testlog.h"
#include "export/exporttest.h"
#include "import/binlogmaker.h"
#include "import/binlogtest.h"
#include "import/detect.h"

namespace qz {
namespace {

using test::TNARecord;

std::string Stamp(TDateTime t) { return test::Stamp(t, false); }

// A record text: the call in columns 1-12, then `exchange` from column 13.
std::string Text(const std::string& call, const std::string& exchange) {
    std::string t(31, ' ');
    test::PutColumns(t, 1, call);
    test::PutColumns(t, 13, exchange);
    return t.substr(0, 31);
}

class NA : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
    }
    void TearDown() override { Options = TOptions(); }

    std::unique_ptr<TContestLog> Read(const std::string& bytes, TContest contest = cWWDXcw, int templateNumber = 0) {
        messages_.clear();
        reader_ = std::make_unique<TNAConvert>(bytes, "in/x.qdf", &messages_);
        reader_->Cty = test::TinyCty();
        reader_->DefaultContest = contest;
        reader_->TemplateFolder = templates_.path().string();
        reader_->TemplateNumber = templateNumber;
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const { return test::MessageLines(messages_); }

    test::TempDir templates_;
    std::vector<std::string> messages_;
    std::unique_ptr<TNAConvert> reader_;
};

TEST_F(NA, RecognisedByLengthOnly) {
    const std::string header(800, '\0');
    struct Case {
        std::size_t size;
        TFileType type;
    } cases[] = {{800, ftUnknown}, {840, ftNA10}, {1200, ftNA10}, {1210, ftUnknown}, {799, ftUnknown}};
    for (const Case& c : cases) {
        std::string bytes(c.size, '\0');
        TNAConvert reader(bytes, "x.qdf", nullptr);
        EXPECT_EQ(reader.CheckFormat(), c.type) << c.size;
    }
    // Without message boxes a length that does not fit is said to be one (no guess).
    TNAConvert cut(std::string(1210, '\0'), "x.qdf", nullptr);
    EXPECT_EQ(cut.CheckFormat(), ftUnknown);
    EXPECT_NE(cut.DamagedReason().find("x.qdf: the length (1210 bytes) is no whole number of 40-byte records"),
              std::string::npos)
        << cut.DamagedReason();
    // With message boxes an unusual length is read after the user's OK; the body then
    // ends inside a record, which is left out and reported as dropped.
    TSilentFrontEnd yes(TMsgAnswer::Yes);
    SetFrontEnd(&yes);
    TNAConvert reader(std::string(1210, '\0'), "x.qdf", nullptr);
    reader.Cty = test::TinyCty();
    reader.DefaultContest = cWWDXcw;
    auto log = reader.ReadLog(true);
    ASSERT_TRUE(log) << reader.LastError();
    EXPECT_EQ(log->NoOfQSOs(), 10);
    ASSERT_EQ(reader.Dropped().count, 1);
    EXPECT_NE(reader.Dropped().listed[0].find("x.qdf: record 11: the file ends inside this record"), std::string::npos)
        << reader.Dropped().listed[0];
    SetFrontEnd(nullptr);
}

TEST_F(NA, VersionsTimeRuleBandsAndModes) {
    std::vector<TNARecord> records;
    for (std::uint16_t n = 0; n <= 18; ++n) records.push_back({0, n, n % 2 == 1, Text("w1aw", "")});
    records.push_back({0, 40, false, Text("K1ABC", "")});
    for (std::uint8_t version : {93, 100}) {
        auto log = Read(test::MakeNAFile(version, "dl1abc", "", records));
        ASSERT_TRUE(log) << reader_->LastError();
        ASSERT_EQ(log->NoOfQSOs(), 20);
        EXPECT_EQ(Stamp(log->QSOs(0)->DateTime()), version == 93 ? "1980-01-01 00:00" : "1979-12-31 00:00");
        EXPECT_EQ(log->FileHeader().fhUser_OwnCall, "DL1ABC");
        EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
    }
    auto log = Read(test::MakeNAFile(100, "DL1ABC", "", records));
    ASSERT_TRUE(log);
    const TBand expected[] = {b2m, b160m, b80m, b2m, b40m, b2m,  b30m, b2m,  b20m, b2m,
                              b2m, b17m,  b15m, b2m, b2m,  b12m, b2m,  b10m, b2m,  b2m};
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(log->QSOs(i)->Band(), expected[i]) << "band number " << i;
        EXPECT_EQ(log->QSOs(i)->Mode(), i < 19 && i % 2 == 1 ? mSSB : mCW) << i;
    }
    // A leap day ten years on is the 28th; a time of day is kept.
    EXPECT_EQ(Stamp(NATimeOf(951827400u, true)), "2010-02-28 12:30");  // 2000-02-29 12:30
    EXPECT_EQ(Stamp(NATimeOf(951827400u, false)), "2010-02-27 12:30");
}

TEST_F(NA, EveryTemplateLayoutSplitsTheExchange) {
    // One exchange text with a distinct character in every column 13-27.
    const std::string exchange = "579589ABCDEFGHI";
    struct Case {
        int number;
        const char* sentRST;
        const char* rcvdRST;
        std::vector<std::string> numbers;
    } cases[] = {
        {1, "599", "599", {"579", "589ABCDE", "FGHI"}},
        {2, "599", "599", {"579589AB", "EFGHI"}},
        {3, "599", "579", {"EFGHI"}},
        {4, "599", "599", {"579", "8", "D", "EFGHI"}},
        {5, "599", "599", {"579", "EFGHI"}},
        {6, "599", "579", {"EFGHI"}},
        {7, "599", "599", {"EFGHI"}},
        {8, "599", "579", {"589A"}},
        {9, "599", "579", {"589A", "EFGHI"}},
        {10, "579", "589", {"ABCDEFGHI"}},
        {11, "579", "589", {"ABCDEFGHI"}},
        {12, "599", "599", {"5795", "EFGHI"}},
        {13, "579", "589", {"ABCD", "EFGHI"}},
        {0, "599", "599", {}},
        {14, "599", "599", {}},
    };
    // A test contest with four received numbers keeps every field of the layouts.
    for (const Case& c : cases) {
        std::unique_ptr<TContestLog> log;
        messages_.clear();
        reader_ = std::make_unique<TNAConvert>(
            test::MakeNAFile(100, "DL1ABC", "", {{0, 8, false, Text("W1AW", exchange)}}), "in/x.qdf", &messages_);
        reader_->TemplateFolder = templates_.path().string();
        reader_->TemplateNumber = c.number;
        reader_->DefaultContest = cWWDXcw;
        reader_->LogMaker = [](const TFileHeader& h, std::shared_ptr<const TCtyStuff>) -> std::unique_ptr<TContestLog> {
            return test::MakeExportTestLog(0, 4, 0, false, h);
        };
        log = reader_->ReadLog(false);
        ASSERT_TRUE(log) << reader_->LastError();
        const TQSO& q = *log->QSOs(0);
        EXPECT_EQ(q.SentRST(), c.sentRST) << "template " << c.number;
        EXPECT_EQ(q.RcvdRST(), c.rcvdRST) << "template " << c.number;
        for (int i = 0; i < 4; ++i) {
            const std::string want =
                static_cast<std::size_t>(i) < c.numbers.size() ? c.numbers[static_cast<std::size_t>(i)] : "";
            EXPECT_EQ(q.RcvdNumbers(i), want) << "template " << c.number << ", number " << i;
        }
    }
    // A received number beyond the log's count is not written; the RSTs are.
    auto log = Read(test::MakeNAFile(100, "DL1ABC", "", {{0, 8, false, Text("W1AW", exchange)}}), cWWDXcw, 13);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "ABCD");
    EXPECT_EQ(log->QSOs(0)->RcvdRST(), "589");
    EXPECT_EQ(NATemplateNames()[9], "call/rst/rst/text");
}

TEST_F(NA, TemplateFileFromTheDataFolderOnly) {
    const std::vector<TNARecord> records = {{0, 8, false, Text("W1AW", "579589")}};
    // Version 10 reads NAME.CRT, version 9 NAME.TMP, in any letter case.
    test::WriteFile((templates_.path() / "cqww.crt").string(), test::MakeNATemplate(10));
    test::WriteFile((templates_.path() / "CQWW.TMP").string(), test::MakeNATemplate(8, 72));
    auto log = Read(test::MakeNAFile(100, "DL1ABC", "cqww", records));
    ASSERT_TRUE(log) << reader_->LastError();
    EXPECT_EQ(log->QSOs(0)->SentRST(), "579");
    EXPECT_EQ(log->QSOs(0)->RcvdRST(), "589");
    log = Read(test::MakeNAFile(93, "DL1ABC", "cqww", records));
    ASSERT_TRUE(log);
    EXPECT_EQ(log->QSOs(0)->SentRST(), "599");
    EXPECT_EQ(log->QSOs(0)->RcvdRST(), "579");
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "589");

    // A template file in the working folder is never read, nor a name with a path.
    test::TempDir work;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(work.path());
    test::WriteFile("LOCAL.CRT", test::MakeNATemplate(10));
    log = Read(test::MakeNAFile(100, "DL1ABC", "local", records));
    std::filesystem::current_path(old);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->QSOs(0)->SentRST(), "599");
    EXPECT_NE(AllMessages().find("LOCAL.CRT"), std::string::npos) << AllMessages();
    EXPECT_NE(AllMessages().find("only time, band, mode and call"), std::string::npos);
    log = Read(test::MakeNAFile(100, "DL1ABC", "../cqww", records));
    ASSERT_TRUE(log);
    EXPECT_EQ(reader_->TemplateFileName(), "");

    // A template file shorter than 72 bytes ends the import.
    test::WriteFile((templates_.path() / "SHORT.CRT").string(), test::MakeNATemplate(10, 71));
    EXPECT_FALSE(Read(test::MakeNAFile(100, "DL1ABC", "short", records)));
    EXPECT_NE(reader_->LastError().find("SHORT.CRT"), std::string::npos) << reader_->LastError();
}

TEST_F(NA, RoundTripFromANativeLog) {
    auto native = test::MakeContestLog(test::FullHeader(cWWDXcw));
    std::vector<TNARecord> records;
    const TBand bands[] = {b160m, b80m, b40m, b30m, b20m, b17m, b15m, b12m, b10m, b2m};
    int i = 0;
    for (TBand band : bands) {
        for (TMode mode : {mCW, mSSB}) {
            const std::string call = "K" + std::to_string(i) + "XY";
            const std::string rst = mode == mCW ? "579" : "57";
            test::Add(*native, {call, band, mode, "2013-11-23 12:00", "599", {}, rst, {std::to_string(10 + i)}});
            TQSO& q = *native->QSOs(native->NoOfQSOs() - 1);
            q.SetDateTime(q.DateTime() + i / 1440.0);
            std::uint16_t n = 0;
            while (NABandOf(n) != band || n == 0) ++n;  // the band's number (2 m has several)
            // Template 9: received RST 13-15, number 0 16-19.
            std::string exchange = rst;
            exchange.resize(3, ' ');
            exchange += q.RcvdNumbers(0);
            // NA keeps times as if ten years earlier.
            const double unixDays = IncMonth(q.DateTime(), -120) - 25569.0;
            records.push_back(
                {static_cast<std::uint32_t>(std::llround(unixDays * 86400.0)), n, mode == mSSB, Text(call, exchange)});
            ++i;
        }
    }
    auto back = Read(test::MakeNAFile(93, "DL1ABC", "", records), cWWDXcw, 9);
    ASSERT_TRUE(back) << reader_->LastError();
    test::ExpectSameLines(*native, *back, false, false);
}

TEST_F(NA, DetectedOnlyWithItsExtensionAndReadQuickly) {
    test::TempDir dir;
    const std::string file = test::MakeNAFile(100, "DL1ABC", "", {{0, 8, false, Text("W1AW", "")}});
    test::WriteFile(dir.File("a.qdf"), file);
    test::WriteFile(dir.File("a.dat"), file);
    EXPECT_EQ(DetectFileType(dir.File("a.qdf")), ftNA10);
    EXPECT_EQ(DetectFileType(dir.File("a.dat")), ftASCII);
    // Without a contest there is nothing to score by.
    EXPECT_FALSE(Read(file, cNoContest));
    EXPECT_TRUE(reader_->ContestUnknown());

    std::vector<TNARecord> records;
    for (std::uint32_t i = 0; i < 50000; ++i)
        records.push_back({i * 7, static_cast<std::uint16_t>(1 + i % 17), i % 3 == 0, Text("W1AW", "57914")});
    const std::string big = test::MakeNAFile(100, "DL1ABC", "", records);
    const std::clock_t start = std::clock();  // processor time: the machine may be busy
    auto log = Read(big, cWWDXcw, 8);
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 50000);
    std::printf("NA import of 50000 records: %.1f ms\n", ms);
    EXPECT_LT(ms, 1000.0);
}

}  // namespace
}  // namespace qz
