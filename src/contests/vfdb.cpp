// The contest class T_VFDB.
#include "contests/vfdb.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"
#include "reflists/simplelist.h"

namespace qz {

T_VFDB::T_VFDB(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b80m, b40m, b2m, b70cm};
    FModes = {mCW, mSSB};
    FDOKList = LoadSimpleList("zdok.dat", TListNeed::Required, ContestLogCreateError);
    FSimpleList = LoadSimpleList("vfdb_stn.dat", TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void T_VFDB::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {213, 479}, {214, 480}, {201, 632});
}

}  // namespace qz
