// Oceania DX contest rules: only QSOs with Oceania count, prefixes once per log, and
// points that grow towards the low bands when the continents differ.
#include "contests/vkzl.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"

namespace qz {

T_VKZL::T_VKZL(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColPrefixMulti}};
}

bool T_VKZL::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (q->Call().Continent() == coOC) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotOceania), index);
    return false;
}

std::string T_VKZL::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().Prefix(), false);
}

std::int32_t T_VKZL::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood() || q->Call().Continent() == FOwnCall.Continent()) return 0;
    switch (q->Band()) {
        case b160m: return 20;
        case b80m: return 10;
        case b40m: return 5;
        case b20m: return 1;
        case b15m: return 2;
        case b10m: return 3;
        default: return 0;
    }
}

void T_VKZL::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

}  // namespace qz
