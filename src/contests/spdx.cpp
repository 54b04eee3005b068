// SP DX contest rules: foreign stations count Polish voivodeships, Polish stations count
// countries; a station may be worked once per band and mode.
#include "contests/spdx.h"

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_SPDX_DX::T_SPDX_DX(const TFileHeader&) : TTwoSidedContest({"SP"}, false, cSPDXsp) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColVoivodeship}, {lsColVoivodeship}};
    FDupeScope = TDupeScope::BandMode;
    FMiscAllocationTable = LoadMiscAllocationTable("spdx.dat", ContestLogCreateError);
}

bool T_SPDX_DX::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, true, lsNotSP, true);
}

std::string T_SPDX_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, RegionCandidate(index, q->RcvdNumbers(0), " "), true);
}

std::int32_t T_SPDX_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(index, 0, 3, 3) : 0;
}

std::string T_SPDX_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    std::string result;
    if (numberIndex == 0 && SuggestRegion(qsoIndex, 0, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

T_SPDX_SP::T_SPDX_SP(const TFileHeader&) : TTwoSidedContest({"SP"}, true, cSPDX) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColVoivodeship}, {lsColRcvdExchange}, {lsColMulti1}};
    FDupeScope = TDupeScope::BandMode;
}

bool T_SPDX_SP::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, false, lsSPWorkedSP, false);
}

std::string T_SPDX_SP::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_SPDX_SP::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(index, 0, 1, 3) : 0;
}

}  // namespace qz
