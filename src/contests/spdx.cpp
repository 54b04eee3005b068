// The contest classes T_SPDX_DX and T_SPDX_SP.
#include "contests/spdx.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_SPDX_DX::T_SPDX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FMiscAllocationTable = LoadMiscAllocationTable("spdx.dat", ContestLogCreateError);
    // A log of a station in SP belongs to the other side (cSPDXsp).
    AddObligatoryCty("SP");
    FLogicalOperator = loExclude;
    FAlternativeContest = cSPDXsp;
}

void T_SPDX_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {295}, {295});
}

T_SPDX_SP::T_SPDX_SP(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    // A log of a station outside SP belongs to the other side (cSPDX).
    AddObligatoryCty("SP");
    FLogicalOperator = loInclude;
    FAlternativeContest = cSPDX;
}

void T_SPDX_SP::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {295}, {110}, {54});
}

}  // namespace qz
