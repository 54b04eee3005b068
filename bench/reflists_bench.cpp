// Reference-list lookups as compiling does them once per log line, and the cost of
// loading a list (paid by every contest log that needs it).
#include <benchmark/benchmark.h>

#include <string>

#include "base/text.h"
#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"

namespace {

constexpr int kLines = 3000;  // two sub-items each: 6000 records

std::string AmiTableText() {
    std::string text = "* generated table\r\n";
    for (int i = 0; i < kLines; ++i) text += qz::Format("M%04d: S%04dA, S%04dB; %d\r\n", i, i, i, i % 10);
    return text;
}

std::string MemberListText() {
    std::string text;
    for (int i = 0; i < 2 * kLines; ++i) text += qz::Format("DL%dX%03d %d;\r\n", i / 1000, i % 1000, i + 1);
    return text;
}

const qz::TAmiAllocationTable& AmiTable() {
    static const qz::TAmiAllocationTable table = [] {
        qz::TAmiAllocationTable t;
        t.ReadFromText(AmiTableText());
        return t;
    }();
    return table;
}

const qz::TMemberList& Members() {
    static const qz::TMemberList list = [] {
        qz::TMemberList m;
        m.ReadFromText(MemberListText());
        return m;
    }();
    return list;
}

// Keys spread over the table so that hits are not all at the top.
const char* const kHits[] = {"s0007a", "S1500B", "S2999A", "s0420b"};

void BM_GetMainItemExact(benchmark::State& state) {
    const auto& t = AmiTable();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(t.GetMainItem(kHits[i++ & 3], false));
}
BENCHMARK(BM_GetMainItemExact);

void BM_GetMainItemExactMiss(benchmark::State& state) {
    const auto& t = AmiTable();
    for (auto _ : state) benchmark::DoNotOptimize(t.GetMainItem("NOSUCH", false));
}
BENCHMARK(BM_GetMainItemExactMiss);

// "S1500B" plus six characters: found after six shortenings.
void BM_GetMainItemShortened(benchmark::State& state) {
    const auto& t = AmiTable();
    for (auto _ : state) benchmark::DoNotOptimize(t.GetMainItem("S1500Bxyz123", true));
}
BENCHMARK(BM_GetMainItemShortened);

// Twelve characters, none of its leading parts known: twelve lookups.
void BM_GetMainItemShortenedMiss(benchmark::State& state) {
    const auto& t = AmiTable();
    for (auto _ : state) benchmark::DoNotOptimize(t.GetMainItem("XYZ123456789", true));
}
BENCHMARK(BM_GetMainItemShortenedMiss);

// The scan in file order that the indexes replace, for comparison.
void BM_LinearScanBaselineShortened(benchmark::State& state) {
    const auto& t = AmiTable();
    for (auto _ : state) {
        std::string found;
        for (std::string k = "S1500Bxyz123"; !k.empty() && found.empty(); k.pop_back())
            for (int i = 0; i < t.Count(); ++i)
                if (qz::SameText(t.Record(i).aarSubItem, k)) {
                    found = t.Record(i).aarMainItem;
                    break;
                }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LinearScanBaselineShortened);

void BM_GetMainItemsFromCallArea(benchmark::State& state) {
    const auto& t = AmiTable();
    for (auto _ : state) benchmark::DoNotOptimize(t.GetMainItemsFromCallArea(3));
}
BENCHMARK(BM_GetMainItemsFromCallArea);

const char* const kMembers[] = {"DL0X007", "DL3X500", "DL5X999", "DL2X420"};

void BM_GetMemberNumber(benchmark::State& state) {
    const auto& m = Members();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(m.GetMemberNumber(kMembers[i++ & 3]));
}
BENCHMARK(BM_GetMemberNumber);

void BM_GetMemberNumberMiss(benchmark::State& state) {
    const auto& m = Members();
    for (auto _ : state) benchmark::DoNotOptimize(m.GetMemberNumber("DL9ZZZ"));
}
BENCHMARK(BM_GetMemberNumberMiss);

void BM_ReadAmiTable(benchmark::State& state) {
    std::string text = AmiTableText();
    for (auto _ : state) {
        qz::TAmiAllocationTable t;
        t.ReadFromText(text);
        benchmark::DoNotOptimize(t.Count());
    }
}
BENCHMARK(BM_ReadAmiTable)->Unit(benchmark::kMicrosecond);

void BM_ReadMemberList(benchmark::State& state) {
    std::string text = MemberListText();
    for (auto _ : state) {
        qz::TMemberList m;
        m.ReadFromText(text);
        benchmark::DoNotOptimize(m.Count());
    }
}
BENCHMARK(BM_ReadMemberList)->Unit(benchmark::kMicrosecond);

}  // namespace
