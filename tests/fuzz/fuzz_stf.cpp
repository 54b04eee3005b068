// Fuzzes the STF reader from memory: any bytes give a log or a refusal, never a crash
// or a hang; every data row is in the log or counted as reported, and the log compiles.
// Seeds: tests/data/export/*.stf
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/stfimport.h"
#include "fuzzcty.h"

namespace {

// Contests without reference lists: one number each way, QTC traffic, no numbers.
constexpr qz::TContest kContests[] = {qz::cNoContest, qz::cWWDXcw, qz::cWAEcw, qz::cIOTA, qz::cDXPDN};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> messages;
    qz::TSTFConvert reader(std::string(bytes), "fuzz.stf", &messages);
    reader.Cty = cty;
    reader.FixContest = kContests[size % std::size(kContests)];
    reader.DefaultContest = qz::cWWDXcw;
    auto log = reader.ReadLog(false);
    if (!log) return 0;
    const qz::TSTFReadCounts& c = reader.Counts();
    if (log->NoOfQSOs() != c.qsos + c.qtcs || c.qsos + c.qtcs + c.dropped != c.dataLines) __builtin_trap();
    log->SetShowMessageBoxes(false);
    log->SetMessageLines(&messages);
    log->Compile();
    (void)log->GetFinalResult();
    return 0;
}
