// Fuzzes the native log reader: any bytes must give a log or a refusal with a message,
// never crash, hang or allocate beyond the input; a log that was read must store and
// read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "domain/cty.h"
#include "domain/fileheader.h"
#include "logfile/qzf.h"

namespace {

constexpr const char* kCty =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR;\r\n"
    "United States:            05:  08:  NA:   37.53:    91.67:     5.0:  K:\r\n"
    "    AA,K,N,W;\r\n"
    "Hungary:                  15:  28:  EU:   47.12:   -19.28:    -1.0:  HA:\r\n"
    "    HA,HG;\r\n";

// The last-modified stamp is the only field a second store may change.
std::string WithoutStamp(std::string bytes) {
    for (std::size_t i = 0; i < 8 && qz::fho::LastModifiedTimeStamp + i < bytes.size(); ++i)
        bytes[qz::fho::LastModifiedTimeStamp + i] = 0;
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::TCtyStuff::FromText(kCty, "fuzz-cty.dat");
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qz::TQZF qzf;
    auto log = qzf.ReadLogFromBytes(bytes, "fuzz.qzf", cty);
    if (!log) {
        if (qzf.LastError().rfind("fuzz.qzf", 0) != 0) __builtin_trap();  // every refusal names the file
        return 0;
    }
    if (static_cast<std::size_t>(log->NoOfQSOs()) * qz::qzf::kRecordFixedSize > size) __builtin_trap();
    (void)log->GetLongContestName();
    const std::string first = qz::TQZF::EncodeLog(*log);
    auto again = qzf.ReadLogFromBytes(first, "fuzz.qzf", cty);
    if (!again || again->NoOfQSOs() != log->NoOfQSOs()) __builtin_trap();
    if (WithoutStamp(qz::TQZF::EncodeLog(*again)) != WithoutStamp(first)) __builtin_trap();
    return 0;
}
