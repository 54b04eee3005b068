// Fuzzes the two readers of the log robots' addresses: the installed list file (85
// length-prefixed records) and the shipped text source. Every table read must be
// written and read back unchanged.
// Seeds: data/robot-addresses.txt
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "mail/robotaddresses.h"

namespace {

void RoundTrip(const qz::TEMailAddressTable& table) {
    qz::TEMailAddressTable again{};
    std::vector<std::string> messages;
    if (qz::DecodeRobotAddresses(qz::EncodeRobotAddresses(table), "ema.qz", again, &messages) !=
            qz::kNoOfRobotAddresses ||
        !messages.empty())
        __builtin_trap();
    for (int c = 1; c <= qz::kNoOfRobotAddresses; ++c)
        if (again[static_cast<std::size_t>(c)] !=
            table[static_cast<std::size_t>(c)].substr(0, qz::kMaxRobotAddressLength))
            __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qz::TEMailAddressTable table{};
    std::vector<std::string> messages;
    const int taken = qz::DecodeRobotAddresses(bytes, "ema.qz", table, &messages);
    if (taken < 0 || taken > qz::kNoOfRobotAddresses) __builtin_trap();
    RoundTrip(table);

    qz::TEMailAddressTable source{};
    std::string error;
    if (qz::ParseRobotAddressSource(bytes, source, &error)) RoundTrip(source);
    else if (error.empty()) __builtin_trap();
    return 0;
}
