// Bins the compiled lines of a log by time; see series.h.
#include "report/series.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "engine/contestlog.h"

namespace qz {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
// How far from the middle of the log a line may lie and still be charted.
constexpr std::int64_t kWindowMinutes = 4 * kMinutesPerDay;

// One line with a usable time: its minute since 1899-12-30 and its index.
struct TTimedLine {
    std::int64_t minute = 0;
    int index = 0;
};

// The whole minute of `time`; false for a value no date can have.
bool MinuteOf(TDateTime time, std::int64_t& minute) {
    if (!std::isfinite(time) || std::fabs(time) > 4.0e6) return false;
    // The small addition keeps a time stored as 11:59:59.9999 in the minute it means.
    minute = static_cast<std::int64_t>(std::floor(time * kMinutesPerDay + 1e-6));
    return true;
}

TDateTime TimeOfMinute(std::int64_t minute) { return static_cast<double>(minute) / kMinutesPerDay; }

// The lines that took part (not deleted by the user) with a usable time, in log order;
// `unusable` counts the others that took part.
std::vector<TTimedLine> TimedLines(const TContestLog& log, int& unusable) {
    std::vector<TTimedLine> lines;
    lines.reserve(static_cast<std::size_t>(log.NoOfQSOs()));
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const TQSO& q = *log.QSOs(i);
        if (q.QSOFlags().Contains(qfUserDeleted)) continue;
        std::int64_t minute = 0;
        if (MinuteOf(q.DateTime(), minute)) lines.push_back({minute, i});
        else ++unusable;
    }
    return lines;
}

// Keeps the lines within kWindowMinutes of the median time; returns how many it dropped.
int KeepNearMiddle(std::vector<TTimedLine>& lines) {
    if (lines.empty()) return 0;
    std::vector<std::int64_t> minutes;
    minutes.reserve(lines.size());
    for (const TTimedLine& l : lines) minutes.push_back(l.minute);
    const auto middle = minutes.begin() + static_cast<std::ptrdiff_t>(minutes.size() / 2);
    std::nth_element(minutes.begin(), middle, minutes.end());
    const std::int64_t median = *middle;
    const std::size_t before = lines.size();
    std::erase_if(lines, [median](const TTimedLine& l) {
        return l.minute < median - kWindowMinutes || l.minute > median + kWindowMinutes;
    });
    return static_cast<int>(before - lines.size());
}

void SizeCounts(TBinCounts& counts, int bins) { counts.all.assign(static_cast<std::size_t>(bins), 0); }

void AddCount(TBinCounts& counts, int bin, TBand band, std::int32_t value, int bins) {
    const auto b = static_cast<std::size_t>(bin);
    counts.all[b] += value;
    std::vector<std::int32_t>& perBand = counts.band[band];
    if (perBand.empty()) perBand.assign(static_cast<std::size_t>(bins), 0);
    perBand[b] += value;
}

void SizeSeries(TTimeSeries& s, std::int64_t firstHour, std::int64_t lastMinute, int binMinutes, int kinds) {
    s.start = TimeOfMinute(firstHour);
    s.binMinutes = binMinutes;
    s.bins = static_cast<int>((lastMinute - firstHour) / binMinutes + 1);
    SizeCounts(s.qsos, s.bins);
    SizeCounts(s.points, s.bins);
    s.newMulties.assign(static_cast<std::size_t>(kinds), TBinCounts{});
    for (TBinCounts& m : s.newMulties) SizeCounts(m, s.bins);
    s.bandChanges.assign(static_cast<std::size_t>(s.bins), 0);
    s.score.assign(static_cast<std::size_t>(s.bins), 0);
}

// What one good line brings to its bin.
void CountLine(TTimeSeries& s, int bin, const TQSO& q, int kinds) {
    if (!q.IsQTC()) AddCount(s.qsos, bin, q.Band(), 1, s.bins);
    AddCount(s.points, bin, q.Band(), q.Points(), s.bins);
    for (int k = 0; k < kinds; ++k)
        if (!q.Multies(k).empty()) AddCount(s.newMulties[static_cast<std::size_t>(k)], bin, q.Band(), 1, s.bins);
}

