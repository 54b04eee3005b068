// The contest class T_HNY.
#include "contests/hny.h"

#include "contests/definition.h"
#include "reflists/memberlist.h"

namespace qz {

T_HNY::T_HNY(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m, b20m};
    FModes = {mCW};
    FMemberList = LoadMemberList("AGCWMBR.QZ", 1, TListNeed::Optional, ContestLogCreateError);
}

void T_HNY::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 113}, {110, 114}, {254});
}

}  // namespace qz
