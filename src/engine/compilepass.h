// The indexes a compile pass keeps of what the lines before the current one carried,
// so that the dupe and new-multiplier rules answer in near-constant time, and the trace
// of what each evaluated line added to them and to the result, so that a later pass can
// take lines back from the end and evaluate them again. Used by the contest log only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "domain/qso.h"
#include "engine/compileresult.h"

namespace qz {

// Which result counter a line was counted in.
enum class TLineCount : std::uint8_t { Dupe, UserDeleted, GoodQTC, InvalidQTC, GoodQSO, InvalidQSO };

struct TPassState {
    // How many lines hold an item of an index, and the first of them. The indexes answer
    // "before line i" by the first line that added an item: during a pass every item
    // comes from an earlier line, and after one ForecastLine can ask for any line. Items
    // whose lines were all taken back stay with a count of 0, so that a trace can point
    // at them.
    struct TSeenItem {
        std::int32_t count = 0;
        std::int32_t first = 0;
    };
    struct TSeenPlace {
        TBand band;
        TMode mode;
        TSeenItem item;
    };
    // What one evaluated line added to the indexes, counters and register, so that a
    // later pass can take it back although the line has been changed since.
    struct TLineTrace {
        const TQSO* qso = nullptr;
        std::size_t firstEntry = 0;      // its entries in `entries`
        TSeenItem* dupeMaker = nullptr;  // its dupe key, when it makes dupes
        TLineCount counted = TLineCount::InvalidQSO;
        TBand band = b160m;
        TMode mode = mCW;
        std::int32_t points = 0;
    };
    // A call a line put in the register, or a multiplier value it carried.
    struct TPassEntry {
        int multiIndex = 0;
        TBand band = b160m;
        TMultiList::iterator registered;  // valid when `places` is nullptr
        std::vector<TSeenPlace>* places = nullptr;
        std::size_t place = 0;
    };

    std::unordered_map<std::string, TSeenItem> seenDupeKeys;
    // Per multiplier kind: value -> where (band and mode) lines carried it.
    std::vector<std::unordered_map<std::string, std::vector<TSeenPlace>>> seenMulties;
    std::vector<TLineTrace> traces;  // per line of the last pass, in order
    std::vector<TPassEntry> entries;

    void Reset(int noOfMulties);
    // True when `lines` (the first `count` of the log), and no others, have their traces
    // from the last pass, in this order.
    template <typename Lines>
    bool IsCurrentFor(const Lines& lines, std::size_t count) const {
        if (traces.size() != count || count > lines.size()) return false;
        for (std::size_t i = 0; i < count; ++i)
            if (traces[i].qso != lines[i].get()) return false;
        return true;
    }
    // Takes back what the lines from `start` on added, last first.
    void TakeBackLinesFrom(int start, TCompileResult& result);
    // Adds the counter of a judged line to the per-band figures.
    static void Count(TLineCount counted, TBand band, TMode mode, int delta, TCompileResult& result);

private:
    void TakeBackEntry(const TPassEntry& e, TCompileResult& result);
};

}  // namespace qz
