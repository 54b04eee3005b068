// CQ WPX rules: the prefix multiplier counts once per log, and points depend on the
// continent relation with a doubling on the low bands.
#include "contests/wpx.h"

#include "base/text.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"

namespace qz {

T_WPX::T_WPX(const TFileHeader& header) {
    const TContest contest = header.fhContest_Contest;
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = contest == cWPXrtty ? FiveBands() : SixBands();
    FModes = ContestKindModes(contest);
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange}, {lsColPrefixMulti}};
}

void T_WPX::AfterInit() { FShowOverlayInCategory = true; }

std::string T_WPX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().Prefix(), false);
}

std::int32_t T_WPX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const TCall& worked = q->Call();
    const bool sameCountry = FOwnCall.CtyMasterPrefix() == worked.CtyMasterPrefix();
    const bool sameContinent = FOwnCall.Continent() == worked.Continent();
    const TBand band = q->Band();
    if (Contest() == cWPXrtty) {
        std::int32_t points = sameCountry ? 1 : sameContinent ? 2 : 3;
        return (band == b80m || band == b40m) ? points * 2 : points;
    }
    if (sameCountry) return 1;
    std::int32_t points = !sameContinent ? 3 : FOwnCall.Continent() == coNA ? 2 : 1;
    return (band == b160m || band == b80m || band == b40m) ? points * 2 : points;
}

void T_WPX::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    q->SetSentNumbers(0, NextSentSerialText(0));
    AppendQSO(std::move(q));
}

int T_WPX::GetSentNumericNumberIndex() const { return 0; }
int T_WPX::GetRcvdNumericNumberIndex() const { return 0; }

}  // namespace qz
