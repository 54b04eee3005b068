// Legacy version-3 logs: the record layout, the contest and band codes, the time-stamp
// repair, damage, and where the conversion moves and writes files.
#include "logfile/qz3.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#include "base/datetime.h"
#include "base/frontend.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::uint32_t Stamp(int y, int mo, int d, int h, int mi, int s = 0) {
    auto u = [](int v) { return static_cast<std::uint32_t>(v); };
    return u(y - 1980) << 25 | u(mo) << 21 | u(d) << 16 | u(h) << 11 | u(mi) << 5 | u(s / 2);
}

void Put16(std::string& b, std::size_t at, std::uint16_t v) { std::memcpy(&b[at], &v, 2); }

// A version-3 file built from its layout: a 35-byte header record, then QSO records.
std::string V3Header(const std::string& call, int contestCode) {
    std::string h(35, '\0');
    h[0] = 9;
    std::memcpy(&h[1], "QZ v 3.00", 9);
    std::string field = call + std::string(12 - call.size(), ' ');
    std::memcpy(&h[10], field.data(), 12);
    h[30] = static_cast<char>(contestCode);
    return h;
}

struct V3Line {
    int band = 4, mode = 0;
    std::uint32_t stamp = Stamp(2003, 11, 29, 12, 30);
    std::string call = "W1AW";
    int sentRST = 599;
    std::string sentText = "14";
    int sentSerial = 1;
    int rcvdRST = 599;
    std::string rcvdText = "05";
    int rcvdSerial = 0;
};

std::string V3Record(const V3Line& l) {
    std::string r(35, '\0');
    r[0] = static_cast<char>(l.band);
    r[1] = static_cast<char>(l.mode);
    std::memcpy(&r[2], &l.stamp, 4);
    std::memcpy(&r[6], l.call.data(), std::min<std::size_t>(l.call.size(), 12));
    Put16(r, 18, static_cast<std::uint16_t>(l.sentRST));
    std::memcpy(&r[20], l.sentText.data(), std::min<std::size_t>(l.sentText.size(), 4));
    Put16(r, 24, static_cast<std::uint16_t>(l.sentSerial));
    Put16(r, 26, static_cast<std::uint16_t>(l.rcvdRST));
    std::memcpy(&r[28], l.rcvdText.data(), std::min<std::size_t>(l.rcvdText.size(), 4));
    Put16(r, 32, static_cast<std::uint16_t>(l.rcvdSerial));
    return r;
}

TContestLogMaker TestMaker(TContest* seen = nullptr) {
    return [seen](const TFileHeader& h, std::shared_ptr<const TCtyStuff>) -> std::unique_ptr<TContestLog> {
        if (seen) *seen = h.fhContest_Contest;
        auto log = std::make_unique<test::TTestLog>(2, 2, 0, AllBands());
        log->Init(h, test::TinyCty());
        return log;
    };
}

std::unique_ptr<TContestLog> Read(const std::string& bytes, std::string* error = nullptr) {
    TQZ3 qz3("/old/log.dat");
    qz3.LogMaker = TestMaker();
    auto log = qz3.ReadFromBytes(bytes);
    if (error) *error = qz3.LastError();
    return log;
}

// Reading

TEST(QZ3Read, WPXRecordBecomesANativeLine) {
    V3Line l;
    l.call = std::string("W1 AW\0\0", 7);
    l.sentSerial = 17;
    l.rcvdText = "123 ";
    l.sentRST = 57;
    TQZ3 qz3("wpx.dat");
    qz3.Cty = test::TinyCty();
    auto log = qz3.ReadFromBytes(V3Header("dl1abc\t", 1) + V3Record(l));
    ASSERT_TRUE(log) << qz3.LastError();
    EXPECT_EQ(log->Contest(), cWPXcw);
    EXPECT_EQ(log->OwnCall().Call(), "DL1ABC");
    ASSERT_EQ(log->NoOfQSOs(), 1);
    const TQSO* q = log->QSOs(0);
    EXPECT_EQ(q->Band(), b20m);
    EXPECT_EQ(q->Mode(), mCW);
    EXPECT_EQ(q->Call().Call(), "W1AW");
    EXPECT_EQ(q->SentNumbers(0), "17");
    EXPECT_EQ(q->RcvdNumbers(0), "123");
    EXPECT_EQ(q->SentRST(), "599");  // 57 is no CW RST: the default replaces it
    EXPECT_EQ(q->DateTime(), EncodeDate(2003, 11, 29) + EncodeTime(12, 30, 0, 0));
    EXPECT_TRUE(q->TimeHasBeenSet());
}

