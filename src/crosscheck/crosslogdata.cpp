// Reading one log for the cross-check: opened as every command opens a log, compiled as
// `qz score` compiles it, then reduced to the records the matching works on.
#include "crosscheck/crosslogdata.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/text.h"
#include "import/openlog.h"

namespace qz {

namespace {

// Whether the rules count a station once per mode as well as per band.
bool ModesCount(const TContestLog& log) { return log.Modes().Count() > 1; }

std::int32_t MinuteOf(TDateTime dt) {
    const double m = std::floor(dt * 1440.0 + 0.5);
    if (!(m > std::numeric_limits<std::int32_t>::min() && m < std::numeric_limits<std::int32_t>::max())) return 0;
    return static_cast<std::int32_t>(m);
}

// The exchange fields a station sends and its partner receives at the same index; the
// received numbers that carry QTCs are not part of it.
int ExchangeFields(const TContestLog& log) {
    int n = std::min(log.NoOfSentNumbers(), log.NoOfRcvdNumbers());
    for (int i = 0; i < n; ++i)
        if (log.IsAQTCRcvdNumber(i)) return i;
    return n;
}

// The value of field `f` sent in at least four of five judged QSOs, else 0.
std::uint32_t ConstantValue(const TCrossLogData& d, int f, std::vector<std::uint32_t>& scratch) {
    scratch.clear();
    for (std::size_t q = 0; q < d.qsos.size(); ++q) {
        const std::uint32_t v = d.sent[q * d.fields + f];
        if (d.qsos[q].judged && v != 0) scratch.push_back(v);
    }
    if (scratch.empty()) return 0;
    std::sort(scratch.begin(), scratch.end());
    std::size_t best = 0, bestRun = 0;
    for (std::size_t i = 0, j = 0; i < scratch.size(); i = j) {
        while (j < scratch.size() && scratch[j] == scratch[i]) ++j;
        if (j - i > bestRun) best = i, bestRun = j - i;
    }
    return bestRun * 5 >= scratch.size() * 4 ? scratch[best] : 0;
}

// Fills the records from the compiled log. `lines` holds each QSO line as it was before
// the compile (which may sort), paired with its number in the file.
void Reduce(TCrossLogData& d, std::vector<std::pair<const TQSO*, std::int32_t>>& lines) {
    const TContestLog& log = *d.log;
    std::vector<std::pair<const TQSO*, std::int32_t>> positions;
    positions.reserve(lines.size());
    for (int i = 0; i < log.NoOfQSOs(); ++i) positions.emplace_back(log.QSOs(i), i);
    std::sort(positions.begin(), positions.end());
    const bool modes = ModesCount(log);
    d.fields = ExchangeFields(log);
    d.qsos.resize(lines.size());
    d.callAt.resize(lines.size());
    d.sent.assign(lines.size() * d.fields, 0);
    d.rcvd.assign(lines.size() * d.fields, 0);
    d.firstMinute = std::numeric_limits<std::int32_t>::max();
    d.lastMinute = std::numeric_limits<std::int32_t>::min();
    for (std::size_t k = 0; k < lines.size(); ++k) {
        // A line the compile removed is left out (its record matches nothing).
        auto at = std::lower_bound(positions.begin(), positions.end(), std::make_pair(lines[k].first, 0));
        TCrossQSO& r = d.qsos[k];
        r.line = lines[k].second;
        d.callAt[k] = static_cast<std::uint32_t>(d.calls.size());
        if (at == positions.end() || at->first != lines[k].first) {
            d.calls += '\0';
            continue;
        }
        r.kept = true;
        const TQSO& line = *log.QSOs(at->second);
        d.calls += line.Call().Call();
        d.calls += '\0';
        r.call = CallKey(line.Call().Call());
        r.minute = MinuteOf(line.DateTime());
        r.band = line.Band();
        r.slot = static_cast<std::uint8_t>(modes ? line.Band() * kNoOfModes + line.Mode() : line.Band());
        // A line the rules reject (a call of no country, a band the contest lacks) is
        // judged all the same: a miscopied call is often such a call.
        const SQSOFlags flags = line.QSOFlags();
        r.judged = !flags.Contains(qfDupe) && !flags.Contains(qfUserDeleted) && !flags.Contains(qfTooManyQTCs) &&
                   !line.Call().Call().empty();
        d.firstMinute = std::min(d.firstMinute, r.minute);
        d.lastMinute = std::max(d.lastMinute, r.minute);
        for (int f = 0; f < d.fields; ++f) {
            d.sent[k * d.fields + f] = ValueKey(line.SentNumbers(f));
            d.rcvd[k * d.fields + f] = ValueKey(line.RcvdNumbers(f));
        }
    }
    if (d.firstMinute > d.lastMinute) d.firstMinute = d.lastMinute = 0;
    d.calls.shrink_to_fit();
    std::vector<std::uint32_t> scratch;
    d.constantSent.resize(d.fields);
    d.constantText.resize(d.fields);
    for (int f = 0; f < d.fields; ++f) {
        d.constantSent[f] = ConstantValue(d, f, scratch);
        for (std::size_t q = 0; q < d.qsos.size() && d.constantSent[f] != 0; ++q)
            if (d.sent[q * d.fields + f] == d.constantSent[f]) {
                d.constantText[f] = NormalizedValue(lines[q].first->SentNumbers(f));
                break;
            }
    }

    d.byCall.resize(d.qsos.size());
    for (std::uint32_t q = 0; q < d.byCall.size(); ++q) d.byCall[q] = q;
    d.byTime = d.byCall;
    std::sort(d.byCall.begin(), d.byCall.end(), [&](std::uint32_t a, std::uint32_t b) {
        const TCrossQSO& x = d.qsos[a];
        const TCrossQSO& y = d.qsos[b];
        if (x.call != y.call) return x.call < y.call;
        if (x.slot != y.slot) return x.slot < y.slot;
        return x.minute < y.minute;
    });
    std::stable_sort(d.byTime.begin(), d.byTime.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return d.qsos[a].minute < d.qsos[b].minute; });
}

void Compile(TContestLog& log, const TCompileSettings& settings) {
    std::vector<std::string> messages;
    TSilentFrontEnd silent;
    TThreadFrontEnd scope(silent);
    log.SetMessageLines(&messages);
    log.SetShowMessageBoxes(false);
    log.Compile(settings);
    log.SetMessageLines(nullptr);
}

}  // namespace

