// The CT reader on files made by the test generator: versions and their time rule,
// every band table and mode code, the received-exchange rules, the header, the QTC
// companion file, a round trip from a native log, and damaged files.
#include "import/ctimport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

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
#include "import/openlog.h"

namespace qz {
namespace {

using test::TCTHeaderSpec;
using test::TCTQTCRecord;
using test::TCTRecord;

// 2013-11-23 12:34:56 UTC.
constexpr std::int32_t kSeconds = 1385210096;

std::string Stamp(TDateTime t) { return test::Stamp(t, true); }

class CT : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
    }
    void TearDown() override { Options = TOptions(); }

    std::unique_ptr<TContestLog> Read(const std::string& bytes, TContest fix = cNoContest, const char* qtc = nullptr,
                                      const std::string& name = "in/x.bin") {
        messages_.clear();
        reader_ = std::make_unique<TCTConvert>(bytes, name, &messages_);
        reader_->Cty = test::TinyCty();
        reader_->FixContest = fix;
        if (qtc) reader_->SetCompanionBytes(qtc);
        return reader_->ReadLog(false);
    }
    std::unique_ptr<TContestLog> ReadWithQTC(const std::string& bytes, TContest fix, const std::string& qtc) {
        messages_.clear();
        reader_ = std::make_unique<TCTConvert>(bytes, "in/x.bin", &messages_);
        reader_->Cty = test::TinyCty();
        reader_->FixContest = fix;
        reader_->SetCompanionBytes(qtc);
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const { return test::MessageLines(messages_); }

    std::vector<std::string> messages_;
    std::unique_ptr<TCTConvert> reader_;
};

TEST_F(CT, VersionsHeaderSizesAndTheOldTimeShift) {
    struct Case {
        const char* version;
        TFileType type;
        bool shifted;
    } cases[] = {
        {"CT 8.59", ftCT8, true}, {"CT 9.28", ftCT9, true}, {"CT 9.34", ftCT9, false},
        {"CT 9.4", ftCT9, false}, {"CT 9.", ftCT9, true},   {"CT 10.02", ftCT10, false},
    };
    for (const Case& c : cases) {
        TCTHeaderSpec h;
        h.version = c.version;
        const std::string file =
            test::MakeCTFile(h, {{"W1AW", "14", 4, 1, 599, 0, kSeconds}, {"JA1XYZ", "25", 3, 2, 59, 0, kSeconds + 60}});
        auto log = Read(file);
        ASSERT_TRUE(log) << c.version << ": " << reader_->LastError();
        EXPECT_EQ(reader_->CheckFormat(), c.type) << c.version;
        ASSERT_EQ(log->NoOfQSOs(), 2) << c.version;
        EXPECT_EQ(Stamp(log->QSOs(0)->DateTime()), c.shifted ? "2013-11-23 05:34:56" : "2013-11-23 12:34:56")
            << c.version;
        EXPECT_EQ(log->QSOs(1)->Call().Call(), "JA1XYZ") << c.version;
        EXPECT_EQ(log->QSOs(1)->Band(), b40m) << c.version;
        EXPECT_EQ(log->QSOs(1)->Mode(), mSSB) << c.version;
        EXPECT_EQ(log->Contest(), cWWDXcw);
    }
}

TEST_F(CT, RecognitionNeedsTheMarkAndABodyBeyondTheHeader) {
    auto withSize = [](const char* version, std::size_t size) {
        std::string f = test::MakeCTFile(TCTHeaderSpec(version), {});
        f.resize(size, '\0');
        return f;
    };
    struct Case {
        std::string bytes;
        TFileType type;
    } cases[] = {
        {withSize("CT 9.34", 1500), ftUnknown},  // no longer than its 4096-byte header
        {withSize("CT 8.1", 1500), ftCT8},      {withSize("CT 8.1", 1024), ftUnknown},  // not longer than 1024 bytes
        {withSize("CT 10", 4096), ftUnknown},   {withSize("CT 10", 4097), ftCT10},
        {withSize("ct 9.34", 5000), ftUnknown},  // the mark is compared exactly
        {withSize("XX 9.34", 5000), ftUnknown},
    };
    for (const Case& c : cases) {
        TCTConvert reader(c.bytes, "x.bin", nullptr);
        EXPECT_EQ(reader.CheckFormat(), c.type) << c.bytes.substr(32, 8) << " " << c.bytes.size();
    }
    TCTConvert unknown(withSize("XX 9.34", 5000), "x.bin", nullptr);
    EXPECT_FALSE(unknown.ReadLog(false));
    EXPECT_NE(unknown.LastError().find("x.bin"), std::string::npos);
    EXPECT_NE(unknown.LastError().find("XX 9."), std::string::npos) << unknown.LastError();
}

TEST_F(CT, EveryBandTableAndEveryModeCode) {
    struct Table {
        std::uint8_t contest;
        int codes;          // codes the table defines
        TBand code0, last;  // the band of code 0 and of the last code
    } tables[] = {
        {0, 24, b160m, bSAT},  // ordinary contests
        {ct::kFQPfl, 22, b80m, bSAT}, {ct::kFQPnfl, 22, b80m, bSAT}, {ct::kVHF, 18, b10m, bSAT},
        {ct::kVHFS, 18, b10m, bSAT},  {ct::kDXPN, 14, bSAT, bSAT},
    };
    for (const Table& t : tables) {
        TCTHeaderSpec h;
        h.contest = t.contest;
        std::vector<TCTRecord> records;
        for (int code = 0; code <= t.codes; ++code)
            records.push_back({"W1AW", "14", static_cast<std::uint8_t>(code), 1, 599, 0, kSeconds + code});
        auto log = Read(test::MakeCTFile(h, records), cWWDXcw);
        ASSERT_TRUE(log) << reader_->LastError();
        ASSERT_EQ(log->NoOfQSOs(), t.codes + 1);
        EXPECT_EQ(log->QSOs(0)->Band(), t.code0) << int(t.contest);
        EXPECT_EQ(log->QSOs(t.codes - 1)->Band(), t.last) << int(t.contest);
        for (int code = 0; code < t.codes; ++code) {
            TBand band;
            ASSERT_TRUE(CTBandOf(t.contest, static_cast<std::uint8_t>(code), band));
            EXPECT_EQ(log->QSOs(code)->Band(), band);
        }
        // The code beyond the table is reported and leaves the line's band.
        EXPECT_NE(AllMessages().find("record " + std::to_string(t.codes + 1) + ": unknown band code"),
                  std::string::npos)
            << AllMessages();
    }
    TBand band;
    ASSERT_TRUE(CTBandOf(0, 1, band));
    EXPECT_EQ(band, b160m);
    ASSERT_TRUE(CTBandOf(0, 4, band));
    EXPECT_EQ(band, b20m);
    ASSERT_TRUE(CTBandOf(ct::kVHF, 2, band));
    EXPECT_EQ(band, b2m);
    ASSERT_TRUE(CTBandOf(ct::kDXPN, 4, band));
    EXPECT_EQ(band, b30m);
    for (std::uint8_t code : {0, 7, 200}) {
        ASSERT_TRUE(CTBandOf(ct::kAR10, code, band));
        EXPECT_EQ(band, b10m);
    }

    std::vector<TCTRecord> records;
    for (int code = 0; code <= kNoOfModes; ++code)
        records.push_back({"W1AW", "14", 4, static_cast<std::uint8_t>(code), 599, 0, kSeconds});
    auto log = Read(test::MakeCTFile({}, records));
    ASSERT_TRUE(log);
    for (int m = mCW; m <= mATV; ++m) EXPECT_EQ(log->QSOs(m + 1)->Mode(), m);
    EXPECT_NE(AllMessages().find("record 1: unknown mode code 0"), std::string::npos) << AllMessages();
    EXPECT_NE(AllMessages().find("unknown mode code " + std::to_string(kNoOfModes)), std::string::npos);
    // Sent RST by mode: 599 on CW and RTTY, 59 on SSB.
    EXPECT_EQ(log->QSOs(1)->SentRST(), "599");
    EXPECT_EQ(log->QSOs(2)->SentRST(), "59");
    EXPECT_EQ(log->QSOs(3)->SentRST(), "599");
}

TEST_F(CT, ReceivedExchangeByContest) {
    struct Case {
        std::uint8_t code;
        TContest contest;
        TCTRecord record;
        const char* rst;
        std::vector<std::string> numbers;
    } cases[] = {
        {0, cWWDXcw, {"W1AW", "05", 4, 1, 579, 0, kSeconds}, "579", {"05"}},
        {ct::kIOTA, cIOTA, {"G4ABC", "EU005", 4, 2, 59, 17, kSeconds}, "59", {"17", "EU005"}},
        {ct::kCQP, cIOTA, {"W1AW", "SCLA", 4, 1, 123, 0, kSeconds}, "599", {"123", "SCLA"}},
        {ct::kCQP, cIOTA, {"W1AW", "SCLA", 4, 2, 123, 0, kSeconds}, "59", {"123", "SCLA"}},
        {ct::kFD, cWWDXcw, {"W1AW", "3A", 4, 1, 339, 0, kSeconds}, "599", {"3A"}},
        {2, cIOTA, {"W1AW", "ab 1-/", 4, 1, 559, 9, kSeconds}, "559", {"AB1/", ""}},
        {0, cWWDXcw, {"W1AW", "14", 4, 1, 999, 0, kSeconds}, "599", {"14"}},  // out of range: the mode's default
    };
    for (const Case& c : cases) {
        TCTHeaderSpec h;
        h.contest = c.code;
        auto log = Read(test::MakeCTFile(h, {c.record}), c.contest);
        ASSERT_TRUE(log) << reader_->LastError();
        const TQSO& q = *log->QSOs(0);
        EXPECT_EQ(q.RcvdRST(), c.rst) << int(c.code) << " " << c.record.exchange;
        for (std::size_t i = 0; i < c.numbers.size(); ++i)
            EXPECT_EQ(q.RcvdNumbers(static_cast<int>(i)), c.numbers[i]) << int(c.code) << " number " << i;
    }
    // Without the letters-and-figures filter the exchange keeps its other characters.
    Options.Import_ASCII_AcceptLettersAndFigsOnly.oValue = false;
    auto log = Read(test::MakeCTFile({}, {{"W1AW", "ab 1-/", 4, 1, 559, 0, kSeconds}}));
    ASSERT_TRUE(log);
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(0), "AB1-/");
}

