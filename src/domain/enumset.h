// A set of enumeration values stored as a bit mask of fixed width, as the native
// file stores it (bit i stands for ordinal i).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace qz {

template <typename E, typename Bits>
class EnumSet {
public:
    using Storage = Bits;

    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values) {
        for (E v : values) Include(v);
    }

    static constexpr EnumSet FromBits(Bits bits) {
        EnumSet s;
        s.bits_ = bits;
        return s;
    }
    // Every value from `first` to `last` inclusive.
    static constexpr EnumSet Range(E first, E last) {
        EnumSet s;
        for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i) s.Include(static_cast<E>(i));
        return s;
    }

    constexpr Bits bits() const { return bits_; }
    constexpr bool Contains(E v) const {
        unsigned i = static_cast<unsigned>(v);
        return i < kWidth && ((bits_ >> i) & 1u) != 0;
    }
    constexpr void Include(E v) {
        unsigned i = static_cast<unsigned>(v);
        if (i < kWidth) bits_ = static_cast<Bits>(bits_ | (Bits{1} << i));
    }
    constexpr void Exclude(E v) {
        unsigned i = static_cast<unsigned>(v);
        if (i < kWidth) bits_ = static_cast<Bits>(bits_ & ~(Bits{1} << i));
    }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr int Count() const {
        int n = 0;
        for (Bits b = bits_; b != 0; b = static_cast<Bits>(b & (b - 1))) ++n;
        return n;
    }
    constexpr EnumSet operator+(EnumSet o) const { return FromBits(static_cast<Bits>(bits_ | o.bits_)); }
    constexpr EnumSet operator-(EnumSet o) const { return FromBits(static_cast<Bits>(bits_ & ~o.bits_)); }
    constexpr EnumSet operator*(EnumSet o) const { return FromBits(static_cast<Bits>(bits_ & o.bits_)); }
    constexpr bool operator==(const EnumSet&) const = default;

private:
    static constexpr unsigned kWidth = sizeof(Bits) * 8;
    Bits bits_ = 0;
};

}  // namespace qz
