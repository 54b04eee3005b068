// DXpedition log rules: countries per band and a report of QSOs and countries.
#include "contests/dxpedition.h"

#include "base/text.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "contests/framework/definition.h"
#include "contests/framework/rulehelpers.h"

namespace qz {

T_DXPDN::T_DXPDN(const TFileHeader&) {
    FNoOfSentNumbers = 0;
    FNoOfRcvdNumbers = 0;
    FNoOfMulties = 1;
    FBands = AllBands();
    FModes = AllModes();
    FExchangeColumns = TExchangeColumns{{}, {}, {lsColMulti1}, false};
    FDupeScope = TDupeScope::BandMode;
}

std::string T_DXPDN::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

void T_DXPDN::WriteResults(std::vector<std::string>& d) const {
    d.push_back(GetLongContestName());
    d.push_back(LS(lsResultOverviewOf) + " " + FOwnCall.Call());
    d.push_back(" ");
    d.push_back("        " + LS(lsResultColumnTitles));
    d.push_back(" Band   QSOs   QSOs   QSOs   QSOs   Cty");
    d.push_back("");
    for (int b = b160m; b <= bSAT; ++b) {
        auto band = static_cast<TBand>(b);
        if (!BandIsAllowed(band)) continue;
        d.push_back(Format("%5s  %5d  %5d   %4d   %4d ", std::string(BandNames[b]).c_str(),
                           Result().NoOfBandGoodQSOs(band), Result().NoOfBandInvalidQSOs(band),
                           Result().NoOfBandDupes(band), Result().NoOfBandUserDeletedQSOs(band)) +
                    Format("%5d  ", Result().NoOfBandMulties(0, band)));
    }
    d.push_back(" ");
    d.push_back(Format("  all  %5d  %5d   %4d   %4d ", Result().NoOfAllGoodQSOs(), Result().NoOfAllInvalidQSOs(),
                       Result().NoOfAllDupes(), Result().NoOfAllUserDeletedQSOs()) +
                Format("%5d  ", Result().NoOfAllMulties(0)));
}

void T_DXPDN::CreateAndAppendQSO(bool setEditedFlag) { AppendQSO(NewQSOWithDefaults(setEditedFlag)); }

}  // namespace qz
