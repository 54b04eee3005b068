// The contest class T_9A_DX.
#include "contests/9adx.h"

#include "contests/definition.h"

namespace qz {

T_9A_DX::T_9A_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = AllModes();
}

void T_9A_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54});
}

}  // namespace qz
