// Storing and reading a native log of 50,000 lines (a large multi-operator log); both
// must stay well under 100 ms so that saving and opening never keep the user waiting.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/datetime.h"
#include "contests/framework/factory.h"
#include "domain/cty.h"
#include "logfile/qzf.h"

namespace {

constexpr int kLines = 50000;

constexpr const char* kCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\r\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\r\n"
    "    AA,K,N,W;\r\n"
    "England:                  14:  27:  EU:   52.77:     1.47:     0.0:  G:\r\n"
    "    G,M,2E;\r\n"
    "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\r\n"
    "    JA,JE,JF,JG,JH,JI,JJ,JK,JL,JM,JN,JO,JP,JQ,JR,JS;\r\n";

std::shared_ptr<const qz::TCtyStuff> Cty() {
    static std::shared_ptr<const qz::TCtyStuff> cty = qz::TCtyStuff::FromText(kCty, "bench.dat");
    return cty;
}

std::unique_ptr<qz::TContestLog> BigLog() {
    qz::TFileHeader h = qz::NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = qz::cWWDXcw;
    auto log = qz::CreateContestLog(h, nullptr, Cty());
    const char* prefixes[] = {"W", "K", "DL", "G", "JA", "N", "DK", "M"};
    const qz::TBand bands[] = {qz::b160m, qz::b80m, qz::b40m, qz::b20m, qz::b15m, qz::b10m};
    for (int i = 0; i < kLines; ++i) {
        auto q = log->NewQSO(true);
        q->SetCall(std::string(prefixes[i % 8]) + std::to_string(i % 10) + static_cast<char>('A' + i % 26) +
                   static_cast<char>('A' + (i / 26) % 26) + static_cast<char>('A' + (i / 676) % 26));
        q->SetBand(bands[i % 6]);
        // Mostly in time order, every hundredth line out of place.
        int minute = i % 100 == 0 ? (i * 7) % kLines : i;
        q->SetDateTime(qz::EncodeDate(2013, 11, 23) + minute / (1440.0 * 30));
        q->SetSentNumbers(0, "14");
        q->SetRcvdNumbers(0, std::to_string(1 + i % 40));
        if (i % 500 == 0) q->SetComment({"checked against the other log"});
        log->AppendQSO(std::move(q));
    }
    return log;
}

std::string TempName() {
    return (std::filesystem::temp_directory_path() / ("qzf-bench-" + std::to_string(::getpid()) + ".QZF")).string();
}

void BM_StoreLog50k(benchmark::State& state) {
    auto log = BigLog();
    const std::string file = TempName();
    qz::TQZF qzf;
    for (auto _ : state) {
        std::string written = qzf.StoreLog(file, *log, false);
        if (written.empty()) state.SkipWithError(qzf.LastError().c_str());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    std::filesystem::remove(file);
}
BENCHMARK(BM_StoreLog50k)->Unit(benchmark::kMillisecond);

void BM_ReadLog50k(benchmark::State& state) {
    auto log = BigLog();
    const std::string file = TempName();
    qz::TQZF qzf;
    qzf.StoreLog(file, *log, false);
    for (auto _ : state) {
        auto back = qzf.ReadLog(file, Cty());
        if (!back || back->NoOfQSOs() != kLines) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(back.get());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadLog50k)->Unit(benchmark::kMillisecond);

void BM_EncodeLog50k(benchmark::State& state) {
    auto log = BigLog();
    for (auto _ : state) {
        std::string bytes = qz::TQZF::EncodeLog(*log);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_EncodeLog50k)->Unit(benchmark::kMillisecond);

}  // namespace
