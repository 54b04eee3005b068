// The contest classes T_SAC and T_SAC_SC.
#include "contests/sac.h"

#include "contests/definition.h"

namespace qz {

T_SAC::T_SAC(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_SAC::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {312});
}

T_SAC_SC::T_SAC_SC(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_SAC_SC::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54});
}

}  // namespace qz
