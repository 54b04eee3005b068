// The contest class T_TOPS.
#include "contests/tops.h"

#include "contests/definition.h"
#include "reflists/memberlist.h"

namespace qz {

T_TOPS::T_TOPS(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW};
    FMemberList = LoadMemberList("PROCWMbr.qz", 1, TListNeed::Optional, ContestLogCreateError);
}

void T_TOPS::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 544}, {110, 545}, {111});
}

}  // namespace qz
