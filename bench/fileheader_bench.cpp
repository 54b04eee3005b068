// Encoding and decoding the 4096-byte log header (done once per stored or previewed log).
#include <benchmark/benchmark.h>

#include "domain/fileheader.h"

namespace {

qz::TFileHeader SampleHeader() {
    qz::TFileHeader h;
    h.fhQZ_VersionString = std::string(qz::QZVersionString);
    h.fhUser_OwnCall = "DL1ABC";
    h.fhUser_Address = "Somewhere 1, 12345 Town";
    h.fhContest_Contest = qz::cWWDXcw;
    h.fhContest_NoOfQSOs = 1234;
    return h;
}

void BM_EncodeFileHeader(benchmark::State& state) {
    qz::TFileHeader h = SampleHeader();
    std::string out;
    for (auto _ : state) {
        out.clear();
        qz::EncodeFileHeader(h, out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_EncodeFileHeader);

void BM_DecodeFileHeader(benchmark::State& state) {
    std::string bytes;
    qz::EncodeFileHeader(SampleHeader(), bytes);
    qz::TFileHeader h;
    for (auto _ : state) {
        bool ok = qz::DecodeFileHeader(bytes, h, nullptr);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_DecodeFileHeader);

}  // namespace
