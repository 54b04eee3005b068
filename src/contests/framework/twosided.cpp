// Rules shared by the home sides and DX sides of national contests.
#include "contests/framework/twosided.h"

#include <algorithm>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/dok.h"
#include "contests/framework/rulehelpers.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

TTwoSidedContest::TTwoSidedContest(std::initializer_list<const char*> homeCountries, bool homeSide, TContest otherSide)
    : FHomeSide(homeSide) {
    for (const char* c : homeCountries) {
        FHomeCountries.emplace_back(c);
        AddObligatoryCty(c);
    }
    // The home side needs an own call among the home countries, the DX side one outside.
    FLogicalOperator = homeSide ? loInclude : loExclude;
    FAlternativeContest = otherSide;
}

bool TTwoSidedContest::IsHomeStation(const TCall& call) const {
    const std::string master = call.CtyMasterPrefix();
    return std::find(FHomeCountries.begin(), FHomeCountries.end(), master) != FHomeCountries.end();
}

bool TTwoSidedContest::IsValidForSide(int index, bool showMessage, bool mustBeHome, int messageNo, bool withCall) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (IsHomeStation(q->Call()) == mustBeHome) return true;
    if (showMessage) AddMessage(withCall ? q->Call().Call() + " " + LS(messageNo) : LS(messageNo), index);
    return false;
}

std::string TTwoSidedContest::RcvdOfHomeStation(int qsoIndex, int numberIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsHomeStation(q->Call()) ? q->RcvdNumbers(numberIndex) : std::string();
}

std::int32_t TTwoSidedContest::RelationPoints(int index, std::int32_t sameCountry, std::int32_t sameContinent,
                                              std::int32_t otherContinent) const {
    const TCall& worked = QSOs(index)->Call();
    if (worked.CtyMasterPrefix() == FOwnCall.CtyMasterPrefix()) return sameCountry;
    return worked.Continent() == FOwnCall.Continent() ? sameContinent : otherContinent;
}

std::string TTwoSidedContest::SideRcvdSuggestion(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (FHomeSide) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

void TTwoSidedContest::AppendSerialQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

void TTwoSidedContest::AppendConstantQSO(bool setEditedFlag, int prompt) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(prompt, ConstantSentNumber()));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

bool TTwoSidedContest::SuggestRegion(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList,
                                     std::string& result) {
    rcvdList.clear();
    result.clear();
    const TQSO* q = QSOs(qsoIndex);
    if (!q || !IsHomeStation(q->Call())) return false;
    if (SameCallRcvdNumber(*this, qsoIndex, numberIndex, rcvdList, result, false)) return true;
    if (FMiscAllocationTable)
        if (auto all = FMiscAllocationTable->GetAllMainItems(); all && !all->empty()) {
            rcvdList = std::move(*all);
            result = rcvdList.front();
        }
    return true;
}

std::string TTwoSidedContest::RegionCandidate(int index, const std::string& rcvd, const char* separator) const {
    std::string region = FMiscAllocationTable ? FMiscAllocationTable->GetMainItem(rcvd, false) : std::string();
    if (region.empty()) AddMessage(LS(lsUnknownRegion) + separator + rcvd, index);
    return region;
}

}  // namespace qz
