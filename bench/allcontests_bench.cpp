// Compiling a 10,000-line log of every contest of the program, each with calls and
// exchanges that the contest accepts, and naming the slowest. Contests whose rules need
// particular stations or exchanges have a row in the generator table below; the others
// work stations anywhere with serial numbers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "base/installfiles.h"
#include "domain/call.h"
#include "domain/cty.h"
#include "engine/contestlog.h"
#include "benchdata.h"

namespace {

using namespace qz;
using bench::TRandom;

constexpr int kLines = 10000;

// The country file, and the shipped reference lists copied into the data folder (the
// contests that read a list make no log without it).
std::shared_ptr<const TCtyStuff> Cty() {
    static std::shared_ptr<const TCtyStuff> cty = [] {
        InstallMissingDataFiles();
        return bench::SystemCty();
    }();
    return cty;
}

// The calls of the super-check-partial file by country master prefix.
const std::map<std::string, std::vector<std::string>>& CallsByCountry() {
    static const std::map<std::string, std::vector<std::string>> calls = [] {
        std::map<std::string, std::vector<std::string>> r;
        for (const std::string& call : bench::MasterCalls()) {
            std::string master = TCall(call, Cty().get()).CtyMasterPrefix();
            if (!master.empty()) r[master].push_back(call);
        }
        return r;
    }();
    return calls;
}

// Calls of the given countries (all calls for an empty list), without those of `not`.
std::vector<std::string> CallsOf(const std::vector<std::string>& countries, const std::vector<std::string>& not_) {
    std::vector<std::string> out;
    for (const auto& [master, calls] : CallsByCountry()) {
        if (!countries.empty() && std::find(countries.begin(), countries.end(), master) == countries.end()) continue;
        if (std::find(not_.begin(), not_.end(), master) != not_.end()) continue;
        out.insert(out.end(), calls.begin(), calls.end());
    }
    return out;
}

// Fills the exchange of line `i` (its call is set) and may change its sent numbers.
using TExchange = void (*)(TQSO& q, int i, TRandom& rnd);

std::string Serial(int i) { return Format("%.3d", i % 1000 + 1); }
std::string Pick(TRandom& rnd, std::initializer_list<const char*> items) {
    return *(items.begin() + rnd.Next(static_cast<std::uint32_t>(items.size())));
}
std::string DOK(TRandom& rnd, char district, int chapters) {
    return Format("%c%.2d", district, 1 + static_cast<int>(rnd.Next(static_cast<std::uint32_t>(chapters))));
}
std::string Locator(TRandom& rnd) {
    return Format("JO%d%d%c%c", 3 + static_cast<int>(rnd.Next(3)), static_cast<int>(rnd.Next(10)),
                  'A' + static_cast<int>(rnd.Next(24)), 'A' + static_cast<int>(rnd.Next(24)));
}
bool IsDL(const TQSO& q) { return q.Call().CtyMasterPrefix() == "DL"; }

void SerialExchange(TQSO& q, int i, TRandom&) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, Serial(i + 7));
}
void ZoneExchange(TQSO& q, int, TRandom&) { q.SetRcvdNumbers(0, Format("%.2d", q.Call().CQZone())); }
void DOKOrSerial(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, IsDL(q) ? DOK(rnd, static_cast<char>('A' + rnd.Next(26)), 60) : Serial(i));
}
void DARC10Exchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, IsDL(q) ? DOK(rnd, static_cast<char>('A' + rnd.Next(26)), 60) : "");
}
void HessenExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, DOK(rnd, 'F', 76));
    q.SetRcvdNumbers(1, Locator(rnd));
    q.SetSentNumbers(1, "JO40HB");
}
void ThueringenExchange(TQSO& q, int, TRandom& rnd) { q.SetRcvdNumbers(0, DOK(rnd, 'X', 46)); }
void WNAExchange(TQSO& q, int, TRandom& rnd) { q.SetRcvdNumbers(0, DOK(rnd, 'N', 62)); }
void RookieExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, std::string(1, static_cast<char>('A' + rnd.Next(26))));
    q.SetRcvdNumbers(1, std::to_string(rnd.Next(50)));
}
void VFDBExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, rnd.Next(2) ? DOK(rnd, 'Z', 94) : DOK(rnd, 'F', 70));
    q.SetRcvdNumbers(1, Locator(rnd));
    q.SetSentNumbers(0, "Z11");
}
void MemberExchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, std::to_string(rnd.Next(3000) + 1));
}
void PowerClassExchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, Pick(rnd, {"A", "B", "a", "C"}));
}
void HSCExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, rnd.Next(3) ? std::to_string(rnd.Next(2000) + 1) : std::string("NM"));
}
void OKOMExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, Pick(rnd, {"APA", "BBN", "CBU", "GBM", "HOS", "BAA", "KOS", "ZVO", "XXX"}));
}
void SPExchange(TQSO& q, int, TRandom& rnd) { q.SetRcvdNumbers(0, Pick(rnd, {"B", "C", "D", "F", "G", "K", "Z"})); }
void PAExchange(TQSO& q, int, TRandom& rnd) { q.SetRcvdNumbers(0, Pick(rnd, {"GR", "FR", "DR", "NH", "ZH", "LB"})); }
void HAExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, rnd.Next(2) ? Pick(rnd, {"BP", "PE", "ZA", "GY", "HB", "SZ"}) : std::to_string(rnd.Next(999)));
}
void CantonExchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, Pick(rnd, {"ZH", "BE", "LU", "GE", "VD", "TI", "AG"}));
    q.SetSentNumbers(1, "ZH");
}

void IARUExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, rnd.Next(20) ? Format("%.2d", q.Call().ITUZone()) : Pick(rnd, {"DARC", "RSGB", "R1", "AC"}));
}
void LicenceYearExchange(TQSO& q, int, TRandom& rnd) { q.SetRcvdNumbers(0, std::to_string(60 + rnd.Next(64))); }
void IOTAExchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, rnd.Next(3) ? Format("%s-%.3d", Pick(rnd, {"EU", "NA", "OC", "AS"}).c_str(),
                                             1 + static_cast<int>(rnd.Next(200)))
                                    : std::string());
    if (i % 2) q.SetSentNumbers(1, "EU-005");
}
void LocatorExchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, rnd.Next(20) ? Locator(rnd) : std::string("JO4"));
    q.SetSentNumbers(1, "JO40HB");
}
void TOPSExchange(TQSO& q, int i, TRandom& rnd) {
    MemberExchange(q, i, rnd);
    q.SetSentNumbers(1, "1234");
}
void QRPClassExchange(TQSO& q, int i, TRandom& rnd) {
    q.SetRcvdNumbers(0, Serial(i));
    q.SetRcvdNumbers(1, Pick(rnd, {"VLP", "QRP", "MP"}));
}
void StationClassExchange(TQSO& q, int, TRandom& rnd) { q.SetRcvdNumbers(0, Pick(rnd, {"EU", "SAM", "NA", "EUY"})); }
void YLExchange(TQSO& q, int, TRandom& rnd) {
    q.SetRcvdNumbers(0, "59");
    q.SetRcvdNumbers(1, Pick(rnd, {"YL", "OM", "yl"}));
}

// One row per contest that needs more than stations anywhere and serial numbers.
struct TGenerator {
    TContest contest;
    const char* ownCall;
    std::vector<std::string> worked;     // countries of the worked stations; empty: any
    std::vector<std::string> notWorked;  // countries left out
    TExchange exchange;
};

const std::vector<TGenerator>& Generators() {
    static const std::vector<TGenerator> rows = {
        {cWWDXcw, "DL1ABC", {}, {}, ZoneExchange},
        {cWWDXssb, "DL1ABC", {}, {}, ZoneExchange},
        {cWAG, "DL1ABC", {}, {}, DOKOrSerial},
        {cWAGdx, "G4ABC", {"DL"}, {}, DOKOrSerial},
        {cDARC10, "DL1ABC", {}, {}, DARC10Exchange},
        {cXMAS, "DL1ABC", {}, {}, DOKOrSerial},
        {cDTC, "DL1ABC", {}, {}, SerialExchange},
        {cHessen, "DL1ABC", {"DL"}, {}, HessenExchange},
        {cThueringen, "DL1ABC", {"DL"}, {}, ThueringenExchange},
        {cDARCrookie, "DL1ABC", {"DL"}, {}, RookieExchange},
        {cVFDB, "DL1ABC", {"DL"}, {}, VFDBExchange},
        {cWNA, "DL1ABC", {"DL"}, {}, WNAExchange},
        {cHNY, "DL1ABC", {}, {}, MemberExchange},
        {cQRPQRP, "DL1ABC", {}, {}, PowerClassExchange},
        {cHSC, "DL1ABC", {}, {}, HSCExchange},
        {cOKDX, "DL1ABC", {"OK", "OM"}, {}, OKOMExchange},
        {cOKDXok, "OK1ABC", {}, {"OK", "OM"}, SerialExchange},
        {cSPDX, "DL1ABC", {"SP"}, {}, SPExchange},
        {cSPDXsp, "SP1ABC", {}, {"SP"}, SerialExchange},
        {cPACC, "DL1ABC", {"PA"}, {}, PAExchange},
        {cPACCpa, "PA1ABC", {}, {}, SerialExchange},
        {cHADX, "DL1ABC", {"HA"}, {}, HAExchange},
        {cHADXha, "HA1ABC", {}, {}, SerialExchange},
        {cHK, "DL1ABC", {"HK", "HK0/a", "HK0/m"}, {}, SerialExchange},
        {cHKhk, "HK3ABC", {}, {}, SerialExchange},
        {cHB9, "DL1ABC", {"HB"}, {}, CantonExchange},
        {cHB9hb, "HB9ABC", {}, {}, CantonExchange},
        {cXMAShb_cw, "HB9ABC", {"HB"}, {}, CantonExchange},
        {cXMAShb_ssb, "HB9ABC", {"HB"}, {}, CantonExchange},
        {cXMAShb_psk, "HB9ABC", {"HB"}, {}, CantonExchange},
        {cIARU, "DL1ABC", {}, {}, IARUExchange},
        {cWWSA, "DL1ABC", {}, {}, ZoneExchange},
        {cOKrtty, "DL1ABC", {}, {}, ZoneExchange},
        {cEUHF,
         "DL1ABC",
         {"DL", "F", "G", "I", "OK", "SP", "EA", "ON", "PA", "OE", "HB", "SM", "OH", "UA"},
         {},
         LicenceYearExchange},
        {cIOTA, "DL1ABC", {}, {}, IOTAExchange},
        {cVHF, "DL1ABC", {}, {}, LocatorExchange},
        {cTOPS, "DL1ABC", {}, {}, TOPSExchange},
        {cOQRP, "DL1ABC", {}, {}, QRPClassExchange},
        {cCQMM, "DL1ABC", {}, {}, StationClassExchange},
        {cDayOfYLs, "DL1ABC", {}, {}, YLExchange},
    };
    return rows;
}

