// CQ-M contest rules: 1 point in the own country, 2 on the own continent, 3 elsewhere.
#include "contests/cqm.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_CQM::T_CQM(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b160m, b80m, b40m, b20m, b15m, b10m, bSAT};
    FModes = {mCW, mSSB, mSSTV};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1}};
}

std::string T_CQM::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_CQM::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (SameCountry(FOwnCall, q->Call())) return 1;
    return SameContinent(FOwnCall, q->Call()) ? 2 : 3;
}

void T_CQM::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

}  // namespace qz
