// South America contest rules (stations outside South America): countries and CQ
// zones per band; South American stations score most.
#include "contests/wwsa.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_WWSA_DX::T_WWSA_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{{lsColSentNumber}, {lsColRcvdNumber}, {lsColMulti1, lsColMulti2}};
}

std::string T_WWSA_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    std::string candidate;
    if (multiIndex == 1) candidate = CQZoneCandidate(*this, index, q->RcvdNumbers(0));
    else if (!q->Call().IsMaritmeMobile()) candidate = q->Call().CtyMasterPrefix();
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_WWSA_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (SameCountry(FOwnCall, q->Call())) return 0;
    if (SameContinent(FOwnCall, q->Call())) return 1;
    return q->Call().Continent() == coSA ? 5 : 3;
}

}  // namespace qz
