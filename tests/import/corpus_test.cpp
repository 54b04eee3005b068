// Real Cabrillo logs of other programs: every line is either read or reported, and
// for contests whose rules exist our score is close to the one the log claims.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "import/cabrilloimport.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    const std::string dir = test::CorpusDir();
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir + "/cabrillo", ec)) return files;
    for (const auto& e : fs::directory_iterator(dir + "/cabrillo", ec))
        if (e.is_regular_file()) files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// QSO and QTC lines as a person would count them: "QSO" or "QTC" in any letter case
// among the first three characters after leading blanks, up to a zero byte.
int CountDataLines(const std::string& bytes) {
    int n = 0;
    for (const std::string& line : SplitLines(std::string_view(bytes).substr(0, bytes.find('\0')))) {
        const std::string head = UpperCase(TrimLeft(line).substr(0, 5));
        const std::size_t q = std::min(head.find("QSO"), head.find("QTC"));
        if (q != std::string::npos && q <= 2) ++n;
    }
    return n;
}

class CabrilloCorpus : public ::testing::Test {
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

TEST_F(CabrilloCorpus, EveryLineIsReadOrReported) {
    const auto files = CorpusFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::vector<std::string> messages;
        TCabrilloImport reader(file, &messages);
        reader.Cty = cty_;
        reader.DefaultContest = cDXPDN;  // logs of contests we do not know still read
        auto log = reader.ReadLog(false);
        ASSERT_TRUE(log) << reader.LastError();
        const TCabrilloReadCounts& c = reader.Counts();
        EXPECT_EQ(c.dataLines, CountDataLines(test::ReadFile(file)));
        EXPECT_EQ(log->NoOfQSOs(), c.qsos + c.qtcs);
        EXPECT_EQ(c.qsos + c.qtcs + c.skipped, c.dataLines);
        int reported = 0;
        for (const auto& m : messages)
            if (m.find("not read:") != std::string::npos || m.find(LS(396)) != std::string::npos) ++reported;
        EXPECT_EQ(reported, c.skipped);
        // Each log has QSOs with a worked call: a reader that shifted fields would
        // leave calls empty or put exchange values in their place.
        int withCall = 0;
        for (int i = 0; i < log->NoOfQSOs(); ++i) withCall += log->QSOs(i)->Call().Call().empty() ? 0 : 1;
        EXPECT_EQ(withCall, log->NoOfQSOs());
    }
}

// Our score against the claimed score, for the contests whose rules exist. Each
// tolerance is what the known causes explain (see the comments); anything beyond is a
// fault of ours.
struct TClaim {
    const char* file;
    double tolerance;
};
const TClaim kClaims[] = {
    // Same points, one multiplier fewer than claimed (2161 x 88 against 2161 x 89): -1.1%.
    // The claim counts Guantanamo Bay for KG4W (VA) or KG4USN (MD); KG4 is Guantanamo
    // Bay only with a two-letter suffix, so both are US stations. Before exact-call
    // entries stopped matching longer calls, N0JK (Kansas) became Mariana Islands
    // through "=N0J".
    {"cq-160-cw_2025_n0ni.log", 0.012},
    // Differences of a few dozen points from country-file vintage (2023 file, 2024/25
    // logs) and stations the other program judged differently.
    {"cq-wpx-cw_2025_kb4dx.log", 0.005},
    {"cq-wpx-ssb_2025_wr3z.log", 0.005},
    {"cq-ww-cw_2024_w3lpl.log", 0.005},
    {"cq-ww-rtty_2024_k3mm.log", 0.005},
    {"darc-waedc-cw_2024_aa3b.log", 0.0},
    // A European station: 3861 x 794 against 3868 x 796 claimed: -0.43%. The claim
    // counts Z35M/MM, a European call, as a valid QSO (1 point, Z3 on 20 m: 2 weighted
    // multipliers); three received QTCs are refused (two from N9RV, never worked; one
    // from VE7ZO logged two minutes before its QSO); 3 points stay unexplained (the
    // claim may include WI2X, crossed out as X-QSO).
    {"darc-waedc-cw_2025_ii2q.log", 0.005},
    // The 185 multipliers agree exactly; 13 QSO/QTC points more than claimed, every
    // line read: +3.1%. No QTC line is repeated, every QTC partner was worked under the
    // same call, no station passes ten QTCs and every sent QTC reports a QSO of the
    // log made before it; one received QTC is an empty placeholder ("--- --- 0000").
    {"darc-waedc-rtty_2023_4e1fkb.log", 0.035},
};

TEST_F(CabrilloCorpus, ScoresAgreeWithTheClaimedScores) {
    for (const TClaim& claim : kClaims) {
        const std::string file = test::CorpusDir() + "/cabrillo/" + claim.file;
        SCOPED_TRACE(file);
        if (!fs::exists(file)) continue;
        std::vector<std::string> messages;
        TCabrilloImport reader(file, &messages);
        reader.Cty = cty_;
        auto log = reader.ReadLog(false);
        ASSERT_TRUE(log) << reader.LastError();
        log->ShowMessageBoxes = false;
        log->Compile();
        std::int64_t claimed = 0;
        ASSERT_TRUE(TryStrToInt64(reader.ClaimedScore(), claimed));
        const double ours = static_cast<double>(log->GetFinalResult());
        EXPECT_LE(std::fabs(ours - static_cast<double>(claimed)), claim.tolerance * static_cast<double>(claimed) + 0.5)
            << "ours " << log->GetFinalResult() << ", claimed " << claimed;
    }
}

}  // namespace
}  // namespace qz
