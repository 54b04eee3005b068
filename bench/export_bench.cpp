// Writing a compiled 50,000-line log as Cabrillo and as STF, as the output windows and
// the export command do after every compile.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "domain/cty.h"
#include "export/cabrilloexport.h"
#include "export/stfexport.h"

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

// A CQ WW CW log of 50,000 lines over six bands, compiled once.
qz::TContestLog& CompiledLog() {
    static std::unique_ptr<qz::TContestLog> log = [] {
        qz::TFileHeader h;
        h.fhUser_OwnCall = "DL1ABC";
        h.fhContest_Contest = qz::cWWDXcw;
        h.fhUser_Address = "Street 1\r\nTown";
        auto cty = std::shared_ptr<const qz::TCtyStuff>(qz::TCtyStuff::FromText(kCty, "bench.dat"));
        auto l = qz::CreateContestLog(h, nullptr, cty);
        const char* const prefixes[] = {"W", "K", "G", "JA", "DL", "N"};
        const qz::TBand bands[] = {qz::b160m, qz::b80m, qz::b40m, qz::b20m, qz::b15m, qz::b10m};
        const qz::TDateTime start = qz::EncodeDate(2013, 11, 23);
        for (int i = 0; i < kLines; ++i) {
            auto q = l->NewQSO(false);
            q->SetCall(
                qz::Format("%s%d%c%c%c", prefixes[i % 6], i % 10, 'A' + i % 26, 'A' + i / 26 % 26, 'A' + i / 676 % 26));
            q->SetBand(bands[i / 7 % 6]);
            q->SetDateTime(start + i / 1440.0 / 30.0);
            q->SetSentNumbers(0, "14");
            q->SetRcvdNumbers(0, qz::Format("%d", 1 + i % 40));
            if (i % 97 == 0) q->IncludeFlag(qz::qfUserDeleted);
            l->AppendQSO(std::move(q));
        }
        l->Compile();
        return l;
    }();
    return *log;
}

void BM_CabrilloExport50k(benchmark::State& state) {
    qz::TContestLog& log = CompiledLog();
    for (auto _ : state) {
        std::vector<std::string> lines;
        qz::TCabrilloExport(log).ExportLog(lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_CabrilloExport50k)->Unit(benchmark::kMillisecond);

void BM_STFExport50k(benchmark::State& state) {
    qz::TContestLog& log = CompiledLog();
    qz::TSTFExportSettings settings;
    for (auto _ : state) {
        std::vector<std::string> lines;
        qz::TSTFExport(log, settings).ExportLog(lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_STFExport50k)->Unit(benchmark::kMillisecond);

}  // namespace
