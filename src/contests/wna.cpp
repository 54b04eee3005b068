// The contest class T_WNA.
#include "contests/wna.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"
#include "reflists/simplelist.h"

namespace qz {

T_WNA::T_WNA(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b2m, b70cm};
    FModes = {mCW, mSSB, mFM};
    FSimpleList = LoadSimpleList("wna.dat", TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_WNA::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {201}, {201}, {201});
}

bool T_WNA::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_WNA::SetSpecialCountries() { FSpecialCountries = {"DL"}; }

}  // namespace qz
