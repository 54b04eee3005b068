// Japan International DX contest rules: prefecture numbers as multipliers, double
// points on 80m and 10m.
#include "contests/jidx.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsJapanese(const std::string& masterPrefix) { return IsOneOf(masterPrefix, {"JA", "JD/m", "JD/o"}); }

// The call area whose prefectures are offered: the Kanto prefixes (JA1, 7K1 to 7M4,
// 7N1, 7N2) are area 1 whatever their digit says.
int PrefectureCallArea(const TCall& call) {
    const std::string prefix = call.Prefix();
    if (prefix.size() >= 3) {
        const std::string head = prefix.substr(0, 2);
        const char digit = prefix[2];
        if (head == "JA" && digit == '1') return 1;
        if ((head == "7K" || head == "7L" || head == "7M") && digit >= '1' && digit <= '4') return 1;
        if (head == "7N" && (digit == '1' || digit == '2')) return 1;
    }
    return call.CallArea();
}

}  // namespace

T_JA_DX::T_JA_DX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentNumber}, {lsColJAPrefecture}, {lsColJAPrefecture}};
    FAmiAllocationTable = LoadAmiAllocationTable("jadx.dat", ContestLogCreateError);
}

bool T_JA_DX::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (IsJapanese(q->Call().CtyMasterPrefix())) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotJapanese), index);
    return false;
}

std::string T_JA_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, RangeCandidate(*this, index, q->RcvdNumbers(0), 1, 50, 315), true);
}

std::int32_t T_JA_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return q->Band() == b80m || q->Band() == b10m ? 2 : 1;
}

void T_JA_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, FQSOList.empty() ? ZeroPadded(FOwnCall.CQZone(), 2) : FQSOList.back()->SentNumbers(0));
    AppendQSO(std::move(q));
}

std::string T_JA_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex != 0 || !q || !IsJapanese(q->Call().CtyMasterPrefix()))
        return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    std::string result;
    if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    const std::string master = q->Call().CtyMasterPrefix();
    if (master == "JD/m" || master == "JD/o") {
        result = master == "JD/m" ? "49" : "48";
        rcvdList.assign(1, result);
        return result;
    }
    if (auto items = FAmiAllocationTable->GetMainItemsFromCallArea(PrefectureCallArea(q->Call()));
        items && !items->empty()) {
        rcvdList = std::move(*items);
        return rcvdList.front();
    }
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

}  // namespace qz
