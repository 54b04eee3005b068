// European HF championship rules: European stations only, 1 point each, the received
// number as multiplier per band.
#include "contests/euhf.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_EUHF::T_EUHF(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColEUHFExchange}, {lsColEUHFExchange}, {lsColEUHFExchange}};
    FDupeScope = TDupeScope::BandMode;
}

bool T_EUHF::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (q->Call().Continent() == coEU) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotEuropean), index);
    return false;
}

std::string T_EUHF::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    const std::string rcvd = q->RcvdNumbers(0);
    std::int32_t year;
    if (!TryStrToInt(rcvd, year)) {
        AddMessage(LS(lsInvalidLicenceYear) + ": " + rcvd, index);
        return {};
    }
    return NewMulti(index, 0, ZeroPadded(year, 2), true);
}

std::int32_t T_EUHF::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_EUHF::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (!first) q->CopySentNumber(0, *FQSOList.back());
    else if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColEUHFExchange, ConstantSentNumber()));
    AppendQSO(std::move(q));
}

std::string T_EUHF::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex == 0 && SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_EUHF::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
