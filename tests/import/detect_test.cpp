// Format detection in its fixed order, the converter registry, and the steps every
// converter shares: contest and own call from names, header check, where the result
// is stored.
#include "import/detect.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/frontend.h"
#include "base/language.h"
#include "engine/testlog.h"
#include "import/convert.h"
#include "logfile/qzf.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& file, const char* mark) {
    return test::ReadFile(file).find(mark) != std::string::npos;
}

// A converter of files that carry the text MARK-A; the own call comes from the folder.
class TFakeConvert : public TConvert {
public:
    using TConvert::TConvert;
    TFileType CheckFormat() override { return Contains(FFileName, "MARK-A") ? ftSTF : ftUnknown; }
    std::string ConvertLog(bool showMessageBoxes) override {
        if (CheckFormat() == ftUnknown) return {};
        TFileHeader h = NewFileHeader();
        h.fhUser_OwnCall = CallFromFolderName(FFileName);
        if (h.fhUser_OwnCall.empty()) h.fhUser_OwnCall = "DL1ABC";
        h.fhContest_Contest = ContestFromName("cq-ww-cw");
        if (!CreateLog(h, showMessageBoxes)) return {};
        FContestLog->CreateAndAppendQSO(true);
        FContestLog->QSOs(0)->SetChangedCall("W1AW");
        AddMessage("1 line read");
        std::string written = StoreConvertedLog();
        FContestLog.reset();
        return written;
    }
};

using TKeep = std::unique_ptr<TConvert>*;
using TMessages = std::vector<std::string>*;
using TDamaged = std::string*;
TFileType CheckB(const std::string& f, TKeep, TMessages, TDamaged) {
    return Contains(f, "MARK-B") ? ftCabrillo : ftUnknown;
}
TFileType CheckBinary(const std::string& f, TKeep, TMessages, TDamaged) {
    return Contains(f, "BINARY") ? ftQW4 : ftUnknown;
}
TFileType CheckBinaryToo(const std::string& f, TKeep, TMessages, TDamaged) {
    return Contains(f, "BINARY") ? ftNA10 : ftUnknown;
}

const TConverterRow kFakeRows[] = {
    {ftSTF, ftSTF, "", CheckFormatWith<TFakeConvert>, MakeConverterOf<TFakeConvert>},
    {ftCabrillo, ftCabrillo, "", CheckB, nullptr},
    {ftQW4, ftQW4, "bin", CheckBinary, nullptr},
    {ftNA9, ftNA10, "qdf", CheckBinaryToo, MakeConverterOf<TFakeConvert>},
    {ftASCII, ftASCII, "", NotThisType, MakeConverterOf<TFakeConvert>, true},
};
const TConverterRow kNoFallback[] = {
    {ftSTF, ftSTF, "", CheckFormatWith<TFakeConvert>, MakeConverterOf<TFakeConvert>},
    {ftASCII, ftASCII, "", NotThisType, nullptr, true},
};

class Detect : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& data) {
        std::string path = dir_.File(name);
        fs::create_directories(fs::path(path).parent_path());
        test::WriteFile(path, data);
        return path;
    }
    test::TempDir dir_;
};

TEST_F(Detect, FirstRowInOrderWinsAndExtensionRowsOnlyForTheirExtension) {
    EXPECT_EQ(DetectFileType(Write("both.log", "MARK-B\nMARK-A\n"), kFakeRows), ftSTF);
    EXPECT_EQ(DetectFileType(Write("b.log", "MARK-B\n"), kFakeRows), ftCabrillo);
    EXPECT_EQ(DetectFileType(Write("x.bin", "BINARY"), kFakeRows), ftQW4);
    EXPECT_EQ(DetectFileType(Write("x.BIN", "BINARY"), kFakeRows), ftQW4);
    EXPECT_EQ(DetectFileType(Write("x.qdf", "BINARY"), kFakeRows), ftNA10);
    EXPECT_EQ(DetectFileType(Write("x.dat", "BINARY"), kFakeRows), ftASCII);
    EXPECT_EQ(DetectFileType(Write("plain.txt", "hello"), kFakeRows), ftASCII);
    // Without an available fallback converter nothing is claimed.
    EXPECT_EQ(DetectFileType(Write("plain2.txt", "hello"), kNoFallback), ftUnknown);
    EXPECT_EQ(DetectFileType(dir_.File("missing.txt"), kFakeRows), ftUnknown);
    EXPECT_EQ(DetectFileType(dir_.path().string(), kFakeRows), ftUnknown);
}

TEST_F(Detect, NativeLogsAreRecognisedBeforeAnyConverter) {
    std::string v4 = std::string("\x09QZ v 4.10") + std::string(kFileHeaderSize, 'x') + "MARK-A";
    EXPECT_EQ(DetectFileType(Write("a.txt", v4), kFakeRows), ftQZ4);
    std::string v5 = std::string("\x09QZ v 5.00") + std::string(kFileHeaderSize, 'x') + "MARK-A";
    EXPECT_EQ(DetectFileType(Write("b.txt", v5), kFakeRows), ftUnknown);
    std::string v3 = std::string("\x09QZ v 3.00") + std::string(60, 'x');
    EXPECT_EQ(DetectFileType(Write("c.dat", v3), kFakeRows), ftQZ3);
    std::string short4 = std::string("\x09QZ v 4.10") + std::string(100, 'x') + "MARK-A";
    EXPECT_EQ(DetectFileType(Write("d.qzf", short4), kFakeRows), ftSTF);
}

