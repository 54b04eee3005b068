// UBA DX contest rules: Belgian stations bring province and prefix, European stations
// their country; Belgian stations score most, European ones more than the rest.
#include "contests/uba.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "reflists/miscallocationtable.h"
#include "contests/framework/rulehelpers.h"
#include "reflists/simplelist.h"

namespace qz {

namespace {

bool IsBelgian(const TCall& call) { return call.CtyMasterPrefix() == "ON"; }

}  // namespace

T_UBA_DX::T_UBA_DX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 3;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{
        {lsColSentExchange}, {lsColRcvdExchange, lsColProvince}, {lsColProvince, lsColPrefixMulti, lsColMulti1}};
    FMiscAllocationTable = LoadMiscAllocationTable("uba.dat", ContestLogCreateError);
    FSimpleList = LoadSimpleList("eu_cty.dat", TListNeed::Optional, ContestLogCreateError);
}

std::string T_UBA_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool home = IsBelgian(q->Call());
    std::string candidate;
    switch (multiIndex) {
        case 0:
            if (home) candidate = TableCandidate(*this, FMiscAllocationTable.get(), index, 1, false, 263);
            break;
        case 1:
            if (home) candidate = q->Call().Prefix();
            break;
        default:
            if (FSimpleList->Contains(q->Call().CtyMasterPrefix())) candidate = q->Call().CtyMasterPrefix();
    }
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_UBA_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (IsBelgian(q->Call())) return 10;
    return FSimpleList->Contains(q->Call().CtyMasterPrefix()) ? 3 : 1;
}

void T_UBA_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

std::string T_UBA_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 1 && q && IsBelgian(q->Call())) {
        std::string result;
        if (HomeStationRcvdNumber(*this, qsoIndex, 1, rcvdList, result)) return result;
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_UBA_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsBelgian(q->Call()) ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
