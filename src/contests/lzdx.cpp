// The contest class T_LZDX_DX.
#include "contests/lzdx.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_LZDX_DX::T_LZDX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FMiscAllocationTable = LoadMiscAllocationTable("lzdx.dat", ContestLogCreateError);
}

void T_LZDX_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {51}, {309}, {55, 275});
}

}  // namespace qz
