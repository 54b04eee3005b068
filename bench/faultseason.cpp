#include "faultseason.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <unordered_set>

#include "domain/call.h"
#include "domain/cty.h"

namespace qz {

namespace {

constexpr int kMinutes = 48 * 60;
constexpr int kSlot = 60;
constexpr int kSlots = kMinutes / kSlot;
struct TBandRow {
    const char* freq;
    const char* name;
    int weight;
};
constexpr TBandRow kBands[] = {{" 1800", "160m", 4}, {" 3500", "80m", 10}, {" 7000", "40m", 24},
                               {"14000", "20m", 30}, {"21000", "15m", 20}, {"28000", "10m", 12}};
constexpr int kNoBands = 6;
const char* const kPrefixes[] = {"K",  "W",  "N",  "AA", "VE", "DL", "DK",  "G",  "M",  "F",  "I",  "EA",
                                 "OK", "SP", "UA", "JA", "VK", "PY", "LU",  "ZS", "HA", "S5", "OH", "SM",
                                 "ON", "PA", "YO", "LZ", "UT", "9A", "HB9", "OE", "YU", "ES", "LY", "RA"};
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : engine_(seed) {}
    std::uint64_t Below(std::uint64_t n) { return n == 0 ? 0 : engine_() % n; }
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    bool Chance(double p) { return Unit() < p; }
    double Normal() { return std::sqrt(-2.0 * std::log(1.0 - Unit())) * std::cos(6.283185307179586 * Unit()); }

private:
    std::mt19937_64 engine_;
};

struct TStation {
    std::string call;
    int zone = 0;
    bool submits = false;
    std::array<std::uint8_t, kSlots> band{};  // the band it runs in each half hour
    double weight = 0;                        // its share of the QSOs
};

// One line of a log: a QSO as this station logged it.
struct TRecord {
    int minute = 0;
    int band = 0;
    std::string call;
    int rcvdZone = 0;
    // Truth: the kind planted into this record ("" = none), the right value, the other log.
    std::string kind;
    std::string correct;
    std::string other;
};

// Whether a call one change, addition, deletion or neighbour swap away from `call` is in
// `calls`: every such call is spelled out and looked up (apart from the checker's own way
// of finding them, on purpose).
bool OneEditFrom(const std::string& call, const std::unordered_set<std::string>& calls) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/";
    std::string v;
    for (std::size_t i = 0; i <= call.size(); ++i)
        for (char c : alphabet) {
            v = call;
            v.insert(i, 1, c);
            if (calls.contains(v)) return true;
            if (i < call.size() && c != call[i]) {
                v = call;
                v[i] = c;
                if (calls.contains(v)) return true;
            }
        }
    for (std::size_t i = 0; i < call.size(); ++i) {
        v = call;
        v.erase(i, 1);
        if (calls.contains(v)) return true;
        if (i + 1 < call.size() && call[i] != call[i + 1]) {
            v = call;
            std::swap(v[i], v[i + 1]);
            if (calls.contains(v)) return true;
        }
    }
    return false;
}

class TSeasonMaker {
public:
    TSeasonMaker(const TSeasonPlan& plan, const TCtyStuff& cty) : plan_(plan), cty_(cty), rng_(plan.seed) {}
    TSeason Make(const std::string& folder);

private:
    std::string NewCall();
    void MakeStations();
    int PickPartner(int slot, int band);
    void MakeQSOs();
    std::string Variant(const std::string& call);
    bool ResemblesSubmitted(const std::string& call) const;
    std::string FreshUnique();
    void MarkNaturalUniques();
    void ShiftClocks();
    TSeason Write(const std::string& folder);

    const TSeasonPlan& plan_;
    const TCtyStuff& cty_;
    TRandom rng_;
    std::vector<TStation> stations_;  // the submitting ones first
    std::unordered_set<std::string> used_;
    std::unordered_set<std::string> submitted_;
    std::vector<std::vector<TRecord>> logs_;
    std::vector<int> clock_;
    // Per slot and band: the submitting stations on it and their cumulative weights.
    std::vector<std::vector<int>> onBand_;
    std::vector<std::vector<double>> cumulative_;
};

std::string TSeasonMaker::NewCall() {
    for (;;) {
        std::string call = kPrefixes[rng_.Below(std::size(kPrefixes))];
        call += static_cast<char>('0' + rng_.Below(10));
        const int letters = 2 + static_cast<int>(rng_.Below(2));
        for (int i = 0; i < letters; ++i) call += kLetters[rng_.Below(26)];
        if (used_.contains(call)) continue;
        const TCall parsed(call, &cty_);
        if (parsed.PrefixRec() == nullptr || parsed.CQZone() == 0) continue;
        used_.insert(call);
        return call;
    }
}

