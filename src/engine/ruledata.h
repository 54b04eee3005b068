// Rules of a contest class that are plain data, set by its constructor and applied by
// the base class: the exchange columns the editor shows, and which earlier lines make a
// line a dupe.
#pragma once

#include <cstdint>
#include <vector>

namespace qz {

class TContestLog;

// The columns that follow the base columns, in the order every contest shows them: one
// sent-number column per title in `sentTitles` (array index 0, 1, ...; STF "Sent",
// "Sent2"), the received RST, one received-number column per title in `rcvdTitles`
// ("Rcvd", "Rcvd2"), one multiplier column per title in `multiTitles` (kind 0, 1, ...),
// the points column unless `withPoints` is false, and the flags column. Titles are
// language string numbers.
struct TExchangeColumns {
    std::vector<int> sentTitles;
    std::vector<int> rcvdTitles;
    std::vector<int> multiTitles;
    bool withPoints = true;
};

// Appends `columns` to the log's column model.
void AddExchangeColumns(TContestLog& log, const TExchangeColumns& columns);

// Where an earlier line with the same call makes a line a dupe: anywhere in the log, on
// the same band, or on the same band in the same mode.
enum class TDupeScope : std::uint8_t { Log, Band, BandMode };

}  // namespace qz
