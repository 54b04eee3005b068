// Fuzzes the ADIF reader from memory: any bytes give a log or a refusal, never a crash
// or a hang; every record is in the log or counted as reported, and the log compiles.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/adifimport.h"
#include "fuzzcty.h"

namespace {

constexpr qz::TContest kContests[] = {qz::cWWDXcw, qz::cWAEcw, qz::cIOTA, qz::cDXPDN};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> messages;
    qz::TADIFImport reader(bytes, "fuzz.adi", &messages);
    reader.Cty = cty;
    reader.DefaultContest = kContests[size % std::size(kContests)];
    auto log = reader.ReadLog(false);
    if (!log) return 0;
    const qz::TADIFReadCounts& c = reader.Counts();
    if (log->NoOfQSOs() != c.qsos || c.qsos + c.withoutCall != c.records) __builtin_trap();
    if (messages.size() > 202) __builtin_trap();
    log->ShowMessageBoxes = false;
    log->MessageLines = &messages;
    log->Compile();
    (void)log->GetFinalResult();
    return 0;
}
