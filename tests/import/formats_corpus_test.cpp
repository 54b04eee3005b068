// Real ADIF, STF and column text files of other programs: every record or line is
// either in the log or in the messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "import/adifimport.h"
#include "import/asciiimport.h"
#include "import/detect.h"
#include "import/stfimport.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Files(const std::string& sub) {
    std::vector<std::string> files;
    const std::string dir = test::CorpusDir();
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir + "/" + sub, ec)) return files;
    for (const auto& e : fs::directory_iterator(dir + "/" + sub, ec))
        if (e.is_regular_file()) files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

int CountNoCase(const std::string& text, const std::string& lowerWord) {
    const std::string lower = LowerCase(text);
    int n = 0;
    for (std::size_t at = lower.find(lowerWord); at != std::string::npos; at = lower.find(lowerWord, at + 1)) ++n;
    return n;
}

class FormatsCorpus : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        Options = TOptions();
        InstallMissingDataFiles();
        if (test::CorpusDir().empty()) GTEST_SKIP() << "no third-party corpus beside the project (../shared/corpus)";
        if (test::SystemCountryFile().empty()) GTEST_SKIP() << "no system country file (package hamradio-files)";
        static const auto cty = std::make_shared<TCtyStuff>(test::SystemCountryFile());
        cty_ = cty;
    }
    std::shared_ptr<const TCtyStuff> cty_;
};

TEST_F(FormatsCorpus, EveryADIFRecordIsReadOrReported) {
    const auto files = Files("adif");
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        EXPECT_EQ(DetectFileType(file), ftADIF);
        std::vector<std::string> messages;
        TADIFImport reader(file, &messages);
        reader.Cty = cty_;
        reader.DefaultContest = cDXPDN;
        auto log = reader.ReadLog(false);
        ASSERT_TRUE(log) << reader.LastError();
        const TADIFReadCounts& c = reader.Counts();
        EXPECT_EQ(c.records - (c.unterminated ? 1 : 0), CountNoCase(test::ReadFile(file), "<eor>"));
        EXPECT_EQ(c.qsos + c.withoutCall, c.records);
        EXPECT_EQ(log->NoOfQSOs(), c.qsos);
        int withCall = 0;
        for (int i = 0; i < log->NoOfQSOs(); ++i) withCall += log->QSOs(i)->Call().Call().empty() ? 0 : 1;
        EXPECT_EQ(withCall, c.qsos);
    }
}

TEST_F(FormatsCorpus, OtherFilesAreReadOrReported) {
    for (const std::string& file : Files("other")) {
        SCOPED_TRACE(file);
        std::vector<std::string> messages;
        const TFileType type = DetectFileType(file);
        if (type == ftSTF) {
            TSTFConvert reader(file, &messages);
            reader.Cty = cty_;
            reader.DefaultContest = cDXPDN;
            auto log = reader.ReadLog(false);
            ASSERT_TRUE(log) << reader.LastError();
            const TSTFReadCounts& c = reader.Counts();
            EXPECT_EQ(log->NoOfQSOs(), c.qsos + c.qtcs);
            EXPECT_EQ(c.qsos + c.qtcs + c.dropped, c.dataLines);
            EXPECT_GT(c.qsos, 0);
            continue;
        }
        ASSERT_EQ(type, ftASCII);
        // A layout whose call columns are the first ten: lines are read or listed.
        TASCIIImportSettings s;
        s.Layout.StartPos.Call = 1;
        s.Layout.EndPos.Call = 10;
        TASCIIConvert reader(file, &messages);
        reader.Cty = cty_;
        reader.DefaultContest = cDXPDN;
        reader.Settings = &s;
        auto log = reader.ReadLog(false);
        const TASCIIReadCounts& c = reader.Counts();
        EXPECT_EQ(c.qsos + c.noCall, c.lines);
        EXPECT_EQ(c.lines, static_cast<int>(SplitLines(test::ReadFile(file)).size()));
        EXPECT_EQ(log ? log->NoOfQSOs() : 0, c.qsos);
    }
}

}  // namespace
}  // namespace qz
