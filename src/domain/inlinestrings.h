// A short list of texts kept inside its owner. The exchange numbers and multipliers of a
// QSO line are one to three texts each, and a log holds tens of thousands of lines: a
// heap block per list would cost more than the texts themselves. Lists longer than N
// keep the rest on the heap.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace qz {

template <std::size_t N>
class TInlineStrings {
public:
    std::size_t size() const { return FSize; }

    // New entries are empty; entries beyond `n` are dropped.
    void resize(std::size_t n) {
        for (std::size_t i = n; i < std::min(FSize, N); ++i) FInline[i].clear();
        FOverflow.resize(n > N ? n - N : 0);
        FSize = n;
    }

    void assign(std::size_t n, const std::string& value) {
        resize(0);
        resize(n);
        for (std::size_t i = 0; i < n; ++i) (*this)[i] = value;
    }

    void ClearAll() {
        for (std::size_t i = 0; i < FSize; ++i) (*this)[i].clear();
    }

    std::string& operator[](std::size_t i) { return i < N ? FInline[i] : FOverflow[i - N]; }
    const std::string& operator[](std::size_t i) const { return i < N ? FInline[i] : FOverflow[i - N]; }

private:
    std::size_t FSize = 0;
    std::array<std::string, N> FInline;
    std::vector<std::string> FOverflow;
};

}  // namespace qz
