// QRP contest rules: countries per band, 1 point per QSO.
#include "contests/oqrp.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_OQRP::T_OQRP(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m, b20m};
    FModes = {mCW};
    FExchangeColumns =
        TExchangeColumns{{lsColSentExchange, lsColPowerClass}, {lsColRcvdExchange, lsColPowerClass}, {lsColMulti1}};
}

std::string T_OQRP::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_OQRP::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_OQRP::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        q->SetBand(b80m);
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsPowerClassPrompt, ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_OQRP::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex != 1) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, 1, rcvdList, result)) return result;
    rcvdList = {"VLP", "QRP", "MP"};
    return "VLP";
}

std::string T_OQRP::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