std::string NormalizedValue(std::string_view value) {
    std::string v = UpperCase(TrimmedView(value));
    if (!v.empty() && std::all_of(v.begin(), v.end(), IsDigit)) {
        const std::size_t nonZero = v.find_first_not_of('0');
        v.erase(0, nonZero == std::string::npos ? v.size() - 1 : nonZero);
    }
    return v;
}

std::uint64_t CallKey(std::string_view call) {
    const std::string v = UpperCase(TrimmedView(call));
    if (v.empty()) return 0;
    const std::uint64_t h = std::hash<std::string_view>{}(v);
    return h == 0 ? 1 : h;
}

std::uint32_t ValueKey(std::string_view value) {
    const std::string v = NormalizedValue(value);
    if (v.empty()) return 0;
    const std::uint64_t h = std::hash<std::string_view>{}(v);
    const auto folded = static_cast<std::uint32_t>(h ^ (h >> 32));
    return folded == 0 ? 1 : folded;
}

namespace {

// Opens the file as every command opens a log; null with `d.error` set.
std::unique_ptr<TContestLog> Open(const TCrossReadOptions& options, TCrossLogData& d) {
    TOpenLogOptions open;
    open.cty = options.cty;
    open.fixContest = options.fixContest;
    open.defaultContest = options.defaultContest;
    open.layoutName = options.layoutName;
    TSilentFrontEnd silent;
    TThreadFrontEnd scope(silent);
    TOpenedLog opened = OpenLog(d.file, open);
    if (!opened.log) {
        d.error = opened.error.empty() ? d.file + ": cannot be read" : opened.error;
        return nullptr;
    }
    d.claimed = opened.claimedScore;
    d.droppedLines = opened.dropped.count;
    return std::move(opened.log);
}

}  // namespace

