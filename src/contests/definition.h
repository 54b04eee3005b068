// Building blocks of the contest class constructors: the usual band sets, the mode set
// of a contest value, loading reference lists with the failure rules every class
// shares, the exchange columns, and the special-country test.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "engine/contestlog.h"

namespace qz {

class TAmiAllocationTable;
class TMiscAllocationTable;
class TMemberList;
class TSimpleList;

// 160m, 80m, 40m, 20m, 15m and 10m (set value 343).
SBand SixBands();
// The six bands without 160m (set value 342).
SBand FiveBands();

// The modes of the mode kind of `contest` (CW, SSB, RTTY, PSK or all); all modes for a
// value outside the enumeration.
SMode ContestKindModes(TContest contest);

// Whether a list the contest cannot do without makes the log fail to build.
enum class TListNeed { Optional, Required };

// Each loader returns the list, empty when its file could not be read, so the rules can
// always ask it. A failure is shown to the user with the file's path.
// Assignment tables are always required: a failed load sets `error` to EAllocationTable.
std::unique_ptr<TAmiAllocationTable> LoadAmiAllocationTable(std::string_view fileName, TContestLogCreateError& error);
std::unique_ptr<TMiscAllocationTable> LoadMiscAllocationTable(std::string_view fileName, TContestLogCreateError& error);
// `rcvdIndex`: which received number of a QSO holds the member number.
std::unique_ptr<TMemberList> LoadMemberList(std::string_view fileName, int rcvdIndex, TListNeed need,
                                            TContestLogCreateError& error);
std::unique_ptr<TSimpleList> LoadSimpleList(std::string_view fileName, TListNeed need, TContestLogCreateError& error);

// Appends the columns that follow the base columns, in the order every contest shows
// them: one sent-number column per title in `sentTitles` (array index 0, 1, ...; STF
// "Sent", "Sent2"), the received RST, one received-number column per title in
// `rcvdTitles` ("Rcvd", "Rcvd2"), one multiplier column per title in `multiTitles`
// (kind 0, 1, ...), the points column unless `withPoints` is false, and the flags
// column. Titles are language string numbers.
void AddContestColumns(TContestLog& log, std::initializer_list<int> sentTitles, std::initializer_list<int> rcvdTitles,
                       std::initializer_list<int> multiTitles, bool withPoints = true);

// True when the worked station of line `qsoIndex` has one of the log's special
// countries (country master prefixes compared exactly).
bool WorkedInSpecialCountry(const TContestLog& log, int qsoIndex);

}  // namespace qz
