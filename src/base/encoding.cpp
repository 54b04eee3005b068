#include "base/encoding.h"

#include <cstdint>

namespace qz {

namespace {

// Code points of 0x80..0x9F; 0 where Windows-1252 has no character.
constexpr std::uint16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out += ch;
        else if (c < 0xA0) AppendUtf8(out, kHigh[c - 0x80] ? kHigh[c - 0x80] : c);
        else AppendUtf8(out, c);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::uint32_t cp;
        std::size_t len;
        // A lead byte counts only with all its continuation bytes (10xxxxxx); any other
        // byte is kept as it is (it is most likely Windows-1252 already), so that a name
        // that is no UTF-8 never swallows the characters after it.
        auto continuation = [&](std::size_t k) {
            return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        };
        if (c < 0x80) {
            cp = c;
            len = 1;
        } else if ((c & 0xE0) == 0xC0 && c >= 0xC2 && continuation(1)) {
            cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
            len = 2;
        } else if ((c & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
            cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
            len = 3;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4 && continuation(1) && continuation(2) && continuation(3)) {
            cp = 0x10000;  // outside Windows-1252 in any case
            len = 4;
        } else {
            out += s[i];
            ++i;
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] == cp && cp != 0) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

bool IsControlByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0);
}

std::string PrintableText(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (IsControlByte(c)) c = ' ';
    return s;
}

}  // namespace qz
