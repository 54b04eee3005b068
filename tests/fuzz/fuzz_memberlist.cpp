// Fuzzes the member list reader and checks the call index against a scan.
// Seeds: data/MemberLists/* data/AssignmentTables/hessencontest.dat
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reflists/memberlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qz::TMemberList m;
    m.ReadFromText(text);
    int n = std::min(m.Count(), 64);
    for (int i = 0; i < n; ++i) {
        const auto& r = m.Record(i);
        if (r.mrCall.find_first_of(" \t.;\r\n") != std::string::npos) __builtin_trap();
        std::string expected;
        for (int j = 0; j < m.Count(); ++j)
            if (m.Record(j).mrCall == r.mrCall) {
                expected = m.Record(j).mrMemberNumber;
                break;
            }
        if (m.GetMemberNumber(r.mrCall) != expected) __builtin_trap();
    }
    (void)m.GetMemberNumber(text.substr(0, 16));
    return 0;
}