TEST_F(CT, HeaderFieldsLoseTheirBlanksAndCategoriesFollowTheOldFields) {
    TCTHeaderSpec h;
    h.call = "dl1abc/p";
    h.name = "Hans Meier";
    h.address = "Hauptstr. 1";
    h.town = "Bonn";
    h.state = "NRW";
    h.zip = "53111";
    h.club = "Rhein Ruhr CC";
    h.category = catMultiOpTwoTX;
    h.powerCategory = powQRP;
    auto log = Read(test::MakeCTFile(h, {{"W1AW", "05", 4, 1, 599, 0, kSeconds}}));
    ASSERT_TRUE(log) << reader_->LastError();
    const TFileHeader& f = log->FileHeader();
    EXPECT_EQ(f.fhUser_OwnCall, "DL1ABC/P");
    EXPECT_EQ(f.fhUser_Name, "HANSMEIER");
    EXPECT_EQ(f.fhUser_Address, "HAUPTSTR.1, BONN, NRW-53111");
    EXPECT_EQ(f.fhUser_Club, "RHEINRUHRCC");
    EXPECT_EQ(f.fhContest_ParticipationCategory, catMultiOpTwoTX);
    EXPECT_EQ(f.fhContest_CategoryOperator, coMultiOp);
    EXPECT_EQ(f.fhContest_CategoryTransmitter, ctxTwo);
    EXPECT_EQ(f.fhContest_CategoryPower, cpQRP);

    // Empty parts keep their separators; categories the program does not know keep the
    // defaults; without an own call the folder names it.
    h = TCTHeaderSpec{};
    h.call = "";
    h.category = 200;
    h.powerCategory = 99;
    log =
        Read(test::MakeCTFile(h, {{"W1AW", "05", 4, 1, 599, 0, kSeconds}}), cNoContest, nullptr, "logs/DL2XYZ_M/x.bin");
    ASSERT_TRUE(log) << reader_->LastError();
    EXPECT_EQ(log->FileHeader().fhUser_OwnCall, "DL2XYZ/M");
    EXPECT_EQ(log->FileHeader().fhUser_Address, ", , -");
    EXPECT_EQ(log->FileHeader().fhContest_ParticipationCategory, NewFileHeader().fhContest_ParticipationCategory);
}

