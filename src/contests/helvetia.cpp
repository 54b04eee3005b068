// The contest classes T_HELVET_DX, T_HELVET_HB and T_XMAS_HB.
#include "contests/helvetia.h"

#include "contests/definition.h"
#include "reflists/miscallocationtable.h"

namespace qz {

T_HELVET_DX::T_HELVET_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY, mPSK};
    FMiscAllocationTable = LoadMiscAllocationTable("helvetia.dat", ContestLogCreateError);
    // A log of a station in HB belongs to the other side (cHB9hb).
    AddObligatoryCty("HB");
    FLogicalOperator = loExclude;
    FAlternativeContest = cHB9hb;
}

void T_HELVET_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110, 321}, {321});
}

T_HELVET_HB::T_HELVET_HB(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY, mPSK};
    FMiscAllocationTable = LoadMiscAllocationTable("helvetia.dat", ContestLogCreateError);
    // A log of a station outside HB belongs to the other side (cHB9).
    AddObligatoryCty("HB");
    FLogicalOperator = loInclude;
    FAlternativeContest = cHB9;
}

void T_HELVET_HB::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 321}, {110, 321}, {54, 321});
}

T_XMAS_HB::T_XMAS_HB(const TFileHeader& header) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m};
    FModes = ContestKindModes(header.fhContest_Contest);
    FMiscAllocationTable = LoadMiscAllocationTable("helvetia.dat", ContestLogCreateError);
}

void T_XMAS_HB::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 321}, {110, 321}, {321});
}

}  // namespace qz
