// The contest class T_VKZL.
#include "contests/vkzl.h"

#include "contests/definition.h"

namespace qz {

T_VKZL::T_VKZL(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

void T_VKZL::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {111});
}

}  // namespace qz
