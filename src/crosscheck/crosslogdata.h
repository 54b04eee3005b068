// One log as the cross-check holds it: each QSO reduced to a small record of hashed call
// and exchange values, so that matching thousands of logs allocates nothing per QSO and
// a season of millions of QSOs fits in a few hundred megabytes. The log itself is read
// again afterwards, one file at a time, for the reports' texts and the checked score.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "engine/contestlog.h"

namespace qz {

// The key of a call or an exchange value: a hash of its normalized text (upper case,
// blanks trimmed, leading zeros of a number dropped), never 0; 0 stands for no value.
std::uint64_t CallKey(std::string_view call);
std::uint32_t ValueKey(std::string_view value);
// The text a value is compared as.
std::string NormalizedValue(std::string_view value);

struct TCrossQSO {
    std::uint64_t call = 0;
    // Minutes since 1899-12-30, as logged.
    std::int32_t minute = 0;
    // The line's number in the log (1 = first line, in the file's order).
    std::int32_t line = 0;
    // Whether the compile kept the line (only such records take part).
    bool kept = false;
    // The record it was matched with in the partner's log (index in its `qsos`), -1.
    std::int32_t partner = -1;
    std::uint32_t partnerLog = 0;
    // Band, and mode where the contest counts modes: two records can only be one QSO
    // in the same slot.
    std::uint8_t slot = 0;
    TBand band = b160m;
    // The line is judged: a QSO of the log, not a dupe nor deleted. Other lines may
    // still be the partner's record of a QSO.
    bool judged = false;
    // The finding made about it (Clock = none).
    TCrossKind kind = TCrossKind::Clock;
};

struct TCrossLogData {
    std::string file;
    // Why the file takes no part ("" when it does); names the file.
    std::string error;
    // Lines of the file its reader could not read and left out.
    int droppedLines = 0;
    // The log, while it is open (reading, and the second pass).
    std::unique_ptr<TContestLog> log;
    std::string call;
    std::uint64_t callKey = 0;
    TContest contest = cNoContest;
    std::string claimed;
    std::int64_t score = 0;
    // The first and last minute of the QSOs.
    std::int32_t firstMinute = 0;
    std::int32_t lastMinute = 0;
    // Records of the lines that are QSOs (QTCs left out), in the file's order.
    std::vector<TCrossQSO> qsos;
    // Each record's call as logged: `calls` from callAt[q] to the next '\0'.
    std::string calls;
    std::vector<std::uint32_t> callAt;
    // Exchange values compared, per QSO `fields` keys (0 = empty).
    int fields = 0;
    std::vector<std::uint32_t> sent;
    std::vector<std::uint32_t> rcvd;
    // Per field, the value sent in nearly every QSO (a zone, a state), 0 when the field
    // changes (a serial number).
    std::vector<std::uint32_t> constantSent;
    // The normalized text of each constant value ("" where none).
    std::vector<std::string> constantText;
    // QSO indexes sorted by (call, slot, minute), and by minute.
    std::vector<std::uint32_t> byCall;
    std::vector<std::uint32_t> byTime;
    // The constant offset of the log's clock, in minutes.
    std::int32_t clockOffset = 0;

    std::int32_t Minute(std::size_t q) const { return qsos[q].minute - clockOffset; }
    std::string_view CallText(std::size_t q) const { return std::string_view(calls.c_str() + callAt[q]); }
};

struct TCrossReadOptions {
    TContest fixContest = cNoContest;
    TContest defaultContest = cNoContest;
    std::string layoutName;
    std::shared_ptr<const TCtyStuff> cty;
    TCompileSettings compile;
};

// Opens, compiles and reduces one file, and closes it. On failure `data.error` is set.
void ReadCrossLog(const TCrossReadOptions& options, TCrossLogData& data);

// Opens the file again for the second pass (not compiled); false with `data.error`
// when it cannot be opened or no longer holds the lines it held.
bool ReopenCrossLog(const TCrossReadOptions& options, TCrossLogData& data);

// Marks the removed QSOs of the reopened log as deleted, compiles it and returns the
// checked score, with `penalty` more QSO points taken off per removed QSO.
std::int64_t CheckedScore(TCrossLogData& data, int penalty);

// A QSO line of the reopened log as the reports show it: date, time, band, mode, call,
// sent and received report and exchange.
std::string QSORecordText(const TCrossLogData& data, std::size_t q);
// What the station of the reopened log sent in record `q`: each field, or the value it
// sent all contest long where there is one, separated by blanks.
std::string SentExchangeText(const TCrossLogData& data, std::size_t q);

}  // namespace qz