void TSeasonMaker::MakeStations() {
    const int others = plan_.logs * 3;
    for (int i = 0; i < plan_.logs + others; ++i) {
        TStation s;
        s.call = NewCall();
        s.zone = TCall(s.call, &cty_).CQZone();
        s.submits = i < plan_.logs;
        s.weight = std::exp(1.5 * rng_.Normal());
        int total = 0;
        for (const TBandRow& b : kBands) total += b.weight;
        for (int slot = 0; slot < kSlots; ++slot) {
            int pick = static_cast<int>(rng_.Below(static_cast<std::uint64_t>(total)));
            int band = 0;
            while (pick >= kBands[band].weight) pick -= kBands[band++].weight;
            s.band[slot] = static_cast<std::uint8_t>(band);
        }
        stations_.push_back(std::move(s));
    }
    for (int i = 0; i < plan_.logs; ++i) submitted_.insert(stations_[i].call);
    // A few big multi-operator stations, as every season has.
    for (int i = 0; i < std::max(1, plan_.logs / 500); ++i) stations_[rng_.Below(plan_.logs)].weight = 40;
    onBand_.assign(kSlots * kNoBands, {});
    cumulative_.assign(kSlots * kNoBands, {});
    for (int i = 0; i < plan_.logs; ++i)
        for (int slot = 0; slot < kSlots; ++slot) {
            const int key = slot * kNoBands + stations_[i].band[slot];
            onBand_[key].push_back(i);
            cumulative_[key].push_back((cumulative_[key].empty() ? 0 : cumulative_[key].back()) + stations_[i].weight);
        }
}

int TSeasonMaker::PickPartner(int slot, int band) {
    const auto& c = cumulative_[slot * kNoBands + band];
    if (c.empty()) return -1;
    const double x = rng_.Unit() * c.back();
    const auto at = std::upper_bound(c.begin(), c.end(), x) - c.begin();
    return onBand_[slot * kNoBands + band][std::min<std::size_t>(at, c.size() - 1)];
}

std::string TSeasonMaker::Variant(const std::string& call) {
    for (;;) {
        std::string v = call;
        const std::size_t at = rng_.Below(v.size());
        switch (rng_.Below(3)) {
            case 0: v[at] = kLetters[rng_.Below(26)]; break;
            case 1:
                if (at + 1 < v.size()) std::swap(v[at], v[at + 1]);
                break;
            default: v.insert(at + 1, 1, kLetters[rng_.Below(26)]); break;
        }
        if (v != call && !used_.contains(v)) {
            used_.insert(v);
            return v;
        }
    }
}

bool TSeasonMaker::ResemblesSubmitted(const std::string& call) const { return OneEditFrom(call, submitted_); }

std::string TSeasonMaker::FreshUnique() {
    for (;;) {
        const std::string call = NewCall();
        if (!ResemblesSubmitted(call)) return call;
    }
}

void TSeasonMaker::MakeQSOs() {
    logs_.assign(plan_.logs, {});
    std::vector<double> cumulative;
    for (int i = 0; i < plan_.logs; ++i)
        cumulative.push_back((cumulative.empty() ? 0 : cumulative.back()) + stations_[i].weight);
    std::unordered_set<std::uint64_t> worked;  // (station, station, band) once each
    const auto unsubmittedCount = static_cast<std::uint64_t>(stations_.size() - plan_.logs);
    std::int64_t records = 0;
    while (records < plan_.qsos) {
        const double x = rng_.Unit() * cumulative.back();
        const int a = static_cast<int>(std::min<std::size_t>(
            std::upper_bound(cumulative.begin(), cumulative.end(), x) - cumulative.begin(), plan_.logs - 1));
        const int minute = static_cast<int>(rng_.Below(kMinutes));
        const int slot = minute / kSlot;
        const int band = stations_[a].band[slot];
        const bool toUnsubmitted = rng_.Chance(plan_.unsubmitted);
        const int b =
            toUnsubmitted ? plan_.logs + static_cast<int>(rng_.Below(unsubmittedCount)) : PickPartner(slot, band);
        if (b < 0 || b == a) continue;
        const auto lo = static_cast<std::uint64_t>(std::min(a, b)), hi = static_cast<std::uint64_t>(std::max(a, b));
        if (!worked.insert((lo * 1000003 + hi) * 8 + static_cast<std::uint64_t>(band)).second) continue;
        TRecord ra{minute, band, stations_[b].call, stations_[b].zone, "", "", ""};
        if (toUnsubmitted) {
            if (rng_.Chance(plan_.unique)) {
                ra.call = FreshUnique();
                ra.kind = "UNIQUE";
            }
            logs_[a].push_back(ra);
            ++records;
            continue;
        }
        // The partner logs it a minute later now and then.
        TRecord rb{minute + (rng_.Chance(0.2) ? 1 : 0), band, stations_[a].call, stations_[a].zone, "", "", ""};
        const double fault = rng_.Unit();
        double edge = plan_.nil;
        bool dropB = false;
        if (fault < edge) {
            dropB = true;
            ra.kind = "NIL";
            ra.other = stations_[b].call;
        } else if (fault < (edge += plan_.bustedCall)) {
            ra.call = Variant(stations_[b].call);
            ra.kind = "BUSTED-CALL";
            ra.correct = stations_[b].call;
            ra.other = stations_[b].call;
        } else if (fault < (edge += plan_.bustedExchange)) {
            ra.rcvdZone = 1 + static_cast<int>((stations_[b].zone + rng_.Below(38)) % 40);
            ra.kind = "BUSTED-EXCHANGE";
            ra.correct = std::to_string(stations_[b].zone);
            ra.other = stations_[b].call;
        } else if (fault < (edge += plan_.band)) {
            // A band the two have not worked each other on (else the record is a dupe),
            // kept from later QSOs of theirs.
            ra.band = static_cast<int>((band + 1 + rng_.Below(kNoBands - 1)) % kNoBands);
            if (!worked.insert((lo * 1000003 + hi) * 8 + static_cast<std::uint64_t>(ra.band)).second) {
                ra.band = band;
                logs_[a].push_back(ra);
                logs_[b].push_back(rb);
                records += 2;
                continue;
            }
            ra.kind = "BAND";
            ra.correct = kBands[band].name;
            ra.other = stations_[b].call;
        }
        logs_[a].push_back(ra);
        ++records;
        if (!dropB) {
            logs_[b].push_back(rb);
            ++records;
        }
    }
}

