// One way to open a log: native, legacy and foreign files through OpenLog, and a new
// converter of the registry picked up without any change to its callers.
#include "import/openlog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/language.h"
#include "contests/framework/factory.h"
#include "engine/testlog.h"
#include "import/convert.h"
#include "logfile/qzf.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCabrillo =
    "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: DL1ABC\r\nCLAIMED-SCORE: 1234\r\n"
    "QSO: 14000 CW 2024-11-30 0000 DL1ABC        599 14     W1AW          599 05     0\r\n"
    "END-OF-LOG:\r\n";

TOpenLogOptions Tiny() {
    TOpenLogOptions o;
    o.cty = test::TinyCty();
    return o;
}

TEST(OpenLog, ReadsCabrilloInMemoryWithItsClaimedScore) {
    test::UseEnglishStrings();
    test::TempDir dir;
    const std::string file = dir.File("w1aw.log");
    test::WriteFile(file, kCabrillo);
    TOpenedLog r = OpenLog(file, Tiny());
    ASSERT_TRUE(r.log) << r.error;
    EXPECT_EQ(r.type, ftCabrillo);
    EXPECT_EQ(r.claimedScore, "1234");
    EXPECT_EQ(r.log->NoOfQSOs(), 1);
    EXPECT_EQ(r.log->MessageLines(), nullptr);
    // Nothing was written beside the source.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(OpenLog, RefusesWhatIsNoLogWithTheFileName) {
    test::UseEnglishStrings();
    test::TempDir dir;
    for (const std::string& path : {std::string("/dev/zero"), dir.File("missing.log"), dir.path().string()}) {
        TOpenedLog r = OpenLog(path, Tiny());
        EXPECT_FALSE(r.log) << path;
        EXPECT_EQ(r.error.rfind(path, 0), 0u) << r.error;
    }
    test::WriteFile(dir.File("notes.txt"), "nothing to see\r\n");
    TOpenedLog text = OpenLog(dir.File("notes.txt"), Tiny());
    EXPECT_FALSE(text.log);
    EXPECT_EQ(text.error.rfind(dir.File("notes.txt") + " " + LS(26), 0), 0u) << text.error;

    test::WriteFile(dir.File("big.log"), kCabrillo);
    TOpenLogOptions small = Tiny();
    small.maxFileSize = 10;
    TOpenedLog big = OpenLog(dir.File("big.log"), small);
    EXPECT_FALSE(big.log);
    EXPECT_NE(big.error.find("too large"), std::string::npos) << big.error;
}

// A converter written later: it only follows the framework (CreateLog, then
// StoreConvertedLog) and so is read in memory like every other.
class TLaterConvert : public TConvert {
public:
    TLaterConvert(std::string fileName, std::vector<std::string>* messages) : TConvert(std::move(fileName), messages) {
        ++Made;
    }
    static inline int Made = 0;
    TFileType CheckFormat() override { return test::ReadFile(FFileName).rfind("LATER", 0) == 0 ? ftADIF : ftUnknown; }
    std::string ConvertLog(bool showMessageBoxes) override {
        TFileHeader h = NewFileHeader();
        h.fhUser_OwnCall = "DL1ABC";
        h.fhContest_Contest = DefaultContest;
        if (!CreateLog(h, showMessageBoxes)) return {};
        FContestLog->CreateAndAppendQSO(true);
        FContestLog->QSOs(0)->SetChangedCall("W1AW");
        FClaimedScore = "99";
        AddMessage(FFileName + ": read by the later converter");
        const std::string written = StoreConvertedLog();
        FContestLog.reset();
        return written;
    }
};

const TConverterRow kRows[] = {
    {ftADIF, ftADIF, "", CheckFormatWith<TLaterConvert>, MakeConverterOf<TLaterConvert>},
};

TEST(OpenLog, AConverterOfTheRegistryIsUsedWithoutWritingAFile) {
    test::UseEnglishStrings();
    test::TempDir dir;
    const std::string file = dir.File("x.adi");
    test::WriteFile(file, "LATER\r\n");
    TOpenLogOptions o = Tiny();
    o.converters = kRows;
    o.defaultContest = cWWDXcw;
    TLaterConvert::Made = 0;
    TOpenedLog r = OpenLog(file, o);
    ASSERT_TRUE(r.log) << r.error;
    EXPECT_EQ(TLaterConvert::Made, 1);  // the converter that recognised the file read it
    EXPECT_EQ(r.type, ftADIF);
    EXPECT_EQ(r.log->Contest(), cWWDXcw);
    EXPECT_EQ(r.claimedScore, "99");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(OpenLog, NativeRecordsOfZeroBytesAndAWrongCountAreReported) {
    test::UseEnglishStrings();
    test::TempDir dir;
    TFileHeader h = NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWWDXcw;
    auto log = CreateContestLog(h, nullptr, test::TinyCty());
    ASSERT_TRUE(log);
    test::AddLine(*log, "W1AW", b20m, mCW, 10, {"05"});
    TQZF qzf;
    const std::string file = qzf.StoreLog(dir.File("z.QZF"), *log, false);
    ASSERT_FALSE(file.empty()) << qzf.LastError();
    // Two records of nothing but zero bytes, as a crash leaves them: the fixed part and
    // an empty call, no numbers.
    std::string bytes = test::ReadFile(file);
    bytes += std::string(qzf::kRecordFixedSize + 1, '\0') + std::string(qzf::kRecordFixedSize + 1, '\0');
    test::WriteFile(file, bytes);

    TOpenedLog r = OpenLog(file, Tiny());
    ASSERT_TRUE(r.log) << r.error;
    EXPECT_EQ(r.log->NoOfQSOs(), 1);
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_EQ(r.messages[0].rfind(file + ": 2 records of nothing but zero bytes", 0), 0u) << r.messages[0];
    EXPECT_EQ(r.messages[1], file + ": the header counts 1 lines, the file holds 3 records");
}

}  // namespace
}  // namespace qz