// The cumulative score per bin: the points so far times the multipliers so far, or the
// points alone where the log has no multiplier (a contest may then score its points),
// scaled to end at `finalScore` where the contest counts otherwise.
void FillScore(TTimeSeries& s, int kinds, std::int64_t finalScore) {
    std::int64_t points = 0;
    std::int64_t multies = 0;
    std::vector<std::int64_t> product(static_cast<std::size_t>(s.bins));
    std::vector<std::int64_t> pointsSoFar(static_cast<std::size_t>(s.bins));
    for (std::size_t b = 0; b < product.size(); ++b) {
        points += s.points.all[b];
        for (int k = 0; k < kinds; ++k) multies += s.newMulties[static_cast<std::size_t>(k)].all[b];
        pointsSoFar[b] = points;
        product[b] = kinds == 0 ? points : points * multies;
    }
    const std::vector<std::int64_t>& base = !product.empty() && product.back() == 0 ? pointsSoFar : product;
    const std::int64_t last = base.empty() ? 0 : base.back();
    for (std::size_t b = 0; b < base.size(); ++b) {
        if (last == finalScore || last == 0) s.score[b] = last == 0 ? 0 : base[b];
        else s.score[b] = std::llround(static_cast<long double>(base[b]) * finalScore / last);
    }
}

}  // namespace

std::string SeriesTimeText(TDateTime time) {
    const CivilDate d = DecodeDate(time);
    const CivilTime t = DecodeTime(time);
    return ZeroPadded(d.year, 4) + "-" + ZeroPadded(d.month, 2) + "-" + ZeroPadded(d.day, 2) + " " +
           ZeroPadded(t.hour, 2) + ":" + ZeroPadded(t.minute, 2);
}

TLogSeries BuildSeries(const TContestLog& log, const TSeriesSettings& settings) {
    TLogSeries series;
    series.multiKinds = std::max(0, log.NoOfMulties());
    series.minimumRestMinutes = std::max(1, settings.minimumRestMinutes);
    series.finalScore = log.GetFinalResult();
    for (int k = 0; k < series.multiKinds; ++k) {
        const int col = log.GetColumnNumberFromProperty(cpMul, k, log.NoOfColumns());
        std::string name = log.ColumnProperty(col) == cpMul ? Trim(log.ColumnHeader(col)) : std::string();
        series.multiNames.push_back(name.empty() ? "Mult " + std::to_string(k + 1) : name);
    }
    std::vector<TTimedLine> lines = TimedLines(log, series.outside);
    series.outside += KeepNearMiddle(lines);
    if (lines.empty()) return series;

    std::stable_sort(lines.begin(), lines.end(),
                     [](const TTimedLine& a, const TTimedLine& b) { return a.minute < b.minute; });
    const std::int64_t first = lines.front().minute;
    const std::int64_t firstHour = first - ((first % 60) + 60) % 60;
    const std::int64_t last = lines.back().minute;
    const int kinds = series.multiKinds;
    SizeSeries(series.hourly, firstHour, last, 60, kinds);
    SizeSeries(series.tenMinutes, firstHour, last, 10, kinds);

    const TQSO* previous = nullptr;
    std::int64_t previousMinute = 0;
    for (const TTimedLine& l : lines) {
        const TQSO& q = *log.QSOs(l.index);
        const int hour = static_cast<int>((l.minute - firstHour) / 60);
        const int tenth = static_cast<int>((l.minute - firstHour) / 10);
        if (q.IsGood()) {
            CountLine(series.hourly, hour, q, kinds);
            CountLine(series.tenMinutes, tenth, q, kinds);
        }
        if (q.IsQTC()) continue;
        if (previous != nullptr) {
            if (l.minute - previousMinute >= series.minimumRestMinutes)
                series.offTimes.push_back({TimeOfMinute(previousMinute), TimeOfMinute(l.minute),
                                           static_cast<int>(l.minute - previousMinute)});
            if (q.Band() != previous->Band()) {
                series.bandChanges.push_back({TimeOfMinute(l.minute), previous->Band(), q.Band()});
                ++series.hourly.bandChanges[static_cast<std::size_t>(hour)];
                ++series.tenMinutes.bandChanges[static_cast<std::size_t>(tenth)];
            }
        }
        previous = &q;
        previousMinute = l.minute;
    }
    FillScore(series.hourly, kinds, series.finalScore);
    FillScore(series.tenMinutes, kinds, series.finalScore);
    for (int b = 0; b < kNoOfBands; ++b)
        if (!series.hourly.qsos.band[static_cast<std::size_t>(b)].empty() ||
            !series.hourly.points.band[static_cast<std::size_t>(b)].empty())
            series.bands.push_back(static_cast<TBand>(b));
    return series;
}

}  // namespace qz
