// Every log check on a 50,000-line log (each must stay well under 50 ms: the per-station
// checks index the lines by call instead of comparing each line with all earlier ones),
// and undoing a sort of 50,000 lines.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "domain/cty.h"
#include "engine/checks.h"
#include "engine/contestlog.h"
#include "reflists/memberlist.h"

namespace {

using namespace qz;

const char* const kCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\n"
    "    AA,K,N,W;\n";

// Sent: serial and zone; received: serial and zone; one multiplier kind; a member list.
class TCheckLog : public TContestLog {
public:
    TCheckLog() {
        FNoOfSentNumbers = 2;
        FNoOfRcvdNumbers = 2;
        FNoOfMulties = 1;
        FBands = SBand::Range(b160m, b10m);
        FMemberList = std::make_unique<TMemberList>();
        std::string members;
        for (int n = 0; n < 5000; ++n)
            members += "DL" + std::to_string(n % 10) + "A" + char('A' + n / 10 % 26) + char('A' + n / 260 % 26) + " " +
                       std::to_string(n) + ";\n";
        FMemberList->ReadFromText(members);
    }
    int GetSentNumericNumberIndex() const override { return 0; }
};

std::unique_ptr<TCheckLog> MakeLog(int lines) {
    static std::shared_ptr<const TCtyStuff> cty = TCtyStuff::FromText(kCty);
    auto log = std::make_unique<TCheckLog>();
    TFileHeader h;
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWWDXcw;
    log->Init(h, cty);
    const TBand bands[] = {b80m, b40m, b20m, b15m, b10m};
    for (int i = 0; i < lines; ++i) {
        auto q = log->NewQSO(false);
        // About one call in three repeats; a few are portable.
        int n = (i * 7919) % (lines * 2 / 3 + 1);
        std::string call = (n % 2 ? "W" : "DL") + std::to_string(n % 10) + "A" +
                           std::string(1, char('A' + n / 10 % 26)) + std::string(1, char('A' + n / 260 % 26));
        if (i % 97 == 0) call += "/P";
        q->SetCall(call);
        q->SetBand(bands[i / 40 % 5]);
        q->SetDateTime(EncodeDate(2013, 1, 5) + i / 2880.0);
        q->SetSentNumbers(0, std::to_string(i + 1));
        q->SetSentNumbers(1, "14");
        q->SetRcvdNumbers(0, std::to_string(i / 3 + 1));
        q->SetRcvdNumbers(1, std::to_string(n % 40));
        if (i % 5 == 0) q->SetMulties(0, "M");
        log->AppendQSO(std::move(q));
    }
    return log;
}

constexpr int kLines = 50000;

template <typename Check>
void RunCheck(benchmark::State& state, Check check) {
    auto log = MakeLog(kLines);
    std::vector<std::string> messages;
    log->SetMessageLines(&messages);
    for (auto _ : state) {
        messages.clear();
        check(*log);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_CheckSentSerials(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { Check4DiscontinuousSentNumbers(l); });
}
void BM_CheckSentGaps(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { CheckSentSerialGaps(l, 0); });
}
void BM_CheckSentConstant(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { Check4NonConstantSentNumbers(l, 0); });
}
void BM_CheckRcvdSerials(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { Check4DiscontinuousRcvdNumbers(l, 0, {}); });
}
void BM_CheckRcvdConstant(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { Check4NonConstantRcvdNumbers(l, 1, {}); });
}
void BM_CheckExtensions(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { Check4MissingExtensions(l, false, cecPortable); });
}
void BM_CheckMemberNumbers(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { CheckMemberNumbers(l, false); });
}
void BM_CheckQSYRules(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { CheckQSYRules(l); });
}
void BM_ClassifyExchangeFields(benchmark::State& s) {
    RunCheck(s, [](TContestLog& l) { benchmark::DoNotOptimize(ClassifyExchangeFields(l)); });
}
BENCHMARK(BM_CheckSentSerials)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSentGaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckSentConstant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRcvdSerials)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRcvdConstant)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckExtensions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckMemberNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckQSYRules)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassifyExchangeFields)->Unit(benchmark::kMillisecond);

// Sorting with undo on, then undoing: only the undo is timed.
void BM_UndoSort(benchmark::State& state) {
    auto log = MakeLog(kLines);
    // Reverse the order so that the sort moves every line.
    for (int i = 0; i < kLines; ++i) log->QSOs(i)->SetDateTime(EncodeDate(2013, 1, 6) - i / 2880.0);
    log->History().SetEnabled(true);
    for (auto _ : state) {
        state.PauseTiming();
        log->SortByTime();
        state.ResumeTiming();
        log->Undo();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_UndoSort)->Unit(benchmark::kMillisecond);

}  // namespace
