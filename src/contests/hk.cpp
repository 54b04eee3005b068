// Colombian contest rules: countries and Colombian call districts per band; Colombian
// stations score most from abroad and from the islands.
#include "contests/hk.h"

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

THKContest::THKContest(bool homeSide, TContest otherSide)
    : TTwoSidedContest({"HK", "HK0/a", "HK0/m"}, homeSide, otherSide) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB, mRTTY};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColHKDistrictMulti}};
}

std::string THKContest::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    if (multiIndex == 0) return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
    return IsHomeStation(q->Call()) ? NewMulti(index, 1, q->Call().District(), true) : std::string();
}

T_HK_DX::T_HK_DX(const TFileHeader&) : THKContest(false, cHKhk) {}

std::int32_t T_HK_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsHomeStation(q->Call()) ? 5 : RelationPoints(index, 0, 1, 3);
}

T_HK_HK::T_HK_HK(const TFileHeader&) : THKContest(true, cHK) {}

std::int32_t T_HK_HK::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::string master = q->Call().CtyMasterPrefix();
    if (master == "HK0/a" || master == "HK0/m") return 5;
    if (q->Call().Continent() != FOwnCall.Continent()) return 5;
    return master == "HK" ? 1 : 3;
}

}  // namespace qz
