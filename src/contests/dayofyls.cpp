// Day of YLs rules: 1 point for a QSO with a YL, none otherwise.
#include "contests/dayofyls.h"

#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_DAY_OF_YLs::T_DAY_OF_YLs(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 0;
    FBands = FiveBands();
    FModes = {mCW, mSSB, mRTTY};
    FExchangeColumns = TExchangeColumns{{lsColYLExchange, lsColYLOM}, {lsColYLExchange, lsColYLOM}, {}};
    FDupeScope = TDupeScope::BandMode;
}

std::int32_t T_DAY_OF_YLs::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() && SameText(q->RcvdNumbers(1), "YL") ? 1 : 0;
}

void T_DAY_OF_YLs::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (first) {
        if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColYLExchange, ConstantSentNumber()));
        // Asked for every new log, imported ones too, but never where no one can answer.
        const bool yl = ShowMessageBoxes() && AskYesNo(LS(lsAskYLOrOM)) == TMsgAnswer::Yes;
        q->SetSentNumbers(1, yl ? "YL" : "OM");
    } else {
        q->CopySentNumber(0, *FQSOList.back());
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_DAY_OF_YLs::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (SameCallRcvdNumber(*this, qsoIndex, numberIndex, rcvdList, result, true)) return result;
    TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

}  // namespace qz
