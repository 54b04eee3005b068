// The contest class T_CQMM.
#include "contests/cqmm.h"

#include "contests/definition.h"

namespace qz {

T_CQMM::T_CQMM(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_CQMM::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {635, 54});
}

}  // namespace qz
