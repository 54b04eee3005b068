// The QW reader on files made by the test generator: recognition, date and time texts,
// band codes, the mode from the sent RST, the received value split into RST and number
// and the other exchange value by the contest's numbers, the QTC companion file, a
// round trip from a native log, and damaged files.
#include "import/qwimport.h"

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

namespace qz {
namespace {

using test::TQWQTCRecord;
using test::TQWRecord;

std::string Stamp(TDateTime t) { return test::Stamp(t, false); }

// A contest whose numbers the test chooses: S sent and R received numbers, the numeric
// ones at `sentIndex` and `rcvdIndex` (-1: none), VHF or not. New lines carry the
// constant sent exchange in sent number 1 when there is one, as contest classes do.
class TQWTestLog : public TContestLog {
public:
    TQWTestLog(int s, int r, int sentIndex, int rcvdIndex, bool vhf)
        : FSentIndex(sentIndex), FRcvdIndex(rcvdIndex), FVHF(vhf) {
        FNoOfSentNumbers = s;
        FNoOfRcvdNumbers = r;
        FBands = AllBands();
    }
    int GetSentNumericNumberIndex() const override { return FSentIndex; }
    int GetRcvdNumericNumberIndex() const override { return FRcvdIndex; }
    bool IsAVHFContest() const override { return FVHF; }
    bool IsAQTCRcvdNumber(int i) const override { return i >= 1 && i <= 4; }
    void CreateAndAppendQSO(bool setEditedFlag) override {
        auto q = NewQSO(setEditedFlag);
        if (NoOfSentNumbers() > 1) q->SetSentNumbers(1, ConstantSentNumber());
        AppendQSO(std::move(q));
    }

private:
    int FSentIndex, FRcvdIndex;
    bool FVHF;
};

struct TShape {
    int s, r, sentIndex, rcvdIndex;
    bool vhf;
};

class QW : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
    }
    void TearDown() override { Options = TOptions(); }

    std::unique_ptr<TContestLog> Read(const std::string& bytes, TShape shape, const std::string* qtc = nullptr) {
        messages_.clear();
        reader_ = std::make_unique<TQWConvert>(bytes, "in/x.bin", &messages_);
        reader_->DefaultContest = cWWDXcw;
        reader_->LogMaker = [shape](const TFileHeader& h,
                                    std::shared_ptr<const TCtyStuff>) -> std::unique_ptr<TContestLog> {
            auto log = std::make_unique<TQWTestLog>(shape.s, shape.r, shape.sentIndex, shape.rcvdIndex, shape.vhf);
            log->Init(h, test::TinyCty());
            return log;
        };
        if (qtc) reader_->SetCompanionBytes(*qtc);
        return reader_->ReadLog(false);
    }
    std::string AllMessages() const { return test::MessageLines(messages_); }

    std::vector<std::string> messages_;
    std::unique_ptr<TQWConvert> reader_;
};

TEST_F(QW, RecognisedByHeaderAndRecordSize) {
    struct Case {
        std::size_t size;
        TFileType type;
    } cases[] = {{1240, ftUnknown}, {1302, ftQW4}, {1240 + 62 * 7, ftQW4}, {1303, ftUnknown}, {1000, ftUnknown}};
    for (const Case& c : cases) {
        TQWConvert reader(std::string(c.size, '\0'), "x.bin", nullptr);
        EXPECT_EQ(reader.CheckFormat(), c.type) << c.size;
    }
    test::TempDir dir;
    test::WriteFile(dir.File("q.bin"), test::MakeQWFile("DL1ABC", "JO31AA", "G24", {{"1200", "131123", "W1AW"}}));
    test::WriteFile(dir.File("q.qdf"), test::MakeQWFile("DL1ABC", "JO31AA", "G24", {{"1200", "131123", "W1AW"}}));
    EXPECT_EQ(DetectFileType(dir.File("q.bin")), ftQW4);
    // 1302 bytes: no whole NA record count either, which is the reason given, not a guess.
    std::string why;
    EXPECT_EQ(DetectFileType(dir.File("q.qdf"), &why), ftUnknown);
    EXPECT_NE(why.find("q.qdf: the length (1302 bytes) is no whole number of 40-byte records"), std::string::npos)
        << why;
}

