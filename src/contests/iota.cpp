// IOTA contest rules: island references in normal form are the multipliers, per band
// and mode; points by whether the own and the worked station are on islands.
#include "contests/iota.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_IOTA::T_IOTA(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{
        {lsColSentExchange, lsColOwnIOTA}, {lsColRcvdExchange, lsColRcvdIOTA}, {lsColIOTACWMulti, lsColIOTASSBMulti}};
    FDupeScope = TDupeScope::BandMode;
}

void T_IOTA::AfterInit() { FShowTimeInCategory = true; }

std::string T_IOTA::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return {};
    // Kind 0 counts the CW QSOs, kind 1 the SSB QSOs, so each is per band and mode.
    if (!(multiIndex == 0 && q->Mode() == mCW) && !(multiIndex == 1 && q->Mode() == mSSB)) return {};
    const std::string rcvd = q->RcvdNumbers(1);
    std::string reference = IOTAReference(rcvd);
    if (reference.empty() && !rcvd.empty()) AddMessage(LS(lsInvalidIOTAReference) + ": " + rcvd, index);
    return NewMulti(index, multiIndex, reference, true);
}

std::int32_t T_IOTA::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::string own = IOTAReference(q->SentNumbers(1));
    const std::string worked = IOTAReference(q->RcvdNumbers(1));
    if (own.empty()) return worked.empty() ? 2 : 15;
    return worked.empty() || worked == own ? 5 : 15;
}

void T_IOTA::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsColOwnIOTA, ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_IOTA::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex == 1 && SameCallRcvdNumber(*this, qsoIndex, 1, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_IOTA::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? IOTAReference(q->RcvdNumbers(1)) : std::string();
}

}  // namespace qz
