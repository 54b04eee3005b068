// Compiling the logs of big stations: a CQ WW CW log of 50,000 lines and a WAE CW log of
// 10,000 QSOs plus 10,000 received QTCs, on the real country file with calls taken from
// the super-check-partial file of the hamradio-files package.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "domain/call.h"
#include "domain/cty.h"
#include "engine/contestlog.h"
#include "benchdata.h"

namespace {

using namespace qz;

std::shared_ptr<const TCtyStuff> Cty() { return bench::SystemCty(); }
const std::vector<std::string>& Calls() { return bench::MasterCalls(); }

std::unique_ptr<TContestLog> NewLog(TContest contest) {
    TFileHeader h;
    h.fhContest_Contest = contest;
    h.fhUser_OwnCall = "DL1ABC";
    return CreateContestLog(h, nullptr, Cty());
}

void Append(TContestLog& log, const std::string& call, TBand band, int minute, SQSOFlags flags = {}) {
    auto q = log.NewQSO(true);
    if (!flags.Empty()) q->SetQSOFlags(flags);
    q->SetCall(call);
    q->SetBand(band);
    q->SetMode(mCW);
    q->SetDateTime(EncodeDate(2013, 11, 23) + minute / (1440.0 * 20));
    log.AppendQSO(std::move(q));
}

// 50,000 lines on six bands; the received zone is the call's own zone, with an
// occasional typo that the zone rule reports.
std::unique_ptr<TContestLog> WWDXLog() {
    auto log = NewLog(cWWDXcw);
    const auto& calls = Calls();
    constexpr TBand kBands[] = {b160m, b80m, b40m, b20m, b15m, b10m};
    bench::TRandom rnd{0x2545F4914F6CDD1DULL};  // the seed the figures so far were measured with
    for (int i = 0; i < 50000; ++i) {
        const std::string& call = calls[rnd.Next(static_cast<std::uint32_t>(calls.size()))];
        Append(*log, call, kBands[rnd.Next(6)], i);
        TQSO& q = *log->QSOs(i);
        q.SetRcvdNumbers(0, rnd.Next(200) == 0 ? std::string("4O") : Format("%.2d", q.Call().CQZone()));
    }
    return log;
}

// 10,000 QSOs with stations outside Europe and 10,000 received QTCs in groups of one
// to ten from stations worked before; some stations send more than ten.
std::unique_ptr<TContestLog> WAELog() {
    auto log = NewLog(cWAEcw);
    std::vector<std::string> dx;
    for (const std::string& c : Calls())
        if (TCall(c, Cty().get()).Continent() != coEU && !TCall(c, Cty().get()).CtyMasterPrefix().empty())
            dx.push_back(c);
    constexpr TBand kBands[] = {b80m, b40m, b20m, b15m, b10m};
    bench::TRandom rnd{0x2545F4914F6CDD1DULL};  // the seed the figures so far were measured with
    int minute = 0, qsos = 0, qtcs = 0, group = 0;
    std::vector<std::string> worked;
    while (qsos < 10000 || qtcs < 10000) {
        if (qsos < 10000 && (qtcs >= 10000 || rnd.Next(2) == 0)) {
            const std::string& call = dx[rnd.Next(static_cast<std::uint32_t>(dx.size()))];
            Append(*log, call, kBands[rnd.Next(5)], minute++);
            log->QSOs(log->NoOfQSOs() - 1)->SetRcvdNumbers(0, Format("%.3d", qsos + 1));
            worked.push_back(call);
            ++qsos;
            continue;
        }
        if (worked.empty()) continue;
        const std::string& from = worked[rnd.Next(static_cast<std::uint32_t>(worked.size()))];
        const int size = 1 + static_cast<int>(rnd.Next(10));
        ++group;
        for (int k = 0; k < size && qtcs < 10000; ++k, ++qtcs) {
            Append(*log, from, kBands[rnd.Next(5)], minute++, SQSOFlags{qfRcvdQTC});
            TQSO& q = *log->QSOs(log->NoOfQSOs() - 1);
            q.SetRcvdNumbers(1, Format("%d/%d", group, size));
            q.SetRcvdNumbers(2, Format("%.4d", (k * 7) % 2400));
            q.SetRcvdNumbers(3, dx[rnd.Next(static_cast<std::uint32_t>(dx.size()))]);
            q.SetRcvdNumbers(4, Format("%.3d", k + 1));
        }
    }
    return log;
}

void CompileLoop(benchmark::State& state, TContestLog* log) {
    if (!log) {
        state.SkipWithError("no country file or call file (package hamradio-files)");
        return;
    }
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    for (auto _ : state) {
        messages.clear();
        log->Compile();
        benchmark::DoNotOptimize(log->GetFinalResult());
    }
    state.counters["lines"] = log->NoOfQSOs();
    state.counters["result"] = static_cast<double>(log->GetFinalResult());
    log->SetMessageLines(nullptr);
}

bool HaveData() { return Cty() && !Calls().empty(); }

void BM_CompileWWDX50000(benchmark::State& state) {
    static std::unique_ptr<TContestLog> log = HaveData() ? WWDXLog() : nullptr;
    CompileLoop(state, log.get());
}
BENCHMARK(BM_CompileWWDX50000)->Unit(benchmark::kMillisecond);

void BM_CompileWAE10000QSOs10000QTCs(benchmark::State& state) {
    static std::unique_ptr<TContestLog> log = HaveData() ? WAELog() : nullptr;
    if (log) state.counters["qtcs"] = log->NoOfRcvdQTCs();
    CompileLoop(state, log.get());
}
BENCHMARK(BM_CompileWAE10000QSOs10000QTCs)->Unit(benchmark::kMillisecond);

}  // namespace
