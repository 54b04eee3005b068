// Fuzzes the country-file parser: any bytes must load (fully or in part) or be refused
// with a message, never crash, hang or blow up; then a few lookups run over the result.
// Seeds: tests/data/cty/*.dat
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "domain/call.h"
#include "domain/cty.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto cty = qz::TCtyStuff::FromText(text, "fuzz.dat");
    if (cty->CtyListCount() == 0 && cty->LoadError().empty()) __builtin_trap();  // no data must be explained

    // Calls taken from the input itself reach its keys; fixed ones cover the "/" rules.
    const std::string_view fixed[] = {"DL1ABC", "W1ABC/4", "EA8/DL1ABC/P", "K1ABC/VE3", "RAZZ", "/", "//", "A/B/C/D"};
    for (std::string_view call : fixed) {
        qz::TCall c(call, cty.get());
        (void)c.District();
        (void)c.PureCall();
        (void)c.Extension();
    }
    for (std::size_t start = 0; start < text.size() && start < 4096; start += 61) {
        std::string_view call = text.substr(start, 1 + static_cast<unsigned char>(text[start]) % 30);
        qz::TCall c(call, cty.get());
        if (const qz::TPrefixRec* p = c.PrefixRec()) {
            if (p->prCQZone > 40 || p->prITUZone > 75) __builtin_trap();
            if (!cty->GetZones(p->prMasterPrefix, qz::zCQ)) __builtin_trap();
            (void)cty->fDistrict(call, p->prMasterPrefix);
        }
        (void)c.Prefix();
        (void)c.CallArea();
    }
    for (const qz::TCtyRec& rec : cty->CtyList()) {
        const auto* zones = cty->GetZones(rec.crMasterPrefix, qz::zITU);
        if (!zones) __builtin_trap();
    }
    return 0;
}
