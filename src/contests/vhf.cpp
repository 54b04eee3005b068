// The contest class T_VHF.
#include "contests/vhf.h"

#include "contests/definition.h"

namespace qz {

T_VHF::T_VHF(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 0;
    FBands = {b2m, b70cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2mm, b1mm, bSAT};
    FModes = AllModes();
}

void T_VHF::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109, 479}, {110, 480}, {});
}

}  // namespace qz
