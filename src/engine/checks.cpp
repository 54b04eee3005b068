// The log checks (serial numbers, constant exchange fields, missing call extensions,
// member numbers, the ten-minute rule) and the bulk edits on the selected lines. Every
// per-station check indexes the lines by call first, so a check is linear in the log.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "reflists/memberlist.h"
#include "engine/checks.h"
#include "engine/contestlog.h"
#include "engine/undo.h"

namespace qz {

namespace {

// Title, progress and closing line around one check.
class TCheckFrame {
public:
    TCheckFrame(const TContestLog& log, int title) : log_(log) {
        log_.AddMessage("", -1);
        log_.AddMessage(LS(title), -1);
        ProgressStart(log_.NoOfQSOs());
    }
    ~TCheckFrame() {
        ProgressEnd();
        log_.AddMessage(LS(lsCompileDone), -1);
    }
    TCheckFrame(const TCheckFrame&) = delete;
    TCheckFrame& operator=(const TCheckFrame&) = delete;

private:
    const TContestLog& log_;
};

// For every line the index of the next line with the same call (ignoring case), -1 at
// the last; lines with an empty call are linked to none and marked as not first.
struct TStationChains {
    std::vector<int> next;
    std::vector<bool> first;
};

TStationChains ChainStations(const TContestLog& log) {
    const int n = log.NoOfQSOs();
    TStationChains c;
    c.next.assign(static_cast<std::size_t>(n), -1);
    c.first.assign(static_cast<std::size_t>(n), false);
    std::unordered_map<std::string, int> last;
    last.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const std::string& call = log.QSOs(i)->Call().Call();  // always upper case
        if (call.empty()) continue;
        auto [it, isNew] = last.try_emplace(call, i);
        if (isNew) c.first[static_cast<std::size_t>(i)] = true;
        else c.next[static_cast<std::size_t>(it->second)] = i, it->second = i;
    }
    return c;
}

bool SpecialCountryExcluded(const TContestLog& log, int i, SExchangedNumbersCheck options) {
    if (options.Contains(encTestSpecialCountriesExclusively) && !log.IsSpecialCountry(i)) return true;
    if (options.Contains(encExcludeSpecialCountries) && log.IsSpecialCountry(i)) return true;
    return false;
}

bool HasExtension(const TCall& call, TCallExtensionCheck check, TCallExtension& ext) {
    switch (check) {
        case cecPortable: return call.IsPortableEx(ext);
        case cecMaritimeMobile: return call.IsMaritmeMobileEx(ext);
        case cecTechNovice: return call.IsNoviceOrTechnicanEx(ext);
    }
    return false;
}

constexpr std::int64_t kMsPerDay = 86400000;
// Day numbers of 1 January 1 and 31 December 9999.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

// `dt` moved by `deltaMs` milliseconds, counted in whole milliseconds so that a shift
// across midnight or a year end lands on the exact minute; false outside 1..9999.
bool ShiftDateTime(TDateTime dt, std::int64_t deltaMs, TDateTime& result) {
    if (!std::isfinite(dt)) return false;
    const CivilDate d = DecodeDate(dt);
    const CivilTime t = DecodeTime(dt);
    TDateTime day;
    if (!TryEncodeDate(d.year, d.month, d.day, day)) return false;
    const std::int64_t ms = ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.msec;
    const std::int64_t total = static_cast<std::int64_t>(day) * kMsPerDay + ms + deltaMs;
    std::int64_t newDay = total / kMsPerDay;
    std::int64_t rest = total % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --newDay;
    }
    if (newDay < kFirstDay || newDay > kLastDay) return false;
    const int r = static_cast<int>(rest);
    result = CombineDateTime(static_cast<TDateTime>(newDay),
                             EncodeTime(r / 3600000, r / 60000 % 60, r / 1000 % 60, r % 1000));
    return true;
}

}  // namespace

// --- Sent numbers ----------------------------------------------------------------------

void CheckSentSerials(const TContestLog& log, int numberIndex) {
    TCheckFrame frame(log, 421);
    std::int32_t last = -1;
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const TQSO& q = *log.QSOs(i);
        const std::string s = q.SentNumbers(numberIndex);
        std::int32_t v;
        if (TryStrToInt(s, v)) {
            if (last >= v) log.AddMessage(LS(lsNumberNotHigher), i);
            last = v;
        } else if (!q.IsQTC()) {
            log.AddMessage(s + " " + LS(lsNotANumber), i);
        }
        ProgressStep(1);
    }
}

