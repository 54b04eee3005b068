// The contest class T_PA_BEKER.
#include "contests/pabeker.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_PA_BEKER::T_PA_BEKER(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b80m, b40m};
    FModes = ContestKindModes(header.fhContest_Contest);
    FMiscAllocationTable = LoadMiscAllocationTable("pa_beker.dat", ContestLogCreateError);
}

void T_PA_BEKER::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {275}, {275}, {275});
}

}  // namespace qz
