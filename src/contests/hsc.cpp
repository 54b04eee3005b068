// The contest class T_HSC.
#include "contests/hsc.h"

#include "contests/definition.h"
#include "reflists/memberlist.h"

namespace qz {

T_HSC::T_HSC(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 0;
    FBands = FiveBands();
    FModes = {mCW};
    FMemberList = LoadMemberList("HSCMBR.QZ", 0, TListNeed::Optional, ContestLogCreateError);
}

void T_HSC::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {334}, {334}, {});
}

}  // namespace qz
