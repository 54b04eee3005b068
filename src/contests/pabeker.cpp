// PA Beker contest rules: Dutch stations only, one point per QSO, regions per band.
#include "contests/pabeker.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "reflists/miscallocationtable.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsDutch(const TCall& call) { return call.CtyMasterPrefix() == "PA"; }

}  // namespace

T_PA_BEKER::T_PA_BEKER(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b80m, b40m};
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColDistrict}, {lsColDistrict}, {lsColDistrict}};
    FMiscAllocationTable = LoadMiscAllocationTable("pa_beker.dat", ContestLogCreateError);
}

bool T_PA_BEKER::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (IsDutch(q->Call())) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotDutch), index);
    return false;
}

std::string T_PA_BEKER::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, TableCandidate(*this, FMiscAllocationTable.get(), index, 0, false, 263), true);
}

std::int32_t T_PA_BEKER::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_PA_BEKER::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (!first) {
        q->CopySentNumber(0, *FQSOList.back());
    } else {
        q->SetBand(b80m);
        if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColDistrict, ConstantSentNumber()));
    }
    AppendQSO(std::move(q));
}

std::string T_PA_BEKER::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && q && IsDutch(q->Call())) {
        std::string result;
        if (HomeStationRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    }
    // Otherwise the previous line's number as the only candidate, nothing typed in.
    TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

std::string T_PA_BEKER::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsDutch(q->Call()) ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
