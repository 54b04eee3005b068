// The contest class T_DARC_ROOKIE.
#include "contests/darcrookie.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_DARC_ROOKIE::T_DARC_ROOKIE(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m};
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_DARC_ROOKIE::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {616, 617}, {618, 619}, {620});
}

}  // namespace qz
