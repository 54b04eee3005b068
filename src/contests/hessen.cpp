// Hessen contest rules: listed DOKs count per band and mode, a QSO scores the distance
// between the two stations' locators.
#include "contests/hessen.h"

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/framework/dok.h"
#include "contests/framework/locator.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_Hessen::T_Hessen(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b80m, b40m, b2m,   b1_25m, b70cm, b35cm,  b23cm, b13cm, b9cm,
              b6cm, b3cm, b12mm, b6mm,   b4mm,  b2_5mm, b2mm,  b1mm};
    FModes = {mCW, mSSB};
    FExchangeColumns =
        TExchangeColumns{{lsColSentDOK, lsColOwnLocator}, {lsColRcvdDOK, lsColRcvdLocator}, {lsColDOK, lsColDOK}};
    FDupeScope = TDupeScope::BandMode;
    FMemberList = LoadMemberList("hessencontest.dat", 0, TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_Hessen::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood() || !IsDLStation(q->Call())) return {};
    // The DOK is checked (and an unusable one reported) once, for the first kind.
    const std::string rcvd = q->RcvdNumbers(0);
    const std::string dok = multiIndex == 0 ? DOKCandidate(*this, index, rcvd) : CheckDOK(rcvd) == 0 ? rcvd : "";
    if (dok.empty()) return {};
    // The list holds each counting DOK with its category; category 2 counts twice.
    const std::string category = FMemberList ? FMemberList->GetMemberNumber(dok) : std::string();
    if (category.empty() || (multiIndex == 1 && category != "2")) return {};
    return NewMulti(index, multiIndex, dok, TMultiScope::BandMode);
}

std::int32_t T_Hessen::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    std::int32_t bearing;
    const std::int32_t km = LocatorDistance(q->SentNumbers(1), q->RcvdNumbers(1), bearing);
    return km < 0 ? 1 : km;
}

}  // namespace qz