TEST_F(QW, DateTimeTextsBandCodesAndModes) {
    struct Case {
        const char* date;
        const char* time;
        const char* stamp;
    } times[] = {
        {"991231", "2359", "1999-12-31 23:59"}, {"050102", "0000", "2005-01-02 00:00"},
        {"900101", "1200", "2090-01-01 12:00"}, {"910101", "1200", "1991-01-01 12:00"},
        {"991331", "1200", "1899-12-30 00:00"}, {"99123", "1200", "1899-12-30 00:00"},
        {"991231", "2460", "1899-12-30 00:00"}, {"99x231", "1200", "1899-12-30 00:00"},
    };
    for (const Case& c : times) EXPECT_EQ(Stamp(QWDateTimeOf(c.date, c.time)), c.stamp) << c.date << " " << c.time;

    std::vector<TQWRecord> records;
    for (std::uint8_t code = 0; code <= 7; ++code)
        records.push_back({"1200", "131123", "W1AW", "", code, static_cast<std::uint16_t>(code % 2 ? 59 : 599), 1,
                           code % 2 ? 5901 : 599001});
    auto log = Read(test::MakeQWFile("DL1ABC", "", "", records), {0, 1, -1, -1, false});
    ASSERT_TRUE(log) << reader_->LastError();
    const TBand expected[] = {bSAT, b160m, b80m, b40m, b20m, b15m, b10m, bSAT};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(log->QSOs(i)->Band(), expected[i]) << "code " << i;
        EXPECT_EQ(log->QSOs(i)->Mode(), i % 2 ? mSSB : mCW);
        EXPECT_EQ(log->QSOs(i)->SentRST(), i % 2 ? "59" : "599");
    }
    EXPECT_EQ(Stamp(log->QSOs(0)->DateTime()), "2013-11-23 12:00");
    EXPECT_EQ(log->FileHeader().fhUser_OwnCall, "DL1ABC");
}

TEST_F(QW, ReceivedValueAndTheOtherExchangeByTheContestsNumbers) {
    struct Case {
        TShape shape;
        TQWRecord record;
        const char* rst;
        std::vector<std::string> rcvd;
        std::vector<std::string> sent;
    } cases[] = {
        // Numeric received number 0 with a second number: the DOK (or the locator in VHF).
        {{1, 2, 0, 0, false},
         {"1200", "131123", "DL2X", "JO40", 4, 599, 7, 599123, "F11"},
         "599",
         {"123", "F11"},
         {"7"}},
        {{2, 2, 0, 0, true},
         {"1200", "131123", "DL2X", "JO40", 4, 59, 7, 5907, "F11"},
         "59",
         {"07", "JO40"},
         {"7", "JO31AA"}},
        {{1, 2, -1, 1, false}, {"1200", "131123", "DL2X", "", 4, 599, 7, 599123, "F11"}, "599", {"F11", "123"}, {""}},
        // No numeric received number: the digits after the RST, or the DOK.
        {{1, 2, -1, -1, false}, {"1200", "131123", "DL2X", "", 4, 599, 7, 599123, "F11"}, "599", {"123", "F11"}, {""}},
        {{1, 1, -1, -1, false}, {"1200", "131123", "DL2X", "", 4, 599, 7, 599123, "F11"}, "599", {"F11"}, {""}},
        {{1, 1, -1, -1, false}, {"1200", "131123", "W1AW", "", 4, 599, 7, 599123, ""}, "599", {"123"}, {""}},
        {{0, 0, -1, -1, false}, {"1200", "131123", "W1AW", "", 4, 599, 7, 599123, "F11"}, "599", {}, {}},
    };
    for (const Case& c : cases) {
        auto log = Read(test::MakeQWFile("DL1ABC", "JO31AA", "G24", {c.record}), c.shape);
        ASSERT_TRUE(log) << reader_->LastError();
        const TQSO& q = *log->QSOs(0);
        EXPECT_EQ(q.RcvdRST(), c.rst);
        for (std::size_t i = 0; i < c.rcvd.size(); ++i) EXPECT_EQ(q.RcvdNumbers(static_cast<int>(i)), c.rcvd[i]) << i;
        for (std::size_t i = 0; i < c.sent.size(); ++i) EXPECT_EQ(q.SentNumbers(static_cast<int>(i)), c.sent[i]) << i;
        EXPECT_EQ(log->ConstantSentNumber(), c.shape.vhf ? "JO31AA" : "G24");
    }
}

