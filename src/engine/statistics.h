// The multiplier statistics of a compiled log: one table per multiplier kind with one
// row per multiplier value and, per allowed band and over all bands, the number of QSOs
// that carried it with their share of the good QSOs, and the calls that carried it.
#pragma once

#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

struct TStatisticsColumn {
    TBand band = b160m;  // unused for the all-bands columns
    bool allBands = false;
    bool calls = false;  // the calls column, else the QSO-count column
};

struct TStatisticsTable {
    int multiIndex = 0;
    std::vector<TStatisticsColumn> columns;  // after the fixed multiplier column
    std::vector<std::string> multies;        // one per row, in register order
    // Per row and column: the cell text ("3 (5.0%)" or the first call), and for call
    // columns every call of that multiplier there.
    std::vector<std::vector<std::string>> texts;
    std::vector<std::vector<std::vector<std::string>>> calls;
};

// A table per multiplier kind whose register is not empty, at most three.
std::vector<TStatisticsTable> BuildStatistics(const TContestLog& log);

// "n (p.p%)": n and its share of `of` in per cent with one decimal (0.0 when `of` is
// 0), with a decimal point whatever the locale.
std::string CountWithShare(int n, int of);

}  // namespace qz
