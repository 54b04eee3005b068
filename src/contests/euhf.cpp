// The contest class T_EUHF.
#include "contests/euhf.h"

#include "contests/definition.h"

namespace qz {

T_EUHF::T_EUHF(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
}

void T_EUHF::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {323}, {323}, {323});
}

}  // namespace qz
