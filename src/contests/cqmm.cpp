// CQMM contest rules: South American prefixes per band and countries per log, none for
// mobile stations; station classes M, Q and Y score 10 points.
#include "contests/cqmm.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_CQMM::T_CQMM(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColCQMMPrefixMulti, lsColMulti1}};
}

std::string T_CQMM::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const TCall& call = q->Call();
    if (call.IsMaritmeMobile() || call.IsMobile() || call.IsAlternativeOrD()) return {};
    if (multiIndex == 1) return NewMulti(index, 1, call.CtyMasterPrefix(), false);
    return call.Continent() == coSA ? NewMulti(index, 0, call.Prefix(), true) : std::string();
}

std::int32_t T_CQMM::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::string rcvd = q->RcvdNumbers(0);
    if (rcvd.size() > 2) {
        const char stationClass = UpCase(rcvd[2]);
        if (stationClass == 'M' || stationClass == 'Q' || stationClass == 'Y') return 10;
    }
    if (q->Call().IsMaritmeMobile()) return 3;
    if (SameCountry(FOwnCall, q->Call())) return 1;
    const std::int32_t points = SameContinent(FOwnCall, q->Call()) ? 2 : 3;
    return q->Band() == b80m || q->Band() == b40m ? points * 2 : points;
}

void T_CQMM::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (!first) q->CopySentNumber(0, *FQSOList.back());
    else if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColSentExchange, ConstantSentNumber()));
    AppendQSO(std::move(q));
}

std::string T_CQMM::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex != 0 || !q) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    result = std::string(ContinentNames[q->Call().Continent()]);
    rcvdList.assign(1, result);
    return result;
}

}  // namespace qz