void CheckSentSerialGaps(const TContestLog& log, int numberIndex) {
    TCheckFrame frame(log, 421);
    std::int32_t last = -1;
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const std::string s = log.QSOs(i)->SentNumbers(numberIndex);
        std::int32_t v;
        if (TryStrToInt(s, v)) {
            if (last >= 0 && v > last && v - last > 1) log.AddMessage(LS(lsNumbersMissing) + " " + s, i);
            last = v;
        }
        ProgressStep(1);
    }
}

void CheckConstantSentField(const TContestLog& log, int numberIndex) {
    TCheckFrame frame(log, 421);
    bool haveReference = false;
    std::string reference;
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        const TQSO& q = *log.QSOs(i);
        ProgressStep(1);
        // A QTC carries no sent exchange: comparing its empty fields would report every
        // QTC and the QSO after it.
        if (q.IsQTC()) continue;
        const std::string v = q.SentNumbers(numberIndex);
        if (!haveReference) {
            reference = v;
            haveReference = true;
        } else if (!SameText(v, reference)) {
            log.AddMessage(LS(lsValueChanged), i);
            reference = v;
        }
    }
}

void TContestLog::Check4DiscontinuousSentNumbers() {
    const int idx = GetSentNumericNumberIndex();
    if (idx >= 0) CheckSentSerials(*this, idx);
}

void TContestLog::Check4NonConstantSentNumbers(int listIndex) {
    const int idx = GetSentNumericNumberIndex() >= 0 ? listIndex + 1 : listIndex;
    if (idx >= 0) CheckConstantSentField(*this, idx);
}

// --- Received numbers, per station -------------------------------------------------------

void TContestLog::Check4DiscontinuousRcvdNumbers(int listIndex, SExchangedNumbersCheck options) {
    if (listIndex < 0) return;
    TCheckFrame frame(*this, 422);
    const TStationChains chains = ChainStations(*this);
    const bool qtcField = IsAQTCRcvdNumber(listIndex);
    for (int i = 0; i < NoOfQSOs(); ++i) {
        ProgressStep(1);
        if (!chains.first[static_cast<std::size_t>(i)] || SpecialCountryExcluded(*this, i, options)) continue;
        std::int32_t last = -1;
        for (int j = i; j >= 0; j = chains.next[static_cast<std::size_t>(j)]) {
            const TQSO& q = *FQSOList[static_cast<std::size_t>(j)];
            if (q.IsQTC() != qtcField) continue;  // the field belongs to the other kind of line
            std::int32_t v;
            if (!TryStrToInt(q.RcvdNumbers(listIndex), v) || v == 0) continue;
            if (last >= v) AddMessage(LS(lsNumberNotHigher), j);
            last = v;
        }
    }
}

void TContestLog::Check4NonConstantRcvdNumbers(int listIndex, SExchangedNumbersCheck options) {
    if (listIndex < 0) return;
    TCheckFrame frame(*this, 422);
    const TStationChains chains = ChainStations(*this);
    const bool qtcField = IsAQTCRcvdNumber(listIndex);
    for (int i = 0; i < NoOfQSOs(); ++i) {
        ProgressStep(1);
        if (!chains.first[static_cast<std::size_t>(i)] || SpecialCountryExcluded(*this, i, options)) continue;
        bool haveReference = false;
        std::string reference;
        for (int j = i; j >= 0; j = chains.next[static_cast<std::size_t>(j)]) {
            const TQSO& q = *FQSOList[static_cast<std::size_t>(j)];
            if (q.IsQTC() != qtcField) continue;
            const std::string v = q.RcvdNumbers(listIndex);
            if (!haveReference) {
                reference = v;
                haveReference = true;
            } else if (!SameText(v, reference)) {
                AddMessage(LS(lsValueChanged), j);
            }
        }
    }
}

// --- Call extensions --------------------------------------------------------------------

