// Scandinavian Activity Contest rules for both sides.
#include "contests/sac.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

bool IsScandinavianCountry(std::string_view masterPrefix) {
    return IsOneOf(masterPrefix, {"LA", "JW", "JX", "OH", "OH0", "OJ0", "OX", "OY", "OZ", "SM", "TF"});
}

// T_SAC

T_SAC::T_SAC(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColSACDistrictMulti}};
}

bool T_SAC::IsValidQSO(int index, bool showMessage) {
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (IsScandinavianCountry(q->Call().CtyMasterPrefix())) return true;
    if (showMessage) AddMessage(q->Call().Call() + " " + LS(lsNotScandinavian), index);
    return false;
}

std::string T_SAC::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().District(), true);
}

std::int32_t T_SAC::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (FOwnCall.Continent() == q->Call().Continent()) return 1;
    return q->Band() == b80m || q->Band() == b40m ? 3 : 1;
}

void T_SAC::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

// T_SAC_SC

T_SAC_SC::T_SAC_SC(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColMulti1}};
}

std::string T_SAC_SC::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    const std::string master = q->Call().CtyMasterPrefix();
    return IsScandinavianCountry(master) ? std::string() : NewMulti(index, 0, master, true);
}

std::int32_t T_SAC_SC::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return FOwnCall.Continent() == q->Call().Continent() ? 2 : 3;
}

void T_SAC_SC::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

}  // namespace qz
