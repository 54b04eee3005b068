// The text of a signal report as a log line keeps it: at most three characters, held
// inside the line. Every line has two; as strings they would take 64 bytes per line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "domain/defs.h"

namespace qz {

class TRSTText {
public:
    TRSTText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    std::string_view View() const { return {FChars.data(), FSize}; }
    operator std::string_view() const { return View(); }
    std::string String() const { return std::string(View()); }
    std::size_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    void clear() { FSize = 0; }
    // The decimal digits of `n`, cut to three characters as any text.
    void SetNumber(int n) {
        if (n < 0 || n > 999) return Assign(std::to_string(n));
        FSize = static_cast<std::uint8_t>(n >= 100 ? 3 : n >= 10 ? 2 : 1);
        for (int i = FSize - 1; i >= 0; --i, n /= 10)
            FChars[static_cast<std::size_t>(i)] = static_cast<char>('0' + n % 10);
    }
    // Appends `c` unless the text is full.
    void Append(char c) {
        if (FSize < FChars.size()) FChars[FSize++] = c;
    }

    friend bool operator==(const TRSTText& a, const TRSTText& b) { return a.View() == b.View(); }

private:
    // Longer texts are cut; no RST is longer.
    void Assign(std::string_view text) {
        FSize = static_cast<std::uint8_t>(text.size() < FChars.size() ? text.size() : FChars.size());
        for (std::size_t i = 0; i < FSize; ++i) FChars[i] = text[i];
    }

    std::array<char, kRSTStrLen> FChars{};
    std::uint8_t FSize = 0;
};

}  // namespace qz
