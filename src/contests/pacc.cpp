// The contest classes T_PACC_DX and T_PACC_PA.
#include "contests/pacc.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_PACC_DX::T_PACC_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FMiscAllocationTable = LoadMiscAllocationTable("pacc.dat", ContestLogCreateError);
    // A log of a station in PA belongs to the other side (cPACCpa).
    AddObligatoryCty("PA");
    FLogicalOperator = loExclude;
    FAlternativeContest = cPACCpa;
}

void T_PACC_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {300}, {300});
}

T_PACC_PA::T_PACC_PA(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FMiscAllocationTable = LoadMiscAllocationTable("pacc.dat", ContestLogCreateError);
    // A log of a station outside PA belongs to the other side (cPACC).
    AddObligatoryCty("PA");
    FLogicalOperator = loInclude;
    FAlternativeContest = cPACC;
}

void T_PACC_PA::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {300}, {110}, {54});
}

bool T_PACC_PA::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_PACC_PA::SetSpecialCountries() { FSpecialCountries = {"PA"}; }

}  // namespace qz
