// Fuzzes the log header decoder: any bytes must be accepted or refused, never crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "domain/fileheader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qz::TFileHeader h;
    std::string error;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (qz::DecodeFileHeader(bytes, h, &error)) {
        std::string again;
        qz::EncodeFileHeader(h, again);
        if (again.size() != qz::kFileHeaderSize) __builtin_trap();
    }
    return 0;
}
