// The compile pass and the base rule operations of every contest.
#include <algorithm>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "reflists/memberlist.h"
#include "engine/contestlog.h"
#include "engine/compilepass.h"

namespace qz {

void TContestLog::ResetResults() {
    FResult.ResetBands(FNoOfMulties);
    FResult.ResetTotals(FNoOfMulties);
    FPass->Reset(FNoOfMulties);
}

const TCompileResult& TContestLog::Compile(const TCompileSettings& settings) {
    FCompileSettings = settings;
    AddMessage("", -1);
    AddMessage(LS(lsCompileStarted), -1);
    for (auto& q : FQSOList) q->SetDateTime(WholeMinute(q->DateTime()));
    if (FCompileSettings.SortLog) SortByTime();
    ProgressStart(NoOfQSOs());
    RunPass(0, true);
    ProgressEnd();
    AddMessage(CompileDoneMessage(), -1);
    return FResult;
}

std::string TContestLog::CompileDoneMessage() const {
    return LS(lsCompileDone) + " (" + std::to_string(GetFinalResult()) + " " + LS(lsPointsWord) + ")";
}

int TContestLog::RecompileFrom(int row) {
    int start = std::clamp(row, 0, NoOfQSOs());
    start = std::min(start, static_cast<int>(FPass->traces.size()));
    for (int i = 0; i < start; ++i)
        if (FPass->traces[static_cast<std::size_t>(i)].qso != FQSOList[static_cast<std::size_t>(i)].get()) {
            start = i;
            break;
        }
    if (start > 0) start = std::clamp(ResumeCompilePass(start), 0, start);
    RunPass(start, false);
    return start;
}

TLineForecast TContestLog::ForecastLine(int row, const TQSO& line) {
    TLineForecast forecast;
    // The pass must hold every line, or every line but the last (the fresh line at the
    // end, which the editor leaves out of the pass until it has a call).
    const bool current = FPass->IsCurrentFor(FQSOList, FQSOList.size()) ||
                         (!FQSOList.empty() && FPass->IsCurrentFor(FQSOList, FQSOList.size() - 1));
    if (QSOs(row) == nullptr || FCompileIndex >= 0 || !current) return forecast;
    // The line's place is lent to a copy of `line` while the rules judge it; messages
    // and register entries are not wanted for a line that is only being typed.
    auto probe = NewQSO(false);
    probe->CopyFrom(&line);
    std::swap(FQSOList[static_cast<std::size_t>(row)], probe);
    TMessageLoan quiet(*this, nullptr);
    FProbeIndex = row;
    const TLineCount counted = JudgeLine(row, false);
    forecast.known = true;
    forecast.invalid = counted == TLineCount::InvalidQSO || counted == TLineCount::InvalidQTC;
    if (counted == TLineCount::Dupe) {
        auto it = FPass->seenDupeKeys.find(DupeKey(row));
        if (it != FPass->seenDupeKeys.end() && it->second.count > 0 && it->second.first < row)
            forecast.dupeOf = it->second.first;
    }
    SetCallDependingStuff(row);
    for (int k = 0; k < FNoOfMulties; ++k) {
        std::string v = GetMulti(row, k);
        FQSOList[static_cast<std::size_t>(row)]->SetMulties(k, v);
        if (!v.empty()) forecast.newMulties.emplace_back(k, std::move(v));
    }
    FProbeIndex = -1;
    std::swap(FQSOList[static_cast<std::size_t>(row)], probe);
    return forecast;
}

void TContestLog::RunPass(int start, bool showProgress) {
    if (start == 0) ResetResults();
    else FPass->TakeBackLinesFrom(start, FResult);
    FResult.ResetTotals(FNoOfMulties);
    FPass->traces.reserve(FQSOList.size());
    if (start == 0) FPass->seenDupeKeys.reserve(FQSOList.size());
    for (int i = start; i < NoOfQSOs(); ++i) FQSOList[static_cast<std::size_t>(i)]->ClearMulties();
    for (int i = start; i < NoOfQSOs(); ++i) {
        FCompileIndex = i;
        CompileLine(i);
        NoteCompiledLine(i);
        if (showProgress) ProgressStep(1);
    }
    FCompileIndex = -1;
    for (int b = b160m; b <= bSAT; ++b)
        if (BandIsAllowed(static_cast<TBand>(b))) FResult.AddBandToTotals(static_cast<TBand>(b));
}

TLineCount TContestLog::JudgeLine(int i, bool showMessage) {
    TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
    SQSOFlags flags = q.QSOFlags();
    flags.Exclude(qfDupe);
    flags.Exclude(qfTooManyQTCs);
    flags.Exclude(qfInvalid);
    q.SetQSOFlags(flags);

    if (!IsValidQSO(i, showMessage)) {
        q.IncludeFlag(qfInvalid);
        return q.IsQTC() ? TLineCount::InvalidQTC : TLineCount::InvalidQSO;
    }
    if (IsDupe(i)) q.IncludeFlag(qfDupe);
    if (q.QSOFlags().Contains(qfDupe)) return TLineCount::Dupe;
    if (q.QSOFlags().Contains(qfUserDeleted)) return TLineCount::UserDeleted;
    if (q.IsQTC()) return q.QSOFlags().Contains(qfTooManyQTCs) ? TLineCount::InvalidQTC : TLineCount::GoodQTC;
    return TLineCount::GoodQSO;
}

void TContestLog::CompileLine(int i) {
    TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
    FPass->traces.push_back(TPassState::TLineTrace{});
    FPass->traces.back().qso = &q;
    FPass->traces.back().firstEntry = FPass->entries.size();

    const TLineCount counted = JudgeLine(i, true);
    const TBand b = q.Band();
    TPassState::Count(counted, b, q.Mode(), 1, FResult);

    SetCallDependingStuff(i);
    for (int k = 0; k < FNoOfMulties; ++k) {
        std::string v = GetMulti(i, k);
        q.SetMulties(k, v);
        if (!v.empty() && !q.IsQTC()) RegisterMulti(k, v, q.Band(), q.Call().Call());
    }
    std::int32_t p = GetPoints(i);
    q.SetPoints(p);
    FResult.bandPoints[q.Band()] += p;

    TPassState::TLineTrace& t = FPass->traces.back();
    t.counted = counted;
    t.band = q.Band();
    t.mode = q.Mode();
    t.points = p;
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
    // An item that no line holds any more starts again at this line.
    auto hold = [i](TPassState::TSeenItem& item) {
        if (item.count++ == 0) item.first = i;
    };
    TPassState::TLineTrace& t = FPass->traces.back();
    if (CanMakeDupes(q)) {
        TPassState::TSeenItem& item = FPass->seenDupeKeys[DupeKey(i)];
        hold(item);
        t.dupeMaker = &item;
    }
    for (int k = 0; k < FNoOfMulties; ++k) {
        std::string v = q.Multies(k);
        if (v.empty()) continue;
        ++FResult.bandMulties[static_cast<std::size_t>(k)][q.Band()];
        std::vector<TPassState::TSeenPlace>& places = FPass->seenMulties[static_cast<std::size_t>(k)][v];
        auto place = std::find_if(places.begin(), places.end(), [&q](const TPassState::TSeenPlace& p) {
            return p.band == q.Band() && p.mode == q.Mode();
        });
        if (place == places.end()) place = places.insert(places.end(), TPassState::TSeenPlace{q.Band(), q.Mode(), {}});
        hold(place->item);
        FPass->entries.push_back(
            TPassState::TPassEntry{k, q.Band(), {}, &places, static_cast<std::size_t>(place - places.begin())});
    }
}

void TContestLog::RegisterMulti(int multiIndex, const std::string& value, TBand band, const std::string& call) {
    if (multiIndex < 0 || multiIndex >= static_cast<int>(FResult.multiList.size())) return;
    const auto entry = FResult.multiList[static_cast<std::size_t>(multiIndex)].try_emplace(value).first;
    entry->second.mliBandLists[band].push_back(call);
    entry->second.mliSummaryList.push_back(call);
    if (FCompileIndex >= 0) FPass->entries.push_back(TPassState::TPassEntry{multiIndex, band, entry, nullptr, 0});
    // Outside a pass the register holds a call no line's trace knows: the next pass
    // starts from the first line.
    else FPass->traces.clear();
}

std::string TContestLog::NewMulti(int index, int multiIndex, const std::string& candidate, bool bandWise) {
    return NewMulti(index, multiIndex, candidate, bandWise ? TMultiScope::Band : TMultiScope::Log);
}

std::string TContestLog::NewMulti(int index, int multiIndex, const std::string& candidate, TMultiScope scope) {
    if (multiIndex < 0 || multiIndex >= FNoOfMulties || candidate.empty()) return {};
    TQSO* q = QSOs(index);
    if (!q) return {};
    bool seen = false;
    if (IndexAnswers(index)) {
        const auto& m = FPass->seenMulties[static_cast<std::size_t>(multiIndex)];
        auto it = m.find(candidate);
        if (it != m.end())
            for (const TPassState::TSeenPlace& p : it->second)
                if (p.item.count > 0 && p.item.first < index && (scope == TMultiScope::Log || p.band == q->Band()) &&
                    (scope != TMultiScope::BandMode || p.mode == q->Mode()))
                    seen = true;
    } else {
        for (int j = 0; j <= index && !seen; ++j) {
            const TQSO& o = *FQSOList[static_cast<std::size_t>(j)];
            seen = o.Multies(multiIndex) == candidate && (scope == TMultiScope::Log || o.Band() == q->Band()) &&
                   (scope != TMultiScope::BandMode || o.Mode() == q->Mode());
        }
    }
    if (!seen) return candidate;
    if (!q->IsQTC() && !(FProbeIndex == index)) RegisterMulti(multiIndex, candidate, q->Band(), q->Call().Call());
    return {};
}

std::string TContestLog::DupeKey(int index) const {
    const TQSO* q = QSOs(index);
    if (!q) return {};
    std::string key = q->Call().Call();
    if (FDupeScope == TDupeScope::Log) return key;
    key += '\x01';
    key += static_cast<char>('A' + q->Band());
    if (FDupeScope == TDupeScope::BandMode) key += static_cast<char>('A' + q->Mode());
    return key;
}

// Base rules

bool TContestLog::IsDupe(int index) {
    const TQSO* q = QSOs(index);
    if (!q) return false;
    if (IndexAnswers(index)) {
        auto it = FPass->seenDupeKeys.find(DupeKey(index));
        return it != FPass->seenDupeKeys.end() && it->second.count > 0 && it->second.first < index;
    }
    std::string key = DupeKey(index);
    for (int j = 0; j < index; ++j)
        if (CanMakeDupes(*FQSOList[static_cast<std::size_t>(j)]) && DupeKey(j) == key) return true;
    return false;
}

std::string TContestLog::GetMulti(int, int) { return {}; }
std::int32_t TContestLog::GetPoints(int) { return 0; }

std::int64_t TContestLog::GetFinalResult() const {
    if (FNoOfMulties == 0) return FResult.AllPoints();
    std::int64_t multis = 0;
    for (int k = 0; k < FNoOfMulties; ++k) multis += FResult.NoOfAllMulties(k);
    return static_cast<std::int64_t>(FResult.AllPoints()) * multis;
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
    return FResult.NoOfBandMulties(multiIndex, band);
}
std::int32_t TContestLog::GetNoOfAllCalculatedMulties(int multiIndex) const {
    return FResult.NoOfAllMulties(multiIndex);
}
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
bool TContestLog::IsSpecialCountry(int qsoIndex) const {
    const TQSO* q = QSOs(qsoIndex);
    if (!q || FSpecialCountries.empty()) return false;
    const std::string master = q->Call().CtyMasterPrefix();
    return !master.empty() &&
           std::find(FSpecialCountries.begin(), FSpecialCountries.end(), master) != FSpecialCountries.end();
}

// The list is part of the class's definition (its constructor sets it).
void TContestLog::SetSpecialCountries() {}

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

// Helpers

std::string TContestLog::QueryExchangeValue(int promptStringIndex, const std::string& def) const {
    if (!ShowMessageBoxes() || promptStringIndex == -1) return {};
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
