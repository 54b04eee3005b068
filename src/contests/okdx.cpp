// The contest classes T_OKDX_DX and T_OKDX_OK.
#include "contests/okdx.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_OKDX_DX::T_OKDX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW};
    FAmiAllocationTable = LoadAmiAllocationTable("okom.dat", ContestLogCreateError);
    // A log of a station in OK, OM belongs to the other side (cOKDXok).
    AddObligatoryCty("OK");
    AddObligatoryCty("OM");
    FLogicalOperator = loExclude;
    FAlternativeContest = cOKDXok;
}

void T_OKDX_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {275}, {275});
}

T_OKDX_OK::T_OKDX_OK(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW};
    // A log of a station outside OK, OM belongs to the other side (cOKDX).
    AddObligatoryCty("OK");
    AddObligatoryCty("OM");
    FLogicalOperator = loInclude;
    FAlternativeContest = cOKDX;
}

void T_OKDX_OK::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {275}, {110}, {111});
}

}  // namespace qz
