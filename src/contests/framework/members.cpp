// Club member numbers in the exchange.
#include "contests/framework/members.h"

#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

bool HasMembers(const TContestLog& log) {
    const TMemberList* list = log.MemberList();
    if (!list) return false;
    for (int i = 0; i < list->Count(); ++i)
        if (!list->Record(i).mrCall.empty()) return true;
    return false;
}

void FillMemberNumber(TContestLog& log, int qsoIndex, std::string_view notFound) {
    TQSO* q = log.QSOs(qsoIndex);
    const TMemberList* list = log.MemberList();
    if (!q || !list || q->Call().Call().empty()) return;
    const int field = list->RcvdIndex();
    if (q->RcvdHasBeenSet(field)) return;
    std::string number = list->GetMemberNumber(q->Call().PureCall());
    if (number.empty()) number = std::string(notFound);
    if (number.empty()) return;
    q->SetRcvdNumbers(field, number);
    q->SetRcvdHasBeenSet(field, true);
}

std::string MemberNumberSuggestion(const TContestLog& log, int qsoIndex, std::vector<std::string>& rcvdList) {
    const TQSO* q = log.QSOs(qsoIndex);
    const TMemberList* list = log.MemberList();
    if (!q || !list) return {};
    std::string number = list->GetMemberNumber(q->Call().PureCall());
    if (!number.empty()) rcvdList.assign(1, number);
    return number;
}

void WriteEmptyMemberListNote(const TContestLog& log, std::string_view fileName, std::vector<std::string>& d) {
    if (HasMembers(log)) return;
    d.push_back("");
    d.push_back("Note: the member list " + std::string(fileName) +
                " is empty; member numbers were scored as entered in the log.");
}

}  // namespace qz
