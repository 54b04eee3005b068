// WNA contest rules: points by mode, listed DOKs of German stations per band, every
// station once in the log.
#include "contests/wna.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_WNA::T_WNA(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b2m, b70cm};
    FModes = {mCW, mSSB, mFM};
    FExchangeColumns = TExchangeColumns{{lsColDOK}, {lsColDOK}, {lsColDOK}};
    FDupeScope = TDupeScope::Log;
    FSpecialCountries = {"DL"};
    FSimpleList = LoadSimpleList("wna.dat", TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_WNA::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood() || !SameText(q->Call().CtyMasterPrefix(), "DL")) return {};
    std::string dok = DOKCandidate(*this, index, q->RcvdNumbers(0));
    if (dok.empty() || !FSimpleList || !FSimpleList->Contains(dok)) return {};
    return NewMulti(index, 0, dok, true);
}

std::int32_t T_WNA::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    switch (q->Mode()) {
        case mCW: return 6;
        case mSSB: return 4;
        case mFM: return 2;
        default: return 0;
    }
}

void T_WNA::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b2m);
        q->SetSentNumbers(0, FirstSentDOK(*this, setEditedFlag));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_WNA::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex != 0) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    return SuggestDOK(*this, qsoIndex, 0, true, TSuggestionFallback::BaseListOnly, rcvdList);
}

std::string T_WNA::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

}  // namespace qz
