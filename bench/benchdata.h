// Input data shared by the benchmarks: the country file and the calls of the
// hamradio-files package (the realistic sizes), with small stand-ins where the package is
// not installed, and a deterministic random generator so every run measures the same log.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "domain/cty.h"

namespace qz::bench {

inline constexpr const char* kMasterScpFile = "/usr/share/hamradio-files/MASTER.SCP";

// The system country file, loaded once; nullptr when the package is not installed.
std::shared_ptr<const TCtyStuff> SystemCty();
// SystemCty(), or a two-country file (Germany, United States) when it is missing.
std::shared_ptr<const TCtyStuff> SystemCtyOrSmall();
// The calls of the super-check-partial file in upper case, comment lines skipped, loaded
// once; empty when the package is not installed.
const std::vector<std::string>& MasterCalls();
// `count` calls: the first ones of MasterCalls(), made-up US calls after them.
std::vector<std::string> RealCalls(std::size_t count);

// A small linear congruential generator (the same sequence on every machine).
struct TRandom {
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    std::uint32_t Next(std::uint32_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>((state >> 33) % (bound ? bound : 1));
    }
    template <typename T>
    const T& Pick(const std::vector<T>& v) {
        return v[Next(static_cast<std::uint32_t>(v.size()))];
    }
};

}  // namespace qz::bench
