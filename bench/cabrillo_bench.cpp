// Reading and compiling a 50,000-line CQ WW Cabrillo log from memory, as "qz score"
// does: once in another program's blank-separated layout, once in our own columns.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/text.h"
#include "domain/cty.h"
#include "import/cabrilloimport.h"
#include "benchdata.h"

namespace {

constexpr int kLines = 50000;

std::shared_ptr<const qz::TCtyStuff> Cty() { return qz::bench::SystemCtyOrSmall(); }

// A CQ WW CW log of kLines QSOs over six bands and two days.
std::string MakeLog(bool ownColumns) {
    static const char* const kPrefixes[] = {"W1",  "K2",  "N3",  "VE3", "JA1", "DL1", "G4",  "F5",  "I2",  "EA3",
                                            "OH2", "SM5", "UA3", "RA9", "VK2", "PY2", "LU1", "ZS6", "BY1", "YB0",
                                            "HA5", "OK1", "SP9", "YO3", "LZ2", "9A2", "S51", "CT1", "ON4", "PA3"};
    static const char* const kFrequencies[] = {" 1820", " 3510", " 7012", "14025", "21030", "28040"};
    std::string text =
        "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: DL1ABC\r\nCATEGORY-OPERATOR: SINGLE-OP\r\n"
        "CLAIMED-SCORE: 0\r\n";
    text.reserve(static_cast<std::size_t>(kLines) * 96);
    for (int i = 0; i < kLines; ++i) {
        const int minute = i * 2880 / kLines;
        const std::string call =
            qz::Format("%s%c%c%c", kPrefixes[i % 30], 'A' + i / 30 % 26, 'A' + i / 780 % 26, 'A' + i / 20280 % 26);
        const char* freq = kFrequencies[i / 11 % 6];
        const int zone = 1 + i % 40;
        if (ownColumns)
            text += qz::Format("QSO: %-5s CW 2024-11-%.2d %.2d%.2d %-13s %-3s %-6s %-13s %-3s %-6.2d 0\r\n", freq,
                               23 + minute / 1440, minute / 60 % 24, minute % 60, "DL1ABC", "599", "14", call.c_str(),
                               "599", zone);
        else
            text += qz::Format("QSO: %s CW 2024-11-%.2d %.2d%.2d DL1ABC 599 14 %s 599 %d 0\r\n", qz::Trim(freq).c_str(),
                               23 + minute / 1440, minute / 60 % 24, minute % 60, call.c_str(), zone);
    }
    return text + "END-OF-LOG:\r\n";
}

void ImportAndCompile(benchmark::State& state, bool ownColumns) {
    const std::string text = MakeLog(ownColumns);
    const auto cty = Cty();
    for (auto _ : state) {
        qz::TCabrilloImport reader(text, "bench.log", nullptr);
        reader.Cty = cty;
        auto log = reader.ReadLog(false);
        if (!log || log->NoOfQSOs() != kLines) {
            state.SkipWithError("the log was not read");
            return;
        }
        log->Compile();
        benchmark::DoNotOptimize(log->GetFinalResult());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_CabrilloImportCompile50k_Fields(benchmark::State& state) { ImportAndCompile(state, false); }
void BM_CabrilloImportCompile50k_OwnColumns(benchmark::State& state) { ImportAndCompile(state, true); }
BENCHMARK(BM_CabrilloImportCompile50k_Fields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CabrilloImportCompile50k_OwnColumns)->Unit(benchmark::kMillisecond);

}  // namespace
