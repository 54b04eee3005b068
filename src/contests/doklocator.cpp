#include "contests/doklocator.h"

#include "base/lsnumbers.h"
#include "contests/framework/dok.h"

namespace qz {

void TDOKLocatorContest::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b80m);
        q->SetSentNumbers(0, FirstSentDOK(*this, setEditedFlag));
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsColOwnLocator, ""));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string TDOKLocatorContest::GetRcvdNumberToAppend(int qsoIndex, int numberIndex,
                                                      std::vector<std::string>& rcvdList) {
    if (numberIndex != 0) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return SuggestDOK(*this, qsoIndex, 0, false, TSuggestionFallback::BaseSuggestion, rcvdList);
}

std::string TDOKLocatorContest::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

}  // namespace qz
