// The contest classes T_HK_DX and T_HK_HK.
#include "contests/hk.h"

#include "contests/definition.h"

namespace qz {

T_HK_DX::T_HK_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB, mRTTY};
    // A log of a station in HK, HK0/a, HK0/m belongs to the other side (cHKhk).
    AddObligatoryCty("HK");
    AddObligatoryCty("HK0/a");
    AddObligatoryCty("HK0/m");
    FLogicalOperator = loExclude;
    FAlternativeContest = cHKhk;
}

void T_HK_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 320});
}

T_HK_HK::T_HK_HK(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB, mRTTY};
    // A log of a station outside HK, HK0/a, HK0/m belongs to the other side (cHK).
    AddObligatoryCty("HK");
    AddObligatoryCty("HK0/a");
    AddObligatoryCty("HK0/m");
    FLogicalOperator = loInclude;
    FAlternativeContest = cHK;
}

void T_HK_HK::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 320});
}

}  // namespace qz
