// The contest class T_WWSA_DX.
#include "contests/wwsa.h"

#include "contests/definition.h"

namespace qz {

T_WWSA_DX::T_WWSA_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW};
}

void T_WWSA_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {51}, {53}, {54, 55});
}

}  // namespace qz
