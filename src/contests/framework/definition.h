// Building blocks of the contest class constructors: the usual band sets, the mode set
// of a contest value, and loading reference lists with the failure rules every class
// shares.
#pragma once

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

}  // namespace qz
