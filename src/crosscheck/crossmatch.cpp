#include "crosscheck/crossmatch.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <span>
#include <unordered_map>

#include "base/text.h"
#include "crosscheck/similarcalls.h"

namespace qz {

namespace {

constexpr TCrossKind kNone = TCrossKind::Clock;  // a record's kind before any finding

// A clock offset needs this many QSOs and partner logs, and this share of the partners
// agreeing.
constexpr std::size_t kClockSamples = 3;
constexpr std::size_t kClockVoters = 2;
constexpr std::size_t kClockSharePercent = 60;
// Minutes around a QSO in which the station's other QSOs show the band it was on.
constexpr std::int32_t kBandNeighbourhood = 45;

using TRange = std::span<const std::uint32_t>;

// The middle value (the upper one of an even count); reorders `values`.
std::int32_t Median(std::vector<std::int32_t>& values) {
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

class TSession {
public:
    TSession(const std::vector<TCrossLogData*>& logs, int window);
    std::vector<TSessionFinding> Run();

private:
    int LogOf(std::uint64_t call) const {
        auto it = logOf_.find(call);
        return it == logOf_.end() ? -1 : static_cast<int>(it->second);
    }
    // The records of `log` with `call`, ordered by slot and minute.
    static TRange CallRange(const TCrossLogData& log, std::uint64_t call);

    void FindClockOffsets();
    void MatchPairs();
    void MatchPair(std::uint32_t a, TRange ra, std::uint32_t b, TRange rb);
    void Link(std::uint32_t a, std::uint32_t qa, std::uint32_t b, std::uint32_t qb);
    void FindBustedCalls();
    void CheckExchanges();
    void FindLeftOvers();
    void CountUnsubmittedCalls();
    void PairBands(std::uint32_t a, std::uint32_t q, std::uint32_t b, std::uint32_t r);
    int BandSupport(const TCrossLogData& log, std::uint32_t q, std::uint8_t slot) const;
    void Add(std::uint32_t log, std::int32_t q, TCrossKind kind, std::string correct, int otherLog = -1,
             int otherQso = -1);

    const std::vector<TCrossLogData*>& logs_;
    const int window_;
    std::unordered_map<std::uint64_t, std::uint32_t> logOf_;
    std::vector<std::string> calls_;
    TSimilarCalls similar_;
    // (call, number of logs with it) for the calls that sent no log, sorted.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> unsubmitted_;
    std::vector<TSessionFinding> findings_;
};

TSession::TSession(const std::vector<TCrossLogData*>& logs, int window)
    : logs_(logs),
      window_(std::max(0, window)),
      calls_([&] {
          std::vector<std::string> calls;
          for (const TCrossLogData* d : logs) calls.push_back(d->call);
          return calls;
      }()),
      similar_(calls_) {
    for (std::uint32_t i = 0; i < logs.size(); ++i) logOf_.emplace(logs[i]->callKey, i);
}

TRange TSession::CallRange(const TCrossLogData& log, std::uint64_t call) {
    auto less = [&](std::uint32_t q, std::uint64_t c) { return log.qsos[q].call < c; };
    auto first = std::lower_bound(log.byCall.begin(), log.byCall.end(), call, less);
    auto last = first;
    while (last != log.byCall.end() && log.qsos[*last].call == call) ++last;
    return TRange(log.byCall.data() + (first - log.byCall.begin()), static_cast<std::size_t>(last - first));
}

void TSession::Add(std::uint32_t log, std::int32_t q, TCrossKind kind, std::string correct, int otherLog,
                   int otherQso) {
    if (q >= 0) logs_[log]->qsos[q].kind = kind;
    findings_.push_back({log, q, kind, std::move(correct), otherLog, otherQso});
}

// A log whose times differ from those of its partners by one amount has a clock that was
// off. Each partner log gives one vote, the median difference of its records to the
// nearest record on the same band; the log's offset is the median vote when at least
// two partners vote and most votes lie within a minute of it. Counting partners rather
// than QSOs keeps a station off by an hour from moving the clock of a partner it
// worked many times.
void TSession::FindClockOffsets() {
    std::vector<std::int32_t> deltas, votes;
    for (std::uint32_t a = 0; a < logs_.size(); ++a) {
        const TCrossLogData& A = *logs_[a];
        votes.clear();
        std::size_t samples = 0;
        for (std::size_t i = 0; i < A.byCall.size();) {
            const std::uint64_t call = A.qsos[A.byCall[i]].call;
            std::size_t j = i;
            while (j < A.byCall.size() && A.qsos[A.byCall[j]].call == call) ++j;
            const int b = call == A.callKey ? -1 : LogOf(call);
            deltas.clear();
            if (b >= 0) {
                const TCrossLogData& B = *logs_[b];
                const TRange rb = CallRange(B, A.callKey);
                for (std::size_t k = i; k < j; ++k) {
                    const TCrossQSO& q = A.qsos[A.byCall[k]];
                    std::int32_t best = std::numeric_limits<std::int32_t>::max();
                    for (std::uint32_t r : rb)
                        if (B.qsos[r].slot == q.slot) {
                            const std::int32_t d = q.minute - B.qsos[r].minute;
                            if (std::abs(d) < std::abs(best)) best = d;
                        }
                    if (best != std::numeric_limits<std::int32_t>::max()) deltas.push_back(best);
                }
            }
            if (!deltas.empty()) {
                samples += deltas.size();
                votes.push_back(Median(deltas));
            }
            i = j;
        }
        if (votes.size() < kClockVoters || samples < kClockSamples) continue;
        const std::int32_t median = Median(votes);
        if (std::abs(median) < 2) continue;
        const auto agreeing = static_cast<std::size_t>(
            std::count_if(votes.begin(), votes.end(), [&](std::int32_t d) { return std::abs(d - median) <= 1; }));
        if (agreeing * 100 >= votes.size() * kClockSharePercent) logs_[a]->clockOffset = median;
    }
    for (std::uint32_t a = 0; a < logs_.size(); ++a)
        if (logs_[a]->clockOffset != 0) Add(a, -1, TCrossKind::Clock, Format("%+d min", logs_[a]->clockOffset));
}

void TSession::Link(std::uint32_t a, std::uint32_t qa, std::uint32_t b, std::uint32_t qb) {
    TCrossQSO& x = logs_[a]->qsos[qa];
    TCrossQSO& y = logs_[b]->qsos[qb];
    x.partner = static_cast<std::int32_t>(qb);
    x.partnerLog = b;
    y.partner = static_cast<std::int32_t>(qa);
    y.partnerLog = a;
}

// The records of a pair of stations in one slot, each list in time order, matched in one
// merge: the earliest records that lie within the window of each other belong together.
void TSession::MatchPair(std::uint32_t a, TRange ra, std::uint32_t b, TRange rb) {
    const TCrossLogData& A = *logs_[a];
    const TCrossLogData& B = *logs_[b];
    std::size_t i = 0, j = 0;
    while (i < ra.size() && j < rb.size()) {
        const TCrossQSO& x = A.qsos[ra[i]];
        const TCrossQSO& y = B.qsos[rb[j]];
        if (x.slot != y.slot) {
            (x.slot < y.slot ? i : j)++;
            continue;
        }
        const std::int32_t tx = A.Minute(ra[i]);
        const std::int32_t ty = B.Minute(rb[j]);
        if (std::abs(tx - ty) <= window_) {
            Link(a, ra[i++], b, rb[j++]);
        } else {
            (tx < ty ? i : j)++;
        }
    }
}

void TSession::MatchPairs() {
    for (std::uint32_t a = 0; a < logs_.size(); ++a) {
        const TCrossLogData& A = *logs_[a];
        for (std::size_t i = 0; i < A.byCall.size();) {
            const std::uint64_t call = A.qsos[A.byCall[i]].call;
            std::size_t j = i;
            while (j < A.byCall.size() && A.qsos[A.byCall[j]].call == call) ++j;
            const int b = call == A.callKey ? -1 : LogOf(call);
            if (b >= 0) {
                const TRange rb = CallRange(*logs_[b], A.callKey);
                // Each pair once: from the lower log, or from this one when the other
                // has no record of it.
                if (static_cast<std::uint32_t>(b) > a || rb.empty())
                    MatchPair(a, TRange(A.byCall.data() + i, j - i), static_cast<std::uint32_t>(b), rb);
            }
            i = j;
        }
    }
}

// A QSO left without partner whose call resembles the call of a log that holds an
// unmatched record of this station at that time in that slot: the call was miscopied.
void TSession::FindBustedCalls() {
    std::vector<std::uint32_t> similar;
    for (std::uint32_t a = 0; a < logs_.size(); ++a) {
        TCrossLogData& A = *logs_[a];
        for (std::uint32_t q = 0; q < A.qsos.size(); ++q) {
            const TCrossQSO& x = A.qsos[q];
            if (!x.judged || x.partner >= 0 || x.call == A.callKey) continue;
            similar_.Find(A.CallText(q), similar);
            int bestLog = -1, bestQso = -1;
            std::int32_t bestGap = window_ + 1;
            for (std::uint32_t b : similar) {
                if (b == a) continue;
                const TCrossLogData& B = *logs_[b];
                for (std::uint32_t r : CallRange(B, A.callKey)) {
                    const TCrossQSO& y = B.qsos[r];
                    const std::int32_t gap = std::abs(A.Minute(q) - B.Minute(r));
                    if (y.partner < 0 && y.slot == x.slot && gap < bestGap) {
                        bestGap = gap;
                        bestLog = static_cast<int>(b);
                        bestQso = static_cast<int>(r);
                    }
                }
            }
            if (bestLog < 0) continue;
            Link(a, q, static_cast<std::uint32_t>(bestLog), static_cast<std::uint32_t>(bestQso));
            Add(a, static_cast<std::int32_t>(q), TCrossKind::BustedCall, logs_[bestLog]->call, bestLog, bestQso);
        }
    }
}

// Every matched QSO: what this station received against what the partner sent in that
// QSO or, for a value sent all contest long (a zone, a state), that value.
void TSession::CheckExchanges() {
    for (std::uint32_t a = 0; a < logs_.size(); ++a) {
        const TCrossLogData& A = *logs_[a];
        for (std::uint32_t q = 0; q < A.qsos.size(); ++q) {
            const TCrossQSO& x = A.qsos[q];
            if (!x.judged || x.partner < 0 || x.kind != kNone) continue;
            const TCrossLogData& B = *logs_[x.partnerLog];
            const auto r = static_cast<std::size_t>(x.partner);
            const int fields = std::min(A.fields, B.fields);
            bool busted = false;
            for (int f = 0; f < fields && !busted; ++f) {
                const std::uint32_t got = A.rcvd[q * A.fields + f];
                const std::uint32_t sent = B.sent[r * B.fields + f];
                const std::uint32_t always = B.constantSent[f];
                if (sent == 0 && always == 0) continue;
                busted = got != sent && got != always;
            }
            if (!busted) continue;
            // The right value is filled in from the partner's log when it is read again.
            Add(a, static_cast<std::int32_t>(q), TCrossKind::BustedExchange, {}, static_cast<int>(x.partnerLog),
                x.partner);
        }
    }
}

void TSession::CountUnsubmittedCalls() {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> seen;
    for (std::uint32_t a = 0; a < logs_.size(); ++a)
        for (const TCrossQSO& x : logs_[a]->qsos)
            if (x.call != 0 && !logOf_.contains(x.call)) seen.emplace_back(x.call, a);
    std::sort(seen.begin(), seen.end());
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    for (std::size_t i = 0; i < seen.size();) {
        std::size_t j = i;
        while (j < seen.size() && seen[j].first == seen[i].first) ++j;
        unsubmitted_.emplace_back(seen[i].first, static_cast<std::uint32_t>(j - i));
        i = j;
    }
}

// How much better the station's QSOs around record `q` fit `slot` than the record's
// own slot: a station runs on one band for a while, so a lone QSO on another band is
// the one logged wrong. Nearer QSOs weigh more.
int TSession::BandSupport(const TCrossLogData& log, std::uint32_t q, std::uint8_t slot) const {
    const std::int32_t t = log.qsos[q].minute;
    auto first = std::lower_bound(log.byTime.begin(), log.byTime.end(), t - kBandNeighbourhood,
                                  [&](std::uint32_t k, std::int32_t m) { return log.qsos[k].minute < m; });
    int support = 0;
    for (auto it = first; it != log.byTime.end() && log.qsos[*it].minute <= t + kBandNeighbourhood; ++it) {
        const TCrossQSO& other = log.qsos[*it];
        if (*it == q || !other.kept) continue;
        const int weight = kBandNeighbourhood + 1 - std::abs(other.minute - t);
        if (other.slot == slot) support += weight;
        if (other.slot == log.qsos[q].slot) support -= weight;
    }
    return support;
}

// Two records of one QSO in different slots: the station whose neighbouring QSOs speak
// against its slot logged it wrong; when nothing tells them apart, both are reported.
void TSession::PairBands(std::uint32_t a, std::uint32_t q, std::uint32_t b, std::uint32_t r) {
    const TCrossLogData& A = *logs_[a];
    const TCrossLogData& B = *logs_[b];
    Link(a, q, b, r);
    const int againstA = BandSupport(A, q, B.qsos[r].slot);
    const int againstB = BandSupport(B, r, A.qsos[q].slot);
    if (againstA >= againstB)
        Add(a, static_cast<std::int32_t>(q), TCrossKind::Band, std::string(BandNames[B.qsos[r].band]),
            static_cast<int>(b), static_cast<int>(r));
    if (againstB >= againstA && B.qsos[r].judged)
        Add(b, static_cast<std::int32_t>(r), TCrossKind::Band, std::string(BandNames[A.qsos[q].band]),
            static_cast<int>(a), static_cast<int>(q));
}

// What is still without partner: the same QSO in another slot (BAND), a QSO the other
// log does not have (NIL), a call heard by nobody else (UNIQUE).
void TSession::FindLeftOvers() {
    CountUnsubmittedCalls();
    for (std::uint32_t a = 0; a < logs_.size(); ++a) {
        TCrossLogData& A = *logs_[a];
        for (std::uint32_t q = 0; q < A.qsos.size(); ++q) {
            const TCrossQSO& x = A.qsos[q];
            if (!x.judged || x.partner >= 0 || x.kind != kNone || x.call == A.callKey) continue;
            const int b = LogOf(x.call);
            if (b >= 0) {
                const TCrossLogData& B = *logs_[b];
                int other = -1;
                std::int32_t bestGap = window_ + 1;
                for (std::uint32_t r : CallRange(B, A.callKey)) {
                    const std::int32_t gap = std::abs(A.Minute(q) - B.Minute(r));
                    if (B.qsos[r].partner < 0 && B.qsos[r].slot != x.slot && gap < bestGap) {
                        bestGap = gap;
                        other = static_cast<int>(r);
                    }
                }
                if (other >= 0) PairBands(a, q, static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(other));
                else Add(a, static_cast<std::int32_t>(q), TCrossKind::NIL, {}, b);
                continue;
            }
            auto seen = std::lower_bound(unsubmitted_.begin(), unsubmitted_.end(), std::make_pair(x.call, 0u));
            const bool alone = seen == unsubmitted_.end() || seen->first != x.call || seen->second <= 1;
            if (alone && !similar_.Any(A.CallText(q))) Add(a, static_cast<std::int32_t>(q), TCrossKind::Unique, {});
        }
    }
}

std::vector<TSessionFinding> TSession::Run() {
    FindClockOffsets();
    MatchPairs();
    FindBustedCalls();
    CheckExchanges();
    FindLeftOvers();
    std::stable_sort(findings_.begin(), findings_.end(), [](const TSessionFinding& x, const TSessionFinding& y) {
        return x.log != y.log ? x.log < y.log : x.qso < y.qso;
    });
    return std::move(findings_);
}

}  // namespace

std::vector<TSessionFinding> MatchSession(const std::vector<TCrossLogData*>& logs, int window) {
    return TSession(logs, window).Run();
}

}  // namespace qz
