// Swiss contest rules: cantons from "helvetia.dat" per band; Swiss stations in the
// Helvetia contest also count countries.
#include "contests/helvetia.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "reflists/amiallocationtable.h"
#include "contests/framework/definition.h"
#include "contests/framework/dok.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"

namespace qz {

namespace {

// Both Swiss sides send a serial number and ask for the own canton in the first line.
void AppendSerialAndCanton(TContestLog& log, std::unique_ptr<TQSO> q, bool first, bool setEditedFlag) {
    q->SetSentNumbers(0, log.NextSentSerialText(0));
    if (first) {
        if (!setEditedFlag) q->SetSentNumbers(1, log.QueryExchangeValue(lsColCanton, log.ConstantSentNumber()));
    } else {
        q->CopySentNumber(1, *log.QSOs(log.NoOfQSOs() - 1));
    }
    log.AppendQSO(std::move(q));
}

}  // namespace

// T_HELVET_DX

T_HELVET_DX::T_HELVET_DX(const TFileHeader&) : TTwoSidedContest({"HB"}, false, cHB9hb) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY, mPSK};
    FExchangeColumns = TExchangeColumns{{lsColSentExchange}, {lsColRcvdExchange, lsColCanton}, {lsColCanton}};
    FMiscAllocationTable = LoadMiscAllocationTable("helvetia.dat", ContestLogCreateError);
}

bool T_HELVET_DX::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, true, lsNotHB, true);
}

std::string T_HELVET_DX::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    return NewMulti(index, 0, RegionCandidate(index, q->RcvdNumbers(1), " "), true);
}

std::int32_t T_HELVET_DX::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 3 : 0;
}

std::string T_HELVET_DX::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    std::string result;
    if (numberIndex == 1 && SuggestRegion(qsoIndex, 1, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

// T_HELVET_HB

T_HELVET_HB::T_HELVET_HB(const TFileHeader&) : TTwoSidedContest({"HB"}, true, cHB9) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 2;
    FBands = SixBands();
    FModes = {mCW, mSSB, mRTTY, mPSK};
    FExchangeColumns = TExchangeColumns{
        {lsColSentExchange, lsColCanton}, {lsColRcvdExchange, lsColCanton}, {lsColMulti1, lsColCanton}};
    FMiscAllocationTable = LoadMiscAllocationTable("helvetia.dat", ContestLogCreateError);
}

std::string T_HELVET_HB::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex < 0 || multiIndex >= FNoOfMulties || !q->IsGood()) return {};
    if (multiIndex == 0) return NewMulti(index, 0, q->Call().CtyMasterPrefix(), true);
    if (!IsHomeStation(q->Call())) return {};
    return NewMulti(index, 1, RegionCandidate(index, q->RcvdNumbers(1), " "), true);
}

std::int32_t T_HELVET_HB::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    return q->Call().Continent() == FOwnCall.Continent() ? 1 : 3;
}

void T_HELVET_HB::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    AppendSerialAndCanton(*this, NewQSOWithDefaults(setEditedFlag), first, setEditedFlag);
}

std::string T_HELVET_HB::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    std::string result;
    if (numberIndex == 1 && SuggestRegion(qsoIndex, 1, rcvdList, result)) return result;
    return TContestLog::GetRcvdNumberToAppend(qsoIndex, numberIndex, rcvdList);
}

// T_XMAS_HB

T_XMAS_HB::T_XMAS_HB(const TFileHeader& header) : TTwoSidedContest({"HB"}, true, cNoContest) {
    FNoOfSentNumbers = 2;
    FNoOfRcvdNumbers = 2;
    FNoOfMulties = 1;
    FBands = {b80m, b40m};
    FModes = ContestKindModes(header.fhContest_Contest);
    FExchangeColumns =
        TExchangeColumns{{lsColSentExchange, lsColCanton}, {lsColRcvdExchange, lsColCanton}, {lsColCanton}};
    FMiscAllocationTable = LoadMiscAllocationTable("helvetia.dat", ContestLogCreateError);
    // Stations anywhere may enter; the contest has no second side.
    FObligatoryCty.clear();
}

bool T_XMAS_HB::IsValidQSO(int index, bool showMessage) {
    return IsValidForSide(index, showMessage, true, lsNotHB, true);
}

std::string T_XMAS_HB::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    if (!q || multiIndex != 0 || !q->IsGood()) return {};
    // The canton text counts as received; an unknown one is reported but still counts.
    const std::string canton = q->RcvdNumbers(1);
    if (!FMiscAllocationTable || FMiscAllocationTable->GetMainItem(canton, false).empty())
        AddMessage(LS(lsUnknownRegion) + " " + canton, index);
    return NewMulti(index, 0, canton, true);
}

std::int32_t T_XMAS_HB::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    return q && q->IsGood() ? 1 : 0;
}

void T_XMAS_HB::CreateAndAppendQSO(bool setEditedFlag) {
    const bool first = FQSOList.empty();
    auto q = NewQSOWithDefaults(setEditedFlag);
    if (first) {
        q->SetBand(b80m);
        const TMode mode = Contest() == cXMAShb_psk ? mPSK : Contest() == cXMAShb_ssb ? mSSB : mCW;
        q->SetMode(mode);
        q->SetSentRST(RSTText(DefaultRST[mode]));
        q->SetRcvdRST(RSTText(DefaultRST[mode]));
    }
    AppendSerialAndCanton(*this, std::move(q), first, setEditedFlag);
}

std::string T_XMAS_HB::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    std::string result;
    if (numberIndex == 1 && SuggestRegion(qsoIndex, 1, rcvdList, result)) return result;
    return BaseListOnly(*this, qsoIndex, numberIndex, rcvdList);
}

}  // namespace qz