TEST(QZ3Read, SerialComesBeforeTextAndUnusedFieldsStayEmpty) {
    V3Line l;
    l.sentSerial = 5;
    l.sentText = "DOK";
    l.rcvdSerial = 9;
    l.rcvdText = std::string("B\0XY", 4);
    auto both = Read(V3Header("DL1ABC", 2) + V3Record(l));  // code 2: serial and text each way
    ASSERT_TRUE(both);
    EXPECT_EQ(both->QSOs(0)->SentNumbers(0), "5");
    EXPECT_EQ(both->QSOs(0)->SentNumbers(1), "DOK");
    EXPECT_EQ(both->QSOs(0)->RcvdNumbers(0), "9");
    EXPECT_EQ(both->QSOs(0)->RcvdNumbers(1), "B");  // the text ends at its first NUL

    auto none = Read(V3Header("DL1ABC", 24) + V3Record(l));  // code 24: only a received text
    ASSERT_TRUE(none);
    EXPECT_EQ(none->QSOs(0)->SentNumbers(0), "");
    EXPECT_EQ(none->QSOs(0)->RcvdNumbers(0), "B");
    EXPECT_EQ(none->QSOs(0)->RcvdNumbers(1), "");
}

TEST(QZ3Read, ContestAndBandCodes) {
    EXPECT_EQ(qz3::ContestCode(0).contest, cWWDXcw);
    EXPECT_EQ(qz3::ContestCode(41).contest, cDXPDN);
    EXPECT_EQ(qz3::ContestCode(42).contest, c9Adx);
    EXPECT_EQ(qz3::ContestCode(43).contest, cOQRP);
    TContest seen = cNoContest;
    TQZ3 qz3("x.dat");
    qz3.LogMaker = TestMaker(&seen);
    ASSERT_TRUE(qz3.ReadFromBytes(V3Header("DL1ABC", 42)));
    EXPECT_EQ(seen, c9Adx);
    qz3.FixContest = cIOTA;
    ASSERT_TRUE(qz3.ReadFromBytes(V3Header("DL1ABC", 42)));
    EXPECT_EQ(seen, cIOTA);

    const TBand expected[] = {b160m, b80m, b40m, b20m, b15m, b10m};
    for (int code = 1; code <= 6; ++code) {
        TBand b;
        ASSERT_TRUE(qz3::BandFromCode(code, b));
        EXPECT_EQ(b, expected[code - 1]);
    }
}

TEST(QZ3Read, LinesAreSortedByTime) {
    V3Line late, early;
    late.call = "LATE";
    late.stamp = Stamp(2003, 11, 29, 14, 0);
    early.call = "EARLY";
    early.stamp = Stamp(2003, 11, 29, 13, 0);
    auto log = Read(V3Header("DL1ABC", 0) + V3Record(late) + V3Record(early));
    ASSERT_TRUE(log);
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "EARLY");
    EXPECT_EQ(log->QSOs(1)->Call().Call(), "LATE");
}

