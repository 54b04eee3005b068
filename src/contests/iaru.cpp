// The contest class T_IARU.
#include "contests/iaru.h"

#include "contests/definition.h"

namespace qz {

T_IARU::T_IARU(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
}

void T_IARU::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {51}, {53}, {55});
}

}  // namespace qz