TEST_F(CT, QTCCompanionRowsFallAmongTheQSOsByTime) {
    TCTHeaderSpec h;
    h.contest = 10;  // WAE
    const std::string log =
        test::MakeCTFile(h, {{"W1AW", "001", 4, 1, 599, 0, kSeconds}, {"JA1XYZ", "002", 4, 1, 599, 0, kSeconds + 600}});
    const std::string qtc = test::MakeCTQTCFile({
        {"W1AW", kSeconds + 300, 4, "1/3", "1234", "K1ABC", "17"},
        {"W1AW", 0, 4, "1/3", "1235", "K2ABC", "18"},  // empty record
        {"W1AW", kSeconds + 301, 4, "1/3", "1236", "K3ABCDEFGHIJ", "123456"},
    });
    for (const char* own : {"DL1ABC", "W9XYZ"}) {
        h.call = own;
        const std::string file = test::MakeCTFile(
            h, {{"W1AW", "001", 4, 1, 599, 0, kSeconds}, {"JA1XYZ", "002", 4, 1, 599, 0, kSeconds + 600}});
        auto l = ReadWithQTC(file, cNoContest, qtc);
        ASSERT_TRUE(l) << reader_->LastError();
        ASSERT_EQ(l->NoOfQSOs(), 4);
        const TQSOFlags kind = std::string(own) == "DL1ABC" ? qfRcvdQTC : qfSentQTC;
        EXPECT_FALSE(l->QSOs(0)->IsQTC());
        for (int i : {1, 2}) EXPECT_TRUE(l->QSOs(i)->QSOFlags().Contains(kind)) << own << " " << i;
        EXPECT_EQ(l->QSOs(3)->Call().Call(), "JA1XYZ");
        const TQSO& q = *l->QSOs(1);
        EXPECT_EQ(q.Call().Call(), "W1AW");
        EXPECT_EQ(q.Band(), b20m);
        EXPECT_EQ(Stamp(q.DateTime()), "2013-11-23 12:39:56");
        EXPECT_EQ(q.RcvdNumbers(1), "1/3");
        EXPECT_EQ(q.RcvdNumbers(2), "1234");
        EXPECT_EQ(q.RcvdNumbers(3), "K1ABC");
        EXPECT_EQ(q.RcvdNumbers(4), "17");
        // Each text field ends at its last byte whatever it holds.
        EXPECT_EQ(l->QSOs(2)->RcvdNumbers(3), "K3ABCDEFGH");
        EXPECT_EQ(l->QSOs(2)->RcvdNumbers(4), "1234");
    }
    // The option off: no companion file is read.
    Options.Import_BIN_Look4QTCFile.oValue = false;
    auto l = ReadWithQTC(log, cNoContest, qtc);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->NoOfQSOs(), 2);
}

