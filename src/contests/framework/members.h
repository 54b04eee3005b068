// Club member numbers in the exchange: filling them in from the log's member list,
// suggesting them, and telling the user when the list is empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// True when the log's member list holds at least one member.
bool HasMembers(const TContestLog& log);

// Fills the member-number field (the list's RcvdIndex) of line `qsoIndex` with the
// number of its pure call, when the line has a call and the field was never set; marks
// the field set. Without a number in the list the field gets `notFound`, unless that is
// empty (the field is then left alone).
void FillMemberNumber(TContestLog& log, int qsoIndex, std::string_view notFound);

// The member number of line `qsoIndex`'s pure call as suggestion and only candidate;
// "" (list untouched) when the list has none.
std::string MemberNumberSuggestion(const TContestLog& log, int qsoIndex, std::vector<std::string>& rcvdList);

// Adds a note to the result report when the member list `fileName` is empty, so that a
// reader knows the member numbers were taken as logged.
void WriteEmptyMemberListNote(const TContestLog& log, std::string_view fileName, std::vector<std::string>& d);

}  // namespace qz
