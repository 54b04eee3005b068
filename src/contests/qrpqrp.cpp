// QRP-QRP party rules: class A scores two points, class B one; countries of A and B
// stations count per band.
#include "contests/qrpqrp.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_QRP_QRP::T_QRP_QRP(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW};
    FExchangeColumns =
        TExchangeColumns{{lsColSentExchange, lsColPowerClass}, {lsColRcvdExchange, lsColPowerClass}, {lsColMulti1}};
}

std::string T_QRP_QRP::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    const std::string power = q->RcvdNumbers(1);
    if (!SameText(power, "A") && !SameText(power, "B")) {
        AddMessage(LS(lsInvalidPowerClass) + ": " + power, index);
        return {};
    }
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_QRP_QRP::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::string power = q->RcvdNumbers(1);
    return SameText(power, "A") ? 2 : SameText(power, "B") ? 1 : 0;
}

void T_QRP_QRP::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        q->SetBand(b80m);
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsQRPClassPrompt, ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_QRP_QRP::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
