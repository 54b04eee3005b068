// The contest classes T_HADX_DX and T_HADX_HA.
#include "contests/hadx.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"
#include "reflists/memberlist.h"

namespace qz {

T_HADX_DX::T_HADX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FMemberList = LoadMemberList("HADXCMBR.QZ", 0, TListNeed::Optional, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("hadx.dat", ContestLogCreateError);
    // A log of a station in HA belongs to the other side (cHADXha).
    AddObligatoryCty("HA");
    FLogicalOperator = loExclude;
    FAlternativeContest = cHADXha;
}

void T_HADX_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {318});
}

bool T_HADX_DX::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_HADX_DX::SetSpecialCountries() { FSpecialCountries = {"HA"}; }

T_HADX_HA::T_HADX_HA(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FMemberList = LoadMemberList("HADXCMBR.QZ", 0, TListNeed::Optional, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("hadx.dat", ContestLogCreateError);
    // A log of a station outside HA belongs to the other side (cHADX).
    AddObligatoryCty("HA");
    FLogicalOperator = loInclude;
    FAlternativeContest = cHADX;
}

void T_HADX_HA::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {318}, {110}, {54});
}

bool T_HADX_HA::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_HADX_HA::SetSpecialCountries() { FSpecialCountries = {"HA"}; }

}  // namespace qz
