// The contest classes T_WAGDL and T_WAGDX.
#include "contests/wag.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_WAGDL::T_WAGDL(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
    // A log of a station outside DL belongs to the other side (cWAGdx).
    AddObligatoryCty("DL");
    FLogicalOperator = loInclude;
    FAlternativeContest = cWAGdx;
}

void T_WAGDL::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {201}, {110}, {54});
}

bool T_WAGDL::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_WAGDL::SetSpecialCountries() { FSpecialCountries = {"DL"}; }

T_WAGDX::T_WAGDX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
    // A log of a station in DL belongs to the other side (cWAG).
    AddObligatoryCty("DL");
    FLogicalOperator = loExclude;
    FAlternativeContest = cWAG;
}

void T_WAGDX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {201}, {202});
}

}  // namespace qz
