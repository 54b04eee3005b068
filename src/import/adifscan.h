// The tag scanner of the ADIF reader: walks the "<name:length[:type]>value" tags of a
// text in one pass. Lengths count bytes. A damaged tag is reported through Problem()
// and the scan goes on at the next "<", so nothing after it is lost. The usual shape
// of a tag is read inline, because the scanner runs once per field of files with
// hundreds of thousands of fields; everything else is read by ScanUnusual().
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/text.h"

namespace qz {

namespace adifscan {

// Letters, digits and "_", looked up in a table: the scanner asks once per byte.
inline constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> t{};
    for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = t[static_cast<std::size_t>(c - 32)] = true;
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = true;
    t['_'] = true;
    return t;
}();
inline bool IsNameChar(char c) { return kNameChars[static_cast<unsigned char>(c)]; }

#if defined(__SSE2__)
// Bit i set when byte i of the 16 at `p` is a letter, a digit or "_". Bytes from 0x80
// on are negative in the signed comparisons and so never count.
inline unsigned NameCharMask(const char* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i folded = _mm_or_si128(x, _mm_set1_epi8(0x20));
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi8(folded, _mm_set1_epi8('a' - 1)), _mm_cmplt_epi8(folded, _mm_set1_epi8('z' + 1)));
    const __m128i digit =
        _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8('0' - 1)), _mm_cmplt_epi8(x, _mm_set1_epi8('9' + 1)));
    const __m128i under = _mm_cmpeq_epi8(x, _mm_set1_epi8('_'));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(letter, digit), under)));
}
#endif

// The end of the run of name characters that starts at `i`; at most `size`.
inline std::size_t NameEnd(const char* text, std::size_t i, std::size_t size) {
#if defined(__SSE2__)
    // Names are a few characters long: sixteen at a time spares a mispredicted loop
    // exit per tag.
    for (; size - i >= 16; i += 16)
        if (const unsigned others = ~NameCharMask(text + i) & 0xFFFFu)
            return i + static_cast<unsigned>(__builtin_ctz(others));
#endif
    while (i < size && IsNameChar(text[i])) ++i;
    return i;
}

// Whether the `length` bytes at `p`, all inside a text of which at least `readable`
// bytes from `p` on may be read, hold a "<".
inline bool HasTagOpen(const char* p, std::size_t length, std::size_t readable) {
#if defined(__SSE2__)
    if (length <= 16 && readable >= 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned open = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('<'))));
        return (open & ((1u << length) - 1u)) != 0;
    }
#endif
    return std::memchr(p, '<', length) != nullptr;
}

}  // namespace adifscan

// A "<" that opens something shaped like a tag: a name and ":" or ">".
inline bool LooksLikeADIFTag(std::string_view text, std::size_t at) {
    const std::size_t i = adifscan::NameEnd(text.data(), at + 1, text.size());
    return i > at + 1 && i < text.size() && (text[i] == ':' || text[i] == '>');
}

class TADIFScanner {
public:
    // With `generalOnly` every tag is read the general way, as the usual ones would be
    // read without their shortcut (to compare both ways in tests).
    TADIFScanner(std::string_view text, std::size_t from, bool generalOnly = false)
        : FText(text.data()), FSize(text.size()), FPos(from), FGeneralOnly(generalOnly) {}

    // Moves to the next tag; false at the end of the text. Text between tags, and a "<"
    // that starts no tag, are skipped.
    bool Next() {
        for (;;) {
            // Fields are mostly a blank or a line end apart: look at a few bytes before
            // handing the search to memchr.
            std::size_t at = FPos;
            const std::size_t near = at + 4 < FSize ? at + 4 : FSize;
            while (at < near && FText[at] != '<') ++at;
            if (at == near) {
                if (at >= FSize) return false;
                const void* p = std::memchr(FText + at, '<', FSize - at);
                if (!p) return false;
                at = static_cast<std::size_t>(static_cast<const char*>(p) - FText);
            }
            if ((!FGeneralOnly && ScanPlain(at)) || ScanUnusual(at)) return true;
        }
    }

    std::string_view Name() const { return {FText + FStart + 1, FNameLength}; }
    // Empty for a field without length or with a damaged one.
    std::string_view Value() const { return {FText + FValueStart, FValueLength}; }
    // Byte offset of the "<".
    std::size_t Start() const { return FStart; }
    // Where the scan goes on: after the value, or at the next "<" for a damaged tag.
    std::size_t End() const { return FPos; }
    // What was wrong with the tag: no ">" before the next "<" or the end, a length that
    // is no number, or a value that runs past the end or into the next tag; nullptr when
    // nothing was.
    const char* Problem() const { return FProblem; }
    // The field counts as absent (no ">" or a length that is no number).
    bool Absent() const { return FAbsent; }

private:
    // The usual tags: "<name:digits>value" with no "<" in the value and the value
    // inside the text, and "<name>"; false (nothing changed) for any other.
    bool ScanPlain(std::size_t at) {
        const std::size_t i = adifscan::NameEnd(FText, at + 1, FSize);
        if (i == at + 1 || i >= FSize) return false;
        if (FText[i] == '>') return Take(at, i, i + 1, 0);
        if (FText[i] != ':') return false;
        std::size_t j = i + 1;
        std::size_t length = 0;
        while (j < FSize && j - i <= 9 && IsDigit(FText[j]))
            length = length * 10 + static_cast<std::size_t>(FText[j++] - '0');
        if (j == i + 1 || j >= FSize || FText[j] != '>') return false;
        const std::size_t v = j + 1;
        if (length > FSize - v || adifscan::HasTagOpen(FText + v, length, FSize - v)) return false;
        return Take(at, i, v, length);
    }
    bool Take(std::size_t at, std::size_t nameEnd, std::size_t v, std::size_t length) {
        FStart = at;
        FNameLength = nameEnd - at - 1;
        FValueStart = v;
        FValueLength = length;
        FProblem = nullptr;
        FAbsent = false;
        FPos = v + length;
        return true;
    }
    // Every other shape; false when the "<" starts no tag (the scan goes on after it).
    bool ScanUnusual(std::size_t at);
    void TakeValue(std::size_t v, std::size_t length);

    const char* FText;
    std::size_t FSize;
    std::size_t FPos;
    std::size_t FStart = 0;
    std::size_t FNameLength = 0;
    std::size_t FValueStart = 0;
    std::size_t FValueLength = 0;
    const char* FProblem = nullptr;
    bool FAbsent = false;
    bool FGeneralOnly = false;
};

}  // namespace qz
