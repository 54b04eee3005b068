// Fuzzes the ADIF reader from memory: any bytes give a log or a refusal, never a crash
// or a hang; every record is in the log or counted as reported, and the log compiles.
// The tag scanner's shortcut and its general way read every tag alike.
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
    // The scanner's shortcut for the usual tags reads exactly what the general way reads.
    qz::TADIFScanner fast(bytes, 0), general(bytes, 0, true);
    for (;;) {
        const bool more = fast.Next();
        if (more != general.Next()) __builtin_trap();
        if (!more) break;
        if (fast.Start() != general.Start() || fast.End() != general.End() || fast.Name() != general.Name() ||
            fast.Value() != general.Value() || fast.Problem() != general.Problem() || fast.Absent() != general.Absent())
            __builtin_trap();
    }
    std::vector<std::string> messages;
    qz::TADIFImport reader(std::string(bytes), "fuzz.adi", &messages);
    reader.Cty = cty;
    reader.DefaultContest = kContests[size % std::size(kContests)];
    auto log = reader.ReadLog(false);
    if (!log) return 0;
    const qz::TADIFReadCounts& c = reader.Counts();
    if (log->NoOfQSOs() != c.qsos || c.qsos + c.withoutCall != c.records) __builtin_trap();
    if (messages.size() > 202) __builtin_trap();
    log->SetShowMessageBoxes(false);
    log->SetMessageLines(&messages);
    log->Compile();
    (void)log->GetFinalResult();
    return 0;
}
