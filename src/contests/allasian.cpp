// The contest classes T_AADX and T_AA_ASIA.
#include "contests/allasian.h"

#include "contests/definition.h"

namespace qz {

T_AADX::T_AADX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_AADX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {259}, {259}, {111});
}

T_AA_ASIA::T_AA_ASIA(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_AA_ASIA::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {259}, {259}, {54});
}

}  // namespace qz
