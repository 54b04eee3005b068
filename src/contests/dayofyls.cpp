// The contest class T_DAY_OF_YLs.
#include "contests/dayofyls.h"

#include "contests/definition.h"

namespace qz {

T_DAY_OF_YLs::T_DAY_OF_YLs(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 0;
    FBands = FiveBands();
    FModes = {mCW, mSSB, mRTTY};
}

void T_DAY_OF_YLs::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {643, 644}, {643, 644}, {});
}

}  // namespace qz
