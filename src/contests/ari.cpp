// The contest class T_ARI_DX.
#include "contests/ari.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_ARI_DX::T_ARI_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY};
    FMiscAllocationTable = LoadMiscAllocationTable("ari.dat", ContestLogCreateError);
}

void T_ARI_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 300});
}

bool T_ARI_DX::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_ARI_DX::SetSpecialCountries() { FSpecialCountries = {"I", "IS", "IT9", "IG9"}; }

}  // namespace qz
