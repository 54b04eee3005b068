// Compiling big logs with the base rules and with a rule that asks the new-multiplier
// test for every line, against the plain scans that the same questions cost outside a
// compile pass (where the rules still look at all earlier lines).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/datetime.h"
#include "base/options.h"
#include "domain/cty.h"
#include "engine/contestlog.h"
#include "report/series.h"

namespace {

using namespace qz;

const char* const kCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\n"
    "    AA,K,N,W;\n";

// Base rules, plus (when `multiplier`) one log-wise multiplier: the call's prefix.
class TBenchLog : public TContestLog {
public:
    explicit TBenchLog(bool multiplier) : multiplier_(multiplier) {
        FNoOfSentNumbers = 1;
        FNoOfRcvdNumbers = 1;
        FNoOfMulties = multiplier ? 1 : 0;
        FBands = SBand::Range(b160m, b10m);
    }
    std::string GetMulti(int index, int multiIndex) override {
        if (!multiplier_) return {};
        const TQSO* q = QSOs(index);
        return q->IsGood() ? NewMulti(index, multiIndex, q->Call().Prefix(), false) : std::string();
    }
    std::int32_t GetPoints(int index) override { return QSOs(index)->IsGood() ? 1 : 0; }
    using TContestLog::NewMulti;

private:
    bool multiplier_;
};

std::unique_ptr<TBenchLog> MakeLog(int lines, bool multiplier) {
    static std::shared_ptr<const TCtyStuff> cty = TCtyStuff::FromText(kCty);
    auto log = std::make_unique<TBenchLog>(multiplier);
    TFileHeader h;
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWWDXcw;
    log->Init(h, cty);
    const TBand bands[] = {b80m, b40m, b20m, b15m, b10m};
    for (int i = 0; i < lines; ++i) {
        auto q = log->NewQSO(false);
        // About one call in three repeats (dupes on the same band, new on others).
        int n = (i * 7919) % (lines * 2 / 3 + 1);
        q->SetCall((n % 2 ? "W" : "DL") + std::to_string(n % 10) + "A" + std::string(1, char('A' + n / 10 % 26)) +
                   std::string(1, char('A' + n / 260 % 26)));
        q->SetBand(bands[i % 5]);
        q->SetDateTime(EncodeDate(2013, 1, 5) + i / 1440.0);
        log->AppendQSO(std::move(q));
    }
    return log;
}

void BM_CompileBaseRules(benchmark::State& state) {
    Options.Compile_SortLog.oValue = false;
    auto log = MakeLog(static_cast<int>(state.range(0)), false);
    for (auto _ : state) log->Compile();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompileBaseRules)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_CompileWithNewMultiplierTest(benchmark::State& state) {
    Options.Compile_SortLog.oValue = false;
    auto log = MakeLog(static_cast<int>(state.range(0)), true);
    for (auto _ : state) log->Compile();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CompileWithNewMultiplierTest)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The same questions asked line by line outside a compile pass: the plain scans.
void BM_PlainScanDupesAndMultipliers(benchmark::State& state) {
    Options.Compile_SortLog.oValue = false;
    auto log = MakeLog(static_cast<int>(state.range(0)), true);
    log->Compile();
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < log->NoOfQSOs(); ++i) {
            found += log->IsDupe(i);
            found += !log->NewMulti(i, 0, log->QSOs(i)->Call().Prefix(), false).empty();
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_PlainScanDupesAndMultipliers)->Arg(10000)->Unit(benchmark::kMillisecond);

// The charts' time series of a compiled log whose lines fill a 48-hour contest.
void BM_SeriesOfCompiledLog(benchmark::State& state) {
    Options.Compile_SortLog.oValue = false;
    const int lines = static_cast<int>(state.range(0));
    auto log = MakeLog(lines, true);
    for (int i = 0; i < lines; ++i) log->QSOs(i)->SetDateTime(EncodeDate(2013, 1, 5) + 2.0 * i / lines);
    log->Compile();
    for (auto _ : state) benchmark::DoNotOptimize(BuildSeries(*log).hourly.bins);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SeriesOfCompiledLog)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
