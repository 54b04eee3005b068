// The contest class T_OQRP.
#include "contests/oqrp.h"

#include "contests/definition.h"

namespace qz {

T_OQRP::T_OQRP(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m, b20m};
    FModes = {mCW};
}

void T_OQRP::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 327}, {110, 327}, {54});
}

}  // namespace qz
