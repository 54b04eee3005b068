// Venezuelan contest rules: Venezuelan stations bring their district, every station its
// country; points by the relation of the two stations.
#include "contests/yv.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_YV::T_YV(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColYVDistrictMulti, lsColMulti1}};
    FDupeScope = TDupeScope::BandMode;
}

std::string T_YV::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const std::string master = q->Call().CtyMasterPrefix();
    if (multiIndex == 1) return NewMulti(index, 1, master, true);
    return master == "YV" ? NewMulti(index, 0, q->Call().District(), true) : std::string();
}

std::int32_t T_YV::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? RelationPoints(FOwnCall, q->Call(), 1, 3, 3, 5) : 0;
}

void T_YV::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

}  // namespace qz
