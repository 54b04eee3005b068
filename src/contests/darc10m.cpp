// The contest class T_DARC10M.
#include "contests/darc10m.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_DARC10M::T_DARC10M(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b10m};
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_DARC10M::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 213}, {110, 214}, {54, 201});
}

}  // namespace qz
