// The compile pass and the base rule operations of every contest.
#include <algorithm>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "reflists/memberlist.h"
#include "engine/contestlog.h"

namespace qz {

void TContestLog::ResetResults() {
    FResult_NoOfBandGoodQSOs = {};
    FResult_NoOfBandModeGoodQSOs = {};
    FResult_NoOfBandGoodQTCs = {};
    FResult_NoOfBandInvalidQSOs = {};
    FResult_NoOfBandInvalidQTCs = {};
    FResult_NoOfBandDupes = {};
    FResult_NoOfBandUserDeletedQSOs = {};
    FResult_NoOfBandMulties.assign(static_cast<std::size_t>(FNoOfMulties), TBandResult{});
    FResult_BandPoints = {};
    FResult_NoOfAllGoodQSOs = 0;
    FResult_NoOfAllModeGoodQSOs = {};
    FResult_NoOfAllGoodQTCs = 0;
    FResult_NoOfAllInvalidQSOs = 0;
    FResult_NoOfAllInvalidQTCs = 0;
    FResult_NoOfAllDupes = 0;
    FResult_NoOfAllUserDeletedQSOs = 0;
    FResult_NoOfAllMulties.assign(static_cast<std::size_t>(FNoOfMulties), 0);
    FResult_AllPoints = 0;
    FMultiList.assign(static_cast<std::size_t>(FNoOfMulties), TMultiList{});
    FSeenMulties.assign(static_cast<std::size_t>(FNoOfMulties), {});
    FSeenDupeKeys.clear();
}

void TContestLog::Compile(const TCompileSettings& settings) {
    FCompileSettings = settings;
    AddMessage("", -1);
    AddMessage(LS(lsCompileStarted), -1);
    for (auto& q : FQSOList) {
        CivilTime t = DecodeTime(q->DateTime());
        q->SetDateTime(CombineDateTime(q->DateTime(), EncodeTime(t.hour, t.minute, 0, 0)));
    }
    if (FCompileSettings.SortLog) SortByTime();
    ResetResults();
    FSeenDupeKeys.reserve(FQSOList.size());
    for (auto& q : FQSOList) q->ClearMulties();

    ProgressStart(NoOfQSOs());
    for (int i = 0; i < NoOfQSOs(); ++i) {
        FCompileIndex = i;
        CompileLine(i);
        NoteCompiledLine(i);
        ProgressStep(1);
    }
    FCompileIndex = -1;
    for (int b = b160m; b <= bSAT; ++b)
        if (BandIsAllowed(static_cast<TBand>(b))) AddBandToTotals(static_cast<TBand>(b));
    ProgressEnd();
    AddMessage(LS(lsCompileDone) + " (" + std::to_string(GetFinalResult()) + " " + LS(lsPointsWord) + ")", -1);
}

void TContestLog::CompileLine(int i) {
    TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
    SQSOFlags flags = q.QSOFlags();
    flags.Exclude(qfDupe);
    flags.Exclude(qfTooManyQTCs);
    flags.Exclude(qfInvalid);
    q.SetQSOFlags(flags);

    if (IsValidQSO(i, true)) {
        if (IsDupe(i)) q.IncludeFlag(qfDupe);
        TBand b = q.Band();
        if (q.QSOFlags().Contains(qfDupe)) ++FResult_NoOfBandDupes[b];
        else if (q.QSOFlags().Contains(qfUserDeleted)) ++FResult_NoOfBandUserDeletedQSOs[b];
        else if (q.IsQTC()) {
            if (q.QSOFlags().Contains(qfTooManyQTCs)) ++FResult_NoOfBandInvalidQTCs[b];
            else ++FResult_NoOfBandGoodQTCs[b];
        } else {
            ++FResult_NoOfBandGoodQSOs[b];
            ++FResult_NoOfBandModeGoodQSOs[q.Mode()][b];
        }
    } else {
        q.IncludeFlag(qfInvalid);
        if (q.IsQTC()) ++FResult_NoOfBandInvalidQTCs[q.Band()];
        else ++FResult_NoOfBandInvalidQSOs[q.Band()];
    }

    SetCallDependingStuff(i);
    for (int k = 0; k < FNoOfMulties; ++k) {
        std::string v = GetMulti(i, k);
        q.SetMulties(k, v);
        if (v.empty()) continue;
        ++FResult_NoOfBandMulties[static_cast<std::size_t>(k)][q.Band()];
        if (!q.IsQTC()) RegisterMulti(k, v, q.Band(), q.Call().Call());
    }
    std::int32_t p = GetPoints(i);
    q.SetPoints(p);
    FResult_BandPoints[q.Band()] += p;
}

// Only a line that counts makes a later contact with the same station a dupe: one the
// user deleted or the rules rejected (band or mode not allowed, no country, a contest's
// own checks) does not, or a committee would lose the later, valid contact.
bool TContestLog::CanMakeDupes(const TQSO& q) {
    const SQSOFlags f = q.QSOFlags();
    return !f.Contains(qfUserDeleted) && !f.Contains(qfInvalid);
}

// Records what line i carries, for the rules asked about the lines after it.
void TContestLog::NoteCompiledLine(int i) {
    const TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
    if (CanMakeDupes(q)) FSeenDupeKeys.insert(DupeKey(i));
    for (int k = 0; k < FNoOfMulties; ++k) {
        std::string v = q.Multies(k);
        if (v.empty()) continue;
        TSeenMulti& seen = FSeenMulties[static_cast<std::size_t>(k)][v];
        seen.bands.Include(q.Band());
        seen.modes[q.Band()].Include(q.Mode());
    }
}

void TContestLog::AddBandToTotals(TBand b) {
    FResult_NoOfAllGoodQSOs += FResult_NoOfBandGoodQSOs[b];
    for (int m = mCW; m <= mATV; ++m) FResult_NoOfAllModeGoodQSOs[m] += FResult_NoOfBandModeGoodQSOs[m][b];
    FResult_NoOfAllGoodQTCs += FResult_NoOfBandGoodQTCs[b];
    FResult_NoOfAllInvalidQSOs += FResult_NoOfBandInvalidQSOs[b];
    FResult_NoOfAllInvalidQTCs += FResult_NoOfBandInvalidQTCs[b];
    FResult_NoOfAllDupes += FResult_NoOfBandDupes[b];
    FResult_NoOfAllUserDeletedQSOs += FResult_NoOfBandUserDeletedQSOs[b];
    for (int k = 0; k < FNoOfMulties; ++k)
        FResult_NoOfAllMulties[static_cast<std::size_t>(k)] += FResult_NoOfBandMulties[static_cast<std::size_t>(k)][b];
    FResult_AllPoints += FResult_BandPoints[b];
}

std::int32_t TContestLog::GetNoOfBandMulties(int multiIndex, TBand b) const {
    if (multiIndex < 0 || multiIndex >= static_cast<int>(FResult_NoOfBandMulties.size())) return 0;
    return FResult_NoOfBandMulties[static_cast<std::size_t>(multiIndex)][b];
}

std::int32_t TContestLog::GetNoOfAllMulties(int multiIndex) const {
    if (multiIndex < 0 || multiIndex >= static_cast<int>(FResult_NoOfAllMulties.size())) return 0;
    return FResult_NoOfAllMulties[static_cast<std::size_t>(multiIndex)];
}

void TContestLog::RegisterMulti(int multiIndex, const std::string& value, TBand band, const std::string& call) {
    if (multiIndex < 0 || multiIndex >= static_cast<int>(FMultiList.size())) return;
    TMultiListItem& item = FMultiList[static_cast<std::size_t>(multiIndex)][value];
    item.mliBandLists[band].push_back(call);
    item.mliSummaryList.push_back(call);
}

std::string TContestLog::NewMulti(int index, int multiIndex, const std::string& candidate, bool bandWise) {
    return NewMulti(index, multiIndex, candidate, bandWise ? TMultiScope::Band : TMultiScope::Log);
}

std::string TContestLog::NewMulti(int index, int multiIndex, const std::string& candidate, TMultiScope scope) {
    if (multiIndex < 0 || multiIndex >= FNoOfMulties || candidate.empty()) return {};
    TQSO* q = QSOs(index);
    if (!q) return {};
    bool seen = false;
    if (CompilingLine(index)) {
        const auto& m = FSeenMulties[static_cast<std::size_t>(multiIndex)];
        auto it = m.find(candidate);
        if (it != m.end()) {
            switch (scope) {
                case TMultiScope::Log: seen = !it->second.bands.Empty(); break;
                case TMultiScope::Band: seen = it->second.bands.Contains(q->Band()); break;
                case TMultiScope::BandMode: seen = it->second.modes[q->Band()].Contains(q->Mode()); break;
            }
        }
    } else {
        for (int j = 0; j <= index && !seen; ++j) {
            const TQSO& o = *FQSOList[static_cast<std::size_t>(j)];
            seen = o.Multies(multiIndex) == candidate && (scope == TMultiScope::Log || o.Band() == q->Band()) &&
                   (scope != TMultiScope::BandMode || o.Mode() == q->Mode());
        }
    }
    if (!seen) return candidate;
    if (!q->IsQTC()) RegisterMulti(multiIndex, candidate, q->Band(), q->Call().Call());
    return {};
}

std::string TContestLog::DupeKey(int index) const {
    const TQSO* q = QSOs(index);
    if (!q) return {};
    std::string key = q->Call().Call();
    key += '\x01';
    key += static_cast<char>('A' + q->Band());
    return key;
}

// --- Base rules ------------------------------------------------------------------------

bool TContestLog::IsDupe(int index) {
    const TQSO* q = QSOs(index);
    if (!q) return false;
    if (CompilingLine(index)) return FSeenDupeKeys.count(DupeKey(index)) > 0;
    std::string key = DupeKey(index);
    for (int j = 0; j < index; ++j)
        if (CanMakeDupes(*FQSOList[static_cast<std::size_t>(j)]) && DupeKey(j) == key) return true;
    return false;
}

std::string TContestLog::GetMulti(int, int) { return {}; }
std::int32_t TContestLog::GetPoints(int) { return 0; }

std::int64_t TContestLog::GetFinalResult() const {
    if (FNoOfMulties == 0) return GetAllPoints();
    std::int64_t multis = 0;
    for (int k = 0; k < FNoOfMulties; ++k) multis += GetNoOfAllMulties(k);
    return static_cast<std::int64_t>(GetAllPoints()) * multis;
}

void TContestLog::CreateAndAppendQSO(bool) {}

std::string TContestLog::GetRcvdNumberToAppend(int qsoIndex, int numberIndex, std::vector<std::string>& rcvdList) {
    rcvdList.clear();
    const TQSO* ref = QSOs(qsoIndex > 0 ? qsoIndex - 1 : 0);
    std::string r = ref ? ref->RcvdNumbers(numberIndex) : std::string();
    rcvdList.push_back(r);
    return r;
}

void TContestLog::SetCallDependingStuff(int) {}
bool TContestLog::IsAQTCContest() const { return false; }
bool TContestLog::IsAnExtensionRelevantContest() const { return false; }
std::int32_t TContestLog::GetNoOfCalculatedBandMulties(int multiIndex, TBand band) const {
    return GetNoOfBandMulties(multiIndex, band);
}
std::int32_t TContestLog::GetNoOfAllCalculatedMulties(int multiIndex) const { return GetNoOfAllMulties(multiIndex); }
bool TContestLog::IsAQTCRcvdNumber(int) const { return false; }

bool TContestLog::IsValidQSO(int index, bool showMessage) {
    const TQSO* q = QSOs(index);
    if (!q) return false;
    auto prefix = [](bool rejected) { return rejected ? LS(lsWarning) + ": " : std::string(); };
    if (!BandIsAllowed(q->Band())) {
        bool reject = FCompileSettings.CancelQSOIfBandIsNotAllowed;
        if (showMessage)
            AddMessage(prefix(reject) + LS(lsBand) + " " + Trim(BandNames[q->Band()]) + " " + LS(lsNotAllowed), index);
        if (reject) return false;
    }
    if (FOwnCall.CtyMasterPrefix().empty() || q->Call().CtyMasterPrefix().empty()) {
        if (showMessage) AddMessage(LS(lsNoCountry) + " " + q->Call().Call(), index);
        return false;
    }
    if (!ModeIsAllowed(q->Mode())) {
        bool reject = FCompileSettings.CancelQSOIfModeIsNotAllowed;
        if (showMessage)
            AddMessage(prefix(reject) + LS(lsMode) + " " + std::string(ModeNames[q->Mode()]) + " " + LS(lsNotAllowed),
                       index);
        if (reject) return false;
    }
    return true;
}

std::string TContestLog::GetSwisslogSPField(int) const { return {}; }
std::string TContestLog::GetDOKFromRcvdNumber(int) const { return {}; }
int TContestLog::GetSentNumericNumberIndex() const { return -1; }
int TContestLog::GetRcvdNumericNumberIndex() const { return -1; }
bool TContestLog::IsSpecialCountry(int) const { return false; }
void TContestLog::SetSpecialCountries() { FSpecialCountries.clear(); }

std::string TContestLog::GetSpecialCountries() const {
    std::string s;
    for (const auto& c : FSpecialCountries) s += (s.empty() ? "" : "/") + c;
    return s;
}

std::string TContestLog::GetSpecialSTFCategory() const { return {}; }
bool TContestLog::IsAVHFContest() const { return false; }
bool TContestLog::IsAMemberNumberContest() const { return FMemberList != nullptr; }

TContest TContestLog::IsObsolete(std::string& msg) const {
    msg.clear();
    return FContest;
}

// --- Helpers ---------------------------------------------------------------------------

void TContestLog::AddMessage(const std::string& text, int qsoIndex) const {
    if (!MessageLines) return;
    if (qsoIndex == -1) MessageLines->push_back(text);
    else MessageLines->push_back(Format("%s%d%s %s", "QSO #", qsoIndex + 1, ":", text.c_str()));
}

std::string TContestLog::QueryExchangeValue(int promptStringIndex, const std::string& def) const {
    if (!ShowMessageBoxes || promptStringIndex == -1) return {};
    std::string value = def;
    for (;;) {
        if (!FrontEnd().QueryText(LS(lsConstantSentExchange), LS(promptStringIndex), value)) return def;
        // The exchange may not contain blanks; ask again.
        if (value.find(' ') == std::string::npos) return value;
    }
}

std::string TContestLog::NextSentSerialText(int numberIndex) const {
    if (FQSOList.empty()) return "001";
    std::int32_t n;
    if (TryStrToInt(FQSOList.back()->SentNumbers(numberIndex), n)) return ZeroPadded(std::int64_t{n} + 1, 3);
    return ZeroPadded(NoOfQSOs() + 1, 3);
}

std::unique_ptr<TQSO> TContestLog::NewQSOWithDefaults(bool setEditedFlag) const {
    auto q = NewQSO(setEditedFlag);
    if (!FQSOList.empty()) {
        const TQSO& last = *FQSOList.back();
        q->SetBand(last.Band());
        q->SetMode(last.Mode());
        q->SetDateTime(last.DateTime());
        q->SetSentRST(last.SentRST());
        q->SetRcvdRST(last.RcvdRST());
        return q;
    }
    q->SetBand(b20m);
    TMode first = mCW;
    for (int m = mCW; m <= mATV; ++m)
        if (FModes.Contains(static_cast<TMode>(m))) {
            first = static_cast<TMode>(m);
            break;
        }
    q->SetMode(first);
    q->SetDateTime(NowLocal());
    q->SetSentRST(RSTText(DefaultRST[first]));
    q->SetRcvdRST(RSTText(DefaultRST[first]));
    q->SetTimeHasBeenSet(true);
    q->SetRcvdHasBeenSet(0, false);
    return q;
}

}  // namespace qz
