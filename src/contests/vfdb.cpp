// VFDB contest rules: Z-DOKs and locator fields per band; a QSO within the own DOK
// scores nothing, one with a listed club station ten points.
#include "contests/vfdb.h"

#include <algorithm>

#include "base/text.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

T_VFDB::T_VFDB(const TFileHeader&) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = {b80m, b40m, b2m, b70cm};
    FModes = {mCW, mSSB};
    FExchangeColumns = TExchangeColumns{
        {lsColSentDOK, lsColOwnLocator}, {lsColRcvdDOK, lsColRcvdLocator}, {lsColDOK, lsColVFDBLocatorMulti}};
    FDOKList = LoadSimpleList("zdok.dat", TListNeed::Required, ContestLogCreateError);
    FSimpleList = LoadSimpleList("vfdb_stn.dat", TListNeed::Required, ContestLogCreateError);
    FAmiAllocationTable = LoadAmiAllocationTable("dok.dat", ContestLogCreateError);
}

std::string T_VFDB::ZDOK(int index, bool showMessage) const {
    const TQSO* q = QSOs(index);
    if (!q || !IsDLStation(q->Call())) return {};
    const std::string rcvd = q->RcvdNumbers(0);
    std::string dok = showMessage ? DOKCandidate(*this, index, rcvd) : (CheckDOK(rcvd) == 0 ? rcvd : std::string());
    return !dok.empty() && FDOKList && FDOKList->Contains(dok) ? dok : std::string();
}

std::string T_VFDB::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    if (multiIndex == 0) return NewMulti(index, 0, ZDOK(index, true), true);
    const std::string field = q->RcvdNumbers(1);
    return field.size() >= 4 ? NewMulti(index, 1, field.substr(0, 4), true) : std::string();
}

std::int32_t T_VFDB::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    const std::string sent = q->SentNumbers(0), rcvd = q->RcvdNumbers(0);
    if (CheckDOK(sent) == 0 && CheckDOK(rcvd) == 0 && SameText(sent, rcvd)) return 0;
    if (FSimpleList && FSimpleList->Contains(q->Call().Call())) return 10;
    return ZDOK(index, false).empty() ? 1 : 5;
}

std::int32_t T_VFDB::GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const {
    const std::int32_t n = Result().NoOfBandMulties(multiIndex, band);
    return multiIndex == 1 ? n * 5 : n;
}

std::int32_t T_VFDB::GetNoOfAllCalculatedMulties(int multiIndex) const {
    const std::int32_t n = Result().NoOfAllMulties(multiIndex);
    if (multiIndex == 0) return std::max(n, 1);
    return multiIndex == 1 ? n * 5 : n;
}

std::int64_t T_VFDB::GetFinalResult() const {
    return static_cast<std::int64_t>(Result().AllPoints()) *
           (GetNoOfAllCalculatedMulties(0) + GetNoOfAllCalculatedMulties(1));
}

void T_VFDB::WriteResults(std::vector<std::string>& d) const {
    d.push_back(GetLongContestName());
    d.push_back(LS(lsResultOverviewOf) + " " + FOwnCall.Call());
    d.push_back("");
    d.push_back("        " + LS(lsResultColumnTitles));
    d.push_back(" Band   QSOs   QSOs   QSOs   QSOs   DOK      Loc          Pts");
    d.push_back("");
    for (int b = b160m; b <= bSAT; ++b) {
        const auto band = static_cast<TBand>(b);
        if (!BandIsAllowed(band)) continue;
        d.push_back(Format("%5s  %5d  %5d   %4d   %4d %5d  %5d*5=%-5d %6d", std::string(BandNames[b]).c_str(),
                           Result().NoOfBandGoodQSOs(band), Result().NoOfBandInvalidQSOs(band),
                           Result().NoOfBandDupes(band), Result().NoOfBandUserDeletedQSOs(band),
                           Result().NoOfBandMulties(0, band), Result().NoOfBandMulties(1, band),
                           Result().NoOfBandMulties(1, band) * 5, Result().BandPoints(band)));
    }
    d.push_back("");
    d.push_back(Format("  all  %5d  %5d   %4d   %4d %5d      %5d     %6d", Result().NoOfAllGoodQSOs(),
                       Result().NoOfAllInvalidQSOs(), Result().NoOfAllDupes(), Result().NoOfAllUserDeletedQSOs(),
                       Result().NoOfAllMulties(0), Result().NoOfAllMulties(1) * 5, Result().AllPoints()));
    d.push_back("");
    d.push_back(LS(lsFinalResult) + " " + std::to_string(Result().AllPoints()) + " * (" +
                std::to_string(Result().NoOfAllMulties(0)) + " + " + std::to_string(Result().NoOfAllMulties(1) * 5) +
                ") = " + FormatThousands(GetFinalResult()));
}

}  // namespace qz
