// The contest class T_Hessen.
#include "contests/hessen.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"
#include "reflists/memberlist.h"

namespace qz {

T_Hessen::T_Hessen(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b80m, b40m, b2m,   b1_25m, b70cm, b35cm,  b23cm, b13cm, b9cm,
              b6cm, b3cm, b12mm, b6mm,   b4mm,  b2_5mm, b2mm,  b1mm};
    FModes = {mCW, mSSB};
    FMemberList = LoadMemberList("hessencontest.dat", 0, TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_Hessen::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {213, 479}, {214, 480}, {201, 201});
}

}  // namespace qz