void ReadCrossLog(const TCrossReadOptions& options, TCrossLogData& d) {
    std::unique_ptr<TContestLog> log = Open(options, d);
    if (!log) return;
    if (log->Contest() == cNoContest) {
        d.error = d.file + ": names no contest the program knows";
        return;
    }
    d.call = UpperCase(TrimmedView(log->OwnCall().Call()));
    if (d.call.empty()) {
        d.error = d.file + ": names no own call";
        return;
    }
    d.callKey = CallKey(d.call);
    d.contest = log->Contest();
    std::vector<std::pair<const TQSO*, std::int32_t>> lines;
    lines.reserve(log->NoOfQSOs());
    for (int i = 0; i < log->NoOfQSOs(); ++i)
        if (!log->QSOs(i)->IsQTC()) lines.emplace_back(log->QSOs(i), i + 1);
    Compile(*log, options.compile);
    d.score = log->GetFinalResult();
    d.log = std::move(log);
    Reduce(d, lines);
    d.log.reset();
}

bool ReopenCrossLog(const TCrossReadOptions& options, TCrossLogData& d) {
    d.log = Open(options, d);
    if (!d.log) return false;
    for (const TCrossQSO& r : d.qsos) {
        const TQSO* line = d.log->QSOs(r.line - 1);
        if (!line || line->IsQTC()) {
            d.log.reset();
            d.error = d.file + ": changed while it was being checked";
            return false;
        }
    }
    return true;
}

std::int64_t CheckedScore(TCrossLogData& d, int penalty) {
    int removed = 0;
    for (const TCrossQSO& r : d.qsos) {
        if (!r.kept || !CrossKindRemoves(r.kind)) continue;
        if (TQSO* line = d.log->QSOs(r.line - 1)) line->IncludeFlag(qfUserDeleted);
        ++removed;
    }
    if (removed == 0) return d.score;
    Compile(*d.log, d.log->CompileSettings());
    const std::int64_t score = d.log->GetFinalResult();
    const std::int64_t points = d.log->Result().AllPoints();
    if (penalty <= 0 || points <= 0) return score;
    // The score is the QSO points times the multipliers in nearly every contest: taking
    // points off scales it by the points that remain.
    const std::int64_t kept = std::max<std::int64_t>(0, points - static_cast<std::int64_t>(penalty) * removed);
    return static_cast<std::int64_t>(static_cast<long double>(score) * kept / points);
}

std::string QSORecordText(const TCrossLogData& d, std::size_t q) {
    const TQSO* line = q < d.qsos.size() && d.log ? d.log->QSOs(d.qsos[q].line - 1) : nullptr;
    if (!line) return {};
    const CivilDate date = DecodeDate(line->DateTime());
    const CivilTime time = DecodeTime(line->DateTime());
    std::string text = Format("%04d-%02d-%02d %02d%02d %-5s %-4s %-13s", date.year, date.month, date.day, time.hour,
                              time.minute, std::string(BandNames[line->Band()]).c_str(),
                              std::string(ModeNames[line->Mode()]).c_str(), line->Call().Call().c_str());
    text += " sent " + std::string(line->SentRST());
    for (int f = 0; f < d.log->NoOfSentNumbers(); ++f) text += " " + line->SentNumbers(f);
    text += " rcvd " + std::string(line->RcvdRST());
    for (int f = 0; f < d.log->NoOfRcvdNumbers(); ++f) text += " " + line->RcvdNumbers(f);
    return TrimRight(text);
}

std::string SentExchangeText(const TCrossLogData& d, std::size_t q) {
    const TQSO* line = q < d.qsos.size() && d.log ? d.log->QSOs(d.qsos[q].line - 1) : nullptr;
    std::string text;
    for (int f = 0; f < d.fields; ++f) {
        if (f > 0) text += ' ';
        if (d.constantSent[f] != 0) text += d.constantText[f];
        else if (line) text += NormalizedValue(line->SentNumbers(f));
    }
    return text;
}

}  // namespace qz