TEST_F(Detect, ADamagedLogOfAKnownFormatGetsItsReasonNotTheFallbacksGuess) {
    std::unique_ptr<TConvert> keep;
    std::string why;
    const std::string cut = Write("cut.qzf", std::string("\x09QZ v 4.10") + std::string(100, 'x'));
    EXPECT_EQ(DetectFileType(cut, kFakeRows, keep, nullptr, &why), ftUnknown);
    EXPECT_EQ(why, cut + ": a native log that ends inside its header (110 of 4096 bytes): no line to read");
    // The program's converters: a QW or NA log whose length does not fit.
    const std::string qw = Write("x.bin", std::string(1300, 'a'));
    EXPECT_EQ(DetectFileType(qw, &why), ftUnknown);
    EXPECT_EQ(why.rfind(qw + ": the length (1300 bytes) is no header and whole number of 62-byte records", 0), 0u)
        << why;
    const std::string na = Write("x.qdf", std::string(100, 'a'));
    EXPECT_EQ(DetectFileType(na, &why), ftUnknown);
    EXPECT_EQ(why.rfind(na + ": 100 bytes, no more than the 800-byte header of an NA log", 0), 0u) << why;
    // A file of another extension is no such log: the fallback takes it, no reason.
    const bool asciiAvailable = ConverterRegistry().back().make != nullptr;
    EXPECT_EQ(DetectFileType(Write("x.dat", std::string(1300, 'a')), &why), asciiAvailable ? ftASCII : ftUnknown);
    EXPECT_EQ(why, "");
}

TEST_F(Detect, RegistryKeepsTheDetectionOrderAndRowsWithoutMakerClaimNothing) {
    const TFileType order[] = {ftSTF, ftCabrillo, ftADIF, ftCT8, ftQW4, ftNA9, ftASCII};
    const std::string_view extensions[] = {"", "", "", "", "bin", "qdf", ""};
    auto rows = ConverterRegistry();
    ASSERT_EQ(rows.size(), std::size(order));
    const std::string sample = Write("sample.bin", "START-OF-LOG: 3.0\nHeader\nEndHeader\n<eoh>\nx\n");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].firstType, order[i]);
        EXPECT_EQ(rows[i].onlyForExtension, extensions[i]);
        EXPECT_EQ(rows[i].fallback, i + 1 == rows.size());
        if (rows[i].make) continue;
        EXPECT_EQ(rows[i].checkFormat(sample, nullptr, nullptr, nullptr), ftUnknown) << FileTypeKeyword(order[i]);
        for (int t = rows[i].firstType; t <= rows[i].lastType; ++t)
            EXPECT_FALSE(MakeConverter(static_cast<TFileType>(t), sample, nullptr));
    }
    const bool asciiAvailable = rows.back().make != nullptr;
    EXPECT_EQ(DetectFileType(Write("plain.txt", "hello")), asciiAvailable ? ftASCII : ftUnknown);
    EXPECT_TRUE(MakeConverter(ftNA9, "x", nullptr, kFakeRows));
    EXPECT_FALSE(MakeConverter(ftQZ4, "x", nullptr, kFakeRows));
    EXPECT_FALSE(MakeConverter(ftCabrillo, "x", nullptr, kFakeRows));
}

TEST(ContestFromName, ContainedKeywordRules) {
    EXPECT_EQ(ContestFromName("CQ-WW-CW"), cWWDXcw);
    EXPECT_EQ(ContestFromName("cq-ww-cw"), cWWDXcw);
    EXPECT_EQ(ContestFromName("WAG"), cWAG);
    EXPECT_EQ(ContestFromName("DARC-WAEDC-RTTY-2013"), cWAErtty);
    EXPECT_EQ(ContestFromName("WPX"), cWPXcw);
    EXPECT_EQ(ContestFromName(""), cNoContest);
    EXPECT_EQ(ContestFromName("NO SUCH THING"), cNoContest);
}

TEST(CallFromFolderName, OnlyAFolderShapedLikeACallNamesTheStation) {
    EXPECT_EQ(CallFromFolderName("/logs/DL1ABC_P/x.log"), "DL1ABC/P");
    EXPECT_EQ(CallFromFolderName("DL1ABC/x.log"), "DL1ABC");
    EXPECT_EQ(CallFromFolderName("/a/EA8_DL1ABC/x.log"), "EA8/DL1ABC");
    for (const char* call : {"9A1A", "2E0ABC", "3DA0XY", "DR2006Q", "dl1abc", "K3MM"})
        EXPECT_EQ(CallFromFolderName(std::string("/a/") + call + "/x.log"), call);
    for (const char* folder : {"logs", "Downloads", "2024", "logs2024", "backup2old", "x64", "My Logs", "dl-1", "A_B"})
        EXPECT_EQ(CallFromFolderName(std::string("/a/") + folder + "/x.log"), "") << folder;
    EXPECT_EQ(CallFromFolderName("/x.log"), "");
}

