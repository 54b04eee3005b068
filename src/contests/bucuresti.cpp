// The contest class T_BUCURESTI.
#include "contests/bucuresti.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_BUCURESTI::T_BUCURESTI(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b80m, b40m};
    FModes = {mCW, mSSB, mPSK};
    FAmiAllocationTable = LoadAmiAllocationTable("bucuresti.dat", ContestLogCreateError);
    FccTLDAssignmentTable = LoadAmiAllocationTable("cctld.dat", ContestLogCreateError);
}

void T_BUCURESTI::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 636}, {110, 637}, {638, 639});
}

bool T_BUCURESTI::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_BUCURESTI::SetSpecialCountries() { FSpecialCountries = {"YO"}; }

}  // namespace qz
