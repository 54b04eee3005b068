// ARRL contest rules. The DX sides work W/VE stations and count their states, provinces
// or sections from the assignment tables; the received exchange is suggested from the
// call as in the CQ WW RTTY contest.
#include "contests/arrl.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"
#include "contests/wwdx.h"

namespace qz {

namespace {

// Language string: a W/VE station worked from the W/VE side.
constexpr int kIsAWVEStation = 760;

bool IsUSAOrCanada(const std::string& masterPrefix) { return masterPrefix == "K" || masterPrefix == "VE"; }

// The W/VE stations of the 10m contest.
bool IsWVE10m(const std::string& masterPrefix) { return IsOneOf(masterPrefix, {"K", "VE", "KH6", "KL"}); }

// Received number 0 of an earlier QSO with the same call; otherwise the states of a US
// call's area or the main item of the call's prefix or district; otherwise the previous
// line's number as the only candidate, nothing typed in.
std::string StateOrProvinceSuggestion(TContestLog& log, int qsoIndex, int numberIndex,
                                      std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* q = log.QSOs(qsoIndex);
    if (numberIndex != 0 || !q) return log.TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    std::string result;
    if (SameCallRcvdNumber(log, qsoIndex, 0, rcvdList, result)) return result;
    const TAmiAllocationTable* table = log.AmiAllocationTable();
    if (q->Call().CtyMasterPrefix() == "K") {
        if (auto items = table->GetMainItemsFromCallArea(q->Call().CallArea()); items && !items->empty()) {
            rcvdList = std::move(*items);
            return rcvdList.front();
        }
    } else if (std::string item = MainItemOfCall(table, q->Call()); !item.empty()) {
        rcvdList.assign(1, item);
        return item;
    }
    log.TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    return {};
}

}  // namespace

// T_ARRL

T_ARRL::T_ARRL(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColPower}, {lsColStateProvince}, {lsColStateProvince}};
    FAmiAllocationTable = LoadAmiAllocationTable("ardxdx.dat", ContestLogCreateError);
}

bool T_ARRL::IsWVESide() const { return IsUSAOrCanada(FOwnCall.CtyMasterPrefix()); }

bool T_ARRL::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    const std::string master = q->Call().CtyMasterPrefix();
    if (IsWVESide()) {
        if (!IsUSAOrCanada(master)) return true;
        if (showMessage) AddMessage(q->Call().Call() + " " + LS(kIsAWVEStation), index);
        return false;
    }
    if (IsWVECountry(master)) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotWVE), index);
    return false;
}

std::string T_ARRL::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    std::string candidate = IsWVESide() ? q->Call().CtyMasterPrefix()
                                        : TableCandidate(*this, FAmiAllocationTable.get(), index, 0, true, 263);
    return NewMulti(index, 0, candidate, true);
}

std::int32_t T_ARRL::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 3 : 0;
}

void T_ARRL::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (!first) q->CopySentNumber(0, *FQSOList.back());
    else if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsColPower, ConstantSentNumber()));
    AppendQSO(std::move(q));
}

std::string T_ARRL::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (IsWVESide()) {
        // DX stations send their power: an earlier QSO's, else the previous line's.
        rcvdList.clear();
        std::string result;
        if (numberIndex == 0 && SameCallRcvdNumber(*this, qsoIndex, 0, rcvdList, result)) return result;
        return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
    }
    return StateOrProvinceSuggestion(*this, qsoIndex, numberIndex, rcvdList);
}

std::string T_ARRL::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsWVECountry(q->Call().CtyMasterPrefix()) ? q->RcvdNumbers(0) : std::string();
}

// T_ARRL10M

T_ARRL10M::T_ARRL10M(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 2;
    FBands = {b10m};
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1, lsColStateProvince}};
    FDupeScope = TDupeScope::BandMode;
    FSpecialCountries = {"K", "VE", "KH6", "KL"};
    FAmiAllocationTable = LoadAmiAllocationTable("ar10.dat", ContestLogCreateError);
}

std::string T_ARRL10M::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    const bool sendsState = IsWVE10m(q->Call().CtyMasterPrefix()) || q->Call().IsMaritmeMobile();
    std::string candidate;
    if (multiIndex == 0 && !sendsState) candidate = q->Call().CtyMasterPrefix();
    else if (multiIndex == 1 && sendsState)
        candidate = TableCandidate(*this, FAmiAllocationTable.get(), index, 0, true, 263);
    return NewMulti(index, multiIndex, candidate, TMultiScope::BandMode);
}

std::int32_t T_ARRL10M::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (q->Mode() == mCW) return q->Call().IsNoviceOrTechnican() ? 8 : 4;
    return q->Mode() == mSSB ? 2 : 0;
}

void T_ARRL10M::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    const bool constantExchange = IsWVE10m(FOwnCall.CtyMasterPrefix()) && !FOwnCall.IsMaritmeMobile();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (first) {
        q->SetBand(b10m);
        q->SetMode(mCW);
    }
    if (!constantExchange) q->SetSentNumbers(0, NextSentSerialText(0));
    else if (!first) q->CopySentNumber(0, *FQSOList.back());
    else if (!setEditedFlag) q->SetSentNumbers(0, QueryExchangeValue(lsOwnStatePrompt, ConstantSentNumber()));
    AppendQSO(std::move(q));
}

std::string T_ARRL10M::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    return StateOrProvinceSuggestion(*this, qsoIndex, numberIndex, rcvdList);
}

std::string T_ARRL10M::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q ? q->RcvdNumbers(0) : std::string();
}

// T_ARRL160M_DX

T_ARRL160M_DX::T_ARRL160M_DX(const TFileHeader&) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = {b160m};
    FModes = {mCW};
    FExchangeColumns = TExchangeColumns{{}, {lsColARRLSection}, {lsColARRLSection}};
    FAmiAllocationTable = LoadAmiAllocationTable("ar160.dat", ContestLogCreateError);
}

bool T_ARRL160M_DX::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (IsWVECountry(q->Call().CtyMasterPrefix())) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotWVE), index);
    return false;
}

std::string T_ARRL160M_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, TableCandidate(*this, FAmiAllocationTable.get(), index, 0, true, 317), true);
}

std::int32_t T_ARRL160M_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 5 : 0;
}

void T_ARRL160M_DX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetBand(b160m);
        q->SetMode(mCW);
    }
    AppendQSO(std::move(q));
}

std::string T_ARRL160M_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    return StateOrProvinceSuggestion(*this, qsoIndex, numberIndex, rcvdList);
}

std::string T_ARRL160M_DX::GetSwisslogSPField(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    return q && IsWVECountry(q->Call().CtyMasterPrefix()) ? q->RcvdNumbers(0) : std::string();
}

}  // namespace qz
