// WAE DX rules: validity across the Europe/non-Europe divide, the per-station QTC
// limit, band-weighted multipliers and the report with its QTC columns.
#include "contests/wae.h"

#include <algorithm>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "contests/framework/definition.h"

namespace qz {

const std::array<int, kNoOfBands> WAEBandFactors = [] {
    std::array<int, kNoOfBands> f{};
    f[b80m] = 4;
    f[b40m] = 3;
    f[b20m] = 2;
    f[b15m] = 2;
    f[b10m] = 2;
    return f;
}();

namespace {

constexpr std::array<TBand, 5> kWAEBands = {b80m, b40m, b20m, b15m, b10m};

// Countries whose numerical call areas count as separate multipliers.
bool CountsByDistrict(const std::string& masterPrefix) {
    static constexpr std::array<std::string_view, 9> kDistrictCountries = {"K",  "VE", "VK",  "ZL", "ZS",
                                                                           "JA", "PY", "UA9", "BY"};
    return std::find(kDistrictCountries.begin(), kDistrictCountries.end(), masterPrefix) != kDistrictCountries.end();
}

// A QTC row that takes part in the counting: neither a QSO row nor deleted by the user.
bool CountsAsQTC(const TQSO& q) { return q.IsQTC() && !q.QSOFlags().Contains(qfUserDeleted); }

// The QSO a QTC row reports (time, call and serial), with the direction and the station
// it was exchanged with: the same QSO may pass between two stations once each way. Two
// QSOs with one station in the same minute (on two bands) differ by their serials.
std::string ReportedQSOKey(const TQSO& q) {
    std::string key(q.QSOFlags().Contains(qfSentQTC) ? ">" : "<");
    key += q.Call().Call();
    for (int i = 2; i <= 4; ++i) {
        key += '\t';
        key += UpperCase(TrimmedView(q.RcvdNumbers(i)));
    }
    return key;
}

}  // namespace

T_WAE::T_WAE(const TFileHeader& header) {
    FNoOfSentNumbers = 1;
    FNoOfRcvdNumbers = 5;
    FNoOfMulties = 1;
    FBands = FiveBands();
    FModes = ContestKindModes(header.fhContest_Contest);
}

// Validity, dupes and the QTC limit

bool T_WAE::IsValidQSO(int index, bool showMessage) {
    // Compile asks every line for validity first, so line 0 starts a new pass.
    if (index == 0 && CompilingLine(0)) StartCompilePass();
    if (!TContestLog::IsValidQSO(index, showMessage)) return false;
    const TQSO* q = QSOs(index);
    if (q->Mode() != mRTTY && (FOwnCall.Continent() == coEU) == (q->Call().Continent() == coEU)) {
        if (showMessage) AddMessage(LS(lsSameSideWAEQSO), index);
        return false;
    }
    if (q->IsQTC()) {
        if (const int refusal = QTCRefusal(index)) {
            if (showMessage) AddMessage(LS(refusal), index);
            return false;
        }
    }
    if (q->QSOFlags().Contains(qfTooManyQTCs)) {
        if (showMessage) AddMessage(LS(lsTooManyQTCs), index);
        return false;
    }
    return true;
}

int T_WAE::QTCRefusal(int index) {
    const TQSO& q = *QSOs(index);
    const bool ownIsEuropean = FOwnCall.Continent() == coEU;
    if (q.Mode() == mRTTY) {
        if (FOwnCall.Continent() == q.Call().Continent()) return lsQTCSameContinent;
    } else if (q.QSOFlags().Contains(qfSentQTC) == ownIsEuropean) {
        return lsQTCFromEurope;
    }
    if (!StationWorkedBy(index)) return lsQTCStationNotWorked;
    if (ReportedBefore(index)) return lsQTCRepeated;
    return 0;
}

void T_WAE::StartCompilePass() {
    FQTCsPerStation.clear();
    FReportedQSOs.clear();
    FQTCScanned = 0;
    FindFirstQSOTimes();
}

int T_WAE::ResumeCompilePass(int row) {
    const std::unordered_map<std::string, TDateTime> before = std::move(FFirstQSOTime);
    FindFirstQSOTimes();
    std::unordered_set<std::string> moved;
    for (const auto& [call, time] : FFirstQSOTime) {
        auto it = before.find(call);
        if (it == before.end() || it->second != time) moved.insert(call);
    }
    for (const auto& entry : before)
        if (FFirstQSOTime.count(entry.first) == 0) moved.insert(entry.first);
    int start = row;
    if (!moved.empty())
        for (int i = 0; i < row; ++i)
            if (QSOs(i)->IsQTC() && moved.count(QSOs(i)->Call().Call()) > 0) {
                start = i;
                break;
            }
    FQTCsPerStation.clear();
    FReportedQSOs.clear();
    FQTCScanned = 0;
    ScanQTCRowsBefore(start);
    return start;
}

void T_WAE::FindFirstQSOTimes() {
    FFirstQSOTime.clear();
    for (int i = 0; i < NoOfQSOs(); ++i) {
        const TQSO& o = *QSOs(i);
        if (o.IsQTC() || o.QSOFlags().Contains(qfUserDeleted)) continue;
        auto [it, added] = FFirstQSOTime.try_emplace(o.Call().Call(), o.DateTime());
        if (!added) it->second = std::min(it->second, o.DateTime());
    }
}

void T_WAE::ScanQTCRowsBefore(int index) {
    for (; FQTCScanned < index; ++FQTCScanned) {
        const TQSO& o = *QSOs(FQTCScanned);
        if (!CountsAsQTC(o)) continue;
        ++FQTCsPerStation[o.Call().Call()];
        FReportedQSOs.insert(ReportedQSOKey(o));
    }
}

bool T_WAE::StationWorkedBy(int index) {
    const TQSO& q = *QSOs(index);
    const std::string& call = q.Call().Call();
    if (CompilingLine(index)) {
        auto it = FFirstQSOTime.find(call);
        return it != FFirstQSOTime.end() && it->second <= q.DateTime();
    }
    for (int j = 0; j < NoOfQSOs(); ++j) {
        const TQSO& o = *QSOs(j);
        if (!o.IsQTC() && !o.QSOFlags().Contains(qfUserDeleted) && o.Call().Call() == call &&
            o.DateTime() <= q.DateTime())
            return true;
    }
    return false;
}

bool T_WAE::ReportedBefore(int index) {
    const TQSO& q = *QSOs(index);
    const std::string key = ReportedQSOKey(q);
    if (CompilingLine(index) && FQTCScanned <= index) {
        ScanQTCRowsBefore(index);
        return FReportedQSOs.count(key) > 0;
    }
    for (int j = 0; j < index; ++j) {
        const TQSO& o = *QSOs(j);
        if (CountsAsQTC(o) && o.Call().Call() == q.Call().Call() && ReportedQSOKey(o) == key) return true;
    }
    return false;
}

std::string T_WAE::DupeKey(int index) const {
    // QTC rows share one key that no QSO row has: they never make a QSO row a dupe.
    const TQSO* q = QSOs(index);
    if (q && q->IsQTC()) return "\x02QTC";
    return TContestLog::DupeKey(index);
}

bool T_WAE::IsDupe(int index) {
    TQSO* q = QSOs(index);
    if (!q) return false;
    if (!q->IsQTC()) return TContestLog::IsDupe(index);
    if (EarlierQTCsWithStation(index) < kMaxQTCsPerStation) {
        q->ExcludeFlag(qfTooManyQTCs);
        return false;
    }
    q->IncludeFlag(qfTooManyQTCs);
    // Compile clears the flag before asking for validity, so the reason is told here.
    if (CompilingLine(index)) AddMessage(LS(lsTooManyQTCs), index);
    return false;
}

int T_WAE::EarlierQTCsWithStation(int index) {
    const std::string& call = QSOs(index)->Call().Call();
    if (CompilingLine(index) && FQTCScanned <= index) {
        // During Compile the rows are asked in order: count each row once.
        ScanQTCRowsBefore(index);
        auto it = FQTCsPerStation.find(call);
        return it == FQTCsPerStation.end() ? 0 : it->second;
    }
    int n = 0;
    for (int j = 0; j < index; ++j) {
        const TQSO& o = *QSOs(j);
        if (CountsAsQTC(o) && o.Call().Call() == call) ++n;
    }
    return n;
}

// Multipliers, points, result

std::string T_WAE::GetMulti(int index, int multiIndex) {
    const TQSO* q = QSOs(index);
    // QTC rows bring points only: a multiplier is earned by a contact, and the register
    // (which holds QSO rows only) must agree with the count.
    if (!q || multiIndex != 0 || !q->IsGood() || q->IsQTC()) return {};
    const std::string master = q->Call().CtyMasterPrefix();
    return NewMulti(index, 0, CountsByDistrict(master) ? q->Call().District() : master, true);
}

std::int32_t T_WAE::GetPoints(int index) {
    const TQSO* q = QSOs(index);
    if (!q || !q->IsGood()) return 0;
    if (q->Mode() == mRTTY) return 1;
    const TCall& worked = q->Call();
    return FOwnCall.CtyMasterPrefix() != worked.CtyMasterPrefix() && FOwnCall.Continent() != worked.Continent() ? 1 : 0;
}

std::int32_t T_WAE::GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const {
    return Result().NoOfBandMulties(multiIndex, band) * WAEBandFactors[band];
}

std::int32_t T_WAE::GetNoOfAllCalculatedMulties(int multiIndex) const {
    std::int32_t sum = 0;
    for (TBand b : kWAEBands)
        if (BandIsAllowed(b)) sum += GetNoOfCalculatedBandMulties(multiIndex, b);
    return sum;
}

std::int64_t T_WAE::GetFinalResult() const {
    return static_cast<std::int64_t>(GetNoOfAllCalculatedMulties(0)) * Result().AllPoints();
}

void T_WAE::WriteResults(std::vector<std::string>& d) const {
    d.push_back(GetLongContestName());
    d.push_back(LS(lsResultOverviewOf) + " " + FOwnCall.Call());
    d.push_back(" ");
    d.push_back("        Good  Invalid Dupe  Deleted  Good  Invalid");
    d.push_back(" Band   QSOs   QSOs   QSOs  QSO+QTC  QTCs   QTCs   Cty  Factor Mul  Pts");
    d.push_back("");
    for (TBand b : kWAEBands) {
        if (!BandIsAllowed(b)) continue;
        d.push_back(Format("%5s  %5d  %5d   %4d   %4d   %5d  %5d  %4d     %1d  %4d %4d",
                           std::string(BandNames[b]).c_str(), Result().NoOfBandGoodQSOs(b),
                           Result().NoOfBandInvalidQSOs(b), Result().NoOfBandDupes(b),
                           Result().NoOfBandUserDeletedQSOs(b), Result().NoOfBandGoodQTCs(b),
                           Result().NoOfBandInvalidQTCs(b), Result().NoOfBandMulties(0, b), WAEBandFactors[b],
                           GetNoOfCalculatedBandMulties(0, b), Result().BandPoints(b)));
    }
    d.push_back("");
    const std::int32_t weighted = GetNoOfAllCalculatedMulties(0);
    d.push_back(Format("  all  %5d  %5d   %4d   %4d   %5d  %5d  %4d        %4d %4d", Result().NoOfAllGoodQSOs(),
                       Result().NoOfAllInvalidQSOs(), Result().NoOfAllDupes(), Result().NoOfAllUserDeletedQSOs(),
                       Result().NoOfAllGoodQTCs(), Result().NoOfAllInvalidQTCs(), Result().NoOfAllMulties(0), weighted,
                       Result().AllPoints()));
    d.push_back("");
    d.push_back(LS(lsFinalResult) + " " + std::to_string(Result().AllPoints()) + " * " + std::to_string(weighted) +
                " = " + FormatThousands(GetFinalResult()));
}

// New rows, columns, cells

void T_WAE::CreateAndAppendQSO(bool setEditedFlag) {
    auto q = NewQSOWithDefaults(setEditedFlag);
    for (int i = 0; i < FNoOfRcvdNumbers; ++i) q->SetRcvdHasBeenSet(i, false);
    if (FQSOList.empty()) {
        q->SetSentNumbers(0, "001");
        AppendQSO(std::move(q));
        return;
    }
    const TQSO& last = *FQSOList.back();
    if (last.IsQTC()) {
        // The next QTC of the same group with the same station.
        SQSOFlags kind;
        kind.Include(last.QSOFlags().Contains(qfSentQTC) ? qfSentQTC : qfRcvdQTC);
        q->SetQSOFlags(kind);
        q->SetSentRST("");
        q->SetRcvdRST("");
        q->SetCall(last.Call().Call());
        q->SetSentNumbers(0, "");
        q->SetRcvdNumbers(1, last.RcvdNumbers(1));
        q->SetRcvdHasBeenSet(1, true);
    } else {
        std::int32_t n;
        q->SetSentNumbers(0, TryStrToInt(last.SentNumbers(0), n) ? ZeroPadded(std::int64_t{n} + 1, 3) : std::string());
    }
    AppendQSO(std::move(q));
}

void T_WAE::SetColumns() {
    FColumnDescriptors.clear();
    const S_QSO_QTC qso{qqQSO};
    const S_QSO_QTC qtc{qqQTC};
    const S_QSO_QTC both{qqQSO, qqQTC};
    SetColumn(cpNr, lsColNr, -1, {}, "");
    SetColumn(cpMark, -1, -1, {}, "");
    SetColumn(cpIsQTC, lsColQSOOrQTC, -1, both, "");
    SetColumn(cpDate, lsColDate, -1, both, "Date");
    SetColumn(cpBand, lsBand, -1, both, "Band");
    SetColumn(cpMode, lsColMode, -1, both, "Mode");
    SetColumn(cpCall, lsColCall, -1, both, "Call");
    SetColumn(cpTime, lsColTime, -1, both, "Time");
    SetColumn(cpSentRST, lsColSentRST, -1, qso, "SRst");
    SetColumn(cpSentNumber, lsColSerial, 0, qso, "Sent");
    SetColumn(cpRcvdRST, lsColRcvdRST, -1, qso, "RRst");
    SetColumn(cpRcvdNumber, lsColSerial, 0, qso, "Rcvd");
    SetColumn(cpRcvdNumber, lsColQTCGroup, 1, qtc, "QTCn");
    SetColumn(cpRcvdNumber, lsColQTCTime, 2, qtc, "Qtim");
    SetColumn(cpRcvdNumber, lsColQTCCall, 3, qtc, "Qcal");
    SetColumn(cpRcvdNumber, lsColQTCSerial, 4, qtc, "Qinf");
    SetColumn(cpMul, lsColMulti1, 0, {}, "");
    SetColumn(cpPoints, lsColPoints, -1, {}, "");
    SetColumn(cpFlags, lsColFlags, -1, {}, "");
}

bool T_WAE::CanSelectCell(int col, int row) const {
    const TColumnProperty property = ColumnProperty(col);
    const TQSO* q = row >= 1 ? QSOs(row - 1) : nullptr;
    if (q && q->IsQTC()) {
        switch (property) {
            case cpNr:
            case cpMark:
            case cpSentRST:
            case cpSentNumber:
            case cpRcvdRST:
            case cpMul:
            case cpPoints:
            case cpFlags: return false;
            case cpRcvdNumber: return IsAQTCRcvdNumber(ColumnArrayIndex(col));
            default: return true;
        }
    }
    if (!TContestLog::CanSelectCell(col, row)) return false;
    return property != cpRcvdNumber || ColumnArrayIndex(col) == 0;
}

bool T_WAE::IsAQTCContest() const { return true; }
bool T_WAE::IsAQTCRcvdNumber(int numberIndex) const { return numberIndex >= 1 && numberIndex <= 4; }
int T_WAE::GetSentNumericNumberIndex() const { return 0; }
int T_WAE::GetRcvdNumericNumberIndex() const { return 0; }

}  // namespace qz
