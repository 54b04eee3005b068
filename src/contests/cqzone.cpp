#include "contests/cqzone.h"

#include "base/text.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

void TCQZoneContest::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) q->SetSentNumbers(0, ZeroPadded(FOwnCall.CQZone(), 2));
    else q->CopySentNumber(0, *FQSOList.back());
    AppendQSO(std::move(q));
}

std::string TCQZoneContest::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex != 0) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    if (const TQSO* q = QSOs(qsoIndex); q && ZoneSuggestion(q->Call(), zCQ, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string TCQZoneContest::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
