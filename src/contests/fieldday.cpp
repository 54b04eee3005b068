// The contest class T_FD.
#include "contests/fieldday.h"

#include "contests/definition.h"

namespace qz {

T_FD::T_FD(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_FD::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54});
}

}  // namespace qz