// A call of a station that sent no log, heard by one log only and like no call that sent
// one, is unique whether planted or not.
void TSeasonMaker::MarkNaturalUniques() {
    const auto& submitted = submitted_;
    std::map<std::string, std::set<int>> heardBy;
    for (int i = 0; i < plan_.logs; ++i)
        for (const TRecord& r : logs_[i])
            if (!submitted.contains(r.call)) heardBy[r.call].insert(i);
    std::map<std::string, bool> resembles;
    for (int i = 0; i < plan_.logs; ++i)
        for (TRecord& r : logs_[i]) {
            if (!r.kind.empty() || submitted.contains(r.call) || heardBy[r.call].size() != 1) continue;
            auto [it, fresh] = resembles.emplace(r.call, false);
            if (fresh) it->second = ResemblesSubmitted(r.call);
            if (!it->second) r.kind = "UNIQUE";
        }
}

void TSeasonMaker::ShiftClocks() {
    clock_.assign(plan_.logs, 0);
    for (int i = 0; i < plan_.logs; ++i) {
        if (logs_[i].size() < 50 || !rng_.Chance(plan_.clock)) continue;
        const int amount = 10 + static_cast<int>(rng_.Below(111));
        clock_[i] = rng_.Chance(0.5) ? amount : -amount;
        for (TRecord& r : logs_[i]) r.minute += clock_[i];
    }
}

TSeason TSeasonMaker::Write(const std::string& folder) {
    TSeason season;
    for (int i = 0; i < plan_.logs; ++i) {
        auto& log = logs_[i];
        std::stable_sort(log.begin(), log.end(),
                         [](const TRecord& x, const TRecord& y) { return x.minute < y.minute; });
        const TStation& own = stations_[i];
        std::string text = "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: " + own.call +
                           "\r\nCATEGORY-OPERATOR: " + (log.size() > 5000 ? "MULTI-OP" : "SINGLE-OP") +
                           "\r\nCATEGORY-BAND: ALL\r\nCATEGORY-MODE: CW\r\nCLAIMED-SCORE: 0\r\n";
        if (clock_[i] != 0) season.truth.push_back({own.call, 0, own.call, "CLOCK", std::to_string(clock_[i]), ""});
        for (std::size_t k = 0; k < log.size(); ++k) {
            const TRecord& r = log[k];
            const int day = 23 + (r.minute >= 0 ? r.minute / 1440 : -1 - (-r.minute - 1) / 1440);
            const int inDay = r.minute - (day - 23) * 1440;
            char line[160];
            std::snprintf(line, sizeof line,
                          "QSO: %s CW 2013-11-%02d %02d%02d %-13s 599 %02d     %-13s 599 %02d     0\r\n",
                          kBands[r.band].freq, day, inDay / 60, inDay % 60, own.call.c_str(), own.zone, r.call.c_str(),
                          r.rcvdZone);
            text += line;
            if (!r.kind.empty())
                season.truth.push_back({own.call, static_cast<int>(k + 1), r.call, r.kind, r.correct, r.other});
        }
        text += "END-OF-LOG:\r\n";
        season.qsos += static_cast<std::int64_t>(log.size());
        const std::string path = folder + "/" + own.call + ".log";
        std::ofstream(path, std::ios::binary) << text;
        season.files.push_back(path);
    }
    std::string truth = "log\tline\tcall\tkind\tcorrect\tother\n";
    for (const TSeasonTruth& t : season.truth)
        truth += t.log + "\t" + std::to_string(t.line) + "\t" + t.call + "\t" + t.kind + "\t" + t.correct + "\t" +
                 t.other + "\n";
    std::ofstream(folder + "/truth.tsv", std::ios::binary) << truth;
    return season;
}

TSeason TSeasonMaker::Make(const std::string& folder) {
    MakeStations();
    MakeQSOs();
    MarkNaturalUniques();
    ShiftClocks();
    return Write(folder);
}

}  // namespace

TSeason WriteFaultSeason(const TSeasonPlan& plan, const TCtyStuff& cty, const std::string& folder) {
    return TSeasonMaker(plan, cty).Make(folder);
}

}  // namespace qz
