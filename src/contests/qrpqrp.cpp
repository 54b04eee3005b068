// The contest class T_QRP_QRP.
#include "contests/qrpqrp.h"

#include "contests/definition.h"

namespace qz {

T_QRP_QRP::T_QRP_QRP(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW};
}

void T_QRP_QRP::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 327}, {110, 327}, {54});
}

}  // namespace qz
