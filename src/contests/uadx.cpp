// Russian DX contest rules: only Russian stations bring multipliers, their country and
// the oblast they send; the oblast is suggested from the call's letter block.
#include "contests/uadx.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsRussian(const TCall& call) {
    return IsOneOf(call.CtyMasterPrefix(), {"UA", "UA9", "UA2", "R1FJ", "CE9", "R1MV"});
}

// The text that "oblast.dat" knows as a spelling of the call's oblast: the call-area
// digit (the first digit from the second character on) and the letter after it, or the
// fixed text of the island entities.
std::string OblastDesignator(const TCall& call) {
    const std::string master = call.CtyMasterPrefix();
    if (master == "R1FJ") return "FJ";
    if (master == "CE9") return "AN";
    if (master == "R1MV") return "MV";
    const std::string part = call.RelevantPart();
    for (std::size_t i = 1; i < part.size(); ++i)
        if (IsDigit(part[i])) return part.substr(i, 2);
    return {};
}

}  // namespace

T_UADX_DX::T_UADX_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColOblastMulti}};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"UA", "UA9", "UA2", "R1FJ", "CE9", "R1MV"};
    FAmiAllocationTable = LoadAmiAllocationTable("oblast.dat", ContestLogCreateError);
}

std::string T_UADX_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood() || !IsRussian(q->Call())) return {};
    if (multiIndex == 0) return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
    const std::string oblast = UpperCase(q->RcvdNumbers(0));
    if (!FAmiAllocationTable->ContainsMainItem(oblast)) {
        AddMessage(LS(lsUnknownOblast) + ": " + q->RcvdNumbers(0), index);
        return {};
    }
    return NewMulti(index, 1, oblast, true);
}

std::int32_t T_UADX_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return IsRussian(q->Call()) ? 10 : RelationPoints(FOwnCall, q->Call(), 2, 3, 3, 5);
}

void T_UADX_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

std::string T_UADX_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex == 0 && q && IsRussian(q->Call())) {
        std::string result;
        if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
        const std::string designator = OblastDesignator(q->Call());
        if (std::string oblast =
                designator.empty() ? std::string() : FAmiAllocationTable->GetMainItem(designator, false);
            !oblast.empty()) {
            rcvdList.assign(1, oblast);
            return oblast;
        }
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

std::string T_UADX_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsRussian(q->Call()) ? q->RcvdNumbers(0) : std::string();
}

// The list holds the country file's Russian entities; the user knows them as one country.
std::string T_UADX_DX::GetSpecialCountries() const { return "Russia"; }

}  // namespace qz
