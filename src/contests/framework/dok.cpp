// Rule helpers of the German contests.
#include "contests/framework/dok.h"

#include "base/datetime.h"
#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/rulehelpers.h"
#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

int CheckDOK(std::string_view text) {
    if (text.size() < 2) return 1;
    if (SameText(text, "NM")) return 2;
    if (!IsLetter(text[0]) && !IsDigit(text[0])) return 1;
    for (char c : text) {
        if (IsLetter(c)) return 0;
        if (!IsDigit(c)) return 1;
    }
    return 1;
}

bool IsDLStation(const TCall& call) { return call.CtyMasterPrefix() == "DL"; }

std::string DOKCandidate(const TContestLog& log, int index, const std::string& rcvd) {
    switch (CheckDOK(rcvd)) {
        case 0: return rcvd;
        case 1: log.AddMessage(LS(lsInvalidDOK) + " " + rcvd, index); return {};
        default: return {};
    }
}

std::string RcvdOfDLStation(const TContestLog& log, int qsoIndex, int numberIndex) {
    const TQSO* q = log.QSOs(qsoIndex);
    return q && IsDLStation(q->Call()) ? q->RcvdNumbers(numberIndex) : std::string();
}

std::string AskSentDOK(TContestLog& log, bool setEditedFlag) {
    if (setEditedFlag || !log.ShowMessageBoxes()) return {};
    if (log.ConstantSentNumber().empty() && log.AmiAllocationTable())
        log.SetConstantSentNumber(log.AmiAllocationTable()->GetMainItem(log.OwnCall().PureCall(), false));
    return log.QueryExchangeValue(lsColDOK, log.ConstantSentNumber());
}

std::string BaseListOnly(TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    log.TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

std::string SuggestDOK(TContestLog& log, int qsoIndex, int numberIndex, bool ignoreCase, TSuggestionFallback fallback,
                       std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = log.QSOs(qsoIndex);
    if (q && IsDLStation(q->Call())) {
        std::string result;
        if (SameCallRcvdNumber(log, qsoIndex, numberIndex, rcvdList, result, ignoreCase)) return result;
        if (log.AmiAllocationTable()) {
            result = log.AmiAllocationTable()->GetMainItem(q->Call().PureCall(), false);
            if (!result.empty()) {
                rcvdList.assign(1, result);
                return result;
            }
        }
    }
    switch (fallback) {
        case TSuggestionFallback::BaseSuggestion:
            return log.TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
        case TSuggestionFallback::BaseListOnly: return BaseListOnly(log, qsoIndex, numberIndex, rcvdList);
        default: return {};
    }
}

void SetContestDate(TQSO& q, int month, int day, bool previousYearInJanuary) {
    const TDateTime now = NowLocal();
    const CivilDate today = DecodeDate(now);
    const int year = previousYearInJanuary && today.month == 1 ? today.year - 1 : today.year;
    q.SetDateTime(CombineDateTime(EncodeDate(year, month, day), TimePart(q.DateTime())));
}

std::string FirstSentDOK(TContestLog& log, bool setEditedFlag) {
    return IsDLStation(log.OwnCall()) ? AskSentDOK(log, setEditedFlag) : std::string();
}

}  // namespace qz
