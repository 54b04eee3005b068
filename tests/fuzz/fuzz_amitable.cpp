// Fuzzes the call-area assignment table reader and checks its indexes against a scan.
// Seeds: data/AssignmentTables/*.dat
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "reflists/amiallocationtable.h"

namespace {

// The answer of a scan in file order, shortening the key after each miss when asked.
std::string ScanMainItem(const qz::TAmiAllocationTable& t, std::string key, bool shortSubItem) {
    for (; !key.empty(); key.pop_back()) {
        for (int j = 0; j < t.Count(); ++j)
            if (qz::SameText(t.Record(j).aarSubItem, key)) return t.Record(j).aarMainItem;
        if (!shortSubItem) break;
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qz::TAmiAllocationTable t;
    t.ReadFromText(text);
    int n = std::min(t.Count(), 64);
    for (int i = 0; i < n; ++i) {
        const auto& r = t.Record(i);
        if (r.aarMainItem.empty() || r.aarSubItem.empty()) __builtin_trap();
        if (t.GetMainItem(r.aarSubItem, false) != ScanMainItem(t, r.aarSubItem, false)) __builtin_trap();
        std::string longer = r.aarSubItem + "#x";
        if (t.GetMainItem(longer, true) != ScanMainItem(t, longer, true)) __builtin_trap();
        if (!t.ContainsMainItem(r.aarMainItem)) __builtin_trap();
        auto subs = t.GetAllSubItems(r.aarMainItem);
        if (!subs || std::none_of(subs->begin(), subs->end(),
                                  [&](const std::string& s) { return qz::SameText(s, r.aarSubItem); }))
            __builtin_trap();
        if (r.aarCallArea >= 0 && r.aarCallArea <= 9 && !t.GetMainItemsFromCallArea(r.aarCallArea)) __builtin_trap();
    }
    for (int area = -1; area <= 10; ++area) (void)t.GetMainItemsFromCallArea(area);
    (void)t.GetMainItem(text.substr(0, 32), true);
    return 0;
}
