// Little-endian reading and writing of fixed-size fields in byte buffers, with bounds
// checks on every read so that untrusted input can never be read past its end.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qz {

class TByteWriter {
public:
    explicit TByteWriter(std::string& out) : out_(out) {}
    void U8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v) { Raw(&v, 2); }
    void I32(std::int32_t v) { Raw(&v, 4); }
    void U32(std::uint32_t v) { Raw(&v, 4); }
    void F64(double v) { Raw(&v, 8); }
    // A short string: length byte plus `maxLength` bytes (the value cut to it, the rest zero).
    void ShortString(std::string_view s, std::size_t maxLength) {
        std::size_t n = s.size() < maxLength ? s.size() : maxLength;
        U8(static_cast<std::uint8_t>(n));
        out_.append(s.data(), n);
        out_.append(maxLength - n, '\0');
    }
    void Zeros(std::size_t n) { out_.append(n, '\0'); }
    void Bytes(std::string_view s) { out_.append(s); }

private:
    void Raw(const void* p, std::size_t n) {
        // The host is little-endian (x86-64, arm64), as the file formats are.
        out_.append(static_cast<const char*>(p), n);
    }
    std::string& out_;
};

class TByteReader {
public:
    explicit TByteReader(std::string_view in) : in_(in) {}
    bool Ok() const { return ok_; }
    std::size_t Pos() const { return pos_; }
    std::size_t Left() const { return pos_ <= in_.size() ? in_.size() - pos_ : 0; }
    void Seek(std::size_t pos) {
        if (pos > in_.size()) ok_ = false;
        else pos_ = pos;
    }
    void Skip(std::size_t n) {
        if (n > Left()) ok_ = false;
        else pos_ += n;
    }
    std::uint8_t U8() {
        std::uint8_t v = 0;
        Raw(&v, 1);
        return v;
    }
    std::uint16_t U16() {
        std::uint16_t v = 0;
        Raw(&v, 2);
        return v;
    }
    std::int32_t I32() {
        std::int32_t v = 0;
        Raw(&v, 4);
        return v;
    }
    std::uint32_t U32() {
        std::uint32_t v = 0;
        Raw(&v, 4);
        return v;
    }
    double F64() {
        double v = 0;
        Raw(&v, 8);
        return v;
    }
    // A short string of `maxLength` characters; a length byte above the maximum marks
    // the reader as failed (`lengthOk` false) and yields the cut value.
    std::string ShortString(std::size_t maxLength, bool* lengthOk = nullptr) {
        std::uint8_t n = U8();
        bool good = n <= maxLength;
        if (lengthOk) *lengthOk = good;
        std::size_t take = good ? n : maxLength;
        std::string s;
        if (ok_ && maxLength <= Left()) s.assign(in_.data() + pos_, take);
        Skip(maxLength);
        return s;
    }
    std::string Bytes(std::size_t n) {
        if (n > Left()) {
            ok_ = false;
            return {};
        }
        std::string s(in_.substr(pos_, n));
        pos_ += n;
        return s;
    }

private:
    void Raw(void* p, std::size_t n) {
        if (!ok_ || n > Left()) {
            ok_ = false;
            return;
        }
        std::memcpy(p, in_.data() + pos_, n);
        pos_ += n;
    }
    std::string_view in_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace qz
