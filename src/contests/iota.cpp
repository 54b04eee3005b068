// The contest class T_IOTA.
#include "contests/iota.h"

#include "contests/definition.h"

namespace qz {

T_IOTA::T_IOTA(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
}

void T_IOTA::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 305}, {110, 306}, {303, 304});
}

void T_IOTA::AfterInit() { FShowTimeInCategory = true; }

}  // namespace qz
