// The contest classes T_ARRL, T_ARRL10M and T_ARRL160M_DX.
#include "contests/arrl.h"

#include "reflists/amiallocationtable.h"
#include "contests/definition.h"

namespace qz {

T_ARRL::T_ARRL(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FAmiAllocationTable = LoadAmiAllocationTable("ardxdx.dat", ContestLogCreateError);
}

void T_ARRL::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {98}, {252}, {252});
}

T_ARRL10M::T_ARRL10M(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = {b10m};
    FModes = {mCW, mSSB};
    FAmiAllocationTable = LoadAmiAllocationTable("ar10.dat", ContestLogCreateError);
}

void T_ARRL10M::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {109}, {110}, {54, 252});
}

bool T_ARRL10M::IsSpecialCountry(int qsoIndex) const { return WorkedInSpecialCountry(*this, qsoIndex); }

void T_ARRL10M::SetSpecialCountries() { FSpecialCountries = {"K", "VE", "KH6", "KL"}; }

T_ARRL160M_DX::T_ARRL160M_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b160m};
    FModes = {mCW};
    FAmiAllocationTable = LoadAmiAllocationTable("ar160.dat", ContestLogCreateError);
}

void T_ARRL160M_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {}, {316}, {316});
}

}  // namespace qz
