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
#include "domain/cabrilloformat.h"
#include "export/cabrilloexport.h"
#include "import/cabrilloimport.h"
#include "logfile/qzf.h"
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

// The contest each file names in its CONTEST: line, in the spelling its program wrote;
// the files of contests we do not know name none of ours.
TEST_F(CabrilloCorpus, TheContestLineNamesOurContestOrNone) {
    const std::map<std::string, TContest> ours = {
        {"arrl-10_2024_ve3ej.log", cAR10},
        {"arrl-dx-cw_2025_aa3b.log", cARRLcw},
        {"arrl-dx-ssb_2025_8p5a.log", cARRLssb},
        {"cq-160-cw_2025_n0ni.log", cWWDX160cw},
        {"cq-wpx-cw_2025_kb4dx.log", cWPXcw},
        {"cq-wpx-ssb_2025_wr3z.log", cWPXssb},
        {"cq-ww-cw_2024_w3lpl.log", cWWDXcw},
        {"cq-ww-rtty_2024_k3mm.log", cWWDXrtty},
        {"darc-waedc-cw_2024_aa3b.log", cWAEcw},        // WAE CW
        {"darc-waedc-cw_2025_ii2q.log", cWAEcw},        // WAE CW
        {"darc-waedc-rtty_2023_4e1fkb.log", cWAErtty},  // WAE RTTY
        {"darc-xmas_2023_df5rf-p.log", cXMAS},          // XMAS
        {"iaru-hf_2023_i44w.log", cIARU},
        {"iaru-hf_2025_gb8wr.log", cIARU},
        {"sac-cw_2023_3d2ag.log", cSACcw},
    };
    for (const std::string& file : CorpusFiles()) {
        SCOPED_TRACE(file);
        TCabrilloImport reader(file, nullptr);
        TFileHeader header;
        ASSERT_TRUE(reader.ReadHeader(header));
        const auto known = ours.find(fs::path(file).filename().string());
        EXPECT_EQ(header.fhContest_Contest, known == ours.end() ? cNoContest : known->second);
    }
}

// Cabrillo -> native log -> Cabrillo

std::string Collapsed(std::string_view text) {
    std::string out;
    for (std::string_view f : cabrillo::SplitFields(text)) (out.empty() ? out : out += ' ') += f;
    return out;
}

// The values of a header tag in a file, all its lines joined with a blank; found tells
// whether the tag is there at all.
std::string HeaderValue(const std::vector<std::string_view>& lines, std::string_view tag, bool& found) {
    std::string value;
    found = false;
    for (std::string_view line : lines) {
        const std::string t = TrimLeft(line);
        if (t.size() <= tag.size() || !SameText(t.substr(0, tag.size()), tag) || t[tag.size()] != ':') continue;
        (value.empty() ? value : value += ' ') += Collapsed(t.substr(tag.size() + 1));
        found = true;
    }
    return Collapsed(value);
}

// Header lines the log keeps as they were: the station and its texts, and the
// categories whose value is a keyword (another value is read as the default).
// CATEGORY-BAND, CATEGORY-MODE,
// CLAIMED-SCORE and CREATED-BY are the writer's own; the parts of the address follow
// its ADDRESS lines.
constexpr std::string_view kKeptTags[] = {"CALLSIGN", "LOCATION", "GRID-LOCATOR", "NAME",
                                          "EMAIL",    "CLUB",     "OPERATORS",    "SOAPBOX"};

template <typename Table>
bool IsKeyword(const Table& table, std::string_view value) {
    return std::any_of(table.begin(), table.end(), [&](std::string_view k) { return SameText(k, value); });
}

bool IsCategoryKeyword(std::string_view tag, std::string_view value) {
    if (tag == "CATEGORY-OPERATOR") return IsKeyword(CategoryOperatorNames, value);
    if (tag == "CATEGORY-ASSISTED") return IsKeyword(CategoryAssistedNames, value);
    if (tag == "CATEGORY-POWER") return IsKeyword(CategoryPowerNames, value);
    if (tag == "CATEGORY-STATION") return IsKeyword(CategoryStationNames, value);
    return IsKeyword(CategoryTransmitterNames, value);
}
constexpr std::string_view kCategoryTags[] = {"CATEGORY-OPERATOR", "CATEGORY-ASSISTED", "CATEGORY-POWER",
                                              "CATEGORY-STATION", "CATEGORY-TRANSMITTER"};

// The fields of a data line as the contest's shape reads them: frequency, mode, date,
// time, calls, RSTs, exchanges and transmitter number.
std::string LineFields(std::string_view line, const cabrillo::TLineShape& shape, bool withTransmitter, bool withRSTs) {
    cabrillo::TDataLine d;
    std::string error;
    if (!cabrillo::SplitDataLine(line, shape, d, error)) return "unreadable: " + error;
    // The writer spells a frequency as a number and a QTC group as 001/10.
    std::int32_t kHz = 0;
    if (TryStrToInt(Trim(d.frequency), kHz) && kHz > 0) d.frequency = std::to_string(kHz);
    d.group = cabrillo::FormatQTCGroup(Trim(d.group));
    std::string r = (d.deleted ? "X" : "") + std::string(d.qtc ? "QTC" : "QSO");
    for (const std::string* f : {&d.frequency, &d.mode, &d.year, &d.month, &d.day, &d.time, &d.firstCall, &d.secondCall,
                                 &d.group, &d.qtcTime, &d.qtcCall, &d.qtcSerial})
        r += " | " + Collapsed(*f);
    // A line keeps the RST's readability and strength; the tone of a CW RST is always
    // written as 9 (591 becomes 599).
    if (withRSTs) r += " | " + Collapsed(d.sentRST).substr(0, 2) + " | " + Collapsed(d.rcvdRST).substr(0, 2);
    // Numbers the exchange does not have are empty, wherever the layout has room.
    const auto numbers = [&](const std::vector<std::string>& list) {
        std::string t;
        for (const auto& n : list) t += " | " + Collapsed(n);
        while (t.size() >= 3 && t.compare(t.size() - 3, 3, " | ") == 0) t.resize(t.size() - 3);
        return t;
    };
    r += numbers(d.sent) + " |" + numbers(d.rcvd);
    if (withTransmitter) r += " | tx " + Collapsed(d.transmitter);
    return r;
}

