// Deutscher Telegraphie Contest rules: one point a QSO, two with a station of "dtc.dat".
#include "contests/dtc.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_DTC::T_DTC(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 0;
    FBands = {b80m, b40m};
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{{lsColDTCExchange}, {lsColDTCExchange}, {}};
    FSpecialCountries = {"DL"};
    FSimpleList = LoadSimpleList("dtc.dat", TListNeed::Optional, ContestLogCreateError);
}

bool T_DTC::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    if (IsDLStation(FOwnCall) || IsDLStation(QSOs(index)->Call())) return true;
    if (showMessage) AddMessage(LS(lsDTCNeedsDL), index);
    return false;
}

std::int32_t T_DTC::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return FSimpleList && FSimpleList->Contains(q->Call().PureCall()) ? 2 : 1;
}

void T_DTC::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b80m);
        SetContestDate(*q, 10, 3, false);
        if (IsDLStation(FOwnCall) && !setEditedFlag)
            q->SetSentNumbers(0, QueryExchangeValue(lsColDTCExchange, ConstantSentNumber()));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_DTC::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    const TQSO* q = QSOs(qsoIndex);
    if (q && IsDLStation(q->Call()) && SameCallRcvdNumber(*this, qsoIndex, numberIndex, rcvdList, result, false))
        return result;
    return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
}

std::string T_DTC::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

}  // namespace qz
