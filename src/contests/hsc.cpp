// HSC contest rules: five points for a member, one for anybody else; dupes only within
// one of the two periods (hours 9 to 11 and 15 to 17).
#include "contests/hsc.h"

#include "base/datetime.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "reflists/memberlist.h"
#include "contests/framework/members.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_HSC::T_HSC(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 0;
    FBands = FiveBands();
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{{lsColHSCMember}, {lsColHSCMember}, {}};
    FMemberList = LoadMemberList("HSCMBR.QZ", 0, TListNeed::Optional, ContestLogCreateError);
}

std::int32_t T_HSC::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    std::int32_t member;
    return TryStrToInt(q->RcvdNumbers(0), member) ? 5 : 1;
}

void T_HSC::WriteResults(std::vector<std::string>& destination) const {
    TContestLog::WriteResults(destination);
    WriteEmptyMemberListNote(*this, "HSCMBR.QZ", destination);
}

void T_HSC::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b80m);
        if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColSentMember, ConstantSentNumber()));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_HSC::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    if (numberIndex == 0)
        if (std::string member = MemberNumberSuggestion(*this, qsoIndex, rcvdList); !member.empty()) return member;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

void T_HSC::SetCallDependingStuff(int qsoIndex) { FillMemberNumber(*this, qsoIndex, "NM"); }

std::string T_HSC::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

// Call, band and period; a QSO outside both periods gets a key of its own and so never
// makes or is a dupe.
std::string T_HSC::DupeKey(int index) const {
    const TQSO* q = QSOs(index);
    if (!q) return {};
    const int hour = DecodeTime(q->DateTime()).hour;
    const char period = hour >= 9 && hour <= 11 ? '1' : hour >= 15 && hour <= 17 ? '2' : 0;
    if (!period) return "\x02" + std::to_string(index);
    std::string key = q->Call().Call();
    key += '\x01';
    key += static_cast<char>('A' + q->Band());
    key += period;
    return key;
}

}  // namespace qz
