// The cross-check over small hand-written logs, one folder per rule with the rows it must
// give (tests/data/crosscheck/*/expected.tsv); the reports and checked scores; bad files
// among good ones; a generated season with planted faults, measured kind by kind; the
// real corpus, whose logs of different contests must never be matched; the command.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli_run.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck/similarcalls.h"
#include "domain/cty.h"
#include "faultseason.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

const std::string kRules = std::string(QZ_TEST_DATA_DIR) + "/crosscheck";

std::shared_ptr<const TCtyStuff> Countries() {
    static const std::shared_ptr<const TCtyStuff> cty = std::make_shared<TCtyStuff>(test::TestCountryFile());
    return cty;
}

std::vector<std::string> LogsIn(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".log") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

TCrossResult Check(const std::vector<std::string>& files, int penalty = 0) {
    TCrossSettings s;
    s.files = files;
    s.cty = Countries();
    s.jobs = 2;
    s.penalty = penalty;
    return RunCrossCheck(s);
}

class CrossCheckRule : public ::testing::TestWithParam<std::string> {};

TEST_P(CrossCheckRule, GivesTheExpectedRows) {
    test::UseEnglishStrings();
    const std::string folder = kRules + "/" + GetParam();
    const TCrossResult r = Check(LogsIn(folder));
    ASSERT_EQ(r.setupError, "");
    EXPECT_TRUE(r.failures.empty()) << r.failures.front().message;
    EXPECT_EQ(CrossFindingsTsv(r), test::ReadFile(folder + "/expected.tsv"));
}

INSTANTIATE_TEST_SUITE_P(Rules, CrossCheckRule,
                         ::testing::Values("nil", "busted-call", "busted-exchange", "band", "unique", "clock",
                                           "contests", "serial"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(CrossCheck, SimilarCallsAreOneTypingFaultApart) {
    EXPECT_TRUE(SimilarCalls("K1ZZ", "K1ZX"));     // changed
    EXPECT_TRUE(SimilarCalls("JA1YYY", "JA1YY"));  // dropped
    EXPECT_TRUE(SimilarCalls("DL1AA", "DL1AAA"));  // added
    EXPECT_TRUE(SimilarCalls("K1ZZ", "KZ1Z"));     // swapped
    EXPECT_FALSE(SimilarCalls("K1ZZ", "K1ZZ"));
    EXPECT_FALSE(SimilarCalls("K1ZZ", "K2ZX"));
    EXPECT_FALSE(SimilarCalls("K1AB", "KA1B9"));
    const std::vector<std::string> calls = {"K1ZZ", "DL1AAA", "JA1YYY", "K1ZY"};
    const TSimilarCalls index(calls);
    std::vector<std::uint32_t> ids;
    index.Find("K1ZX", ids);
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{0, 3}));
    index.Find("Z1KZ", ids);
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(index.Any("DL1AAAA"));
    EXPECT_FALSE(index.Any("ZS6ZZZ"));
}

TEST(CrossCheck, ChecksScoresAndWritesTheReports) {
    test::UseEnglishStrings();
    const TCrossResult r = Check(LogsIn(kRules + "/nil"));
    ASSERT_EQ(r.logs.size(), 3u);
    const TCrossLog& dl = r.logs[0];
    EXPECT_EQ(dl.call, "DL1AAA");
    EXPECT_EQ(dl.qsos, 2);
    EXPECT_EQ(dl.removed, 1);
    EXPECT_GT(dl.score, dl.checked);
    EXPECT_EQ(dl.checked, r.logs[2].checked) << "one good QSO each, the same points";
    EXPECT_EQ(r.counts[static_cast<std::size_t>(TCrossKind::NIL)], 2u);
    EXPECT_EQ(r.qsos, 4u);

    const std::vector<std::string> rows = SplitLinesForTest(CheckedScoresTsv(r));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "file\tcall\tclaimed\tscore\tchecked\tqsos\tremoved");
    EXPECT_EQ(rows[1],
              dl.file + "\tDL1AAA\t0\t" + std::to_string(dl.score) + "\t" + std::to_string(dl.checked) + "\t2\t1");

    test::TempDir dir;
    const std::string folder = dir.File("reports/nested");
    std::string error;
    ASSERT_TRUE(WriteCrossReports(r, folder, error)) << error;
    EXPECT_EQ(test::ReadFile(folder + "/checked.tsv"), CheckedScoresTsv(r));
    const std::string report = test::ReadFile(folder + "/DL1AAA.ubn.txt");
    EXPECT_NE(report.find("Not in the other station's log (NIL): 1"), std::string::npos) << report;
    EXPECT_NE(report.find("line 2"), std::string::npos) << report;
    EXPECT_NE(report.find("JA1YYY has no such QSO"), std::string::npos) << report;
    EXPECT_NE(test::ReadFile(folder + "/K1ZZ.ubn.txt").find("No findings."), std::string::npos);

    // A penalty takes points off beyond the removed QSO itself.
    const TCrossResult penalised = Check(LogsIn(kRules + "/nil"), 1);
    EXPECT_LT(penalised.logs[0].checked, dl.checked);
    EXPECT_EQ(penalised.logs[2].checked, r.logs[2].checked) << "a log without removals keeps its score";

    // A file in the report folder's place: the error names it, nothing crashes.
    test::WriteFile(dir.File("taken"), "x");
    EXPECT_FALSE(WriteCrossReports(r, dir.File("taken"), error));
    EXPECT_NE(error.find("taken"), std::string::npos);
}

