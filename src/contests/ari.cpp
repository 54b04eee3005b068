// ARI DX contest rules: Italian stations bring their province, everybody else their
// country; QSOs within the own country score nothing.
#include "contests/ari.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "reflists/miscallocationtable.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsItalian(const TCall& call) { return IsOneOf(call.CtyMasterPrefix(), {"I", "IS", "IT9", "IG9"}); }

}  // namespace

T_ARI_DX::T_ARI_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColProvince}};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"I", "IS", "IT9", "IG9"};
    FMiscAllocationTable = LoadMiscAllocationTable("ari.dat", ContestLogCreateError);
}

std::string T_ARI_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool home = IsItalian(q->Call());
    std::string candidate;
    if (multiIndex == 0 && !home) candidate = q->Call().CtyMasterPrefix();
    else if (multiIndex == 1 && home)
        candidate = TableCandidate(*this, FMiscAllocationTable.get(), index, 0, false, 263);
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_ARI_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsItalian(q->Call()) ? 10 : RelationPoints(FOwnCall, q->Call(), 0, 1, 1, 3);
}

void T_ARI_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

std::string T_ARI_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && q && IsItalian(q->Call())) {
        std::string result;
        if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
        auto items = FMiscAllocationTable->GetMainItemsFromPrefix(q->Call().Prefix());
        if (!items || items->empty()) items = FMiscAllocationTable->GetMainItemsFromPrefix(q->Call().District());
        if (items && !items->empty()) {
            rcvdList = std::move(*items);
            return rcvdList.front();
        }
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_ARI_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsItalian(q->Call()) ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