bool TContestLog::Check4MissingExtensions(bool extendAutomatically, TCallExtensionCheck check) {
    const bool opened = UndoBeginGroup();
    bool extended = false;
    {
        TCheckFrame frame(*this, 429);
        // The lines with the wanted suffix, by the call they extend, in log order.
        std::unordered_map<std::string, std::vector<int>> withSuffix;
        for (int i = 0; i < NoOfQSOs(); ++i) {
            const TCall& c = FQSOList[static_cast<std::size_t>(i)]->Call();
            TCallExtension ext;
            if (HasExtension(c, check, ext)) withSuffix[c.PureCall()].push_back(i);
        }
        for (int i = 0; i < NoOfQSOs(); ++i) {
            ProgressStep(1);
            TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
            const std::string call = q.Call().Call();
            const std::string pure = q.Call().PureCall();
            // A line without a call (or without a main part) is no station to extend.
            if (q.Call().IsPortable() || pure.empty()) continue;
            auto it = withSuffix.find(pure);
            if (it == withSuffix.end()) continue;
            TCallExtension found = eNo;
            for (int j : it->second) {
                const TCall& c = FQSOList[static_cast<std::size_t>(j)]->Call();
                TCallExtension ext;
                if (c.Call().size() > call.size() && HasExtension(c, check, ext)) {
                    found = ext;
                    break;
                }
            }
            if (found == eNo) continue;
            if (!extendAutomatically) {
                AddMessage(LS(lsExtensionMissing) + " " + call, i);
                continue;
            }
            PushUndo(ueaChangeQSO, i);
            q.SetChangedCall(call + std::string(CallExtensionNames[found]));
            AddMessage(LS(lsCallExtendedTo) + " " + q.Call().Call(), i);
            extended = true;
            // The extended line now counts as a line with the suffix for the later ones.
            TCallExtension ext;
            if (q.Call().PureCall() == pure && HasExtension(q.Call(), check, ext)) {
                auto& list = it->second;
                list.insert(std::lower_bound(list.begin(), list.end(), i), i);
            }
        }
    }
    UndoEndGroup(opened);
    return extended;
}

// --- Member numbers ---------------------------------------------------------------------

bool TContestLog::CheckMemberNumbers(bool correct) {
    if (!FMemberList) {
        AddMessage(LS(lsNoMemberList), -1);
        return false;
    }
    const bool opened = UndoBeginGroup();
    bool corrected = false;
    {
        TCheckFrame frame(*this, 450);
        const int idx = FMemberList->RcvdIndex();
        for (int i = 0; i < NoOfQSOs(); ++i) {
            ProgressStep(1);
            TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
            const std::string member = FMemberList->GetMemberNumber(q.Call().PureCall());
            if (member.empty() || q.RcvdNumbers(idx) == member) continue;
            if (!correct) {
                AddMessage(LS(lsMemberNumberDiffers) + " " + member, i);
                continue;
            }
            AddMessage(LS(lsMemberNumberCorrected), i);
            PushUndo(ueaChangeQSO, i);
            q.SetRcvdNumbers(idx, member);
            q.SetRcvdHasBeenSet(idx, true);
            corrected = true;
        }
    }
    UndoEndGroup(opened);
    return corrected;
}

// --- Ten-minute rule --------------------------------------------------------------------

void TContestLog::CheckQSYRules() {
    const int n = NoOfQSOs();
    if (n == 0) return;
    TCheckFrame frame(*this, 550);
    // plain[i]: the first line from i on that carries no multiplier value (n: none), so
    // the skip over multiplier lines after a band change costs nothing.
    std::vector<int> plain(static_cast<std::size_t>(n) + 1, n);
    for (int i = n - 1; i >= 0; --i) {
        const TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        bool multi = false;
        for (int k = 0; k < FNoOfMulties && !multi; ++k) multi = !q.Multies(k).empty();
        plain[static_cast<std::size_t>(i)] = multi ? plain[static_cast<std::size_t>(i) + 1] : i;
    }
    TDateTime reference = FQSOList[0]->DateTime();
    ProgressStep(1);
    for (int i = 1; i < n; ++i) {
        ProgressStep(1);
        const TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        if (q.Band() == FQSOList[static_cast<std::size_t>(i) - 1]->Band()) continue;
        const int j = plain[static_cast<std::size_t>(i)];
        if (j >= n) break;
        const TQSO& reached = *FQSOList[static_cast<std::size_t>(j)];
        if (reached.Band() != q.Band()) continue;
        const double minutes = std::round((reached.DateTime() - reference) * 1440.0);
        if (minutes < 10) AddMessage(LS(lsTenMinuteRule), i);
        reference = reached.DateTime();
    }
}

// --- Bulk edits -------------------------------------------------------------------------

