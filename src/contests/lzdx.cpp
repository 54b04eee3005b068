// LZ DX contest rules: Bulgarian stations bring their district, everybody else the ITU
// zone they send.
#include "contests/lzdx.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "reflists/miscallocationtable.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsBulgarian(const TCall& call) { return call.CtyMasterPrefix() == "LZ"; }

}  // namespace

T_LZDX_DX::T_LZDX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentNumber}, {lsColLZDistrict}, {lsColMulti2, lsColDistrict}};
    FDupeScope = TDupeScope::BandMode;
    FMiscAllocationTable = LoadMiscAllocationTable("lzdx.dat", ContestLogCreateError);
}

std::string T_LZDX_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool home = IsBulgarian(q->Call());
    std::string candidate;
    if (multiIndex == 0 && !home) candidate = ITUZoneCandidate(*this, index, q->RcvdNumbers(0));
    else if (multiIndex == 1 && home)
        candidate = TableCandidate(*this, FMiscAllocationTable.get(), index, 0, false, 263);
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_LZDX_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsBulgarian(q->Call()) ? 10 : RelationPoints(FOwnCall, q->Call(), 1, 1, 1, 3);
}

void T_LZDX_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, FQSOList.empty() ? ZeroPadded(FOwnCall.ITUZone(), 2) : FQSOList.back()->SentNumbers(0));
    AppendQSO(std::move(q));
}

std::string T_LZDX_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && q && IsBulgarian(q->Call())) {
        std::string result;
        if (HomeStationRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_LZDX_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
