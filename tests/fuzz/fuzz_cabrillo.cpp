// Fuzzes the Cabrillo reader from memory: any bytes must give a log or a refusal, never
// crash, hang or allocate beyond the input; every data line is either in the log or
// counted as reported, and a log that was read compiles.
// Seeds: tests/data/export/*.log data/samples/*.log
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/cabrilloimport.h"
#include "fuzzcty.h"

namespace {

// Contests without reference lists, one per line shape: narrow, QTC, wide, no numbers.
constexpr qz::TContest kContests[] = {qz::cNoContest, qz::cWWDXcw, qz::cWAEcw, qz::cIOTA, qz::cDXPDN};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    // The length picks the contest, so that real files serve as seeds unchanged.
    const qz::TContest contest = kContests[size % std::size(kContests)];
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> messages;
    qz::TCabrilloImport reader(std::string(bytes), "fuzz.log", &messages);
    reader.Cty = cty;
    reader.FixContest = contest;
    reader.DefaultContest = qz::cWWDXcw;
    auto log = reader.ReadLog(false);
    if (!log) return 0;
    const qz::TCabrilloReadCounts& c = reader.Counts();
    if (log->NoOfQSOs() != c.qsos + c.qtcs || c.qsos + c.qtcs + c.skipped != c.dataLines) __builtin_trap();
    if (static_cast<std::size_t>(c.dataLines) * 4 > size + 1) __builtin_trap();  // "QSO" and a line end each
    log->SetShowMessageBoxes(false);
    log->SetMessageLines(&messages);
    log->Compile();
    (void)log->GetFinalResult();
    return 0;
}
