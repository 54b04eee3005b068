// Fuzzes the prefix assignment table reader and checks its indexes against a scan.
// Seeds: data/AssignmentTables/*.dat
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"
#include "reflists/miscallocationtable.h"

namespace {

// The answer of a scan in file order, shortening the key after each miss when asked.
std::string ScanMainItem(const qz::TMiscAllocationTable& t, std::string key, bool shortSubItem) {
    for (; !key.empty(); key.pop_back()) {
        for (int j = 0; j < t.Count(); ++j)
            if (qz::SameText(t.Record(j).marSubItem, key)) return t.Record(j).marMainItem;
        if (!shortSubItem) break;
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qz::TMiscAllocationTable t;
    t.ReadFromText(text);
    auto all = t.GetAllMainItems();
    if (all.has_value() != (t.Count() > 0)) __builtin_trap();
    int n = std::min(t.Count(), 64);
    for (int i = 0; i < n; ++i) {
        const auto& r = t.Record(i);
        if (r.marMainItem.empty() || r.marSubItem.empty()) __builtin_trap();
        if (t.GetMainItem(r.marSubItem, false) != ScanMainItem(t, r.marSubItem, false)) __builtin_trap();
        std::string longer = r.marSubItem + "#x";
        if (t.GetMainItem(longer, true) != ScanMainItem(t, longer, true)) __builtin_trap();
        auto mains = t.GetMainItemsFromPrefix(r.marPrefix);
        if (!mains || std::none_of(mains->begin(), mains->end(),
                                   [&](const std::string& s) { return qz::SameText(s, r.marMainItem); }))
            __builtin_trap();
    }
    if (all && !std::is_sorted(all->begin(), all->end(),
                               [](const std::string& a, const std::string& b) { return qz::CompareText(a, b) <= 0; }))
        __builtin_trap();
    (void)t.GetMainItem(text.substr(0, 32), true);
    return 0;
}
