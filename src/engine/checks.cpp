// The log checks (serial numbers, constant exchange fields, missing call extensions,
// member numbers, the ten-minute rule). Every per-station check indexes the lines by call
// first, so a check is linear in the log.
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

}  // namespace

// Sent numbers

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

void Check4DiscontinuousSentNumbers(const TContestLog& log) {
    const int idx = log.GetSentNumericNumberIndex();
    if (idx >= 0) CheckSentSerials(log, idx);
}

void Check4NonConstantSentNumbers(const TContestLog& log, int listIndex) {
    const int idx = log.GetSentNumericNumberIndex() >= 0 ? listIndex + 1 : listIndex;
    if (idx >= 0) CheckConstantSentField(log, idx);
}

// Received numbers, per station

void Check4DiscontinuousRcvdNumbers(const TContestLog& log, int listIndex, SExchangedNumbersCheck options) {
    if (listIndex < 0) return;
    TCheckFrame frame(log, 422);
    const TStationChains chains = ChainStations(log);
    const bool qtcField = log.IsAQTCRcvdNumber(listIndex);
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        ProgressStep(1);
        if (!chains.first[static_cast<std::size_t>(i)] || SpecialCountryExcluded(log, i, options)) continue;
        std::int32_t last = -1;
        for (int j = i; j >= 0; j = chains.next[static_cast<std::size_t>(j)]) {
            const TQSO& q = *log.QSOs(j);
            if (q.IsQTC() != qtcField) continue;  // the field belongs to the other kind of line
            std::int32_t v;
            if (!TryStrToInt(q.RcvdNumbers(listIndex), v) || v == 0) continue;
            if (last >= v) log.AddMessage(LS(lsNumberNotHigher), j);
            last = v;
        }
    }
}

void Check4NonConstantRcvdNumbers(const TContestLog& log, int listIndex, SExchangedNumbersCheck options) {
    if (listIndex < 0) return;
    TCheckFrame frame(log, 422);
    const TStationChains chains = ChainStations(log);
    const bool qtcField = log.IsAQTCRcvdNumber(listIndex);
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        ProgressStep(1);
        if (!chains.first[static_cast<std::size_t>(i)] || SpecialCountryExcluded(log, i, options)) continue;
        bool haveReference = false;
        std::string reference;
        for (int j = i; j >= 0; j = chains.next[static_cast<std::size_t>(j)]) {
            const TQSO& q = *log.QSOs(j);
            if (q.IsQTC() != qtcField) continue;
            const std::string v = q.RcvdNumbers(listIndex);
            if (!haveReference) {
                reference = v;
                haveReference = true;
            } else if (!SameText(v, reference)) {
                log.AddMessage(LS(lsValueChanged), j);
            }
        }
    }
}

// Call extensions

bool Check4MissingExtensions(TContestLog& log, bool extendAutomatically, TCallExtensionCheck check) {
    TUndoGroup group(log.History());
    bool extended = false;
    {
        TCheckFrame frame(log, 429);
        // The lines with the wanted suffix, by the call they extend, in log order.
        std::unordered_map<std::string, std::vector<int>> withSuffix;
        for (int i = 0; i < log.NoOfQSOs(); ++i) {
            const TCall& c = log.QSOs(i)->Call();
            TCallExtension ext;
            if (HasExtension(c, check, ext)) withSuffix[c.PureCall()].push_back(i);
        }
        for (int i = 0; i < log.NoOfQSOs(); ++i) {
            ProgressStep(1);
            TQSO& q = *log.QSOs(i);
            const std::string call = q.Call().Call();
            const std::string pure = q.Call().PureCall();
            // A line without a call (or without a main part) is no station to extend.
            if (q.Call().IsPortable() || pure.empty()) continue;
            auto it = withSuffix.find(pure);
            if (it == withSuffix.end()) continue;
            TCallExtension found = eNo;
            for (int j : it->second) {
                const TCall& c = log.QSOs(j)->Call();
                TCallExtension ext;
                if (c.Call().size() > call.size() && HasExtension(c, check, ext)) {
                    found = ext;
                    break;
                }
            }
            if (found == eNo) continue;
            if (!extendAutomatically) {
                log.AddMessage(LS(lsExtensionMissing) + " " + call, i);
                continue;
            }
            log.PushUndo(ueaChangeQSO, i);
            q.SetChangedCall(call + std::string(CallExtensionNames[found]));
            log.AddMessage(LS(lsCallExtendedTo) + " " + q.Call().Call(), i);
            extended = true;
            // The extended line now counts as a line with the suffix for the later ones.
            TCallExtension ext;
            if (q.Call().PureCall() == pure && HasExtension(q.Call(), check, ext)) {
                auto& list = it->second;
                list.insert(std::lower_bound(list.begin(), list.end(), i), i);
            }
        }
    }
    return extended;
}

// Member numbers

bool CheckMemberNumbers(TContestLog& log, bool correct) {
    if (!log.MemberList()) {
        log.AddMessage(LS(lsNoMemberList), -1);
        return false;
    }
    TUndoGroup group(log.History());
    bool corrected = false;
    {
        TCheckFrame frame(log, 450);
        const int idx = log.MemberList()->RcvdIndex();
        for (int i = 0; i < log.NoOfQSOs(); ++i) {
            ProgressStep(1);
            TQSO& q = *log.QSOs(i);
            const std::string member = log.MemberList()->GetMemberNumber(q.Call().PureCall());
            if (member.empty() || q.RcvdNumbers(idx) == member) continue;
            if (!correct) {
                log.AddMessage(LS(lsMemberNumberDiffers) + " " + member, i);
                continue;
            }
            log.AddMessage(LS(lsMemberNumberCorrected), i);
            log.PushUndo(ueaChangeQSO, i);
            q.SetRcvdNumbers(idx, member);
            q.SetRcvdHasBeenSet(idx, true);
            corrected = true;
        }
    }
    return corrected;
}

// Ten-minute rule

void CheckQSYRules(const TContestLog& log) {
    const int n = log.NoOfQSOs();
    if (n == 0) return;
    TCheckFrame frame(log, 550);
    // plain[i]: the first line from i on that carries no multiplier value (n: none), so
    // the skip over multiplier lines after a band change costs nothing.
    std::vector<int> plain(static_cast<std::size_t>(n) + 1, n);
    for (int i = n - 1; i >= 0; --i) {
        const TQSO& q = *log.QSOs(i);
        bool multi = false;
        for (int k = 0; k < log.NoOfMulties() && !multi; ++k) multi = !q.Multies(k).empty();
        plain[static_cast<std::size_t>(i)] = multi ? plain[static_cast<std::size_t>(i) + 1] : i;
    }
    TDateTime reference = log.QSOs(0)->DateTime();
    ProgressStep(1);
    for (int i = 1; i < n; ++i) {
        ProgressStep(1);
        const TQSO& q = *log.QSOs(i);
        if (q.Band() == log.QSOs(i - 1)->Band()) continue;
        const int j = plain[static_cast<std::size_t>(i)];
        if (j >= n) break;
        const TQSO& reached = *log.QSOs(j);
        if (reached.Band() != q.Band()) continue;
        const double minutes = std::round((reached.DateTime() - reference) * 1440.0);
        if (minutes < 10) log.AddMessage(LS(lsTenMinuteRule), i);
        reference = reached.DateTime();
    }
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
