// Rule helpers that several contest families share: the relation of two stations
// (same country, same continent), CQ and ITU zones read from an exchange, the
// suggestions for a new line's exchange (an earlier line with the same call, the zones
// of the worked country), the dupe key "same call, band and mode", and the normal form
// of IOTA island references.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/call.h"
#include "engine/contestlog.h"

namespace qz {

// Equal country master prefixes.
bool SameCountry(const TCall& a, const TCall& b);
// Equal continents.
bool SameContinent(const TCall& a, const TCall& b);

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

// Zone suggestion: the zones (`zone`: CQ or ITU) of the call's country from the country
// file as `list` and the call's own zone ("%.2d") as `result`. False when the country
// file has no zone list for the country.
bool ZoneSuggestion(const TCall& call, TZone zone, std::vector<std::string>& list, std::string& result);

// Dupe key of the contests in which the same station counts once per band and mode:
// call, band and mode of line `index`.
std::string CallBandModeDupeKey(const TContestLog& log, int index);

// The normal form of an IOTA island reference, two continent letters, "-" and three
// digits ("eu5", "EU5" and "EU-005" are all "EU-005"); "" when the text is none.
std::string IOTAReference(std::string_view text);

}  // namespace qz