TEST_F(CT, RoundTripFromANativeLog) {
    // A native log on every band an ordinary CT log can hold, in CW, SSB and RTTY.
    auto native = test::MakeContestLog(test::FullHeader(cWWDXcw));
    std::vector<TCTRecord> records;
    const TMode modes[] = {mCW, mSSB, mRTTY};
    int i = 0;
    for (int b = b160m; b <= bSAT; ++b) {
        std::uint8_t code = 0;
        TBand band;
        while (code < 255 && !(CTBandOf(0, code, band) && band == b)) ++code;
        if (code == 255) continue;  // no code for this band
        const TMode mode = modes[i % 3];
        const std::string call = "W" + std::to_string(i % 10) + "A" + std::string(1, static_cast<char>('A' + i % 26));
        test::Add(*native, {call,
                            static_cast<TBand>(b),
                            mode,
                            "2013-11-23 12:00",
                            "599",
                            {"14"},
                            mode == mSSB ? "57" : "579",
                            {std::to_string(i + 1)}});
        TQSO& q = *native->QSOs(native->NoOfQSOs() - 1);
        q.SetDateTime(q.DateTime() + i / 1440.0);
        records.push_back({call, q.RcvdNumbers(0), code, static_cast<std::uint8_t>(mode + 1),
                           static_cast<std::int16_t>(std::stoi(std::string(q.RcvdRST()))), 0,
                           static_cast<std::int32_t>(std::llround((q.DateTime() - 25569.0) * 86400.0))});
        ++i;
    }
    ASSERT_GE(native->NoOfQSOs(), 23);
    auto back = Read(test::MakeCTFile(TCTHeaderSpec("CT 10"), records));
    ASSERT_TRUE(back) << reader_->LastError();
    test::ExpectSameLines(*native, *back, true, false);
}

