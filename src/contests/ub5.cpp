// Ukrainian DX contest rules: every station brings its country, Ukrainian stations also
// their oblast.
#include "contests/ub5.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "reflists/miscallocationtable.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsUkrainian(const TCall& call) { return call.CtyMasterPrefix() == "UR"; }

}  // namespace

T_UB5_DX::T_UB5_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColOblastMulti}};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"UR"};
    FMiscAllocationTable = LoadMiscAllocationTable("ukrain.dat", ContestLogCreateError);
}

std::string T_UB5_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    std::string candidate;
    if (multiIndex == 0) candidate = q->Call().CtyMasterPrefix();
    else if (IsUkrainian(q->Call()))
        candidate = TableCandidate(*this, FMiscAllocationTable.get(), index, 0, false, 414, ": ");
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_UB5_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsUkrainian(q->Call()) ? 10 : RelationPoints(FOwnCall, q->Call(), 1, 2, 2, 3);
}

void T_UB5_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

std::string T_UB5_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && q && IsUkrainian(q->Call())) {
        std::string result;
        if (HomeStationRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_UB5_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsUkrainian(q->Call()) ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