bool TContestLog::SetTimeDifference(int days, int hours, int minutes) {
    if (NoOfSelectedQSOs() == 0) return false;
    const std::int64_t delta = static_cast<std::int64_t>(days) * kMsPerDay +
                               static_cast<std::int64_t>(hours) * 3600000 + static_cast<std::int64_t>(minutes) * 60000;
    // Every new time is worked out before any line changes: a shift that would carry
    // one line out of the calendar changes none.
    std::vector<TDateTime> shifted(FQSOList.size());
    for (std::size_t i = 0; i < FQSOList.size(); ++i) {
        if (!FQSOList[i]->Selected()) continue;
        if (!ShiftDateTime(FQSOList[i]->DateTime(), delta, shifted[i])) {
            ShowErrorMessage(LS(lsTimeShiftOutOfRange));
            return false;
        }
    }
    const bool opened = UndoBeginGroup();
    for (std::size_t i = 0; i < FQSOList.size(); ++i) {
        if (!FQSOList[i]->Selected()) continue;
        PushUndo(ueaChangeQSO, static_cast<int>(i));
        FQSOList[i]->SetDateTime(shifted[i]);
    }
    UndoEndGroup(opened);
    return true;
}

bool TContestLog::SetSentNumbers(TSetSentNumberMode mode, const std::string& startNumber, int numberIndex,
                                 bool includeQTCs) {
    if (numberIndex < 0 || numberIndex >= FNoOfSentNumbers) return false;
    std::int32_t next = 0;
    if (mode == smSetContiuouslyNumber && !TryStrToInt(startNumber, next)) return false;
    const bool opened = UndoBeginGroup();
    for (int i = 0; i < NoOfQSOs(); ++i) {
        TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        if (!q.Selected()) continue;
        if (q.IsQTC()) {
            if (mode == smSetContiuouslyNumber && includeQTCs) ++next;
            continue;
        }
        PushUndo(ueaChangeQSO, i);
        if (mode == smSetFixNumber) {
            q.SetChangedNumber(cpSentNumber, numberIndex, startNumber);
        } else {
            q.SetChangedNumber(cpSentNumber, numberIndex, ZeroPadded(next, 3));
            if (next < std::numeric_limits<std::int32_t>::max()) ++next;
        }
    }
    UndoEndGroup(opened);
    return true;
}

void TContestLog::SetMode4SelectedQSOs(TMode mode) {
    if (mode >= mEndOfList) return;
    const bool opened = UndoBeginGroup();
    for (int i = 0; i < NoOfQSOs(); ++i) {
        TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        if (!q.Selected() || q.Mode() == mode) continue;
        PushUndo(ueaChangeQSO, i);
        q.SetMode(mode);
    }
    UndoEndGroup(opened);
}

void TContestLog::SetUserDeleted4SelectedQSOs(bool bad) {
    const bool opened = UndoBeginGroup();
    for (int i = 0; i < NoOfQSOs(); ++i) {
        TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        if (!q.Selected() || q.QSOFlags().Contains(qfUserDeleted) == bad) continue;
        PushUndo(ueaChangeQSO, i);
        if (bad) q.IncludeFlag(qfUserDeleted);
        else q.ExcludeFlag(qfUserDeleted);
    }
    UndoEndGroup(opened);
}

int TContestLog::ClearAllFlags() {
    const bool opened = UndoBeginGroup();
    int changed = 0;
    for (int i = 0; i < NoOfQSOs(); ++i) {
        TQSO& q = *FQSOList[static_cast<std::size_t>(i)];
        // The comment stays, and so does the flag that says the line has one: a native
        // log stores a comment only behind that flag.
        const SQSOFlags kept = q.Comment().empty() ? SQSOFlags{} : SQSOFlags{qfCommentAdded};
        if (q.QSOFlags() == kept) continue;
        PushUndo(ueaChangeQSO, i);
        q.SetQSOFlags(kept);
        ++changed;
    }
    UndoEndGroup(opened);
    return changed;
}

bool TContestLog::AllSelectedQSOTimesHasBeenEdited() const {
    for (const auto& q : FQSOList)
        if (q->Selected() && !q->IsQTC() && !q->TimeHasBeenSet()) return false;
    return true;
}

}  // namespace qz

