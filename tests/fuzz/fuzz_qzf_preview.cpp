// Fuzzes the preview reader of native logs: header and first line part only; any bytes
// must be accepted or refused with a message, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "logfile/qzf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qz::TQZF qzf;
    qz::TFileHeader header;
    if (qzf.ReadPreviewFromBytes(bytes, "fuzz.qzf", header)) {
        if (header.fhContest_Contest > qz::cEndOfContestlist) __builtin_trap();
        if (header.fhContest_Year > 9999) __builtin_trap();
        if (header.fhUser_OwnCall.size() > qz::kCallStringLen) __builtin_trap();
    } else if (qzf.LastError().rfind("fuzz.qzf", 0) != 0) {
        __builtin_trap();
    }
    (void)qz::NativeFileType(bytes.substr(0, 10), size);
    return 0;
}
