// Loading the system country file and looking up every call of the system's
// super-check-partial list (about 85,000 calls).
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/installfiles.h"
#include "base/text.h"
#include "domain/call.h"
#include "domain/cty.h"
#include "benchdata.h"

namespace {

void BM_LoadCountryFile(benchmark::State& state) {
    if (!qz::FileExists(qz::kSystemCountryFile)) {
        state.SkipWithError("no system cty.dat (install hamradio-files)");
        return;
    }
    for (auto _ : state) {
        qz::TCtyStuff cty(qz::kSystemCountryFile);
        benchmark::DoNotOptimize(cty.CtyListCount());
    }
}
BENCHMARK(BM_LoadCountryFile)->Unit(benchmark::kMillisecond);

template <typename Lookup>
void LookupAll(benchmark::State& state, Lookup lookup) {
    if (!qz::FileExists(qz::kSystemCountryFile) || !!qz::bench::MasterCalls().empty()) {
        state.SkipWithError("no system cty.dat or MASTER.SCP (install hamradio-files)");
        return;
    }
    qz::TCtyStuff cty(qz::kSystemCountryFile);
    const std::vector<std::string>& calls = qz::bench::MasterCalls();
    std::size_t found = 0;
    for (auto _ : state)
        for (const auto& call : calls) found += lookup(cty, call);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * calls.size()));
    state.counters["calls"] = static_cast<double>(calls.size());
    state.counters["found%"] =
        100.0 * static_cast<double>(found) / static_cast<double>(state.iterations() * calls.size());
}

void BM_TCallLookup(benchmark::State& state) {
    LookupAll(state, [](const qz::TCtyStuff& cty, const std::string& call) {
        qz::TCall c(call, &cty);
        benchmark::DoNotOptimize(c);
        return c.PrefixRec() != nullptr;
    });
}
BENCHMARK(BM_TCallLookup)->Unit(benchmark::kMillisecond);

void BM_fCtyLookup(benchmark::State& state) {
    LookupAll(state, [](const qz::TCtyStuff& cty, const std::string& call) {
        const qz::TPrefixRec* p = cty.fCty(call);
        benchmark::DoNotOptimize(p);
        return p != nullptr;
    });
}
BENCHMARK(BM_fCtyLookup)->Unit(benchmark::kMillisecond);

}  // namespace
