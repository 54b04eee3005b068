// CQ WW DX rules. The three contests share the zone and country multipliers, the
// continent-based points and the suggestion of the received exchange from the call.
#include "contests/wwdx.h"

#include <algorithm>
#include <array>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

bool IsWOrVE(const std::string& masterPrefix) { return masterPrefix == "K" || masterPrefix == "VE"; }

}  // namespace

bool IsWVECountry(std::string_view masterPrefix) {
    static constexpr std::array<std::string_view, 19> kWVE = {"K",   "VE",  "KG4",  "KH0", "KH1",  "KH2", "KH3",
                                                              "KH4", "KH5", "KH5K", "KH6", "KH7K", "KH8", "KH9",
                                                              "KL",  "KP1", "KP2",  "KP4", "KP5"};
    return std::find(kWVE.begin(), kWVE.end(), masterPrefix) != kWVE.end();
}

// T_WWDX

T_WWDX::T_WWDX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentNumber}, {lsColRcvdNumber}, {lsColMulti1, lsColMulti2}};
}

std::string T_WWDX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    std::string candidate =
        multiIndex == 0 ? q->Call().CtyMasterPrefix() : CQZoneCandidate(*this, index, q->RcvdNumbers(0));
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_WWDX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return RelationPoints(FOwnCall, q->Call(), 0, 1, 2, 3);
}

// T_WWDX_RTTY

T_WWDX_RTTY::T_WWDX_RTTY(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 3;
    FBands = FiveBands();
    FModes = {mRTTY};
    FExchangeColumns = TExchangeColumns{{lsColSentNumber, lsColStateProvince},
                                        {lsColRcvdNumber, lsColStateProvince},
                                        {lsColMulti1, lsColMulti2, lsColStateProvince}};
    FAmiAllocationTable = LoadAmiAllocationTable("ardxdx.dat", ContestLogCreateError);
}

std::string T_WWDX_RTTY::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    std::string candidate;
    switch (multiIndex) {
        case 0: candidate = q->Call().CtyMasterPrefix(); break;
        case 1: candidate = CQZoneCandidate(*this, index, q->RcvdNumbers(0)); break;
        default:
            if (IsWVECountry(q->Call().CtyMasterPrefix()))
                candidate = TableCandidate(*this, FAmiAllocationTable.get(), index, 1, true, 263);
    }
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_WWDX_RTTY::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return RelationPoints(FOwnCall, q->Call(), 1, 2, 2, 3);
}

void T_WWDX_RTTY::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetSentNumbers(0, ZeroPadded(FOwnCall.CQZone(), 2));
        if (IsWVECountry(FOwnCall.CtyMasterPrefix()) && !setEditedFlag)
            q->SetSentNumbers(1, QueryExchangeValue(lsOwnStatePrompt, ConstantSentNumber()));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
        q->CopySentNumber(1, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_WWDX_RTTY::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex < 0 || numberIndex > 1) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, numberIndex, rcvdList, result)) return result;
    const TQSO* q = QSOs(qsoIndex);
    if (!q) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (numberIndex == 0) {
        if (ZoneSuggestion(q->Call(), zCQ, rcvdList, result)) return result;
        return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    }
    if (StateSuggestion(FAmiAllocationTable.get(), q->Call(), rcvdList, result)) return result;
    // Other W/VE stations get the previous line's state; DX stations send none.
    if (IsWVECountry(q->Call().CtyMasterPrefix()))
        return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

std::string T_WWDX_RTTY::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

// T_WWDX160M

T_WWDX160M::T_WWDX160M(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = {b160m};
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColStateProvince, lsColMulti1}};
    FAmiAllocationTable = LoadAmiAllocationTable("cq160.dat", ContestLogCreateError);
}

void T_WWDX160M::AfterInit() { FShowModeInCategory = false; }

std::string T_WWDX160M::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    if (q->Call().IsMaritmeMobile()) return {};
    const std::string master = q->Call().CtyMasterPrefix();
    std::string candidate;
    if (multiIndex == 0) {
        if (IsWOrVE(master)) candidate = TableCandidate(*this, FAmiAllocationTable.get(), index, 0, true, 263);
    } else if (!IsWOrVE(master)) {
        candidate = master;
    }
    return NewMulti(index, multiIndex, candidate, true);
}

std::int32_t T_WWDX160M::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (q->Call().IsMaritmeMobile()) return 5;
    return RelationPoints(FOwnCall, q->Call(), 2, 5, 5, 10);
}

void T_WWDX160M::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (first) {
        q->SetBand(b160m);
        if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColSentExchange, ConstantSentNumber()));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

std::string T_WWDX160M::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex != 0) return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    if (SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
    if (const TQSO* q = QSOs(qsoIndex); q && StateSuggestion(FAmiAllocationTable.get(), q->Call(), rcvdList, result))
        return result;
    // Everyone else: the previous line's number as the only candidate, nothing typed in.
    TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

std::string T_WWDX160M::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
