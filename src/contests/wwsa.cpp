// South America contest rules (stations outside South America): countries and CQ
// zones per band; South American stations score most.
#include "contests/wwsa.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/definition.h"
#include "contests/rulehelpers.h"

namespace qz {

T_WWSA_DX::T_WWSA_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW};
}

std::string T_WWSA_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    std::string candidate;
    if (multiIndex == 1) candidate = CQZoneCandidate(*this, index, q->RcvdNumbers(0));
    else if (!q->Call().IsMaritmeMobile()) candidate = q->Call().CtyMasterPrefix();
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_WWSA_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (SameCountry(FOwnCall, q->Call())) return 0;
    if (SameContinent(FOwnCall, q->Call())) return 1;
    return q->Call().Continent() == coSA ? 5 : 3;
}

void T_WWSA_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) q->SetSentNumbers(0, Format("%.2d", FOwnCall.CQZone()));
    else q->SetSentNumbers(0, FQSOList.back()->SentNumbers(0));
    AppendQSO(std::move(q));
}

void T_WWSA_DX::SetColumns() {
    TContestLog::SetColumns();
    AddContestColumns(*this, {lsColSentNumber}, {lsColRcvdNumber}, {lsColMulti1, lsColMulti2});
}

std::string T_WWSA_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex != 0) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    if (const TQSO* q = QSOs(qsoIndex); q && ZoneSuggestion(q->Call(), zCQ, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_WWSA_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
