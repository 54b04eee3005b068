// The cross-check as a whole: the files read and scored on the worker pool, grouped
// into contest sessions, each session matched, and every log with removed QSOs scored
// again on the pool.
#include "crosscheck/crosscheck.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <map>

#include "base/datetime.h"
#include "batch/workerpool.h"
#include "crosscheck/crossmatch.h"
#include "crosscheck/crosslogdata.h"

namespace qz {

namespace {

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point start) { return std::chrono::duration<double>(TClock::now() - start).count(); }

// Logs of one contest lie in one session when their QSO times overlap or lie within a
// day of each other; a contest of another year is another session.
constexpr std::int32_t kSessionGap = 24 * 60;

std::vector<std::vector<std::size_t>> Sessions(const std::vector<TCrossLogData>& data) {
    std::vector<std::size_t> order, empty;
    for (std::size_t i = 0; i < data.size(); ++i)
        if (data[i].error.empty()) (data[i].qsos.empty() ? empty : order).push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (data[a].contest != data[b].contest) return data[a].contest < data[b].contest;
        return data[a].firstMinute < data[b].firstMinute;
    });
    std::vector<std::vector<std::size_t>> sessions;
    std::int32_t end = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const TCrossLogData& d = data[order[k]];
        if (k == 0 || d.contest != data[order[k - 1]].contest || d.firstMinute > end + kSessionGap) {
            sessions.emplace_back();
            end = d.lastMinute;
        }
        sessions.back().push_back(order[k]);
        end = std::max(end, d.lastMinute);
    }
    // A log without QSOs has no time: it joins its contest's first session.
    for (std::size_t i : empty) {
        auto it = std::find_if(sessions.begin(), sessions.end(),
                               [&](const auto& s) { return data[s.front()].contest == data[i].contest; });
        if (it == sessions.end()) it = sessions.insert(sessions.end(), std::vector<std::size_t>{});
        it->push_back(i);
    }
    for (auto& s : sessions) std::sort(s.begin(), s.end());
    return sessions;
}

void ReadAll(const TCrossSettings& s, std::shared_ptr<const TCtyStuff> cty, std::vector<TCrossLogData>& data,
             TCrossResult& result) {
    TCrossReadOptions options;
    options.fixContest = s.fixContest;
    options.defaultContest = s.defaultContest;
    options.layoutName = s.layoutName;
    options.cty = std::move(cty);
    options.compile = s.compile;
    TPoolCallbacks callbacks;
    callbacks.cancel = s.cancel;
    if (s.progress) callbacks.progress = [&](std::size_t done) { s.progress(done, 2 * data.size()); };
    const std::size_t run = RunPool(
        data.size(), s.jobs,
        [&](std::size_t i) {
            try {
                ReadCrossLog(options, data[i]);
            } catch (const std::exception& e) {
                data[i].log.reset();
                data[i].error = data[i].file + ": " + e.what();
            }
        },
        callbacks);
    result.cancelled = run < data.size();
}

// Leaves a second log of one call in a session out, as a failure of its file.
std::vector<TCrossLogData*> SessionLogs(std::vector<TCrossLogData>& data, const std::vector<std::size_t>& members) {
    std::map<std::uint64_t, std::size_t> first;
    std::vector<TCrossLogData*> logs;
    for (std::size_t i : members) {
        auto [it, fresh] = first.emplace(data[i].callKey, i);
        if (fresh) {
            logs.push_back(&data[i]);
            continue;
        }
        data[i].error = data[i].file + ": a second log of " + data[i].call + " in this contest (the first is " +
                        data[it->second].file + ")";
        data[i].log.reset();
    }
    return logs;
}

TCrossFinding MakeFinding(const std::vector<TCrossLogData*>& logs, const std::vector<std::size_t>& index,
                          const TSessionFinding& f) {
    TCrossFinding out;
    const TCrossLogData& own = *logs[f.log];
    out.log = index[f.log];
    out.kind = f.kind;
    out.correct = f.correct;
    if (f.qso >= 0) {
        out.line = own.qsos[f.qso].line;
        out.record = QSORecordText(own, static_cast<std::size_t>(f.qso));
        if (const TQSO* line = own.log->QSOs(own.qsos[f.qso].pos)) out.call = line->Call().Call();
    } else {
        out.call = own.call;
    }
    if (f.otherLog >= 0) {
        out.other = index[f.otherLog];
        if (f.otherQso >= 0) out.otherRecord = QSORecordText(*logs[f.otherLog], static_cast<std::size_t>(f.otherQso));
    }
    return out;
}

}  // namespace