namespace qz {

namespace {

// Whether most steps between integer values rise (and there is at least one step).
struct TRiseCount {
    int pairs = 0;
    int rises = 0;
    bool Serial() const { return pairs > 0 && rises * 2 > pairs; }
    void Add(const std::string& before, const std::string& after) {
        std::int32_t a, b;
        if (!TryStrToInt(before, a) || !TryStrToInt(after, b)) return;
        ++pairs;
        if (b > a) ++rises;
    }
};

}  // namespace

TExchangeFields ClassifyExchangeFields(const TContestLog& log) {
    TExchangeFields f;
    const int n = log.NoOfQSOs();
    const int sentSerial = log.GetSentNumericNumberIndex();
    for (int k = 0; k < log.NoOfSentNumbers(); ++k) {
        TRiseCount rise;
        bool filled = false;
        const TQSO* previous = nullptr;
        for (int i = 0; i < n; ++i) {
            const TQSO* q = log.QSOs(i);
            if (q->IsQTC()) continue;
            filled = filled || !q->SentNumbers(k).empty();
            if (previous) rise.Add(previous->SentNumbers(k), q->SentNumbers(k));
            previous = q;
        }
        if (k == sentSerial || (sentSerial < 0 && f.sentSerials.empty() && rise.Serial())) f.sentSerials.push_back(k);
        else if (filled) f.sentConstant.push_back(k);
    }
    // Consecutive contacts with one station, field by field.
    std::unordered_map<std::string, int> lastOfCall;
    std::vector<int> previousOfLine(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        const std::string& call = log.QSOs(i)->Call().Call();
        if (call.empty() || log.QSOs(i)->IsQTC()) continue;
        auto [it, isNew] = lastOfCall.try_emplace(call, i);
        if (!isNew) previousOfLine[static_cast<std::size_t>(i)] = std::exchange(it->second, i);
    }
    const int rcvdSerial = log.GetRcvdNumericNumberIndex();
    for (int k = 0; k < log.NoOfRcvdNumbers(); ++k) {
        if (log.IsAQTCRcvdNumber(k)) continue;
        TRiseCount rise;
        bool filled = false;
        for (int i = 0; i < n; ++i) {
            const TQSO* q = log.QSOs(i);
            if (q->IsQTC()) continue;
            filled = filled || !q->RcvdNumbers(k).empty();
            const int p = previousOfLine[static_cast<std::size_t>(i)];
            if (p >= 0) rise.Add(log.QSOs(p)->RcvdNumbers(k), q->RcvdNumbers(k));
        }
        if (k == rcvdSerial || (rcvdSerial < 0 && rise.Serial())) f.rcvdSerials.push_back(k);
        else if (filled) f.rcvdConstant.push_back(k);
    }
    return f;
}

bool ParseLineMessage(const std::string& message, int& qsoIndex, std::string& text) {
    constexpr std::string_view kPrefix = "QSO #";
    if (message.compare(0, kPrefix.size(), kPrefix) != 0) return false;
    const std::size_t colon = message.find(':', kPrefix.size());
    std::int32_t number;
    if (colon == std::string::npos || !TryStrToInt(message.substr(kPrefix.size(), colon - kPrefix.size()), number) ||
        number < 1)
        return false;
    qsoIndex = number - 1;
    text = message.substr(std::min(colon + 2, message.size()));
    return true;
}

bool ReplaceLineMessages(std::vector<std::string>& messages, int first, const std::vector<std::string>& fresh,
                         const std::string& closing) {
    const std::string started = LS(lsCompileStarted);
    const std::string done = LS(lsCompileDone);
    std::size_t begin = 0;
    for (std::size_t i = messages.size(); i-- > 0;)
        if (messages[i] == started) {
            begin = i + 1;
            break;
        }
    std::size_t end = begin;
    while (end < messages.size() && messages[end].compare(0, done.size(), done) != 0) ++end;
    int index = -1;
    std::string text;
    const auto stale = std::remove_if(
        messages.begin() + static_cast<std::ptrdiff_t>(begin), messages.begin() + static_cast<std::ptrdiff_t>(end),
        [&](const std::string& m) { return ParseLineMessage(m, index, text) && index >= first; });
    const bool removed = stale != messages.begin() + static_cast<std::ptrdiff_t>(end);
    auto at = messages.erase(stale, messages.begin() + static_cast<std::ptrdiff_t>(end));
    at = messages.insert(at, fresh.begin(), fresh.end()) + static_cast<std::ptrdiff_t>(fresh.size());
    const bool newResult = at != messages.end() && *at != closing;
    if (newResult) *at = closing;
    return removed || !fresh.empty() || newResult;
}

}  // namespace qz