TEST_F(CT, ACutLastRecordIsDroppedAndReportedAndTheCompleteOnesAreKept) {
    std::string file =
        test::MakeCTFile({}, {{"W1AW", "05", 4, 1, 599, 0, kSeconds}, {"K1ABC", "05", 4, 1, 599, 0, kSeconds}});
    file.resize(file.size() - 7);
    auto cut = Read(file);
    ASSERT_TRUE(cut) << reader_->LastError();
    EXPECT_EQ(cut->NoOfQSOs(), 1);
    EXPECT_EQ(reader_->Dropped().count, 1);
    EXPECT_NE(AllMessages().find("in/x.bin: record 2: the file ends inside this record"), std::string::npos)
        << AllMessages();
    // The trailer of a CT10 record holds nothing read: cutting it loses nothing.
    std::string ct10 = test::MakeCTFile(TCTHeaderSpec("CT 10"), {{"W1AW", "05", 4, 1, 599, 0, kSeconds}});
    ct10.resize(ct10.size() - 1);
    auto trailer = Read(ct10);
    ASSERT_TRUE(trailer) << reader_->LastError();
    EXPECT_EQ(trailer->NoOfQSOs(), 1);
    EXPECT_EQ(reader_->Dropped().count, 0);
    EXPECT_NE(AllMessages().find("record 1: the file ends inside the record's trailer"), std::string::npos);
}

TEST_F(CT, DamagedFilesAreRefusedNamingFileAndRecord) {
    // A contest the program does not score needs one given.
    TCTHeaderSpec ss;
    ss.contest = 7;
    EXPECT_FALSE(Read(test::MakeCTFile(ss, {{"W1AW", "05", 4, 1, 599, 0, kSeconds}})));
    EXPECT_TRUE(reader_->ContestUnknown());
    // A companion file that ends inside a record keeps its whole records.
    TCTHeaderSpec wae;
    wae.contest = 10;
    std::string qtc = test::MakeCTQTCFile({{"W1AW", kSeconds, 4, "1/1", "1200", "K1ABC", "1"}}) + "partial";
    auto log = ReadWithQTC(test::MakeCTFile(wae, {{"W1AW", "05", 4, 1, 599, 0, kSeconds}}), cNoContest, qtc);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 2);
    EXPECT_NE(AllMessages().find("x.QTC: record 2: the file ends inside this record"), std::string::npos)
        << AllMessages();
    EXPECT_EQ(reader_->Dropped().count, 1);
}

TEST_F(CT, OpenedByDetectionFromDiskWithItsCompanionFile) {
    test::TempDir dir;
    TCTHeaderSpec h;
    h.contest = 10;
    test::WriteFile(dir.File("dl1abc.bin"), test::MakeCTFile(h, {{"W1AW", "05", 4, 1, 599, 0, kSeconds}}));
    test::WriteFile(dir.File("dl1abc.qtc"),
                    test::MakeCTQTCFile({{"W1AW", kSeconds + 1, 4, "1/1", "1200", "K1ABC", "1"}}));
    EXPECT_EQ(DetectFileType(dir.File("dl1abc.bin")), ftCT9);
    TOpenLogOptions o;
    o.cty = test::TinyCty();
    TOpenedLog opened = OpenLog(dir.File("dl1abc.bin"), o);
    ASSERT_TRUE(opened.log) << opened.error;
    EXPECT_EQ(opened.type, ftCT9);
    ASSERT_EQ(opened.log->NoOfQSOs(), 2);
    EXPECT_TRUE(opened.log->QSOs(1)->IsQTC());
}

TEST_F(CT, FiftyThousandRecordsReadQuickly) {
    std::vector<TCTRecord> records;
    for (int i = 0; i < 50000; ++i)
        records.push_back(
            {"W" + std::to_string(i % 10) + "AB", "14", static_cast<std::uint8_t>(2 + i % 5), 1, 599, 0, kSeconds + i});
    const std::string file = test::MakeCTFile({}, records);
    const std::clock_t start = std::clock();  // processor time: the machine may be busy
    auto log = Read(file);
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 50000);
    std::printf("CT import of 50000 records: %.1f ms\n", ms);
    EXPECT_LT(ms, 1000.0);  // the goal is 100 ms on an idle core; this only catches a quadratic pass
}

}  // namespace
}  // namespace qz
