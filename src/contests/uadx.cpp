// The contest class T_UADX_DX.
#include "contests/uadx.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_UADX_DX::T_UADX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("oblast.dat", ContestLogCreateError);
}

void T_UADX_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 319});
}

bool T_UADX_DX::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_UADX_DX::SetSpecialCountries() { FSpecialCountries = {"UA", "UA9", "UA2", "R1FJ", "CE9", "R1MV"}; }

// The list holds the country file's Russian entities; the user knows them as one country.
std::string T_UADX_DX::GetSpecialCountries() const { return "Russia"; }

}  // namespace qz
