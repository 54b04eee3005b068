// The contest class T_DTC.
#include "contests/dtc.h"

#include "contests/definition.h"
#include "reflists/simplelist.h"

namespace qz {

T_DTC::T_DTC(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 0;
    FBands = {b80m, b40m};
    FModes = {mCW};
    FSimpleList = LoadSimpleList("dtc.dat", TListNeed::Optional, ContestLogCreateError);
}

void T_DTC::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {484}, {484}, {});
}

bool T_DTC::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_DTC::SetSpecialCountries() { FSpecialCountries = {"DL"}; }

}  // namespace qz
