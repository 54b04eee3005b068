// Layout of the stored string:
//   [0]            a random character whose index in kAlphabet gives the filler length n
//                  (1 to 8)
//   [1 .. n]       random filler
//   [n + 1]        the marker: a random character, its index m steers the encoding
//   groups of 3    one per password byte i: two lower-case hex digits of
//                  (byte + 31 i + 7 m) mod 256 and one random capital letter at
//                  position (i + m) mod 3 of the group
//   check group    three capitals, the first 'A' + (sum of bytes + m) mod 26
//   filler         random characters up to the full length
#include "base/passwordscramble.h"

#include <random>

namespace qz {

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kHex = "0123456789abcdef";

int AlphabetIndex(char c) {
    const auto p = kAlphabet.find(c);
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

int HexValue(char c) {
    const auto p = kHex.find(c);
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

std::mt19937& Random() {
    static thread_local std::mt19937 random{std::random_device{}()};
    return random;
}

char RandomOf(std::string_view chars) {
    std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1);
    return chars[pick(Random())];
}

char CheckLetter(unsigned sum, int marker) {
    return static_cast<char>('A' + (sum + static_cast<unsigned>(marker)) % 26);
}

}  // namespace

std::string ScramblePassword(std::string_view password) {
    const std::string_view capitals = kAlphabet.substr(0, 26);
    std::string out;
    // The first character's index modulo 8, plus 1, is the filler length.
    const char first = RandomOf(kAlphabet);
    out += first;
    const int filler = AlphabetIndex(first) % 8 + 1;
    for (int i = 0; i < filler; ++i) out += RandomOf(kAlphabet);
    const char markerChar = RandomOf(kAlphabet);
    const int marker = AlphabetIndex(markerChar);
    out += markerChar;
    unsigned sum = 0;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const auto byte = static_cast<unsigned char>(password[i]);
        sum += byte;
        const unsigned v = (byte + 31u * static_cast<unsigned>(i) + 7u * static_cast<unsigned>(marker)) & 0xFFu;
        std::string group = {kHex[v >> 4], kHex[v & 15]};
        group.insert(group.begin() + static_cast<std::ptrdiff_t>((i + static_cast<std::size_t>(marker)) % 3),
                     RandomOf(capitals));
        out += group;
    }
    out += CheckLetter(sum, marker);
    out += RandomOf(capitals);
    out += RandomOf(capitals);
    while (out.size() < kScrambledPasswordLength) out += RandomOf(kAlphabet);
    return out;
}

bool UnscramblePassword(std::string_view stored, std::string& password) {
    if (stored.size() < kScrambledPasswordLength) return false;
    for (char c : stored)
        if (AlphabetIndex(c) < 0) return false;
    const std::size_t filler = static_cast<std::size_t>(AlphabetIndex(stored[0]) % 8 + 1);
    const int marker = AlphabetIndex(stored[filler + 1]);
    std::string result;
    unsigned sum = 0;
    for (std::size_t pos = filler + 2; pos + 3 <= stored.size(); pos += 3) {
        const std::string_view group = stored.substr(pos, 3);
        if (IsCapital(group[0]) && IsCapital(group[1]) && IsCapital(group[2])) {
            if (group[0] != CheckLetter(sum, marker)) return false;
            password = result;
            return true;
        }
        const std::size_t i = result.size();
        const std::size_t capitalAt = (i + static_cast<std::size_t>(marker)) % 3;
        if (!IsCapital(group[capitalAt])) return false;
        std::string digits(group);
        digits.erase(capitalAt, 1);
        const int high = HexValue(digits[0]), low = HexValue(digits[1]);
        if (high < 0 || low < 0) return false;
        const unsigned v = static_cast<unsigned>(high * 16 + low);
        const unsigned byte =
            (v + 256u * 8 - 31u * static_cast<unsigned>(i) % 256 - 7u * static_cast<unsigned>(marker)) & 0xFFu;
        sum += byte;
        result += static_cast<char>(byte);
    }
    return false;
}

}  // namespace qz
