// Fuzzes the reader of legacy version-3 logs: any bytes must give a log or a refusal
// with a message, never crash or hang; a log that was read must store as a native log
// that reads back with the same number of lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "logfile/qz3.h"
#include "logfile/qzf.h"
#include "fuzzcty.h"

namespace {}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qz::TQZ3 qz3("fuzz.dat");
    qz3.Cty = cty;
    auto log = qz3.ReadFromBytes(bytes);
    if (!log) {
        if (qz3.LastError().rfind("fuzz.dat", 0) != 0) __builtin_trap();
        return 0;
    }
    if (static_cast<std::size_t>(log->NoOfQSOs()) * qz::qz3::kRecordSize > size) __builtin_trap();
    qz::TQZF qzf;
    auto native = qzf.ReadLogFromBytes(qz::TQZF::EncodeLog(*log), "fuzz.qzf", cty);
    if (!native || native->NoOfQSOs() != log->NoOfQSOs()) __builtin_trap();
    return 0;
}
