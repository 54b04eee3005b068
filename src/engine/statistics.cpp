#include "engine/statistics.h"

#include <cstdint>

namespace qz {

namespace {

constexpr std::size_t kMaxStatisticsTables = 3;

}  // namespace

std::string CountWithShare(int n, int of) {
    std::int64_t tenths = 0;
    if (of > 0) tenths = (static_cast<std::int64_t>(n) * 1000 + of / 2) / of;
    return std::to_string(n) + " (" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%)";
}

std::vector<TStatisticsTable> BuildStatistics(const TContestLog& log) {
    std::vector<TStatisticsTable> tables;
    const std::vector<TMultiList>& registers = log.MultiList();
    for (std::size_t k = 0; k < registers.size() && tables.size() < kMaxStatisticsTables; ++k) {
        if (registers[k].empty()) continue;
        TStatisticsTable table;
        table.multiIndex = static_cast<int>(k);
        for (int b = 0; b < kNoOfBands; ++b) {
            if (!log.BandIsAllowed(static_cast<TBand>(b))) continue;
            table.columns.push_back({static_cast<TBand>(b), false, false});
            table.columns.push_back({static_cast<TBand>(b), false, true});
        }
        table.columns.push_back({b160m, true, false});
        table.columns.push_back({b160m, true, true});
        for (const auto& [value, item] : registers[k]) {
            table.multies.push_back(value);
            std::vector<std::string>& texts = table.texts.emplace_back();
            std::vector<std::vector<std::string>>& calls = table.calls.emplace_back();
            for (const TStatisticsColumn& c : table.columns) {
                const std::vector<std::string>& list = c.allBands ? item.mliSummaryList : item.mliBandLists[c.band];
                const int good = c.allBands ? log.Result().NoOfAllGoodQSOs() : log.Result().NoOfBandGoodQSOs(c.band);
                if (c.calls) {
                    texts.push_back(list.empty() ? std::string() : list.front());
                    calls.push_back(list);
                } else {
                    texts.push_back(CountWithShare(static_cast<int>(list.size()), good));
                    calls.emplace_back();
                }
            }
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

}  // namespace qz
