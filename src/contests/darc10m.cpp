// DARC 10m contest rules: one point a QSO, countries and DOKs count once in the log.
#include "contests/darc10m.h"

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_DARC10M::T_DARC10M(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b10m};
    FModes = {mCW, mSSB};
    FExchangeColumns =
        TExchangeColumns{{lsColSentExchange, lsColSentDOK}, {lsColRcvdExchange, lsColRcvdDOK}, {lsColMulti1, lsColDOK}};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_DARC10M::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    if (multiIndex == 0) return NewMulti(index, 0, q->Call().CtyMasterPrefix(), false);
    if (!IsDLStation(q->Call())) return {};
    return NewMulti(index, 1, DOKCandidate(*this, index, q->RcvdNumbers(1)), false);
}

std::int32_t T_DARC10M::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_DARC10M::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        q->SetBand(b10m);
        q->SetSentNumbers(1, FirstSentDOK(*this, setEditedFlag));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_DARC10M::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex != 1) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    const TQSO* q = QSOs(qsoIndex);
    // A station abroad sends no DOK.
    const auto fallback =
        q && IsDLStation(q->Call()) ? TSuggestionFallback::BaseSuggestion : TSuggestionFallback::Nothing;
    return SuggestDOK(*this, qsoIndex, 1, false, fallback, rcvdList);
}

std::string T_DARC10M::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 1); }

}  // namespace qz