TCrossResult RunCrossCheck(const TCrossSettings& s) {
    TCrossResult result;
    auto start = TClock::now();
    std::shared_ptr<const TCtyStuff> cty = s.cty;
    if (!cty && !s.files.empty()) {
        auto loaded = std::make_shared<TCtyStuff>("");
        if (loaded->CtyListCount() == 0) {
            result.setupError = "no country data: " + loaded->LoadError();
            return result;
        }
        cty = std::move(loaded);
    }
    std::vector<TCrossLogData> data(s.files.size());
    for (std::size_t i = 0; i < data.size(); ++i) data[i].file = s.files[i];
    ReadAll(s, cty, data, result);
    result.readSeconds = SecondsSince(start);
    if (result.cancelled) return result;

    start = TClock::now();
    const auto sessions = Sessions(data);
    std::vector<std::vector<TCrossLogData*>> sessionLogs;
    for (const auto& members : sessions) sessionLogs.push_back(SessionLogs(data, members));
    // The logs that take part, in list order.
    std::vector<std::size_t> logIndex(data.size(), TCrossFinding::kNoLog);
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (!data[i].error.empty()) {
            result.failures.push_back({data[i].file, data[i].error});
            continue;
        }
        logIndex[i] = result.logs.size();
        TCrossLog log;
        log.file = data[i].file;
        log.call = data[i].call;
        log.contest = data[i].contest;
        log.claimed = data[i].claimed;
        log.score = log.checked = data[i].score;
        result.logs.push_back(std::move(log));
    }
    for (const auto& logs : sessionLogs) {
        if (logs.empty()) continue;
        ++result.sessions;
        auto dated = std::find_if(logs.begin(), logs.end(), [](const TCrossLogData* d) { return !d->qsos.empty(); });
        const std::int32_t year = dated == logs.end() ? 0 : DecodeDate((*dated)->firstMinute / 1440.0).year;
        std::vector<std::size_t> index;
        for (TCrossLogData* d : logs) {
            index.push_back(logIndex[d - data.data()]);
            result.logs[index.back()].year = year;
        }
        for (const TSessionFinding& f : MatchSession(logs, s.windowMinutes))
            result.findings.push_back(MakeFinding(logs, index, f));
    }
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const TCrossFinding& x, const TCrossFinding& y) {
                         return x.log != y.log ? x.log < y.log : x.line < y.line;
                     });
    for (const TCrossFinding& f : result.findings) {
        ++result.counts[static_cast<std::size_t>(f.kind)];
        ++result.logs[f.log].counts[static_cast<std::size_t>(f.kind)];
    }
    std::vector<std::size_t> rescore;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (logIndex[i] == TCrossFinding::kNoLog) continue;
        TCrossLog& log = result.logs[logIndex[i]];
        log.clockOffset = data[i].clockOffset;
        for (const TCrossQSO& r : data[i].qsos) {
            if (!r.judged) continue;
            ++log.qsos;
            if (CrossKindRemoves(r.kind)) ++log.removed;
        }
        result.qsos += static_cast<std::size_t>(log.qsos);
        if (log.removed > 0) rescore.push_back(i);
        else data[i].log.reset();
    }
    result.matchSeconds = SecondsSince(start);

    start = TClock::now();
    TPoolCallbacks callbacks;
    if (s.progress && !rescore.empty())
        callbacks.progress = [&](std::size_t done) {
            s.progress(data.size() + done * data.size() / rescore.size(), 2 * data.size());
        };
    RunPool(
        rescore.size(), s.jobs,
        [&](std::size_t k) {
            TCrossLogData& d = data[rescore[k]];
            try {
                result.logs[logIndex[rescore[k]]].checked = CheckedScore(d, s.penalty);
            } catch (const std::exception& e) {
                // The findings stand; the checked score is the one by the rules.
                d.error = d.file + ": the checked score could not be computed: " + e.what();
            }
            d.log.reset();
        },
        callbacks);
    for (std::size_t i : rescore)
        if (!data[i].error.empty()) result.failures.push_back({data[i].file, data[i].error});
    if (s.progress) s.progress(2 * data.size(), 2 * data.size());
    result.scoreSeconds = SecondsSince(start);
    return result;
}

}  // namespace qz
