// Matching the logs of one contest session against each other: clocks first, then every
// QSO with the partner's record of it, then what is left over, kind by kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "crosscheck/crosslogdata.h"

namespace qz {

// A finding in a session; logs are indexes into the session's list.
struct TSessionFinding {
    std::uint32_t log = 0;
    // The record (index in the log's `qsos`); -1 for a finding about the whole log.
    std::int32_t qso = -1;
    TCrossKind kind = TCrossKind::NIL;
    std::string correct;
    std::int32_t otherLog = -1;
    std::int32_t otherQso = -1;
};

// Matches `logs` (no two with one call) with records `window` minutes apart at most.
// Sets each log's clock offset and each record's partner and kind; returns the findings
// ordered by log, then record.
std::vector<TSessionFinding> MatchSession(const std::vector<TCrossLogData*>& logs, int window);

}  // namespace qz
