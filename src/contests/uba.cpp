// The contest class T_UBA_DX.
#include "contests/uba.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_UBA_DX::T_UBA_DX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 3;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FMiscAllocationTable = LoadMiscAllocationTable("uba.dat", ContestLogCreateError);
    FSimpleList = LoadSimpleList("eu_cty.dat", TListNeed::Optional, ContestLogCreateError);
}

void T_UBA_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110, 300}, {300, 111, 54});
}

}  // namespace qz
