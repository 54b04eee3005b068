// The key figures of one compiled log that a common result list carries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "domain/defs.h"

namespace qz {

class TContestLog;

struct TSlimmedResults {
    TContest srContest = cNoContest;
    // The year of the first line's date; 0 for a log without lines.
    std::int32_t srYear = 0;
    std::string srCall;
    std::int32_t srGoodQSOs = 0;
    std::int32_t srNoOfMulties = 0;
    // One count per multiplier kind.
    std::vector<std::int32_t> srMulties;
    // Kept at the engine's width, so that a large score is never cut.
    std::int64_t srFinalResult = 0;
};

// The figures of a log that has been compiled.
TSlimmedResults SlimmedResultsOf(const TContestLog& log);

}  // namespace qz
