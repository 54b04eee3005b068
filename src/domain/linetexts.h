// The exchange numbers and multipliers of a log line: three short lists of short texts,
// kept in one string. Each text is stored as a length byte and its bytes (a text of 255
// bytes or more as the byte 255, four length bytes and its bytes). A typical line's
// texts take about a dozen bytes, which the string holds without a heap block; a log
// holds tens of thousands of lines, and three lists of strings would take 288 bytes per
// line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qz {

class TLineTexts {
public:
    enum TList : std::uint8_t { ltSent, ltRcvd, ltMulties };

    std::size_t Size(TList list) const { return FCounts[list]; }
    // Empty texts only, as many as given per list.
    void Reset(std::size_t sent, std::size_t rcvd, std::size_t multies);
    // New texts are empty; texts beyond `n` are dropped.
    void Resize(TList list, std::size_t n);
    // The text `i` of `list`; empty when there is no such text.
    std::string_view Get(TList list, std::size_t i) const;
    // Sets text `i` of `list`; a shorter list first gets empty texts up to it.
    void Set(TList list, std::size_t i, std::string_view value);
    // Empties every text of `list`, keeping their number.
    void ClearAll(TList list);

private:
    static constexpr unsigned char kLongText = 255;
    // The byte offset of text `i` of `list`; i == Size(list) gives the end of the list.
    std::size_t Offset(TList list, std::size_t i) const;
    // Bytes taken by the text at `offset`, its length bytes included.
    std::size_t StoredSize(std::size_t offset) const;
    std::size_t TextLength(std::size_t offset) const;

    std::string FBytes;
    std::array<std::uint16_t, 3> FCounts{};
};

}  // namespace qz
