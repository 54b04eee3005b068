// WAG contest rules. German stations count countries per band, foreign stations count
// the district letters of the DOKs they work; both keep a CW and an SSB QSO with one
// station on one band.
#include "contests/wag.h"

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

void WriteModeReport(const TContestLog& log, std::vector<std::string>& d, std::int64_t finalResult) {
    d.push_back(log.GetLongContestName());
    d.push_back(LS(lsResultOverviewOf) + " " + log.OwnCall().Call());
    d.push_back("");
    std::string head1 = "      ", head2 = " Band  ";
    for (int m = mCW; m <= mATV; ++m)
        if (log.ModeIsAllowed(static_cast<TMode>(m))) {
            head1 += "  Gd QSO";
            head2 += Format(" %6s ", std::string(ModeNames[m]).c_str());
        }
    d.push_back(head1 + "  Gd QSO  Invalid Dupe  Deleted");
    head2 += "  total   QSOs   QSOs   QSOs ";
    if (log.NoOfMulties() == 1) head2 += "  Mul  ";
    else
        for (int k = 0; k < log.NoOfMulties(); ++k) head2 += " Mul" + std::to_string(k + 1) + "  ";
    d.push_back(head2 + "  Pts");
    d.push_back("");
    for (int b = b160m; b <= bSAT; ++b) {
        const auto band = static_cast<TBand>(b);
        if (!log.BandIsAllowed(band)) continue;
        d.push_back(Format("%5s   %6d  %6d   %5d  %5d   %4d   %4d %5d  %5d", std::string(BandNames[b]).c_str(),
                           log.Result().NoOfBandModeGoodQSOs(band, mCW), log.Result().NoOfBandModeGoodQSOs(band, mSSB),
                           log.Result().NoOfBandGoodQSOs(band), log.Result().NoOfBandInvalidQSOs(band),
                           log.Result().NoOfBandDupes(band), log.Result().NoOfBandUserDeletedQSOs(band),
                           log.Result().NoOfBandMulties(0, band), log.Result().BandPoints(band)));
    }
    d.push_back("");
    d.push_back(Format("  all   %6d  %6d   %5d  %5d   %4d   %4d %5d  %5d", log.Result().NoOfAllModeGoodQSOs(mCW),
                       log.Result().NoOfAllModeGoodQSOs(mSSB), log.Result().NoOfAllGoodQSOs(),
                       log.Result().NoOfAllInvalidQSOs(), log.Result().NoOfAllDupes(),
                       log.Result().NoOfAllUserDeletedQSOs(), log.Result().NoOfAllMulties(0),
                       log.Result().AllPoints()));
    d.push_back("");
    d.push_back(LS(lsFinalResult) + " " + std::to_string(log.Result().AllPoints()) + " * " +
                std::to_string(log.Result().NoOfAllMulties(0)) + " = " + FormatThousands(finalResult));
}

TWAGContest::TWAGContest(bool homeSide, TContest otherSide) : TTwoSidedContest({"DL"}, homeSide, otherSide) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 1;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = {mCW, mSSB};
    FDupeScope = TDupeScope::BandMode;
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

void TWAGContest::WriteResults(std::vector<std::string>& destination) const {
    WriteModeReport(*this, destination, GetFinalResult());
}

std::string TWAGContest::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    if (numberIndex != 0) return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
    return SuggestDOK(*this, qsoIndex, 0, false, TSuggestionFallback::BaseListOnly, rcvdList);
}

std::string TWAGContest::GetSwisslogSPField(int qsoIndex) const { return RcvdOfDLStation(*this, qsoIndex, 0); }

T_WAGDL::T_WAGDL(const TFileHeader&) : TWAGContest(true, cWAGdx) {
    FExchangeColumns = TExchangeColumns{{lsColDOK}, {lsColRcvdExchange}, {lsColMulti1}};
    FSpecialCountries = {"DL"};
}

std::string T_WAGDL::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
}

std::int32_t T_WAGDL::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (q->Call().CtyMasterPrefix() == FOwnCall.CtyMasterPrefix()) return 1;
    return q->Call().Continent() == FOwnCall.Continent() ? 3 : 5;
}

void T_WAGDL::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (FQSOList.empty()) {
        q->SetSentRST("599");
        q->SetSentNumbers(0, AskSentDOK(*this, setEditedFlag));
    } else {
        q->CopySentNumber(0, *FQSOList.back());
    }
    AppendQSO(std::move(q));
}

T_WAGDX::T_WAGDX(const TFileHeader&) : TWAGContest(false, cWAG) {
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColDOK}, {lsColDOKLetterMulti}};
}

bool T_WAGDX::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, true, lsNotDL, true);
}

std::string T_WAGDX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood() || !IsDLStation(q->Call())) return {};
    const std::string dok = DOKCandidate(*this, index, q->RcvdNumbers(0));
    return NewMulti(index, 0, dok.empty() ? dok : UpperCase(dok.substr(0, 1)), true);
}

std::int32_t T_WAGDX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return q->Call().CtyMasterPrefix() == FOwnCall.CtyMasterPrefix() ? 0 : 3;
}

}  // namespace qz
