// YO DX contest rules: Romanian stations bring their county, everybody else their
// country; Romanian stations score most.
#include "contests/yodx.h"

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsRomanian(const TCall& call) { return call.CtyMasterPrefix() == "YO"; }

}  // namespace

T_YODX_DX::T_YODX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColDistrict}};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"YO"};
    FAmiAllocationTable = LoadAmiAllocationTable("yodx.dat", ContestLogCreateError);
}

std::string T_YODX_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool home = IsRomanian(q->Call());
    std::string candidate;
    if (multiIndex == 0 && !home) candidate = q->Call().CtyMasterPrefix();
    else if (multiIndex == 1 && home) candidate = TableCandidate(*this, FAmiAllocationTable.get(), index, 0, true, 263);
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_YODX_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsRomanian(q->Call()) ? 8 : RelationPoints(FOwnCall, q->Call(), 1, 2, 2, 4);
}

void T_YODX_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

std::string T_YODX_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && q && IsRomanian(q->Call())) {
        std::string result;
        if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
        if (auto items = FAmiAllocationTable->GetMainItemsFromCallArea(q->Call().CallArea());
            items && !items->empty()) {
            rcvdList = std::move(*items);
            return rcvdList.front();
        }
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_YODX_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsRomanian(q->Call()) ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
