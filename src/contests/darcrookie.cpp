// DARC rookie contest rules: the fewer years a worked station is licensed, the more the
// QSO scores; German district letters count per band.
#include "contests/darcrookie.h"

#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

namespace {

// What is wrong with the rookie exchange of `q`, or "" when it is usable.
std::string RookieExchangeError(const TQSO& q) {
    if (!IsDLStation(q.Call())) return LS(lsRookieOutsideDL);
    const std::string district = q.RcvdNumbers(0);
    if (district.size() != 1 || !IsLetter(district[0])) return LS(lsRookieBadLetter);
    std::int32_t years;
    if (!TryStrToInt(q.RcvdNumbers(1), years)) return LS(lsRookieBadNumber) + " \"" + q.RcvdNumbers(1) + "\"";
    return {};
}

}  // namespace

T_DARC_ROOKIE::T_DARC_ROOKIE(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m};
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{
        {lsColRookieSent1, lsColRookieSent2}, {lsColRookieRcvd1, lsColRookieRcvd2}, {lsColRookieMulti}};
    FDupeScope = TDupeScope::BandMode;
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_DARC_ROOKIE::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    if (std::string error = RookieExchangeError(*q); !error.empty()) {
        AddMessage(error, index);
        return {};
    }
    return NewMulti(index, 0, UpperCase(q->RcvdNumbers(0)), true);
}

std::int32_t T_DARC_ROOKIE::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    std::int32_t years;
    if (!q || !q->IsGood() || !TryStrToInt(q->RcvdNumbers(1), years)) return 0;
    if (years < 0 || years >= 34) return 1;
    if (years < 4) return 10;
    return years <= 10 ? 6 : 3;
}

void T_DARC_ROOKIE::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b80m);
        if (!setEditedFlag) {
            q->SetSentNumbers(0, QueryExchangeValue(lsRookiePrompt1, ConstantSentNumber()));
            q->SetSentNumbers(1, QueryExchangeValue(lsRookiePrompt2, ""));
        }
    } else {
        q->CopySentNumber(0, *FQSOList.back());
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_DARC_ROOKIE::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex != 0) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    return SuggestDOK(*this, qsoIndex, 0, false, TSuggestionFallback::BaseListOnly, rcvdList);
}

std::string T_DARC_ROOKIE::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

}  // namespace qz
