// The binary test files, written field by field at the layouts' offsets.
#include "import/binlogmaker.h"

#include <cstring>

#include "base/binio.h"

namespace qz::test {

namespace {

// `text` into the `size` bytes at `offset` of `out`, cut to the field, zero-filled.
void PutFixed(std::string& out, std::size_t offset, const std::string& text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) out[offset + i] = i < text.size() ? text[i] : '\0';
}

template <typename T>
void PutNumber(std::string& out, std::size_t offset, T value) {
    std::memcpy(out.data() + offset, &value, sizeof value);
}

// A short string (length byte, then `maxLength` bytes) at `offset`.
void PutShort(std::string& out, std::size_t offset, const std::string& text, std::size_t maxLength) {
    std::string field;
    TByteWriter(field).ShortString(text, maxLength);
    out.replace(offset, field.size(), field);
}

}  // namespace

std::string MakeCTFile(const TCTHeaderSpec& h, const std::vector<TCTRecord>& records) {
    const bool ct8 = h.version.rfind("CT 8.", 0) == 0;
    const bool ct10 = h.version.rfind("CT 10", 0) == 0;
    std::string out(ct8 ? 1024 : 4096, '\0');
    PutFixed(out, 0, "generated test log", 32);
    PutFixed(out, 32, h.version, 12);
    PutFixed(out, 48, h.call, 32);
    PutFixed(out, 80, h.name, 32);
    PutFixed(out, 112, h.address, 64);
    PutFixed(out, 176, h.town, 32);
    PutFixed(out, 208, h.state, 8);
    out[256] = static_cast<char>(h.contest);
    out[258] = static_cast<char>(h.category);
    PutFixed(out, 486, h.zip, 16);
    PutFixed(out, 638, h.club, 64);
    out[860] = static_cast<char>(h.powerCategory);
    for (const TCTRecord& r : records) {
        std::string rec(ct10 ? 64 : 50, '\0');
        PutFixed(rec, 0, r.call, 16);
        PutFixed(rec, 16, r.exchange, 8);
        rec[24] = static_cast<char>(r.band);
        rec[25] = static_cast<char>(r.mode);
        PutNumber(rec, 28, r.number28);
        PutNumber(rec, 30, r.number30);
        PutNumber(rec, 42, r.seconds);
        if (ct10) PutFixed(rec, 50, "trailer bytes", 14);  // skipped by a reader
        out += rec;
    }
    return out;
}

std::string MakeCTQTCFile(const std::vector<TCTQTCRecord>& records) {
    std::string out;
    for (const TCTQTCRecord& r : records) {
        std::string rec(64, '\0');
        PutFixed(rec, 0, r.call, 24);
        PutNumber(rec, 24, r.seconds);
        rec[28] = static_cast<char>(r.band);
        PutFixed(rec, 32, r.group, 8);
        PutFixed(rec, 40, r.time, 8);
        PutFixed(rec, 48, r.reportedCall, 11);
        PutFixed(rec, 59, r.serial, 5);
        out += rec;
    }
    return out;
}

std::string MakeNAFile(std::uint8_t version, const std::string& ownCall, const std::string& templateName,
                       const std::vector<TNARecord>& records) {
    std::string out(800, '\0');
    out[0] = static_cast<char>(version);
    PutFixed(out, 1, ownCall, 12);
    PutFixed(out, 394, templateName, 8);
    for (const TNARecord& r : records) {
        std::string rec(40, '\0');
        PutNumber(rec, 0, r.seconds);
        PutNumber(rec, 4, static_cast<std::uint32_t>((std::uint32_t{r.bandNumber} << 16) | (r.ssb ? 1u : 0u)));
        std::string text = r.text;
        text.resize(31, ' ');
        rec.replace(9, 31, text);
        out += rec;
    }
    return out;
}

std::string MakeNATemplate(std::uint8_t number, std::size_t size) {
    std::string out(size, ' ');
    if (size > 71) out[71] = static_cast<char>(number);
    return out;
}

void PutColumns(std::string& text, int from, const std::string& value) {
    const std::size_t start = static_cast<std::size_t>(from - 1);
    if (text.size() < start + value.size()) text.resize(start + value.size(), ' ');
    text.replace(start, value.size(), value);
}

std::string MakeQWFile(const std::string& ownCall, const std::string& ownLocator, const std::string& ownDOK,
                       const std::vector<TQWRecord>& records) {
    std::string out(1240, '\0');
    PutShort(out, 14, ownCall, 14);
    PutShort(out, 29, ownLocator, 6);
    const char* bandNames[] = {"160", "80", "40", "20", "15", "10"};
    const std::size_t bandOffsets[] = {118, 180, 242, 304, 366, 428};
    for (int i = 0; i < 6; ++i) PutShort(out, bandOffsets[i], bandNames[i], 3);
    PutShort(out, 339, ownDOK, 6);
    for (const TQWRecord& r : records) {
        std::string rec(62, '\0');
        PutShort(rec, 2, r.time, 4);
        PutShort(rec, 7, r.date, 6);
        PutShort(rec, 14, r.call, 14);
        PutShort(rec, 29, r.locator, 6);
        rec[36] = static_cast<char>(r.band);
        PutNumber(rec, 37, r.sentRST);
        PutNumber(rec, 39, r.serial);
        PutNumber(rec, 41, r.received);
        PutShort(rec, 56, r.dok, 5);
        out += rec;
    }
    return out;
}

std::string MakeQWQTCFile(const std::vector<TQWQTCRecord>& records) {
    std::string out;
    for (const TQWQTCRecord& r : records) {
        std::string rec(302, '\0');
        PutShort(rec, 0, r.time, 4);
        PutShort(rec, 5, r.date, 6);
        PutShort(rec, 12, r.band, 3);
        PutShort(rec, 16, r.call, 14);
        PutShort(rec, 31, r.group, 20);
        for (std::size_t i = 0; i < 10; ++i) {
            PutShort(rec, 52 + 5 * i, r.times[i], 4);
            PutShort(rec, 102 + 5 * i, r.serials[i], 4);
            PutShort(rec, 152 + 15 * i, r.calls[i], 14);
        }
        out += rec;
    }
    return out;
}

}  // namespace qz::test
