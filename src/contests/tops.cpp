// TOPS activity contest rules: prefixes per band, points by country and by the member
// numbers exchanged, member numbers filled in from the club list.
#include "contests/tops.h"

#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "reflists/memberlist.h"

namespace qz {

T_TOPS::T_TOPS(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{
        {lsColSentExchange, lsColOwnTOPSMember}, {lsColRcvdExchange, lsColRcvdTOPSMember}, {lsColPrefixMulti}};
    FMemberList = LoadMemberList("PROCWMbr.qz", 1, TListNeed::Optional, ContestLogCreateError);
}

std::string T_TOPS::MemberNumberOf(const TCall& call) const {
    return FMemberList ? FMemberList->GetMemberNumber(call.PureCall()) : std::string();
}

std::string T_TOPS::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().Prefix(), true);
}

std::int32_t T_TOPS::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    std::int32_t points = SameCountry(FOwnCall, q->Call()) ? 1 : 2;
    if (!q->RcvdNumbers(1).empty()) points += q->SentNumbers(1).empty() ? 2 : 6;
    return points;
}

void T_TOPS::SetCallDependingStuff(int qsoIndex) {
    TQSO* q = QSOs(qsoIndex);
    if (!q || q->Call().Call().empty() || q->RcvdHasBeenSet(1)) return;
    q->SetRcvdNumbers(1, MemberNumberOf(q->Call()));
    q->SetRcvdHasBeenSet(1, true);
}

void T_TOPS::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        q->SetBand(b80m);
        if (ConstantSentNumber().empty() && FMemberList)
            SetConstantSentNumber(FMemberList->GetMemberNumber(FileHeader().fhUser_OwnCall));
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsColOwnTOPSMember, ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_TOPS::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    const TQSO* q = QSOs(qsoIndex);
    if (numberIndex != 1 || !q) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    std::string member = MemberNumberOf(q->Call());
    rcvdList.assign(1, member);
    return member;
}

std::string T_TOPS::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
