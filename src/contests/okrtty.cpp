// OK RTTY contest rules: countries and Czech stations per band; points by continent,
// tripled on 80m and 40m.
#include "contests/okrtty.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_OK_RTTY::T_OK_RTTY(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mRTTY};
    FExchangeColumns = TExchangeColumns{{lsColSentNumber}, {lsColRcvdNumber}, {lsColMulti1, lsColOKCallMulti}};
}

std::string T_OK_RTTY::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const std::string master = q->Call().CtyMasterPrefix();
    if (multiIndex == 0) return NewMulti(index, 0, master, true);
    return SameText(master, "OK") ? NewMulti(index, 1, q->Call().Call(), true) : std::string();
}

std::int32_t T_OK_RTTY::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const bool sameContinent = SameContinent(FOwnCall, q->Call());
    if (q->Band() == b80m || q->Band() == b40m) return sameContinent ? 3 : 6;
    return sameContinent ? 1 : 2;
}

}  // namespace qz