TEST_F(QW, QTCGroupsBecomeOneRowPerReportedQSO) {
    TQWQTCRecord group;
    group.time = "1230";
    group.date = "131123";
    group.band = "20";
    group.call = "W1AW";
    group.group = "3/10";
    group.times = {"1001", "", "1003", "", "", "", "", "", "", "1010"};
    group.serials = {"1", "", "3", "", "", "", "", "", "", "10"};
    group.calls = {"K1ABC", "", "K3ABC", "", "", "", "", "", "", "K0ABC"};
    TQWQTCRecord empty;
    empty.calls[0] = "K9ZZZ";  // no call of its own: an empty record
    const std::string qtc = test::MakeQWQTCFile({group, empty});
    const std::vector<TQWRecord> records = {{"1200", "131123", "W1AW", "", 4, 599, 1, 599001},
                                            {"1300", "131123", "JA1XYZ", "", 4, 599, 2, 599002}};
    for (const char* own : {"DL1ABC", "W9XYZ"}) {
        auto log = Read(test::MakeQWFile(own, "", "", records), {0, 5, -1, 0, false}, &qtc);
        ASSERT_TRUE(log) << reader_->LastError();
        ASSERT_EQ(log->NoOfQSOs(), 5);
        const TQSOFlags kind = std::string(own) == "DL1ABC" ? qfRcvdQTC : qfSentQTC;
        const char* reported[] = {"K1ABC", "K3ABC", "K0ABC"};
        const char* serials[] = {"1", "3", "10"};
        for (int i = 0; i < 3; ++i) {
            const TQSO& q = *log->QSOs(1 + i);
            EXPECT_TRUE(q.QSOFlags().Contains(kind)) << own;
            EXPECT_EQ(q.Call().Call(), "W1AW");
            EXPECT_EQ(q.Band(), b20m);
            EXPECT_EQ(Stamp(q.DateTime()), "2013-11-23 12:30");
            EXPECT_EQ(q.RcvdNumbers(1), "3/10");
            EXPECT_EQ(q.RcvdNumbers(3), reported[i]);
            EXPECT_EQ(q.RcvdNumbers(4), serials[i]);
        }
        EXPECT_EQ(log->QSOs(1)->RcvdNumbers(2), "1001");
        EXPECT_EQ(log->QSOs(4)->Call().Call(), "JA1XYZ");
    }
}

TEST_F(QW, RoundTripFromANativeLog) {
    auto native = test::MakeContestLog(test::FullHeader(cWWDXcw));
    std::vector<TQWRecord> records;
    const TBand bands[] = {b160m, b80m, b40m, b20m, b15m, b10m};
    int i = 0;
    for (TBand band : bands) {
        for (TMode mode : {mCW, mSSB}) {
            const std::string call = "K" + std::to_string(i) + "XY";
            const std::string rst = mode == mCW ? "579" : "57";
            test::Add(
                *native,
                {call, band, mode, "2013-11-23 12:00", mode == mCW ? "599" : "59", {}, rst, {std::to_string(10 + i)}});
            TQSO& q = *native->QSOs(native->NoOfQSOs() - 1);
            q.SetDateTime(q.DateTime() + i / 1440.0);
            const CivilDate d = DecodeDate(q.DateTime());
            const CivilTime t = DecodeTime(q.DateTime());
            std::uint8_t code = 1;
            while (QWBandOf(code) != band) ++code;
            records.push_back({Format("%.2d%.2d", t.hour, t.minute),
                               Format("%.2d%.2d%.2d", d.year % 100, d.month, d.day), call, "", code,
                               static_cast<std::uint16_t>(std::stoi(std::string(q.SentRST()))), 1,
                               std::stoi(rst + q.RcvdNumbers(0)), ""});
            ++i;
        }
    }
    auto back = Read(test::MakeQWFile("DL1ABC", "", "", records), {0, 1, -1, 0, false});
    ASSERT_TRUE(back) << reader_->LastError();
    test::ExpectSameLines(*native, *back, false, true);
}

