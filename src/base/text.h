// String helpers with the semantics every parser of the system relies on: blanks and
// control bytes are trimmed, case handling is ASCII-only (strings hold Windows-1252
// bytes), integer parsing accepts leading blanks but no trailing text, and 1-based
// substrings clamp instead of failing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

// Removes every byte up to 0x20 from both ends (or one end).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// The bytes that trimming removes: control bytes and the blank.
inline bool IsTrimmable(char c) { return static_cast<unsigned char>(c) <= 0x20; }
// Trim without a copy: a view of `s` without the bytes up to 0x20 at both ends.
inline std::string_view TrimmedView(std::string_view s) {
    while (!s.empty() && IsTrimmable(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsTrimmable(s.back())) s.remove_suffix(1);
    return s;
}

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
inline char UpCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
// Equal ignoring ASCII case.
inline bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpCase(a[i]) != UpCase(b[i])) return false;
    return true;
}
// Ordinal comparison ignoring ASCII case: <0, 0, >0. Inline: sorted lists of
// multiplier values compare with it for every line of a log.
inline int CompareText(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(UpCase(a[i]));
        const auto y = static_cast<unsigned char>(UpCase(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Inline: the parsers ask them once per byte.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }                   // A-Z
inline bool IsLetter(char c) { return IsUpperLetter(c) || (c >= 'a' && c <= 'z'); }  // A-Z or a-z

// Leading blanks are accepted, then an optional sign and decimal digits (or "$"/"0x"
// followed by hex digits); anything after the number, an empty text or an overflow
// of 32 bits makes the parse fail.
bool TryStrToIntGeneral(std::string_view s, std::int32_t& value);
// Plain decimal digits, nearly every number of a log, read without the general parse:
// false unless `s` is 1 to `maxDigits` digits (few enough that `T` cannot overflow).
template <typename T>
inline bool TryPlainDigits(std::string_view s, std::size_t maxDigits, T& value) {
    if (s.empty() || s.size() > maxDigits) return false;
    T v = 0;
    for (const char c : s) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9) return false;
        v = v * 10 + static_cast<T>(digit);
    }
    value = v;
    return true;
}
inline bool TryStrToInt(std::string_view s, std::int32_t& value) {
    return TryPlainDigits(s, 9, value) || TryStrToIntGeneral(s, value);
}
std::int32_t StrToIntDef(std::string_view s, std::int32_t def);
bool TryStrToInt64(std::string_view s, std::int64_t& value);

// Parses a decimal number whose decimal separator is `decimalSeparator`; leading and
// trailing blanks are accepted, other trailing text is not.
bool TryStrToFloat(std::string_view s, double& value, char decimalSeparator = '.');

// 1-based substring of at most `count` bytes starting at `index`; out-of-range values
// are clamped, so the result may be empty.
std::string Copy(std::string_view s, int index, int count);
// 1-based position of `sub` in `s`; 0 when it does not occur.
int Pos(std::string_view sub, std::string_view s);

// printf-style formatting into a std::string (C locale for numbers).
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// The decimal digits of `value` with leading zeros to at least `digits` (1 or more)
// digits, as Format("%.*d") writes them ("-" first for a negative value), without its
// cost: zones and serial numbers are written this way for every line of a log.
std::string ZeroPadded(std::int64_t value, int digits);

// Splits at every occurrence of `delimiter`; an empty text gives one empty part.
std::vector<std::string> SplitString(std::string_view s, char delimiter);
// Splits text into lines at CR LF, lone LF or lone CR. A final line end does not
// produce an empty last line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into `text`, for readers that keep the text.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// Cuts to at most `maxLength` bytes (short-string assignment).
std::string CutTo(std::string_view s, std::size_t maxLength);

// `text` on one line for a terminal or a field of tab-separated values: tab, CR and LF
// written as \t, \r and \n, every other control character as \xNN, and with
// `escapeBackslash` a backslash as \\ (so that the field can be read back exactly).
std::string EscapedControls(std::string_view text, bool escapeBackslash = false);

bool StartsText(std::string_view prefix, std::string_view s);  // ignoring case
bool EndsWith(std::string_view s, std::string_view suffix);

}  // namespace qz
