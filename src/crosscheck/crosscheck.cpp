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

void ReadAll(const TCrossSettings& s, const TCrossReadOptions& options, std::vector<TCrossLogData>& data,
             TCrossResult& result) {
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

// Where a finding's texts come from: the records in the two logs (indexes into the
// data), filled in when the logs are read again.
struct TFindingSource {
    std::size_t own = 0;
    std::int32_t qso = -1;
    std::size_t other = TCrossFinding::kNoLog;
    std::int32_t otherQso = -1;
};

TCrossFinding MakeFinding(const std::vector<TCrossLogData*>& logs, const std::vector<std::size_t>& index,
                          const TSessionFinding& f) {
    TCrossFinding out;
    const TCrossLogData& own = *logs[f.log];
    out.log = index[f.log];
    out.kind = f.kind;
    out.correct = f.correct;
    out.line = f.qso >= 0 ? own.qsos[f.qso].line : 0;
    out.call = f.qso >= 0 ? std::string(own.CallText(static_cast<std::size_t>(f.qso))) : own.call;
    if (f.otherLog >= 0) out.other = index[f.otherLog];
    return out;
}

// The second pass over one log: the texts of the findings about its records and about
// records of other logs matched with its records, and its checked score.
void SecondPass(const TCrossReadOptions& options, int penalty, TCrossLogData& d, const std::vector<std::size_t>& own,
                const std::vector<std::size_t>& other, const std::vector<TFindingSource>& sources,
                std::vector<TCrossFinding>& findings, TCrossLog& log) {
    if (!ReopenCrossLog(options, d)) return;
    for (std::size_t k : own) findings[k].record = QSORecordText(d, static_cast<std::size_t>(sources[k].qso));
    for (std::size_t k : other) {
        const auto q = static_cast<std::size_t>(sources[k].otherQso);
        findings[k].otherRecord = QSORecordText(d, q);
        if (findings[k].kind == TCrossKind::BustedExchange) findings[k].correct = SentExchangeText(d, q);
    }
    if (log.removed > 0) log.checked = CheckedScore(d, penalty);
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
    TCrossReadOptions options;
    options.fixContest = s.fixContest;
    options.defaultContest = s.defaultContest;
    options.layoutName = s.layoutName;
    options.cty = std::move(cty);
    options.compile = s.compile;
    ReadAll(s, options, data, result);
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
        log.droppedLines = data[i].droppedLines;
        log.score = log.checked = data[i].score;
        result.logs.push_back(std::move(log));
    }
    std::vector<std::pair<TCrossFinding, TFindingSource>> found;
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
        for (const TSessionFinding& f : MatchSession(logs, s.windowMinutes)) {
            TFindingSource source;
            source.own = static_cast<std::size_t>(logs[f.log] - data.data());
            source.qso = f.qso;
            if (f.otherLog >= 0) source.other = static_cast<std::size_t>(logs[f.otherLog] - data.data());
            source.otherQso = f.otherQso;
            found.emplace_back(MakeFinding(logs, index, f), source);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& x, const auto& y) {
        return x.first.log != y.first.log ? x.first.log < y.first.log : x.first.line < y.first.line;
    });
    std::vector<TFindingSource> sources;
    std::vector<std::vector<std::size_t>> own(data.size()), other(data.size());
    for (auto& [finding, source] : found) {
        const std::size_t k = result.findings.size();
        if (source.qso >= 0) own[source.own].push_back(k);
        if (source.other != TCrossFinding::kNoLog && source.otherQso >= 0) other[source.other].push_back(k);
        ++result.counts[static_cast<std::size_t>(finding.kind)];
        ++result.logs[finding.log].counts[static_cast<std::size_t>(finding.kind)];
        result.findings.push_back(std::move(finding));
        sources.push_back(source);
    }
    found.clear();
    found.shrink_to_fit();
    std::vector<std::size_t> again;
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
        if (log.removed > 0 || !own[i].empty() || !other[i].empty()) again.push_back(i);
    }
    result.matchSeconds = SecondsSince(start);

    start = TClock::now();
    TPoolCallbacks callbacks;
    if (s.progress && !again.empty())
        callbacks.progress = [&](std::size_t done) {
            s.progress(data.size() + done * data.size() / again.size(), 2 * data.size());
        };
    RunPool(
        again.size(), s.jobs,
        [&](std::size_t k) {
            const std::size_t i = again[k];
            TCrossLogData& d = data[i];
            try {
                SecondPass(options, s.penalty, d, own[i], other[i], sources, result.findings, result.logs[logIndex[i]]);
            } catch (const std::exception& e) {
                // The findings stand; the checked score is the one by the rules.
                d.error = d.file + ": the checked score could not be computed: " + e.what();
            }
            d.log.reset();
        },
        callbacks);
    for (std::size_t i : again)
        if (!data[i].error.empty()) result.failures.push_back({data[i].file, data[i].error});
    if (s.progress) s.progress(2 * data.size(), 2 * data.size());
    result.scoreSeconds = SecondsSince(start);
    return result;
}

}  // namespace qz
