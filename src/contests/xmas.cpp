// The contest class T_XMAS.
#include "contests/xmas.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_XMAS::T_XMAS(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = {b80m, b40m};
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_XMAS::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {201, 111});
}

bool T_XMAS::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_XMAS::SetSpecialCountries() { FSpecialCountries = {"DL"}; }

}  // namespace qz