TEST(CrossCheck, BandRowsShowTheOtherRecordBeside) {
    test::UseEnglishStrings();
    const TCrossResult r = Check(LogsIn(kRules + "/band"));
    ASSERT_EQ(r.findings.size(), 1u);
    EXPECT_NE(r.findings[0].record.find("40m"), std::string::npos) << r.findings[0].record;
    EXPECT_NE(r.findings[0].otherRecord.find("20m"), std::string::npos) << r.findings[0].otherRecord;
    EXPECT_NE(UbnReport(r, 0).find("K1ZZ logged it on 20m"), std::string::npos) << UbnReport(r, 0);
}

TEST(CrossCheck, BadFilesTakeNoPartAndTheOthersAreChecked) {
    test::UseEnglishStrings();
    test::TempDir dir;
    std::vector<std::string> files = LogsIn(kRules + "/nil");
    test::WriteFile(dir.File("empty.log"), "");
    test::WriteFile(dir.File("garbage.log"), std::string("\x01\x02QSO: what\r\n\xff"));
    test::WriteFile(dir.File("again.log"), test::ReadFile(files[0]));
    files.push_back(dir.File("empty.log"));
    files.push_back(dir.File("garbage.log"));
    files.push_back(dir.File("missing.log"));
    files.push_back(dir.File("again.log"));
    const TCrossResult r = Check(files);
    EXPECT_EQ(r.logs.size(), 3u);
    ASSERT_EQ(r.failures.size(), 4u);
    for (const TCrossFailure& f : r.failures) EXPECT_NE(f.message.find(f.file), std::string::npos) << f.message;
    EXPECT_NE(r.failures.back().message.find("a second log of DL1AAA"), std::string::npos) << r.failures.back().message;
    EXPECT_EQ(CrossFindingsTsv(r), test::ReadFile(kRules + "/nil/expected.tsv"));
}

// A generated season of 500 logs: every planted fault found, and hardly anything else.
TEST(CrossCheck, FindsThePlantedFaultsOfASeason) {
    test::UseEnglishStrings();
    test::TempDir dir;
    TSeasonPlan plan;
    plan.logs = 500;
    plan.qsos = 120000;
    plan.clock = 0.02;
    const TSeason season = WriteFaultSeason(plan, *Countries(), dir.path().string());
    const TCrossResult r = Check(season.files);
    ASSERT_TRUE(r.failures.empty()) << r.failures.front().message;
    using TKey = std::tuple<std::string, int, std::string>;
    std::set<TKey> truth, found;
    for (const TSeasonTruth& t : season.truth) truth.emplace(t.log, t.line, t.kind);
    for (const TCrossFinding& f : r.findings) found.emplace(r.logs[f.log].call, f.line, CrossKindName(f.kind));
    for (TCrossKind kind : {TCrossKind::NIL, TCrossKind::BustedCall, TCrossKind::BustedExchange, TCrossKind::Band,
                            TCrossKind::Unique, TCrossKind::Clock}) {
        const std::string name = CrossKindName(kind);
        double planted = 0, reported = 0, hit = 0;
        for (const TKey& k : truth)
            if (std::get<2>(k) == name) ++planted, hit += found.contains(k) ? 1 : 0;
        for (const TKey& k : found)
            if (std::get<2>(k) == name) ++reported;
        ASSERT_GT(planted, 0) << name;
        // A band logged wrong a minute after the station's own change of band looks like
        // its partner's fault: about one band finding in a hundred goes to the wrong log.
        const double least = kind == TCrossKind::Band ? 0.97 : 0.99;
        EXPECT_GE(hit / planted, least) << name << ": recall " << hit << " of " << planted;
        EXPECT_GE(hit / std::max(reported, 1.0), least) << name << ": precision " << hit << " of " << reported;
    }
    // The right call and value where the truth knows them.
    std::map<std::tuple<std::string, int>, std::string> correct;
    for (const TSeasonTruth& t : season.truth)
        if (t.kind == "BUSTED-CALL" || t.kind == "BUSTED-EXCHANGE") correct[{t.log, t.line}] = t.correct;
    int wrong = 0;
    for (const TCrossFinding& f : r.findings) {
        auto it = correct.find({r.logs[f.log].call, f.line});
        if (it != correct.end() && it->second != f.correct) ++wrong;
    }
    EXPECT_LE(wrong, static_cast<int>(correct.size() / 100)) << wrong << " wrong corrections";
}

