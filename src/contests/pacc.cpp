// PACC contest rules: foreign stations count Dutch provinces, Dutch stations count
// countries and the call areas of ten large countries; once per band and mode.
#include "contests/pacc.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

TPACCContest::TPACCContest(bool homeSide, TContest otherSide) : TTwoSidedContest({"PA"}, homeSide, otherSide) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FDupeScope = TDupeScope::BandMode;
    FMiscAllocationTable = LoadMiscAllocationTable("pacc.dat", ContestLogCreateError);
}

std::string TPACCContest::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    std::string result;
    if (numberIndex == 0 && SuggestRegion(qsoIndex, 0, rcvdList, result)) return result;
    return SideRcvdSuggestion(qsoIndex, numberIndex, rcvdList);
}

T_PACC_DX::T_PACC_DX(const TFileHeader&) : TPACCContest(false, cPACCpa) {
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColProvince}, {lsColProvince}};
}

bool T_PACC_DX::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, true, lsNotPA, true);
}

std::string T_PACC_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood() || !IsHomeStation(q->Call())) return {};
    return NewMulti(index, 0, RegionCandidate(index, q->RcvdNumbers(0), ": "), true);
}

std::int32_t T_PACC_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(index, 0, 1, 1) : 0;
}

T_PACC_PA::T_PACC_PA(const TFileHeader&) : TPACCContest(true, cPACC) {
    FExchangeColumns = TExchangeColumns{{lsColProvince}, {lsColRcvdExchange}, {lsColMulti1}};
    FSpecialCountries = {"PA"};
}

std::string T_PACC_PA::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    // In these countries every call area counts as a multiplier of its own.
    static constexpr std::array<std::string_view, 10> kByCallArea = {"K",  "VE", "VK", "ZL",  "ZS",
                                                                     "LU", "JA", "PY", "UA9", "CE"};
    const std::string master = q->Call().CtyMasterPrefix();
    const bool byArea = std::find(kByCallArea.begin(), kByCallArea.end(), master) != kByCallArea.end();
    return NewMulti(index, 0, byArea ? q->Call().District() : master, true);
}

std::int32_t T_PACC_PA::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

}  // namespace qz
