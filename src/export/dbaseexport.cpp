// Writes the dBase III table: a 32-byte file header, 22 field descriptors, the header
// terminator, one 166-byte record per log line and the end-of-file byte. The record
// count is the format's full 32-bit field, so logs of any length are counted right.
#include "export/dbaseexport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/fileio.h"
#include "base/text.h"

namespace qz {

namespace {

// clang-format off
constexpr std::array<TdBaseField, dbf::kNoOfFields> kFields = {{
    {"CALL", 'C', 18, 0},    {"DATUM", 'C', 10, 0},     {"VON", 'C', 5, 0},      {"FREQUENZ", 'N', 9, 3},
    {"MODE", 'C', 3, 0},     {"QSLAB", 'L', 1, 0},      {"QSLAN", 'L', 1, 0},    {"NAME", 'C', 15, 0},
    {"QTH", 'C', 20, 0},     {"MANAGER", 'C', 6, 0},    {"BEMERKUNG", 'C', 30, 0}, {"GEGEBEN", 'C', 3, 0},
    {"ERHALTEN", 'C', 3, 0}, {"LOCATOR", 'C', 6, 0},    {"DOK", 'C', 6, 0},      {"IOTA", 'C', 6, 0},
    {"DXLAND", 'C', 5, 0},   {"BIS", 'C', 5, 0},        {"KNGE", 'C', 4, 0},     {"KNER", 'C', 4, 0},
    {"KTNR", 'C', 4, 0},     {"CSUFF", 'N', 1, 0},
}};
constexpr std::array<std::string_view, kNoOfBands> kFrequencies = {
    "    1.810", "    3.500", "    7.000", "   10.100", "   14.000", "   18.068", "   21.000", "   24.890",
    "   28.000", "   50.000", "   70.000", "  144.000", "  222.000", "  430.000", "  902.000", " 1296.000",
    " 2320.000", " 3300.000", " 5660.000", "10000.000", "24000.000", "47000.000", "75000.000", "120000.00",
    "142000.00", "241000.00", "99999.000"};
constexpr std::array<std::string_view, kNoOfModes - 1> kModeNames = {
    "A1A", "J3E", "A1B", "A3E", "F3E", "FSK", "PSK", "WSJT", "QAM", "PACKET", "PACTOR", "AMTOR", "GTOR",
    "THROB", "ASCII", "HELL", "CLOVER", "SSTV", "ATV"};
// clang-format on

static_assert([] {
    std::size_t length = 1;  // the deletion mark
    for (const TdBaseField& f : kFields) length += f.length;
    return length == dbf::kRecordLength;
}());

// Indexes of the fields that carry values.
enum : std::size_t {
    fCall = 0,
    fDatum = 1,
    fVon = 2,
    fFrequenz = 3,
    fMode = 4,
    fQSLab = 5,
    fQSLan = 6,
    fGegeben = 11,
    fErhalten = 12,
    fDOK = 14,
    fBis = 17,
    fCSuff = 21
};

void PutU16(std::string& out, std::size_t at, std::uint16_t v) { std::memcpy(out.data() + at, &v, 2); }
void PutU32(std::string& out, std::size_t at, std::uint32_t v) { std::memcpy(out.data() + at, &v, 4); }

}  // namespace

const std::array<TdBaseField, dbf::kNoOfFields>& DBaseFields() { return kFields; }

std::string_view DBaseFrequency(TBand band) { return band < kFrequencies.size() ? kFrequencies[band] : ""; }

std::string_view DBaseModeName(TMode mode) { return mode < kModeNames.size() ? kModeNames[mode] : ""; }

std::string TdBaseExport::TableBytes(TDateTime writtenAt) const {
    const std::size_t records = static_cast<std::size_t>(FContestLog.NoOfQSOs());
    // Blank records: every field not written below stays blank.
    std::string out(dbf::kHeaderLength + records * dbf::kRecordLength + 1, ' ');
    std::memset(out.data(), 0, dbf::kHeaderLength);
    const CivilDate today = DecodeDate(writtenAt);
    out[0] = 3;
    out[1] = static_cast<char>(today.year % 100);
    out[2] = static_cast<char>(today.month);
    out[3] = static_cast<char>(today.day);
    PutU32(out, 4, static_cast<std::uint32_t>(records));
    PutU16(out, 8, static_cast<std::uint16_t>(dbf::kHeaderLength));
    PutU16(out, 10, static_cast<std::uint16_t>(dbf::kRecordLength));
    std::size_t at = dbf::kFileHeaderSize;
    for (const TdBaseField& f : kFields) {
        std::memcpy(out.data() + at, f.name.data(), f.name.size());
        out[at + 11] = f.type;
        out[at + 16] = static_cast<char>(f.length);
        out[at + 17] = static_cast<char>(f.decimals);
        at += dbf::kDescriptorSize;
    }
    out[at] = 0x0D;
    out[at + 1] = 0x00;
    for (std::size_t i = 0; i < records; ++i)
        WriteRecord(out.data() + dbf::kHeaderLength + i * dbf::kRecordLength, static_cast<int>(i));
    out.back() = '\x1A';
    return out;
}

void TdBaseExport::WriteRecord(char* record, int index) const {
    // Field offsets within the record (offset 0 is the deletion mark, a blank).
    static constexpr auto kOffsets = [] {
        std::array<std::size_t, dbf::kNoOfFields> o{};
        std::size_t at = 1;
        for (std::size_t i = 0; i < dbf::kNoOfFields; ++i) {
            o[i] = at;
            at += kFields[i].length;
        }
        return o;
    }();
    const auto put = [&](std::size_t field, std::string_view value) {
        std::memcpy(record + kOffsets[field], value.data(), std::min<std::size_t>(value.size(), kFields[field].length));
    };
    const TQSO& q = *FContestLog.QSOs(index);
    const CivilDate d = DecodeDate(q.DateTime());
    const CivilTime t = DecodeTime(q.DateTime());
    char date[16], time[8];
    std::snprintf(date, sizeof date, "%.2d.%.2d.%.4d", d.day % 100, d.month % 100, d.year % 10000);
    std::snprintf(time, sizeof time, "%.2d:%.2d", t.hour % 100, t.minute % 100);
    put(fCall, q.Call().Call());
    put(fDatum, date);
    put(fVon, time);
    put(fFrequenz, DBaseFrequency(q.Band()));
    put(fMode, DBaseModeName(q.Mode()));
    put(fQSLab, "F");
    put(fQSLan, "F");
    put(fGegeben, q.SentRST());
    put(fErhalten, q.RcvdRST());
    put(fDOK, FContestLog.GetDOKFromRcvdNumber(index));
    put(fBis, time);
    put(fCSuff, "0");
}

bool TdBaseExport::WriteLog(const std::string& fileName) {
    FError.clear();
    if (!TExport::WriteLog(fileName)) return false;
    return WriteFileAtomically(fileName, TableBytes(NowLocal()), &FError);
}

}  // namespace qz
