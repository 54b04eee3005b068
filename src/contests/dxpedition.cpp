// The contest class T_DXPDN.
#include "contests/dxpedition.h"

#include "contests/definition.h"

namespace qz {

T_DXPDN::T_DXPDN(const TFileHeader&) {
    FNoOfSentNumbers = 0;
    FNoOfRcvdNumbers = 0;
    FNoOfMulties = 1;
    FBands = AllBands();
    FModes = AllModes();
}

void T_DXPDN::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {}, {}, {54}, false);
}

}  // namespace qz