TEST(CallFromFolderName, ABareFileNameHasTheWorkingFolderAsItsFolder) {
    test::TempDir dir;
    fs::create_directory(dir.File("DL1ABC_P"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.File("DL1ABC_P"));
    const std::string bare = CallFromFolderName("x.log");
    const std::string relative = CallFromFolderName("../DL1ABC_P/x.log");
    const std::string dotted = CallFromFolderName("./x.log");
    fs::current_path(before);
    EXPECT_EQ(bare, "DL1ABC/P");
    EXPECT_EQ(relative, "DL1ABC/P");
    EXPECT_EQ(dotted, "DL1ABC/P");
}

// The shared conversion steps

class ConvertSteps : public Detect {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        SetFrontEnd(&silent_);
    }
    void TearDown() override { SetFrontEnd(nullptr); }
    std::unique_ptr<TFakeConvert> Make(const std::string& file) {
        auto c = std::make_unique<TFakeConvert>(file, &messages_);
        c->Cty = test::TinyCty();
        c->StoreTarget = TStoreTarget{false, false, logs_};
        return c;
    }
    std::string logs_ = dir_.File("logs");
    std::vector<std::string> messages_;
    TSilentFrontEnd silent_{TMsgAnswer::Yes};
};

TEST_F(ConvertSteps, StoredInTheLogFolderWhichMustExist) {
    std::string source = Write("in/x.log", "MARK-A");
    auto missing = Make(source);
    EXPECT_EQ(missing->ConvertLog(false), "");
    EXPECT_NE(missing->LastError().find("The log folder does not exist: " + logs_), std::string::npos)
        << missing->LastError();
    EXPECT_FALSE(fs::exists(logs_));

    fs::create_directory(logs_);
    auto c = Make(source);
    EXPECT_EQ(c->ConvertLog(false), dir_.File("logs/x.QZF"));
    EXPECT_EQ(messages_.back(), "1 line read");
    TQZF qzf;
    auto log = qzf.ReadLog(dir_.File("logs/x.QZF"), test::TinyCty());
    ASSERT_TRUE(log) << qzf.LastError();
    EXPECT_EQ(log->Contest(), cWWDXcw);
    EXPECT_EQ(log->QSOs(0)->Call().Call(), "W1AW");
}

TEST_F(ConvertSteps, BesideTheSourceAndNamedAfterTheCall) {
    std::string source = Write("DL1ABC_P/x.log", "MARK-A");
    auto beside = Make(source);
    beside->StoreTarget.IgnoreDefaultPaths = true;
    EXPECT_EQ(beside->ConvertLog(false), dir_.File("DL1ABC_P/x.QZF"));

    fs::create_directory(logs_);
    auto byCall = Make(source);
    byCall->StoreTarget.SaveAsCallsign = true;
    EXPECT_EQ(byCall->ConvertLog(false), dir_.File("logs/DL1ABC_P.QZF"));
    byCall->StoreTarget.IgnoreDefaultPaths = true;
    EXPECT_EQ(byCall->ConvertLog(false), dir_.File("DL1ABC_P/DL1ABC_P.QZF"));
}

TEST_F(ConvertSteps, FixedContestHeaderDialogAndExistingTarget) {
    fs::create_directory(logs_);
    std::string source = Write("in/y.log", "MARK-A");
    auto fixed = Make(source);
    fixed->FixContest = cWPXcw;
    int dialogs = 0;
    fixed->EditHeader = [&](TFileHeader& h) {
        ++dialogs;
        EXPECT_EQ(h.fhContest_Contest, cWPXcw);
        return false;
    };
    EXPECT_EQ(fixed->ConvertLog(true), "");  // the dialog was cancelled
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(fixed->Cancelled());
    EXPECT_FALSE(fs::exists(dir_.File("logs/y.QZF")));

    fixed->Ask4Overwrite = false;
    ASSERT_NE(fixed->ConvertLog(false), "");  // no dialog without message boxes
    EXPECT_EQ(dialogs, 1);
    TQZF qzf;
    EXPECT_EQ(qzf.ReadLog(dir_.File("logs/y.QZF"), test::TinyCty())->Contest(), cWPXcw);

    TSilentFrontEnd no(TMsgAnswer::No);
    SetFrontEnd(&no);
    auto kept = Make(source);
    EXPECT_EQ(kept->ConvertLog(false), "");
    EXPECT_TRUE(kept->Cancelled());
}

TEST_F(ConvertSteps, MissingFileIsReported) {
    EXPECT_TRUE(Make(dir_.File("none.log"))->FileNotFound);
    EXPECT_FALSE(Make(Write("there.log", "x"))->FileNotFound);
}

}  // namespace
}  // namespace qz
