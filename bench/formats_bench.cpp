// Reading 50,000-record ADIF, STF and column text logs from memory into contest logs,
// as "qz convert" does. The calls are real ones from the MASTER.SCP of the
// hamradio-files package (made-up calls when it is not installed). With the variable
// QZ_ADIF_BENCH_FILE set, the ADIF text is also written to that file, so that another
// reader can be timed on the same bytes (bench/adif_vs_peer.sh).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.h"
#include "domain/cty.h"
#include "import/adifimport.h"
#include "import/asciiimport.h"
#include "import/stfimport.h"
#include "benchdata.h"

namespace {

constexpr int kRecords = 50000;

std::shared_ptr<const qz::TCtyStuff> Cty() { return qz::bench::SystemCtyOrSmall(); }

const std::vector<std::string>& Calls() {
    static const std::vector<std::string> calls = qz::bench::RealCalls(kRecords);
    return calls;
}

struct TQSOData {
    const char* band;
    const char* freq;
    int day, hour, minute, zone;
};

TQSOData QSO(int i) {
    static const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
    static const char* const kFreqs[] = {"1.8225", "3.5310", "7.0125", "14.0255", "21.0303", "28.0404"};
    const int minute = i * 2880 / kRecords;
    return {kBands[i / 11 % 6], kFreqs[i / 11 % 6], 23 + minute / 1440, minute / 60 % 24, minute % 60, 1 + i % 40};
}

// An ADIF file as a contest logger writes it: upper-case tags on one line per record.
const std::string& ADIFText() {
    static const std::string text = [] {
        std::string t = "Generated for the benchmark\r\n<ADIF_VER:5>3.1.4\r\n<PROGRAMID:5>bench\r\n<EOH>\r\n";
        t.reserve(static_cast<std::size_t>(kRecords) * 170);
        const auto& calls = Calls();
        for (int i = 0; i < kRecords; ++i) {
            const TQSOData q = QSO(i);
            const std::string& call = calls[static_cast<std::size_t>(i)];
            const std::string zone = std::to_string(q.zone);
            const std::string freq = q.freq;
            const std::string band = q.band;
            t += qz::Format(
                "<CALL:%zu>%s <QSO_DATE:8>202411%.2d <TIME_ON:6>%.2d%.2d00 <BAND:%zu>%s <FREQ:%zu>%s "
                "<MODE:2>CW <RST_SENT:3>599 <STX:2>14 <RST_RCVD:3>599 <SRX:%zu>%s "
                "<CONTEST_ID:8>CQ-WW-CW <STATION_CALLSIGN:6>DL1ABC <EOR>\r\n",
                call.size(), call.c_str(), q.day, q.hour, q.minute, band.size(), band.c_str(), freq.size(),
                freq.c_str(), zone.size(), zone.c_str());
        }
        if (const char* path = std::getenv("QZ_ADIF_BENCH_FILE")) std::ofstream(path, std::ios::binary) << t;
        return t;
    }();
    return text;
}

const std::string& STFText() {
    static const std::string text = [] {
        std::string t =
            "STF1\r\nHeader\r\nContest      CQ-WW-CW\r\nMyCall       DL1ABC\r\n"
            "QsoOrder     Date Time Band Mode Call SRst Sent RRst RcvdZone Mult Mult2 Pts\r\nEndHeader\r\n\r\n"
            "QSOList\r\n";
        static const char* const kSTFBands[] = {"160", "80", "40", "20", "15", "10"};
        const auto& calls = Calls();
        for (int i = 0; i < kRecords; ++i) {
            const TQSOData q = QSO(i);
            t +=
                qz::Format("202411%.2d %.2d%.2d %-5s %-6s %-12s 599 14     599 %-6d -      -      3\r\n", q.day, q.hour,
                           q.minute, kSTFBands[i / 11 % 6], "CW", calls[static_cast<std::size_t>(i)].c_str(), q.zone);
        }
        return t + "EndQSOList\r\n";
    }();
    return text;
}

// Columns: call 1-12, date 14-23 (yyyy-mm-dd), time 25-28, sent RST 30-32, received RST
// 34-36, zone 38-39.
const std::string& ColumnText() {
    static const std::string text = [] {
        std::string t;
        const auto& calls = Calls();
        for (int i = 0; i < kRecords; ++i) {
            const TQSOData q = QSO(i);
            t += qz::Format("%-12s 2024-11-%.2d %.2d%.2d 599 599 %.2d\r\n", calls[static_cast<std::size_t>(i)].c_str(),
                            q.day, q.hour, q.minute, q.zone);
        }
        return t;
    }();
    return text;
}

// The text as a reader takes it over from its caller: copied outside the timing, as
// the peer parser is timed on a string already in memory.
std::string HandedOver(benchmark::State& state, const std::string& text) {
    state.PauseTiming();
    std::string bytes = text;
    state.ResumeTiming();
    return bytes;
}

// Reading alone, the work the peer parser does: every record with all its fields (name
// and value, pointing into the text), collected into one list of records.
void BM_ADIFRead50k(benchmark::State& state) {
    const std::string& text = ADIFText();
    using TField = std::pair<std::string_view, std::string_view>;
    for (auto _ : state) {
        std::vector<std::vector<TField>> records;
        std::vector<TField> record;
        for (qz::TADIFScanner tags(text, text.find("<EOH>") + 5); tags.Next();) {
            const std::string_view name = tags.Name();
            if (name.size() == 3 && (name[0] == 'E' || name[0] == 'e') && (name[1] == 'O' || name[1] == 'o') &&
                (name[2] == 'R' || name[2] == 'r')) {
                records.push_back(std::move(record));
                record = {};
                record.reserve(16);
            } else {
                record.emplace_back(name, tags.Value());
            }
        }
        if (records.size() != static_cast<std::size_t>(kRecords) || records.back().size() != 12) {
            state.SkipWithError("the records were not read");
            return;
        }
        benchmark::DoNotOptimize(records.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_ADIFImport50k(benchmark::State& state) {
    const std::string& text = ADIFText();
    const auto cty = Cty();
    for (auto _ : state) {
        qz::TADIFImport reader(HandedOver(state, text), "bench.adi", nullptr);
        reader.Cty = cty;
        auto log = reader.ReadLog(false);
        if (!log || log->NoOfQSOs() != kRecords) {
            state.SkipWithError("the log was not read");
            return;
        }
        benchmark::DoNotOptimize(log->NoOfQSOs());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_STFImport50k(benchmark::State& state) {
    const std::string& text = STFText();
    const auto cty = Cty();
    for (auto _ : state) {
        qz::TSTFConvert reader(HandedOver(state, text), "bench.stf", nullptr);
        reader.Cty = cty;
        auto log = reader.ReadLog(false);
        if (!log || log->NoOfQSOs() != kRecords) {
            state.SkipWithError("the log was not read");
            return;
        }
        benchmark::DoNotOptimize(log->NoOfQSOs());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_ASCIIImport50k(benchmark::State& state) {
    const std::string& text = ColumnText();
    const auto cty = Cty();
    qz::TASCIIImportSettings s;
    auto set = [&](int qz::TPositionRec::*f, int a, int b) {
        s.Layout.StartPos.*f = a;
        s.Layout.EndPos.*f = b;
    };
    set(&qz::TPositionRec::Call, 1, 12);
    set(&qz::TPositionRec::Date_Year, 14, 17);
    set(&qz::TPositionRec::Date_Month, 19, 20);
    set(&qz::TPositionRec::Date_Day, 22, 23);
    set(&qz::TPositionRec::UTC_Hour, 25, 26);
    set(&qz::TPositionRec::UTC_Minute, 27, 28);
    set(&qz::TPositionRec::Sent_RST, 30, 32);
    set(&qz::TPositionRec::Rcvd_RST, 34, 36);
    s.Layout.StartPos.Rcvd_Numbers[0] = 38;
    s.Layout.EndPos.Rcvd_Numbers[0] = 39;
    for (auto _ : state) {
        qz::TASCIIConvert reader(HandedOver(state, text), "bench.txt", nullptr);
        reader.Cty = cty;
        reader.FixContest = qz::cWWDXcw;
        reader.Settings = &s;
        auto log = reader.ReadLog(false);
        if (!log || log->NoOfQSOs() != kRecords) {
            state.SkipWithError("the log was not read");
            return;
        }
        benchmark::DoNotOptimize(log->NoOfQSOs());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(BM_ADIFRead50k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ADIFImport50k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_STFImport50k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ASCIIImport50k)->Unit(benchmark::kMillisecond);

}  // namespace