std::string DateKey(std::string_view line, const cabrillo::TLineShape& shape) {
    cabrillo::TDataLine d;
    std::string error;
    if (!cabrillo::SplitDataLine(line, shape, d, error)) return {};
    return Collapsed(d.year) + Collapsed(d.month) + Collapsed(d.day) + Collapsed(d.time);
}

class CabrilloCorpusRoundTrip : public CabrilloCorpus, public ::testing::WithParamInterface<std::string> {};

TEST_P(CabrilloCorpusRoundTrip, NativeLogAndExportKeepEveryFieldAndHeaderLine) {
    const std::string file = GetParam();
    if (file.empty()) GTEST_SKIP() << "no Cabrillo logs in the corpus";
    std::vector<std::string> messages;
    TCabrilloImport reader(file, &messages);
    reader.Cty = cty_;
    reader.DefaultContest = cDXPDN;
    auto imported = reader.ReadLog(false);
    ASSERT_TRUE(imported) << reader.LastError();
    TQZF qzf;
    auto log = qzf.ReadLogFromBytes(TQZF::EncodeLog(*imported), "roundtrip.QZF", cty_);
    ASSERT_TRUE(log) << qzf.LastError();
    log->SetShowMessageBoxes(false);
    log->Compile();
    std::vector<std::string> exported;
    TCabrilloExport(*log).ExportLog(exported);
    const std::string original = test::ReadFile(file);
    const std::vector<std::string_view> in = SplitLineViews(std::string_view(original).substr(0, original.find('\0')));
    const std::vector<std::string_view> out(exported.begin(), exported.end());

    for (std::string_view tag : kKeptTags) {
        bool inFile = false, written = false;
        const std::string want = HeaderValue(in, tag, inFile);
        if (inFile) {
            EXPECT_EQ(HeaderValue(out, tag, written), want) << tag;
        }
    }
    for (std::string_view tag : kCategoryTags) {
        bool inFile = false, written = false;
        const std::string want = HeaderValue(in, tag, inFile);
        if (inFile && IsCategoryKeyword(tag, want)) {
            EXPECT_TRUE(SameText(HeaderValue(out, tag, written), want)) << tag;
        }
    }
    bool found = false;
    std::string address = HeaderValue(out, "ADDRESS", found);
    const std::string wantAddress = HeaderValue(in, "ADDRESS", found);
    EXPECT_EQ(address.substr(0, wantAddress.size()), wantAddress);

    // The data lines in time order (the log sorts them), without those the reader
    // reported and did not read.
    const cabrillo::TLineShape shape = LineShapeOf(*log);
    std::vector<std::string_view> inData, outData;
    for (std::string_view l : in)
        if ((cabrillo::IsQSOLine(l) || cabrillo::IsQTCLine(l)) && !DateKey(l, shape).empty()) inData.push_back(l);
    for (std::string_view l : out)
        if (cabrillo::IsQSOLine(l) || cabrillo::IsQTCLine(l)) outData.push_back(l);
    std::stable_sort(inData.begin(), inData.end(),
                     [&](std::string_view a, std::string_view b) { return DateKey(a, shape) < DateKey(b, shape); });
    ASSERT_EQ(outData.size(), inData.size() - static_cast<std::size_t>(reader.Counts().skipped));
    int differing = 0;
    std::string shown;
    for (std::size_t i = 0; i < outData.size(); ++i) {
        cabrillo::TDataLine d;
        std::string error;
        cabrillo::SplitDataLine(inData[i], shape, d, error);
        const std::string want = LineFields(inData[i], shape, !d.transmitter.empty(), d.hasSentRST && d.hasRcvdRST);
        const std::string got = LineFields(outData[i], shape, !d.transmitter.empty(), d.hasSentRST && d.hasRcvdRST);
        if (got != want && ++differing <= 5)
            shown += "\n" + std::string(inData[i]) + "\n  read:    " + want + "\n  written: " + got;
    }
    // Lines the Cabrillo layout itself cannot carry: a QTC serial of five digits (the
    // column holds four) and a sent "RST" 057 that is the exchange of another layout.
    const int allowed = fs::path(file).filename() == "darc-waedc-rtty_2023_4e1fkb.log" ? 2 : 0;
    EXPECT_LE(differing, allowed) << shown;
}

std::vector<std::string> CorpusFilesOrNone() {
    std::vector<std::string> files = CorpusFiles();
    if (files.empty()) files.emplace_back();
    return files;
}

INSTANTIATE_TEST_SUITE_P(Files, CabrilloCorpusRoundTrip, ::testing::ValuesIn(CorpusFilesOrNone()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = fs::path(info.param).stem().string();
                             for (char& c : name)
                                 if (!IsLetter(c) && !IsDigit(c)) c = '_';
                             return name.empty() ? std::string("none") : name;
                         });

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
        log->SetShowMessageBoxes(false);
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
