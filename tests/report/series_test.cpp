// The time series of compiled logs: hand-counted figures of an annotated log, the
// totals of every annotated log, and logs whose times would break the bins.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "contests/annotatedlog.h"
#include "report/series.h"

namespace qz {
namespace {

using Counts = std::vector<std::int32_t>;

std::unique_ptr<TContestLog> CompiledAnnotatedLog(const std::string& name) {
    test::annotated::TAnnotatedLog a;
    const std::string path = std::string(QZ_TEST_DATA_DIR) + "/contests/" + name;
    if (!test::annotated::Parse(path, a)) return nullptr;
    std::unique_ptr<TContestLog> log = CreateContestLog(a.header, nullptr, test::TestCty());
    if (!log) return nullptr;
    test::annotated::AppendLines(*log, a);
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    log->Compile();
    log->SetMessageLines(nullptr);
    return log;
}

// iaru.txt, counted by hand from its lines: 12:00-12:55 four good QSOs on 20m (1+3+5+5
// points, zones 28, 27 and 08); 13:02 20m SSB (5 points), 13:03 a dupe, 13:15 40m
// (5 points, zone 08 new on 40m); 14:30-14:50 four on 20m (1+1+1+0 points, DARC and
// darc); 15:10 one without points, 15:20 an invalid FM line.
TEST(Series, HandCountedFiguresOfAnAnnotatedLog) {
    auto log = CompiledAnnotatedLog("iaru.txt");
    ASSERT_TRUE(log);
    const TLogSeries s = BuildSeries(*log);
    const TTimeSeries& h = s.hourly;
    ASSERT_EQ(h.bins, 4);
    EXPECT_EQ(SeriesTimeText(h.start), "2013-11-23 12:00");
    EXPECT_EQ(h.qsos.all, (Counts{4, 2, 4, 1}));
    EXPECT_EQ(h.qsos.band[b20m], (Counts{4, 1, 4, 1}));
    EXPECT_EQ(h.qsos.band[b40m], (Counts{0, 1, 0, 0}));
    EXPECT_EQ(h.points.all, (Counts{14, 10, 3, 0}));
    EXPECT_EQ(h.points.band[b40m], (Counts{0, 5, 0, 0}));
    ASSERT_EQ(h.newMulties.size(), 1u);
    EXPECT_EQ(h.newMulties[0].all, (Counts{3, 1, 2, 0}));
    EXPECT_EQ(h.newMulties[0].Of(b40m, 1), 1);
    EXPECT_EQ(h.newMulties[0].Of(b20m, 1), 0);
    EXPECT_EQ(h.newMulties[0].Of(b80m, 1), 0) << "a band without lines counts 0";
    // 14 * 3, 24 * 4, 27 * 6, 27 * 6.
    EXPECT_EQ(h.score, (std::vector<std::int64_t>{42, 96, 162, 162}));
    EXPECT_EQ(s.bands, (std::vector<TBand>{b40m, b20m}));

    const TTimeSeries& t = s.tenMinutes;
    ASSERT_EQ(t.bins, 21);  // 12:00 to the bin of 15:20
    EXPECT_EQ(t.qsos.all, (Counts{2, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1, 0, 1, 0}));
    EXPECT_EQ(std::accumulate(t.points.all.begin(), t.points.all.end(), 0), 27);

    // 20m to 40m at 13:15 (after the dupe at 13:03), back to 20m at 14:30; the invalid
    // 20m line at 15:20 follows a 20m line.
    ASSERT_EQ(s.bandChanges.size(), 2u);
    EXPECT_EQ(SeriesTimeText(s.bandChanges[0].time), "2013-11-23 13:15");
    EXPECT_EQ(s.bandChanges[0].from, b20m);
    EXPECT_EQ(s.bandChanges[0].to, b40m);
    EXPECT_EQ(s.bandChanges[1].to, b20m);
    EXPECT_EQ(h.bandChanges, (Counts{0, 1, 1, 0}));
    EXPECT_EQ(t.bandChanges[7], 1);
    EXPECT_EQ(t.bandChanges[15], 1);

    ASSERT_EQ(s.offTimes.size(), 1u);
    EXPECT_EQ(SeriesTimeText(s.offTimes[0].from), "2013-11-23 13:15");
    EXPECT_EQ(SeriesTimeText(s.offTimes[0].to), "2013-11-23 14:30");
    EXPECT_EQ(s.offTimes[0].minutes, 75);
    EXPECT_EQ(s.outside, 0);

    // A shorter minimum rest finds the 35 minutes from 12:05 to 12:40 too; exactly the
    // minimum counts.
    EXPECT_EQ(BuildSeries(*log, {35}).offTimes.size(), 2u);
    EXPECT_EQ(BuildSeries(*log, {36}).offTimes.size(), 1u);
    EXPECT_EQ(BuildSeries(*log, {76}).offTimes.size(), 0u);
}

// Every annotated log: the bins add up to the compile's totals and the score ends at the
// final result, whatever the contest counts.
class SeriesOfAnnotatedLog : public ::testing::TestWithParam<std::string> {};

TEST_P(SeriesOfAnnotatedLog, AddsUpToTheResults) {
    const std::string name = std::filesystem::path(GetParam()).filename().string();
    auto log = CompiledAnnotatedLog(name);
    ASSERT_TRUE(log) << name;
    const TLogSeries s = BuildSeries(*log);
    ASSERT_EQ(s.outside, 0) << name;
    if (s.Empty()) return;
    for (const TTimeSeries* t : {&s.hourly, &s.tenMinutes}) {
        const auto sum = [](const Counts& c) { return std::accumulate(c.begin(), c.end(), 0); };
        EXPECT_EQ(sum(t->qsos.all), log->Result().NoOfAllGoodQSOs()) << name;
        for (int b = 0; b < kNoOfBands; ++b)
            EXPECT_EQ(sum(t->qsos.band[static_cast<std::size_t>(b)]),
                      log->Result().NoOfBandGoodQSOs(static_cast<TBand>(b)))
                << name << " band " << b;
        for (int k = 0; k < log->NoOfMulties(); ++k)
            EXPECT_EQ(sum(t->newMulties[static_cast<std::size_t>(k)].all), log->Result().NoOfAllMulties(k))
                << name << " kind " << k;
        EXPECT_EQ(t->score.back(), log->GetFinalResult()) << name;
        EXPECT_TRUE(std::is_sorted(t->score.begin(), t->score.end()) || log->GetFinalResult() < 0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(AnnotatedLogs, SeriesOfAnnotatedLog, ::testing::ValuesIn(test::AnnotatedLogs("")),
                         test::AnnotatedLogName);

TEST(Series, TimesThatWouldBreakTheBinsAreLeftOut) {
    auto log = CompiledAnnotatedLog("iaru.txt");
    ASSERT_TRUE(log);
    // A date typed wrong, a line never dated (29 February 2000) and values no date has.
    log->QSOs(0)->SetDateTime(EncodeDate(2031, 11, 23) + 0.5);
    log->QSOs(1)->SetDateTime(EncodeDate(2000, 2, 29));
    log->QSOs(2)->SetDateTime(1e300);
    log->QSOs(3)->SetDateTime(-1e300);
    const TLogSeries s = BuildSeries(*log);
    EXPECT_EQ(s.outside, 4);
    EXPECT_EQ(s.hourly.bins, 3) << "13:00 to 15:20";
    EXPECT_EQ(SeriesTimeText(s.hourly.start), "2013-11-23 13:00");
}

TEST(Series, EmptyAndDeletedLogsHaveNoBins) {
    auto log = CompiledAnnotatedLog("iaru.txt");
    ASSERT_TRUE(log);
    for (int i = 0; i < log->NoOfQSOs(); ++i) log->QSOs(i)->IncludeFlag(qfUserDeleted);
    const TLogSeries s = BuildSeries(*log);
    EXPECT_TRUE(s.Empty());
    EXPECT_TRUE(s.offTimes.empty());
    EXPECT_TRUE(s.bandChanges.empty());
    while (log->NoOfQSOs() > 0) log->DeleteQSO(0, false);
    log->Compile();
    EXPECT_TRUE(BuildSeries(*log).Empty());
}

}  // namespace
}  // namespace qz
