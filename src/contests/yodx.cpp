// The contest class T_YODX_DX.
#include "contests/yodx.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_YODX_DX::T_YODX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("yodx.dat", ContestLogCreateError);
}

void T_YODX_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 275});
}

bool T_YODX_DX::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_YODX_DX::SetSpecialCountries() { FSpecialCountries = {"YO"}; }

}  // namespace qz
