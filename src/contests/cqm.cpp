// The contest class T_CQM.
#include "contests/cqm.h"

#include "contests/definition.h"

namespace qz {

T_CQM::T_CQM(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b160m, b80m, b40m, b20m, b15m, b10m, bSAT};
    FModes = {mCW, mSSB, mSSTV};
}

void T_CQM::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54});
}

}  // namespace qz
