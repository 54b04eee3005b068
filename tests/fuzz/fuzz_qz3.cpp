// Fuzzes the reader of legacy version-3 logs: any bytes must give a log or a refusal
// with a message, never crash or hang; a log that was read must store as a native log
// that reads back with the same number of lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "domain/cty.h"
#include "logfile/qz3.h"
#include "logfile/qzf.h"

namespace {

constexpr const char* kCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\r\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\r\n"
    "    AA,K,N,W;\r\n"
    "Hungary:                  15:  28:  EU:   47.12:   -19.28:    -1.0:  HA:\r\n"
    "    HA,HG;\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::TCtyStuff::FromText(kCty, "fuzz-cty.dat");
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
