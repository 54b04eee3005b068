// Rule helpers of the German contests: the DOK (club chapter code) check, the DOK
// multiplier candidate, the own DOK as default exchange, and the suggestions taken
// from earlier lines or from the DOK table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// 0 when `text` is a usable DOK, 1 when it is none, 2 for "NM" (no member, any case).
// A DOK has at least two characters, starts with a letter or digit, and has a letter
// before any character that is neither letter nor digit.
int CheckDOK(std::string_view text);

// The worked or own station is German (country master prefix "DL").
bool IsDLStation(const TCall& call);

// The DOK multiplier candidate of `rcvd` received on line `index` from a German
// station: the text itself when it is usable; "" and a message when it is no DOK;
// "" without message for "NM".
std::string DOKCandidate(const TContestLog& log, int index, const std::string& rcvd);

// Received number `numberIndex` of line `qsoIndex` when its station is German, else "".
std::string RcvdOfDLStation(const TContestLog& log, int qsoIndex, int numberIndex);

// The constant sent DOK of a log's first line, asked with prompt 201; the own DOK from
// the DOK table is the default when the log has no constant exchange yet.
std::string AskSentDOK(TContestLog& log, bool setEditedFlag);

// What a German contest offers when neither an earlier line nor the DOK table helps.
enum class TSuggestionFallback { BaseSuggestion, BaseListOnly, Nothing };

// The received-DOK suggestion: for a German station an earlier line's DOK, else its DOK
// from the DOK table; otherwise `fallback`.
std::string SuggestDOK(TContestLog& log, int qsoIndex, int numberIndex, bool ignoreCase, TSuggestionFallback fallback,
                       std::vector<std::string>& rcvdList);

// The base candidate list (the previous line's number) without a suggestion text.
std::string BaseListOnly(TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList);

// Sets the date of a log's first line to `day`.`month`. of the current year, or of the
// previous year when `previousYearInJanuary` and it is January now; the time stays.
void SetContestDate(TQSO& q, int month, int day, bool previousYearInJanuary);

// Sent number 0 of a log's first line for the German contests that send the DOK only
// from German own stations: the DOK asked with its default, or "" abroad.
std::string FirstSentDOK(TContestLog& log, bool setEditedFlag);

}  // namespace qz
