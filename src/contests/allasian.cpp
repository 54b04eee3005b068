// All Asian DX contest rules for both sides: the age is a constant exchange, points
// depend on the band.
#include "contests/allasian.h"

#include "base/frontend.h"
#include "base/language.h"
#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

namespace {

// Points of an Asian station by band: 160m 3, 80m and 10m 2, other bands 1.
std::int32_t AsianBandPoints(TBand band) {
    if (band == b160m) return 3;
    return band == b80m || band == b10m ? 2 : 1;
}

// The age of an earlier QSO with the same call (any band), announced with a beep, or
// the base suggestion.
std::string AgeSuggestion(TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    std::string result;
    if (numberIndex == 0 && SameCallRcvdNumber(log, qsoIndex, 0, rcvdList, result)) {
        Beep();
        return result;
    }
    return log.TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

// The first line of a log asks for the age, later lines copy it.
void AppendWithAge(TContestLog& log, std::unique_ptr<TQSO> q, bool first, bool setEditedFlag) {
    if (first) {
        if (!setEditedFlag) q->SetSentNumbers(0, log.QueryExchangeValue(lsColAAExchange, log.ConstantSentNumber()));
    } else {
        q->CopySentNumber(0, *log.QSOs(log.NoOfQSOs() - 1));
    }
    log.AppendQSO(std::move(q));
}

}  // namespace

// T_AADX

T_AADX::T_AADX(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColAAExchange}, {lsColAAExchange}, {lsColPrefixMulti}};
}

bool T_AADX::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (q->Call().Continent() == coAS) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotAsian), index);
    return false;
}

std::string T_AADX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().Prefix(), true);
}

std::int32_t T_AADX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? AsianBandPoints(q->Band()) : 0;
}

void T_AADX::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    AppendWithAge(*this, NewQSOWithDefaults(setEditedFlag), first, setEditedFlag);
}

std::string T_AADX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    return AgeSuggestion(*this, qsoIndex, numberIndex, rcvdList);
}

// T_AA_ASIA

T_AA_ASIA::T_AA_ASIA(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColAAExchange}, {lsColAAExchange}, {lsColMulti1}};
}

bool T_AA_ASIA::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (!SameText(q->Call().CtyMasterPrefix(), FOwnCall.CtyMasterPrefix())) return true;
    if (showMessage) AddMessage(q->Call().Call() + ": " + LS(lsSameCountryInvalid), index);
    return false;
}

std::string T_AA_ASIA::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_AA_ASIA::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::int32_t points = AsianBandPoints(q->Band());
    return q->Call().Continent() == coAS ? points : 3 * points;
}

void T_AA_ASIA::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    AppendWithAge(*this, NewQSOWithDefaults(setEditedFlag), first, setEditedFlag);
}

std::string T_AA_ASIA::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    return AgeSuggestion(*this, qsoIndex, numberIndex, rcvdList);
}

}  // namespace qz
