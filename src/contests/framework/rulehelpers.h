// Rule helpers that several contest families share: the relation of two stations
// (same country, same continent), CQ and ITU zones read from an exchange, the
// suggestions for a new line's exchange (an earlier line with the same call, the zones
// of the worked country, the state or region of a call), exchanges looked up in a
// reference table or checked against a range, the dupe key "same call, band and mode",
// and the normal form of IOTA island references.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/language.h"
#include "domain/call.h"
#include "engine/contestlog.h"

namespace qz {

class TAmiAllocationTable;

// Equal country master prefixes.
bool SameCountry(const TCall& a, const TCall& b);
// Equal continents.
bool SameContinent(const TCall& a, const TCall& b);
// True when `masterPrefix` is one of `prefixes` (exact comparison).
bool IsOneOf(std::string_view masterPrefix, std::initializer_list<std::string_view> prefixes);

// Points by the relation of the two stations: same country, other country on the same
// continent (with its own value for a North-American own station), other continent.
std::int32_t RelationPoints(const TCall& own, const TCall& worked, std::int32_t sameCountry, std::int32_t sameContinent,
                            std::int32_t sameContinentNA, std::int32_t otherContinent);

// An exchange text as an integer from `low` to `high`, written with two digits ("5" and
// "05" are one value). Otherwise "" after a message about line `index`: language string
// `messageIndex`, ": " and the text when it is no number, or "%s: %d" with the value
// when it is out of range.
std::string RangeCandidate(const TContestLog& log, int index, const std::string& text, int low, int high,
                           int messageIndex);

// The main item of `table` for received number `numberIndex` of line `index` (with
// `shortSubItem` the longest known leading part of the text). Nothing found: "" and a
// message about the line, language string `messageIndex`, `separator` and the text.
template <class TTable>
std::string TableCandidate(const TContestLog& log, const TTable* table, int index, int numberIndex, bool shortSubItem,
                           int messageIndex, const char* separator = " ") {
    const TQSO* q = log.QSOs(index);
    if (!q) return {};
    const std::string rcvd = q->RcvdNumbers(numberIndex);
    std::string item = table ? table->GetMainItem(rcvd, shortSubItem) : std::string();
    if (item.empty()) log.AddMessage(LS(messageIndex) + separator + rcvd, index);
    return item;
}

// The CQ zone multiplier of an exchange text: an integer from 1 to 40 as two digits
// ("5" and "05" are one zone). Otherwise "" after a message about line `index`:
// language string 267 and the text, or "%s: %d" with the value when it is out of range.
std::string CQZoneCandidate(const TContestLog& log, int index, const std::string& text);

// The ITU zone multiplier of an exchange text: an integer from 1 to 75 as two digits.
// Otherwise "" after the message "%s: %s" from language string 267 and the text.
std::string ITUZoneCandidate(const TContestLog& log, int index, const std::string& text);

// Received-number suggestion from the first line before `qsoIndex` (searched from the
// top) whose call equals the call of line `qsoIndex` (exactly, or ignoring case): its
// received number `numberIndex` becomes `result` and the one entry of `list`. False,
// with `list` and `result` untouched, when there is no such line. An editor operation:
// it scans the earlier lines and is not used while compiling.
bool SameCallRcvdNumber(const TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& list,
                        std::string& result, bool ignoreCase = false);

// Received-number suggestion for a station of the home country: the number this call gave
// on an earlier line (as SameCallRcvdNumber), else every main item of the log's assignment
// table as the choice with nothing typed in (`result` empty). False when neither applies,
// so the caller falls back to the general suggestion.
bool HomeStationRcvdNumber(const TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& list,
                           std::string& result);

// Zone suggestion: the zones (`zone`: CQ or ITU) of the call's country from the country
// file as `list` and the call's own zone ("%.2d") as `result`. False when the country
// file has no zone list for the country.
bool ZoneSuggestion(const TCall& call, TZone zone, std::vector<std::string>& list, std::string& result);

// State or province of a W or VE call from an assignment table: for K the states of the
// call area (the first one alphabetically suggested), for VE the province of the prefix
// or district. False for calls of other countries.
bool StateSuggestion(const TAmiAllocationTable* table, const TCall& call, std::vector<std::string>& list,
                     std::string& result);

// The main item whose spelling is the call's prefix, else its district (exact).
std::string MainItemOfCall(const TAmiAllocationTable* table, const TCall& call);

// The normal form of an IOTA island reference, two continent letters, "-" and three
// digits ("eu5", "EU5" and "EU-005" are all "EU-005"); "" when the text is none.
std::string IOTAReference(std::string_view text);

}  // namespace qz