// Logs of different contests and years: sessions apart, and no finding ties two of them.
TEST(CrossCheck, CorpusLogsOfDifferentContestsAreNeverMatched) {
    const std::string corpus = test::CorpusDir();
    if (corpus.empty() || !fs::is_directory(corpus + "/cabrillo")) GTEST_SKIP() << "no corpus beside the project";
    test::UseEnglishStrings();
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(corpus + "/cabrillo"))
        if (e.is_regular_file()) files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    const TCrossResult r = Check(files);
    ASSERT_EQ(r.setupError, "");
    std::set<std::pair<TContest, int>> sessions;
    for (const TCrossLog& log : r.logs) sessions.emplace(log.contest, log.year);
    EXPECT_GE(r.sessions, sessions.size());
    for (const TCrossFinding& f : r.findings) {
        if (f.other == TCrossFinding::kNoLog) continue;
        EXPECT_EQ(r.logs[f.log].contest, r.logs[f.other].contest)
            << r.logs[f.log].file << " / " << r.logs[f.other].file;
        EXPECT_EQ(r.logs[f.log].year, r.logs[f.other].year);
    }
    // Logs of strangers: nothing to match, so no NIL, busted or band finding at all.
    for (TCrossKind kind : {TCrossKind::NIL, TCrossKind::BustedCall, TCrossKind::BustedExchange, TCrossKind::Band})
        EXPECT_LE(r.counts[static_cast<std::size_t>(kind)], r.qsos / 1000) << CrossKindName(kind);
}

TEST(CrossCheck, CommandPrintsRowsSummaryAndWritesTheFolder) {
    test::TempDir dir;
    test::WriteFile(dir.File("list"),
                    kRules + "/nil/dl1aaa.log\n" + kRules + "/nil/k1zz.log\n" + kRules + "/nil/ja1yyy.log\n");
    const std::string env = "QZ_DATA_DIR=" + dir.File("data") + " QZ_CONFIG_DIR=" + dir.File("config");
    const test::RunResult r = test::RunQz(
        "crosscheck --cty " + test::TestCountryFile() + " --tsv -j 2 -o " + dir.File("out") + " -@ " + dir.File("list"),
        env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, test::ReadFile(kRules + "/nil/expected.tsv"));
    EXPECT_NE(r.err.find("3 logs in 1 contest session, 4 QSOs; NIL 2, BUSTED-CALL 0"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir.File("out/checked.tsv")));
    EXPECT_TRUE(fs::exists(dir.File("out/JA1YYY.ubn.txt")));

    const test::RunResult bad = test::RunQz("crosscheck --window x " + kRules + "/nil/k1zz.log", env);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--window needs a number"), std::string::npos) << bad.err;
    const test::RunResult missing = test::RunQz(
        "crosscheck --cty " + test::TestCountryFile() + " " + dir.File("none.log") + " " + kRules + "/nil/k1zz.log",
        env);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.log"), std::string::npos) << missing.err;
    // A line its reader could not read is named, and the run is not a clean one.
    std::string k1zz = test::ReadFile(kRules + "/nil/k1zz.log");
    k1zz.insert(k1zz.find("QSO:"), "QSO: broken line\r\n");
    test::WriteFile(dir.File("k1zz.log"), k1zz);
    const test::RunResult dropped = test::RunQz(
        "crosscheck --cty " + test::TestCountryFile() + " " + dir.File("k1zz.log") + " " + kRules + "/nil/dl1aaa.log",
        env);
    EXPECT_EQ(dropped.status, 1);
    EXPECT_NE(dropped.err.find("k1zz.log: 1 line(s) could not be read"), std::string::npos) << dropped.err;
}

}  // namespace
}  // namespace qz