TEST_F(QW, DamagedFilesNeverReadBeyondTheirFields) {
    // Length bytes beyond their fields are cut to the field.
    std::string file = test::MakeQWFile("DL1ABC", "", "", {{"1200", "131123", "W1AW", "", 4, 599, 1, 599001, "F11"}});
    file[1240 + 14] = static_cast<char>(255);  // call length
    file[1240 + 56] = static_cast<char>(200);  // DOK length, the last field of the record
    auto log = Read(file, {0, 2, -1, -1, false});
    ASSERT_TRUE(log) << reader_->LastError();
    EXPECT_EQ(log->QSOs(0)->Call().Call().size(), 14u);
    EXPECT_EQ(log->QSOs(0)->RcvdNumbers(1).size(), 5u);
    // A body that ends inside a record, accepted by the user, keeps the whole records
    // and reports the cut one as dropped.
    TSilentFrontEnd yes(TMsgAnswer::Yes);
    SetFrontEnd(&yes);
    file.resize(file.size() + 30, '\0');
    TQWConvert reader(file, "x.bin", nullptr);
    reader.DefaultContest = cWWDXcw;
    reader.Cty = test::TinyCty();
    auto cut = reader.ReadLog(true);
    ASSERT_TRUE(cut) << reader.LastError();
    EXPECT_EQ(cut->NoOfQSOs(), 1);
    ASSERT_EQ(reader.Dropped().count, 1);
    EXPECT_NE(reader.Dropped().listed[0].find("x.bin: record 2: the file ends inside this record"), std::string::npos)
        << reader.Dropped().listed[0];
    SetFrontEnd(nullptr);
    // A companion file that ends inside a record keeps its whole records.
    TQWQTCRecord g;
    g.call = "W1AW";
    g.band = "20";
    g.calls[0] = "K1ABC";
    const std::string qtc = test::MakeQWQTCFile({g}) + std::string(100, 'x');
    log = Read(test::MakeQWFile("DL1ABC", "", "", {{"1200", "131123", "W1AW"}}), {0, 5, -1, 0, false}, &qtc);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 2);
    EXPECT_NE(AllMessages().find("record 2: the file ends inside this record"), std::string::npos) << AllMessages();
}

TEST_F(QW, FiftyThousandRecordsReadQuickly) {
    std::vector<TQWRecord> records;
    for (int i = 0; i < 50000; ++i)
        records.push_back({Format("%.2d%.2d", i / 60 % 24, i % 60), "131123", "W" + std::to_string(i % 10) + "AB", "",
                           static_cast<std::uint8_t>(1 + i % 6), 599, static_cast<std::uint16_t>(i),
                           599000 + i % 1000});
    const std::string file = test::MakeQWFile("DL1ABC", "", "", records);
    const std::clock_t start = std::clock();  // processor time: the machine may be busy
    auto log = Read(file, {1, 1, 0, 0, false});
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    ASSERT_TRUE(log);
    EXPECT_EQ(log->NoOfQSOs(), 50000);
    std::printf("QW import of 50000 records: %.1f ms\n", ms);
    EXPECT_LT(ms, 1000.0);
}

}  // namespace
}  // namespace qz
