// The contest class T_OK_RTTY.
#include "contests/okrtty.h"

#include "contests/definition.h"

namespace qz {

T_OK_RTTY::T_OK_RTTY(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mRTTY};
}

void T_OK_RTTY::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {51}, {53}, {54, 646});
}

}  // namespace qz
