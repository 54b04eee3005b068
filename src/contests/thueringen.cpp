// The contest class T_Thueringen.
#include "contests/thueringen.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"
#include "reflists/simplelist.h"

namespace qz {

T_Thueringen::T_Thueringen(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b80m, b2m, b70cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2mm, b1mm, bSAT};
    FModes = AllModes();
    FSimpleList = LoadSimpleList("thueringencontest.dat", TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_Thueringen::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {201});
}

bool T_Thueringen::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_Thueringen::SetSpecialCountries() { FSpecialCountries = {"DL"}; }

}  // namespace qz
