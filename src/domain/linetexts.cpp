#include "domain/linetexts.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace qz {

std::size_t TLineTexts::TextLength(std::size_t offset) const {
    const auto first = static_cast<unsigned char>(FBytes[offset]);
    if (first != kLongText) return first;
    std::uint32_t length;
    std::memcpy(&length, FBytes.data() + offset + 1, sizeof length);
    return length;
}

std::size_t TLineTexts::StoredSize(std::size_t offset) const {
    const std::size_t length = TextLength(offset);
    return length + (length >= kLongText ? 1 + sizeof(std::uint32_t) : 1);
}

std::size_t TLineTexts::Offset(TList list, std::size_t i) const {
    std::size_t offset = 0;
    for (int l = 0; l < list; ++l)
        for (std::size_t k = 0; k < FCounts[static_cast<std::size_t>(l)]; ++k) offset += StoredSize(offset);
    for (std::size_t k = 0; k < i; ++k) offset += StoredSize(offset);
    return offset;
}

void TLineTexts::Reset(std::size_t sent, std::size_t rcvd, std::size_t multies) {
    constexpr std::size_t most = std::numeric_limits<std::uint16_t>::max();
    FCounts = {static_cast<std::uint16_t>(std::min(sent, most)), static_cast<std::uint16_t>(std::min(rcvd, most)),
               static_cast<std::uint16_t>(std::min(multies, most))};
    FBytes.assign(std::size_t{FCounts[0]} + FCounts[1] + FCounts[2], '\0');
}

void TLineTexts::Resize(TList list, std::size_t n) {
    n = std::min<std::size_t>(n, std::numeric_limits<std::uint16_t>::max());
    const std::size_t count = FCounts[list];
    if (n < count) {
        const std::size_t from = Offset(list, n);
        FBytes.erase(from, Offset(list, count) - from);
    } else if (n > count) {
        FBytes.insert(Offset(list, count), n - count, '\0');
    }
    FCounts[list] = static_cast<std::uint16_t>(n);
}

std::string_view TLineTexts::Get(TList list, std::size_t i) const {
    if (i >= FCounts[list]) return {};
    const std::size_t offset = Offset(list, i);
    const std::size_t length = TextLength(offset);
    return std::string_view(FBytes).substr(offset + StoredSize(offset) - length, length);
}

void TLineTexts::Set(TList list, std::size_t i, std::string_view value) {
    if (i >= std::numeric_limits<std::uint16_t>::max()) return;
    // A value taken from this very store is copied before the store changes.
    if (!value.empty() && value.data() >= FBytes.data() && value.data() < FBytes.data() + FBytes.size())
        return Set(list, i, std::string(value));
    if (i >= FCounts[list]) Resize(list, i + 1);
    const std::size_t length = std::min<std::size_t>(value.size(), std::numeric_limits<std::uint32_t>::max());
    const std::size_t offset = Offset(list, i);
    const std::size_t header = length >= kLongText ? 1 + sizeof(std::uint32_t) : 1;
    // A text of the same length is overwritten where it stands.
    if (length < kLongText && TextLength(offset) == length) {
        if (length > 0) std::memcpy(FBytes.data() + offset + 1, value.data(), length);
        return;
    }
    FBytes.replace(offset, StoredSize(offset), header + length, '\0');
    char* p = FBytes.data() + offset;
    if (length >= kLongText) {
        p[0] = static_cast<char>(kLongText);
        const auto stored = static_cast<std::uint32_t>(length);
        std::memcpy(p + 1, &stored, sizeof stored);
    } else {
        p[0] = static_cast<char>(length);
    }
    if (length > 0) std::memcpy(p + header, value.data(), length);
}

void TLineTexts::ClearAll(TList list) {
    const std::size_t from = Offset(list, 0);
    const std::size_t count = FCounts[list];
    FBytes.replace(from, Offset(list, count) - from, count, '\0');
}

}  // namespace qz
