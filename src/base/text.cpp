#include "base/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace qz {

std::string Trim(std::string_view s) { return std::string(TrimmedView(s)); }

std::string TrimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && IsTrimmable(s[b])) ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IsTrimmable(s[e - 1])) --e;
    return std::string(s.substr(0, e));
}

static char LowCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = UpCase(c);
    return r;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = LowCase(c);
    return r;
}

bool TryStrToInt64(std::string_view s, std::int64_t& value) {
    if (TryPlainDigits(s, 18, value)) return true;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return false;
    std::uint64_t v = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int d;
        if (IsDigit(c)) d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return false;
    }
    value = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
    return true;
}

bool TryStrToIntGeneral(std::string_view s, std::int32_t& value) {
    std::int64_t v;
    if (!TryStrToInt64(s, v)) return false;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t StrToIntDef(std::string_view s, std::int32_t def) {
    std::int32_t v;
    return TryStrToInt(s, v) ? v : def;
}

bool TryStrToFloat(std::string_view s, double& value, char decimalSeparator) {
    std::string t = Trim(s);
    if (t.empty()) return false;
    // Only digits, one separator, a sign and an exponent are acceptable.
    std::string c;
    c.reserve(t.size());
    bool seenSep = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        char ch = t[i];
        if (ch == decimalSeparator) {
            if (seenSep) return false;
            seenSep = true;
            c.push_back('.');
        } else if (IsDigit(ch) || ch == '+' || ch == '-' || ch == 'e' || ch == 'E') {
            c.push_back(ch);
        } else {
            return false;
        }
    }
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(c.c_str(), &end);
    if (end == c.c_str() || *end != '\0' || errno == ERANGE) return false;
    value = v;
    return true;
}

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<std::size_t>(index) > s.size()) return {};
    return std::string(s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

int Pos(std::string_view sub, std::string_view s) {
    if (sub.empty()) return 0;
    auto p = s.find(sub);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Format(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string r;
    if (n > 0) {
        r.resize(static_cast<std::size_t>(n));
        std::vsnprintf(r.data(), r.size() + 1, fmt, ap2);
    }
    va_end(ap2);
    return r;
}

std::string ZeroPadded(std::int64_t value, int digits) {
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* p = end;
    // The magnitude as unsigned, so the most negative value has one too.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const std::size_t zeros =
        digits > end - p ? std::min<std::size_t>(static_cast<std::size_t>(digits - (end - p)), 64) : 0;
    std::string r;
    r.reserve(zeros + static_cast<std::size_t>(end - p) + 1);
    if (value < 0) r += '-';
    r.append(zeros, '0');
    r.append(p, end);
    return r;
}

std::vector<std::string> SplitString(std::string_view s, char delimiter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        auto p = s.find(delimiter, start);
        if (p == std::string_view::npos) {
            parts.emplace_back(s.substr(start));
            return parts;
        }
        parts.emplace_back(s.substr(start, p - start));
        start = p + 1;
    }
}

std::vector<std::string> SplitLines(std::string_view text) {
    const std::vector<std::string_view> views = SplitLineViews(text);
    return {views.begin(), views.end()};
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    const char* p = text.data();
    const char* const end = p + text.size();
    // Line ends are found by the library's search: files have tens of thousands of
    // lines. A lone CR ends a line as well as LF and CR LF. The next LF and the next CR
    // are each searched for again only once the line start has passed them, so a file
    // of one kind of line end is not searched to its end for the other on every line.
    const char* nextLF = nullptr;
    const char* nextCR = nullptr;
    const auto next = [&](const char*& found, char c) {
        if (!found || found < p) {
            const void* at = std::memchr(p, c, static_cast<std::size_t>(end - p));
            found = at ? static_cast<const char*>(at) : end;
        }
        return found;
    };
    while (p < end) {
        const char* stop = std::min(next(nextLF, '\n'), next(nextCR, '\r'));
        lines.emplace_back(p, static_cast<std::size_t>(stop - p));
        if (stop == end) break;
        p = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string CutTo(std::string_view s, std::size_t maxLength) { return std::string(s.substr(0, maxLength)); }

bool StartsText(std::string_view prefix, std::string_view s) {
    return s.size() >= prefix.size() && SameText(prefix, s.substr(0, prefix.size()));
}

bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::string EscapedControls(std::string_view text, bool escapeBackslash) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\\' && escapeBackslash) out += "\\\\";
        else if (u < 0x20 || u == 0x7F) out += Format("\\x%02X", u);
        else out += c;
    }
    return out;
}

}  // namespace qz
