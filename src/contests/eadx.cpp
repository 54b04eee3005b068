// The contest class T_EA_DX.
#include "contests/eadx.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_EA_DX::T_EA_DX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FAmiAllocationTable = LoadAmiAllocationTable("ea_provinces.dat", ContestLogCreateError);
}

void T_EA_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 300});
}

bool T_EA_DX::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_EA_DX::SetSpecialCountries() { FSpecialCountries = {"EA", "EA6", "EA8", "EA9"}; }

}  // namespace qz
