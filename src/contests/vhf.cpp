// VHF/UHF/SHF contest rules: the points of a QSO are the distance between the own
// locator (sent number 1) and the worked one (received number 1); an unusable locator
// scores 0.
#include "contests/vhf.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/locator.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_VHF::T_VHF(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 0;
    FBands = {b2m, b70cm, b23cm, b13cm, b9cm, b6cm, b3cm, b12mm, b6mm, b4mm, b2mm, b1mm, bSAT};
    FModes = AllModes();
    FExchangeColumns =
        TExchangeColumns{{lsColSentExchange, lsColOwnLocator}, {lsColRcvdExchange, lsColRcvdLocator}, {}};
}

std::int32_t T_VHF::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    std::int32_t bearing;
    const std::int32_t distance = LocatorDistance(q->SentNumbers(1), q->RcvdNumbers(1), bearing);
    return distance < 0 ? 0 : distance;
}

void T_VHF::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        q->SetBand(b2m);
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsColOwnLocator, ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_VHF::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex == 1 && SameCallRcvdNumber(*this, qsoIndex, 1, rcvdList, result)) return result;
    // Otherwise the previous line's number as a candidate, nothing typed in.
    TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

std::string T_VHF::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
