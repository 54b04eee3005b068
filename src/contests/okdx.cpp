// OK/OM DX contest rules: points by country and continent on both sides; districts of
// Czech and Slovak stations count for the foreign side, prefixes for the home side.
#include "contests/okdx.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_OKDX_DX::T_OKDX_DX(const TFileHeader&) : TTwoSidedContest({"OK", "OM"}, false, cOKDXok) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColDistrict}, {lsColDistrict}};
    FAmiAllocationTable = LoadAmiAllocationTable("okom.dat", ContestLogCreateError);
}

bool T_OKDX_DX::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, true, lsNotOKOM, true);
}

std::string T_OKDX_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    const std::string district = UpperCase(q->RcvdNumbers(0));
    if (!FAmiAllocationTable || FAmiAllocationTable->GetMainItem(district, false).empty()) {
        AddMessage(LS(lsUnknownDistrict) + " " + q->RcvdNumbers(0), index);
        return {};
    }
    return NewMulti(index, 0, district, true);
}

std::int32_t T_OKDX_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(index, 0, 1, 3) : 0;
}

std::string T_OKDX_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    const TQSO* q = QSOs(qsoIndex);
    if (!q || numberIndex != 0) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    if (IsHomeStation(q->Call()) && SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result, false)) return result;
    // The districts of the call's prefix; OL calls (second letter L) have no fixed area.
    const std::string& call = q->Call().Call();
    if (call.size() > 1 && call[1] != 'L' && FAmiAllocationTable)
        if (auto codes = FAmiAllocationTable->GetAllSubItems(q->Call().Prefix()); codes && !codes->empty()) {
            rcvdList = std::move(*codes);
            return rcvdList.front();
        }
    return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
}

T_OKDX_OK::T_OKDX_OK(const TFileHeader&) : TTwoSidedContest({"OK", "OM"}, true, cOKDX) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{{lsColDistrict}, {lsColRcvdExchange}, {lsColPrefixMulti}};
}

bool T_OKDX_OK::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, false, lsOKOMWorkedOKOM, true);
}

std::string T_OKDX_OK::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().Prefix(), true);
}

std::int32_t T_OKDX_OK::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(index, 0, 1, 3) : 0;
}

}  // namespace qz
