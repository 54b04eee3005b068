// EA DX contest rules: Spanish stations bring the province code they send, everybody
// else their country.
#include "contests/eadx.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsSpanish(const TCall& call) { return IsOneOf(call.CtyMasterPrefix(), {"EA", "EA6", "EA8", "EA9"}); }

}  // namespace

T_EA_DX::T_EA_DX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColProvince}};
    FSpecialCountries = {"EA", "EA6", "EA8", "EA9"};
    FAmiAllocationTable = LoadAmiAllocationTable("ea_provinces.dat", ContestLogCreateError);
}

std::string T_EA_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool home = IsSpanish(q->Call());
    std::string candidate;
    if (multiIndex == 0 && !home) {
        candidate = q->Call().CtyMasterPrefix();
    } else if (multiIndex == 1 && home) {
        // The code sent is the multiplier as long as the table knows it as a spelling.
        candidate = UpperCase(q->RcvdNumbers(0));
        if (FAmiAllocationTable->GetMainItem(candidate, false).empty()) {
            AddMessage(LS(lsUnknownDistrict) + " " + q->RcvdNumbers(0), index);
            candidate.clear();
        }
    }
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_EA_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsSpanish(q->Call()) ? 3 : 1;
}

void T_EA_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

std::string T_EA_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    std::string result;
    if (numberIndex == 0 && q && IsSpanish(q->Call()) && SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result))
        return result;
    // Otherwise the previous line's number as the only candidate, nothing typed in.
    TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

std::string T_EA_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsSpanish(q->Call()) ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
