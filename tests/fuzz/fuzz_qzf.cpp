// Fuzzes the native log reader: any bytes must give a log or a refusal with a message,
// never crash, hang or allocate beyond the input; a log that was read must store and
// read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "domain/fileheader.h"
#include "logfile/qzf.h"
#include "fuzzcty.h"

namespace {

// The last-modified stamp is the only field a second store may change.
std::string WithoutStamp(std::string bytes) {
    for (std::size_t i = 0; i < 8 && qz::fho::LastModifiedTimeStamp + i < bytes.size(); ++i)
        bytes[qz::fho::LastModifiedTimeStamp + i] = 0;
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::shared_ptr<const qz::TCtyStuff> cty = qz::fuzz::FuzzCty();
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