TEST(QZ3Read, DamageIsRefusedWithFileAndLine) {
    const std::string head = V3Header("DL1ABC", 0);
    V3Line good, badBand, badMode;
    badBand.band = 7;
    badMode.mode = mEndOfList;
    struct {
        std::string bytes;
        const char* expected;
    } cases[] = {
        {head.substr(0, 34), "shorter than the 35-byte header"},
        {V3Header("DL1ABC", 44), "header: unknown contest code 44"},
        {head + V3Record(good) + V3Record(badBand), "line 2: invalid band code 7"},
        {head + V3Record([] {
             V3Line z;
             z.band = 0;
             return z;
         }()),
         "line 1: invalid band code 0"},
        {head + V3Record(badMode), "line 1: invalid mode value 19"},
        {std::string("\x09QZ v 4.10") + head.substr(10), "not a log file of version 3"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Read(c.bytes, &error)) << c.expected;
        EXPECT_NE(error.find("/old/log.dat"), std::string::npos) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
}

TEST(QZ3Read, ACutLastRecordKeepsTheCompleteOnesAndIsReportedAsDropped) {
    V3Line good;
    TQZ3 qz3("/old/log.dat");
    qz3.LogMaker = TestMaker();
    auto log = qz3.ReadFromBytes(V3Header("DL1ABC", 0) + V3Record(good) + V3Record(good).substr(0, 20));
    ASSERT_TRUE(log) << qz3.LastError();
    EXPECT_EQ(log->NoOfQSOs(), 1);
    EXPECT_EQ(qz3.Dropped.count, 1);
    ASSERT_EQ(qz3.Dropped.listed.size(), 1u);
    EXPECT_NE(qz3.Dropped.listed[0].find("/old/log.dat: line 2: the record is cut short (20 of 35 bytes)"),
              std::string::npos)
        << qz3.Dropped.listed[0];
}

// Time stamps

bool ValidStamp(std::uint32_t s) {
    int date = static_cast<int>(s >> 16), time = static_cast<int>(s & 0xFFFF);
    return IsValidDate((date >> 9) + 1980, (date >> 5) & 15, date & 31) && (time >> 11) <= 23 &&
           ((time >> 5) & 63) <= 59 && (time & 31) <= 29;
}

// Counting up one by one, as the stamp repair is defined; nullopt past `cap` steps.
std::optional<std::uint32_t> CountUp(std::uint32_t s, std::uint64_t cap) {
    for (std::uint64_t i = 0; i <= cap; ++i, ++s)
        if (ValidStamp(s)) return s;
    return std::nullopt;
}

TEST(QZ3Stamp, RepairEqualsCountingUp) {
    const std::uint32_t fixed[] = {0,
                                   0xFFFFFFFF,
                                   Stamp(2003, 11, 29, 12, 30, 58),
                                   Stamp(2003, 13, 1, 0, 0),
                                   Stamp(2003, 2, 30, 10, 0),
                                   Stamp(2004, 2, 29, 23, 59, 58) + 1,  // seconds field 30
                                   Stamp(2003, 12, 31, 23, 60),
                                   Stamp(2003, 12, 31, 24, 0),
                                   Stamp(2003, 4, 0, 1, 1),
                                   Stamp(2107, 12, 31, 23, 59, 58),
                                   Stamp(2107, 12, 31, 23, 59, 58) + 1};
    for (std::uint32_t s : fixed) {
        auto expected = CountUp(s, 1ull << 33);
        ASSERT_TRUE(expected);
        EXPECT_EQ(qz3::NextValidDosStamp(s), *expected) << std::hex << s;
    }
    std::mt19937 rng(7);
    int compared = 0;
    for (int i = 0; i < 3000; ++i) {
        std::uint32_t s = rng();
        if (auto expected = CountUp(s, 70000)) {
            ++compared;
            EXPECT_EQ(qz3::NextValidDosStamp(s), *expected) << std::hex << s;
        }
    }
    EXPECT_GT(compared, 300);
    EXPECT_EQ(qz3::DosStampToDateTime(Stamp(2013, 1, 5, 9, 30, 10)), EncodeDate(2013, 1, 5) + EncodeTime(9, 30, 10, 0));
}

// Conversion on disk

std::string SmallV3() {
    V3Line l;
    return V3Header("DL1ABC", 1) + V3Record(l);
}

class QZ3Convert : public ::testing::Test {
protected:
    void SetUp() override { SetFrontEnd(&answers_); }
    void TearDown() override { SetFrontEnd(nullptr); }
    TQZ3 Make(const std::string& file) {
        TQZ3 qz3(file);
        qz3.Cty = test::TinyCty();
        return qz3;
    }
    TSilentFrontEnd answers_{TMsgAnswer::Yes};
    test::TempDir dir_;
};

TEST_F(QZ3Convert, OtherExtensionIsMovedAsideNextToTheSource) {
    const std::string source = dir_.File("x.dat");
    test::WriteFile(source, SmallV3());
    const fs::path cwdBefore = fs::current_path();
    std::string written = Make(source).ConvertLog();
    EXPECT_EQ(written, dir_.File("x.QZF"));
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(test::ReadFile(dir_.File("x.QZ3")), SmallV3());
    EXPECT_FALSE(fs::exists(cwdBefore / "x.QZ3"));
    EXPECT_NE(answers_.lastInfo.find("x.QZ3"), std::string::npos);
    TQZF qzf;
    auto log = qzf.ReadLog(written, test::TinyCty());
    ASSERT_TRUE(log) << qzf.LastError();
    EXPECT_EQ(log->Contest(), cWPXcw);
    EXPECT_EQ(log->NoOfQSOs(), 1);
}

TEST_F(QZ3Convert, QzfFileIsConvertedInPlaceAfterTheQuestion) {
    const std::string source = dir_.File("y.qzf");
    test::WriteFile(source, SmallV3());
    TSilentFrontEnd no(TMsgAnswer::No);
    SetFrontEnd(&no);
    TQZ3 declined = Make(source);
    EXPECT_EQ(declined.ConvertLog(), "");
    EXPECT_TRUE(declined.Cancelled());
    EXPECT_EQ(test::ReadFile(source), SmallV3());

    SetFrontEnd(&answers_);
    EXPECT_EQ(Make(source).ConvertLog(), source);  // the existing spelling is kept
    EXPECT_EQ(NativeFileTypeOfFile(source), ftQZ4);
    EXPECT_FALSE(fs::exists(dir_.File("y.QZ3")));
}

TEST_F(QZ3Convert, ACutQzfFileIsNotReplacedByItsConversion) {
    const std::string source = dir_.File("cut.qzf");
    const std::string cut = SmallV3() + SmallV3().substr(35, 10);
    test::WriteFile(source, cut);
    TQZ3 qz3 = Make(source);
    EXPECT_EQ(qz3.ConvertLog(), "");
    EXPECT_NE(qz3.LastError().find("not converted in place"), std::string::npos) << qz3.LastError();
    EXPECT_EQ(test::ReadFile(source), cut);
}

TEST_F(QZ3Convert, ExistingQZ3IsReplacedOnlyAfterTheQuestion) {
    const std::string source = dir_.File("z.dat");
    test::WriteFile(source, SmallV3());
    test::WriteFile(dir_.File("z.QZ3"), "older");
    TSilentFrontEnd no(TMsgAnswer::No);
    SetFrontEnd(&no);
    EXPECT_EQ(Make(source).ConvertLog(), "");
    EXPECT_EQ(test::ReadFile(dir_.File("z.QZ3")), "older");
    EXPECT_TRUE(fs::exists(source));

    SetFrontEnd(&answers_);
    EXPECT_EQ(Make(source).ConvertLog(), dir_.File("z.QZF"));
    EXPECT_EQ(test::ReadFile(dir_.File("z.QZ3")), SmallV3());
}

TEST_F(QZ3Convert, DamagedFileIsNotMovedAndFailedStoreUndoesTheMove) {
    std::string badBand = SmallV3();
    badBand[35] = 7;
    const std::string damaged = dir_.File("bad.dat");
    test::WriteFile(damaged, badBand);
    TQZ3 bad = Make(damaged);
    EXPECT_EQ(bad.ConvertLog(), "");
    EXPECT_NE(bad.LastError().find("line 1: invalid band code 7"), std::string::npos) << bad.LastError();
    EXPECT_TRUE(fs::exists(damaged));
    EXPECT_FALSE(fs::exists(dir_.File("bad.QZ3")));
    // A file cut inside its last record is converted without it; the source is kept.
    const std::string cut = dir_.File("cut.dat");
    test::WriteFile(cut, SmallV3() + "short");
    TQZ3 cutLog = Make(cut);
    EXPECT_EQ(cutLog.ConvertLog(), dir_.File("cut.QZF"));
    EXPECT_EQ(cutLog.Dropped.count, 1);
    EXPECT_EQ(test::ReadFile(dir_.File("cut.QZ3")), SmallV3() + "short");

    const std::string source = dir_.File("w.dat");
    test::WriteFile(source, SmallV3());
    fs::create_directories(dir_.File("w.QZF") + "/inside");  // cannot be replaced by a file
    TQZ3 blocked = Make(source);
    blocked.Ask4Overwrite = false;
    EXPECT_EQ(blocked.ConvertLog(), "");
    EXPECT_NE(blocked.LastError().find("w.QZF"), std::string::npos) << blocked.LastError();
    EXPECT_EQ(test::ReadFile(source), SmallV3());
    EXPECT_FALSE(fs::exists(dir_.File("w.QZ3")));
}

TEST_F(QZ3Convert, TargetNameLeavesTheSourceAlone) {
    const std::string source = dir_.File("t.dat");
    test::WriteFile(source, SmallV3());
    fs::create_directory(dir_.File("out"));
    TQZ3 qz3 = Make(source);
    qz3.TargetFileName = dir_.File("out/t.dat");
    EXPECT_EQ(qz3.ConvertLog(), dir_.File("out/t.QZF"));
    EXPECT_EQ(test::ReadFile(source), SmallV3());
    EXPECT_FALSE(fs::exists(dir_.File("t.QZ3")));
}

}  // namespace
}  // namespace qz
