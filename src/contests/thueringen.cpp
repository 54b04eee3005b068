// Thueringen contest rules: one point a QSO; the listed DOKs of German stations count
// per band.
#include "contests/thueringen.h"

#include <algorithm>

#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_Thueringen::T_Thueringen(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b80m, b2m, b70cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2mm, b1mm, bSAT};
    FModes = AllModes();
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColDOK}};
    FSpecialCountries = {"DL"};
    FSimpleList = LoadSimpleList("thueringencontest.dat", TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_Thueringen::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood() || !IsDLStation(q->Call())) return {};
    std::string dok = DOKCandidate(*this, index, q->RcvdNumbers(0));
    if (dok.empty() || !FSimpleList || !FSimpleList->Contains(dok)) return {};
    return NewMulti(index, 0, dok, true);
}

std::int32_t T_Thueringen::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

std::int64_t T_Thueringen::GetFinalResult() const {
    return static_cast<std::int64_t>(Result().AllPoints()) * std::max<std::int64_t>(1, Result().NoOfAllMulties(0));
}

void T_Thueringen::WriteResults(std::vector<std::string>& destination) const {
    TContestLog::WriteResults(destination);
    if (Result().NoOfAllMulties(0) == 0)
        destination.push_back("(In case of multiplier = 0, the multiplier will be set to = 1)");
}

void T_Thueringen::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b80m);
        q->SetSentNumbers(0, FirstSentDOK(*this, setEditedFlag));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_Thueringen::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex != 0) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    return SuggestDOK(*this, qsoIndex, 0, false, TSuggestionFallback::BaseListOnly, rcvdList);
}

std::string T_Thueringen::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

}  // namespace qz
