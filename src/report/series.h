// Time series of a compiled log: per hour and per ten minutes the good QSOs, the points
// and the new multipliers of each kind, per band and over all bands, the cumulative
// score, the band changes, and the off-times. Built once from the values the last
// compile left on the lines; the charts of the desktop program and the HTML report both
// draw from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "domain/defs.h"

namespace qz {

class TContestLog;

// One count per time bin, over all bands and per band.
struct TBinCounts {
    std::vector<std::int32_t> all;
    // Empty for a band that has no counted line in the series.
    std::array<std::vector<std::int32_t>, kNoOfBands> band;

    // The count of band `b` in bin `bin`, 0 for a band without counts.
    std::int32_t Of(TBand b, int bin) const {
        const std::vector<std::int32_t>& v = band[b];
        return bin >= 0 && static_cast<std::size_t>(bin) < v.size() ? v[static_cast<std::size_t>(bin)] : 0;
    }
};

// The bins of one width, from a whole hour on, up to the bin of the last line.
struct TTimeSeries {
    TDateTime start = 0;  // the first bin's start (a whole hour of the log's times)
    int binMinutes = 60;
    int bins = 0;
    TBinCounts qsos;                     // good QSOs (QTC lines are no QSOs)
    TBinCounts points;                   // points of the good lines, QTCs included
    std::vector<TBinCounts> newMulties;  // per multiplier kind: lines that brought a new one
    std::vector<std::int32_t> bandChanges;
    // The score at the end of each bin: the points so far times the multipliers so far
    // (the points alone in a contest without multipliers), scaled so that the last bin
    // gives the log's final result where the contest counts its score another way.
    std::vector<std::int64_t> score;

    TDateTime BinStart(int bin) const { return start + static_cast<double>(bin) * binMinutes / 1440.0; }
};

// A pause between two QSOs at least as long as the minimum rest.
struct TOffTime {
    TDateTime from = 0;  // the time of the last QSO before it
    TDateTime to = 0;    // the time of the first QSO after it
    int minutes = 0;
};

// A QSO on another band than the QSO before it in time.
struct TBandChange {
    TDateTime time = 0;
    TBand from = b160m;
    TBand to = b160m;
};

// Pauses shorter than this many minutes are no off-time. Contests that limit the
// operating time mostly count an off-time from one hour on.
inline constexpr int kDefaultMinimumRestMinutes = 60;

struct TSeriesSettings {
    int minimumRestMinutes = kDefaultMinimumRestMinutes;
};

struct TLogSeries {
    TTimeSeries hourly;
    TTimeSeries tenMinutes;
    std::vector<TBand> bands;  // the bands with counted lines, in band order
    int multiKinds = 0;
    std::vector<std::string> multiNames;  // per kind: its column title (Windows-1252)
    std::vector<TOffTime> offTimes;
    int minimumRestMinutes = kDefaultMinimumRestMinutes;
    std::vector<TBandChange> bandChanges;
    // Lines left out of the series: dated more than four days from the middle of the log
    // (a date typed wrong would otherwise stretch every chart over years).
    int outside = 0;
    std::int64_t finalScore = 0;

    bool Empty() const { return hourly.bins == 0; }
};

// The series of `log` as its last compile left it. Lines the user deleted count for
// nothing; dupes and invalid lines count for the band changes and the off-times only
// (they were on the air).
TLogSeries BuildSeries(const TContestLog& log, const TSeriesSettings& settings = {});

// "YYYY-MM-DD HH:MM" of `time`, C locale.
std::string SeriesTimeText(TDateTime time);

}  // namespace qz