// The 10,000-line log of `contest`: bands and modes of the contest in turn, times
// spread over one day.
std::unique_ptr<TContestLog> MakeLog(TContest contest) {
    TGenerator row{contest, "DL1ABC", {}, {}, SerialExchange};
    for (const TGenerator& g : Generators())
        if (g.contest == contest) row = g;
    TFileHeader h;
    h.fhContest_Contest = contest;
    h.fhUser_OwnCall = row.ownCall;
    auto log = CreateContestLog(h, nullptr, Cty());
    if (!log) return nullptr;
    const std::vector<std::string> calls = CallsOf(row.worked, row.notWorked);
    std::vector<TBand> bands;
    std::vector<TMode> modes;
    for (int b = 0; b < kNoOfBands; ++b)
        if (log->BandIsAllowed(static_cast<TBand>(b))) bands.push_back(static_cast<TBand>(b));
    for (int m = mCW; m <= mATV; ++m)
        if (log->ModeIsAllowed(static_cast<TMode>(m))) modes.push_back(static_cast<TMode>(m));
    if (calls.empty() || bands.empty() || modes.empty()) return nullptr;
    TRandom rnd;
    for (int i = 0; i < kLines; ++i) {
        auto q = log->NewQSO(true);
        q->SetCall(rnd.Pick(calls));
        q->SetBand(rnd.Pick(bands));
        q->SetMode(rnd.Pick(modes));
        q->SetDateTime(EncodeDate(2013, 11, 23) + static_cast<double>(i) / kLines);
        row.exchange(*q, i, rnd);
        log->AppendQSO(std::move(q));
    }
    return log;
}

// Compiles every contest's log once per iteration; reports the slowest contest (best
// time over the iterations) and prints the five slowest.
void BM_CompileEveryContest10000(benchmark::State& state) {
    if (!Cty() || bench::MasterCalls().empty()) {
        state.SkipWithError("no country file or call file (package hamradio-files)");
        return;
    }
    std::vector<std::pair<TContest, std::unique_ptr<TContestLog>>> logs;
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c)
        if (auto log = MakeLog(static_cast<TContest>(c))) logs.emplace_back(static_cast<TContest>(c), std::move(log));
        else std::printf("  no log made for %s\n", std::string(ContestNames[c]).c_str());
    std::vector<double> best(logs.size(), 1e30);
    std::vector<std::string> messages;
    for (auto _ : state) {
        for (std::size_t i = 0; i < logs.size(); ++i) {
            TContestLog& log = *logs[i].second;
            messages.clear();
            log.SetMessageLines(&messages);
            const auto start = std::chrono::steady_clock::now();
            log.Compile();
            const auto end = std::chrono::steady_clock::now();
            log.SetMessageLines(nullptr);
            best[i] = std::min(best[i], std::chrono::duration<double, std::milli>(end - start).count());
            benchmark::DoNotOptimize(log.GetFinalResult());
        }
    }
    std::vector<std::size_t> order(logs.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return best[a] > best[b]; });
    std::printf("Slowest contests (best of %lld compiles of %d lines):\n", static_cast<long long>(state.iterations()),
                kLines);
    for (std::size_t k = 0; k < order.size() && k < 5; ++k) {
        const std::size_t i = order[k];
        std::printf("  %-14s %7.2f ms  result %lld\n", std::string(ContestNames[logs[i].first]).c_str(), best[i],
                    static_cast<long long>(logs[i].second->GetFinalResult()));
    }
    state.counters["contests"] = static_cast<double>(logs.size());
    if (!order.empty()) state.counters["slowest_ms"] = best[order.front()];
}
BENCHMARK(BM_CompileEveryContest10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
