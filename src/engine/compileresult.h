// What a compile pass counts: the lines per band and mode by how they were judged, the
// points, the multipliers of each kind and the register of the calls that carried them.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "domain/defs.h"

namespace qz {

// The calls that carried one multiplier value, per band and overall, in log order.
struct TMultiListItem {
    std::array<std::vector<std::string>, kNoOfBands> mliBandLists;
    std::vector<std::string> mliSummaryList;
};

// Multiplier values of one kind, sorted ignoring case (a value and its other-case
// spelling share one entry).
struct TMultiValueLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};
using TMultiList = std::map<std::string, TMultiListItem, TMultiValueLess>;

// Where an earlier line must have carried a multiplier value for a later line not to
// count it again: anywhere in the log, on the same band, or on the same band in the
// same mode.
enum class TMultiScope : std::uint8_t { Log, Band, BandMode };

struct TCompileResult {
    TBandResult bandGoodQSOs{};
    TBandModeResult bandModeGoodQSOs{};  // mode is the outer index
    TBandResult bandGoodQTCs{};
    TBandResult bandInvalidQSOs{};
    TBandResult bandInvalidQTCs{};
    TBandResult bandDupes{};
    TBandResult bandUserDeletedQSOs{};
    std::vector<TBandResult> bandMulties;  // per multiplier kind
    TBandResult bandPoints{};
    // The totals over the allowed bands.
    std::int32_t allGoodQSOs = 0;
    TModeResult allModeGoodQSOs{};
    std::int32_t allGoodQTCs = 0;
    std::int32_t allInvalidQSOs = 0;
    std::int32_t allInvalidQTCs = 0;
    std::int32_t allDupes = 0;
    std::int32_t allUserDeletedQSOs = 0;
    std::vector<std::int32_t> allMulties;  // per multiplier kind
    std::int32_t allPoints = 0;
    std::vector<TMultiList> multiList;  // per multiplier kind

    std::int32_t NoOfBandGoodQSOs(TBand b) const { return bandGoodQSOs[b]; }
    std::int32_t NoOfBandModeGoodQSOs(TBand b, TMode m) const { return bandModeGoodQSOs[m][b]; }
    std::int32_t NoOfBandGoodQTCs(TBand b) const { return bandGoodQTCs[b]; }
    std::int32_t NoOfBandInvalidQSOs(TBand b) const { return bandInvalidQSOs[b]; }
    std::int32_t NoOfBandInvalidQTCs(TBand b) const { return bandInvalidQTCs[b]; }
    std::int32_t NoOfBandDupes(TBand b) const { return bandDupes[b]; }
    std::int32_t NoOfBandUserDeletedQSOs(TBand b) const { return bandUserDeletedQSOs[b]; }
    std::int32_t BandPoints(TBand b) const { return bandPoints[b]; }
    std::int32_t NoOfAllGoodQSOs() const { return allGoodQSOs; }
    std::int32_t NoOfAllModeGoodQSOs(TMode m) const { return allModeGoodQSOs[m]; }
    std::int32_t NoOfAllGoodQTCs() const { return allGoodQTCs; }
    std::int32_t NoOfAllInvalidQSOs() const { return allInvalidQSOs; }
    std::int32_t NoOfAllInvalidQTCs() const { return allInvalidQTCs; }
    std::int32_t NoOfAllDupes() const { return allDupes; }
    std::int32_t NoOfAllUserDeletedQSOs() const { return allUserDeletedQSOs; }
    std::int32_t AllPoints() const { return allPoints; }
    // 0 for a kind the contest does not have.
    std::int32_t NoOfBandMulties(int multiIndex, TBand b) const {
        return multiIndex >= 0 && multiIndex < static_cast<int>(bandMulties.size())
                   ? bandMulties[static_cast<std::size_t>(multiIndex)][b]
                   : 0;
    }
    std::int32_t NoOfAllMulties(int multiIndex) const {
        return multiIndex >= 0 && multiIndex < static_cast<int>(allMulties.size())
                   ? allMulties[static_cast<std::size_t>(multiIndex)]
                   : 0;
    }

    // Empties the per-band figures and the register for a log with `noOfMulties` kinds.
    void ResetBands(int noOfMulties);
    // Empties the totals, which a pass adds up from the per-band figures at its end.
    void ResetTotals(int noOfMulties);
    void AddBandToTotals(TBand b);
};

// What a line would bring: the answer to "is it a dupe, is it a new multiplier" while it
// is being typed (see TContestLog::ForecastLine).
struct TLineForecast {
    bool known = false;                                   // false when the lines changed since the last pass
    bool invalid = false;                                 // the rules reject it (no country, band not allowed, ...)
    int dupeOf = -1;                                      // the earliest line before it that makes it a dupe
    std::vector<std::pair<int, std::string>> newMulties;  // multiplier kind, value
};

}  // namespace qz
