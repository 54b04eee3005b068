// The contest class T_UB5_DX.
#include "contests/ub5.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_UB5_DX::T_UB5_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY};
    FMiscAllocationTable = LoadMiscAllocationTable("ukrain.dat", ContestLogCreateError);
}

void T_UB5_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 319});
}

bool T_UB5_DX::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_UB5_DX::SetSpecialCountries() { FSpecialCountries = {"UR"}; }

}  // namespace qz
