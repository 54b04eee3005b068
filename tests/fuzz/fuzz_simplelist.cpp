// Fuzzes the simple list reader: every non-blank line must be found, ignoring case.
// Seeds: data/CountryFiles/*.dat data/AssignmentTables/dtc.dat data/AssignmentTables/wna.dat
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/text.h"
#include "reflists/simplelist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qz::TSimpleList s;
    s.ReadFromText(text);
    if (s.Contains("")) __builtin_trap();
    int checked = 0;
    for (const std::string& line : qz::SplitLines(text)) {
        std::string entry = qz::Trim(line);
        if (!entry.empty() && !s.Contains(qz::LowerCase(entry))) __builtin_trap();
        if (++checked == 64) break;
    }
    return 0;
}
