// Happy New Year contest rules: one point a QSO, member numbers per band.
#include "contests/hny.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "reflists/memberlist.h"
#include "contests/framework/members.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_HNY::T_HNY(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m, b20m};
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{
        {lsColSentExchange, lsColSentMember}, {lsColRcvdExchange, lsColRcvdMember}, {lsColMemberMulti}};
    FMemberList = LoadMemberList("AGCWMBR.QZ", 1, TListNeed::Optional, ContestLogCreateError);
}

std::string T_HNY::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    const std::string member = q->RcvdNumbers(1);
    std::int32_t n;
    return TryStrToInt(member, n) ? NewMulti(index, 0, member, true) : std::string();
}

std::int32_t T_HNY::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_HNY::WriteResults(std::vector<std::string>& destination) const {
    TContestLog::WriteResults(destination);
    WriteEmptyMemberListNote(*this, "AGCWMBR.QZ", destination);
}

void T_HNY::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    if (first) {
        q->SetBand(b80m);
        if (!setEditedFlag) q->SetSentNumbers(1, QueryExchangeValue(lsColSentMember, ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_HNY::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex == 1)
        if (std::string member = MemberNumberSuggestion(*this, qsoIndex, rcvdList); !member.empty()) return member;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

void T_HNY::SetCallDependingStuff(int qsoIndex) { FillMemberNumber(*this, qsoIndex, ""); }

std::string T_HNY::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(1) : std::string();
}

}  // namespace qz
