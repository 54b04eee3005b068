// The contest class T_JA_DX.
#include "contests/jidx.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_JA_DX::T_JA_DX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FAmiAllocationTable = LoadAmiAllocationTable("jadx.dat", ContestLogCreateError);
}

void T_JA_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {51}, {313}, {313});
}

}  // namespace qz
