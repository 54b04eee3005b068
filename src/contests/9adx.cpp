// 9A DX contest rules: countries per band; points by band group and the worked station.
#include "contests/9adx.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"

namespace qz {

T_9A_DX::T_9A_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = AllModes();
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1}};
}

std::string T_9A_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_9A_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const bool lowBand = q->Band() == b160m || q->Band() == b80m || q->Band() == b40m;
    if (q->Call().CtyMasterPrefix() == "9A") return lowBand ? 10 : 6;
    if (q->Call().Continent() == FOwnCall.Continent()) return lowBand ? 2 : 1;
    return lowBand ? 6 : 3;
}

void T_9A_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

}  // namespace qz
