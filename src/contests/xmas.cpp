// DARC Christmas contest rules: one point a QSO; DOKs of German stations and WPX
// prefixes count per band.
#include "contests/xmas.h"

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_XMAS::T_XMAS(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = {b80m, b40m};
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColDOK, lsColPrefixMulti}};
    FSpecialCountries = {"DL"};
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_XMAS::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    if (multiIndex == 1) return NewMulti(index, 1, q->Call().Prefix(), true);
    if (!IsDLStation(q->Call())) return {};
    return NewMulti(index, 0, DOKCandidate(*this, index, q->RcvdNumbers(0)), true);
}

std::int32_t T_XMAS::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_XMAS::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b80m);
        q->SetSentRST("599");
        SetContestDate(*q, 12, 26, true);
        q->SetSentNumbers(0, FirstSentDOK(*this, setEditedFlag));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_XMAS::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex != 0) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    return SuggestDOK(*this, qsoIndex, 0, false, TSuggestionFallback::BaseListOnly, rcvdList);
}

std::string T_XMAS::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

}  // namespace qz
