// The contest class T_YV.
#include "contests/yv.h"

#include "contests/definition.h"

namespace qz {

T_YV::T_YV(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB};
}

void T_YV::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {308, 54});
}

}  // namespace qz
