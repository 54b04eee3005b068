// Reads ADIF files. One scanner walks the tags from the end of the header to the end
// of the file; a record is the fields up to an end-of-record tag. Lengths are counted
// in bytes; a damaged tag or value is reported with its line and byte and the scanner
// goes on at the next tag, so the rest of the record and the file is still read. Every
// record is either in the log or in the messages.
#include "import/adifimport.h"

#include <array>
#include <cmath>
#include <cstring>
#include <utility>

#include "base/datetime.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "domain/adifformat.h"
#include "import/contestnames.h"

namespace qz {

namespace {

// Remarks about single places; the rest are counted.
constexpr std::size_t kMaxNotes = 200;

enum TField {
    fCall,
    fQSODate,
    fTimeOn,
    fTimeOff,
    fBand,
    fFreq,
    fMode,
    fRSTSent,
    fRSTRcvd,
    fSTX,
    fSRX,
    fComment,
    fContestId,
    fStationCallsign,
    kNoOfFields
};
constexpr std::array<std::string_view, kNoOfFields> kFieldNames = {
    adif::kCall, adif::kQSODate, adif::kTimeOn,    adif::kTimeOff,        adif::kBand,
    adif::kFreq, adif::kMode,    adif::kRSTSent,   adif::kRSTRcvd,        adif::kSTX,
    adif::kSRX,  adif::kComment, adif::kContestId, adif::kStationCallsign};

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

template <typename T>
T Load(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// SameText for a name of the scanner (letters, digits and "_" only) and a field name of at
// least four characters, a word at a time. Setting bit 5 of every byte folds the case of
// such names without mixing any two of their characters ("_" becomes DEL on both sides).
bool IsFieldName(std::string_view name, std::string_view lower) {
    const std::size_t n = name.size();
    if (n != lower.size()) return false;
    const char* a = name.data();
    const char* b = lower.data();
    if (n < 8) {
        constexpr std::uint32_t fold = 0x20202020u;
        return ((Load<std::uint32_t>(a) | fold) == (Load<std::uint32_t>(b) | fold)) &&
               ((Load<std::uint32_t>(a + n - 4) | fold) == (Load<std::uint32_t>(b + n - 4) | fold));
    }
    constexpr std::uint64_t fold = 0x2020202020202020u;
    for (std::size_t i = 0; i + 8 < n; i += 8)
        if ((Load<std::uint64_t>(a + i) | fold) != (Load<std::uint64_t>(b + i) | fold)) return false;
    return (Load<std::uint64_t>(a + n - 8) | fold) == (Load<std::uint64_t>(b + n - 8) | fold);
}

// The slot of kFieldSlots for a field name of `size` characters whose second and last
// characters are given in lower case. Every field name the reader takes has a slot of
// its own, so a tag name is compared with one name only.
constexpr std::size_t FieldSlot(std::size_t size, char second, char last) {
    return (size + static_cast<unsigned char>(second) * std::size_t{12} + static_cast<unsigned char>(last)) & 31;
}

constexpr std::array<std::int8_t, 32> kFieldSlots = [] {
    std::array<std::int8_t, 32> slots{};
    slots.fill(-1);
    for (int f = 0; f < kNoOfFields; ++f) {
        const std::string_view name = kFieldNames[static_cast<std::size_t>(f)];
        std::int8_t& slot = slots[FieldSlot(name.size(), name[1], name.back())];
        if (slot >= 0) throw "two field names share a slot";  // stops the compile
        slot = static_cast<std::int8_t>(f);
    }
    return slots;
}();

// The field a tag name stands for, or -1. Asked for every tag.
int FieldOf(std::string_view name) {
    if (name.size() < 3) return -1;
    const int f = kFieldSlots[FieldSlot(name.size(), Lower(name[1]), Lower(name.back()))];
    if (f < 0) return -1;
    const std::string_view field = kFieldNames[static_cast<std::size_t>(f)];
    return (field.size() >= 4 ? IsFieldName(name, field) : SameText(name, field)) ? f : -1;
}

struct TRecord {
    std::array<std::string_view, kNoOfFields> value{};
    std::array<bool, kNoOfFields> present{};
    bool any = false;
    std::size_t start = 0;
    void Clear() {
        present.fill(false);
        any = false;
    }
};

// The first `name` tag anywhere in `text` from `from` on; false when there is none.
bool FindField(std::string_view text, std::size_t from, std::string_view name, std::string_view& value) {
    for (TADIFScanner tags(text, from); tags.Next();) {
        if (!tags.Absent() && SameText(tags.Name(), name)) {
            value = tags.Value();
            return true;
        }
    }
    return false;
}

}  // namespace

bool TADIFScanner::ScanUnusual(std::size_t at) {
    const std::string_view text(FText, FSize);
    const std::size_t n = FSize;
    const std::size_t i = adifscan::NameEnd(FText, at + 1, n);
    FStart = at;
    FNameLength = i - at - 1;
    FValueStart = i;
    FValueLength = 0;
    FProblem = nullptr;
    FAbsent = false;
    // A "<" not followed by a field name, or a name followed by something other than
    // ":", ">" or the next "<", is text between fields.
    if (FNameLength == 0 || (i < n && text[i] != ':' && text[i] != '>' && text[i] != '<')) {
        FPos = at + 1;
        return false;
    }
    if (i >= n || text[i] == '<') {
        FProblem = "tag without \">\"";
        FAbsent = true;
        FPos = i;
        return true;
    }
    if (text[i] == '>') {
        FPos = i + 1;
        return true;
    }
    std::size_t j = i + 1;
    while (j < n && text[j] != '>' && text[j] != '<') ++j;
    if (j >= n || text[j] == '<') {
        FProblem = "tag without \">\"";
        FAbsent = true;
        FPos = j;
        return true;
    }
    // "length" or "length:type"; the type is not needed to read the value.
    std::string_view lengthText = text.substr(i + 1, j - i - 1);
    lengthText = lengthText.substr(0, lengthText.find(':'));
    std::size_t length = 0;
    bool number = !lengthText.empty() && lengthText.size() <= 9;
    for (char c : lengthText) {
        number = number && IsDigit(c);
        if (!number) break;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    if (!number) {
        FProblem = "the length of the field is not a number";
        FAbsent = true;
        FPos = j + 1;
        return true;
    }
    TakeValue(j + 1, length);
    return true;
}

void TADIFScanner::TakeValue(std::size_t v, std::size_t length) {
    const std::string_view text(FText, FSize);
    const std::string_view value = text.substr(v, length);
    if (length > FSize - v) FProblem = "the length of the field runs past the end of the file";
    FValueStart = v;
    // A value that holds the start of the next tag was given too long a length: the
    // field is kept empty and the scanner goes on inside it, so the next tag is read.
    // Every tag with a length looks like a tag, so this search stops at the next tag
    // the scanner reads anyway: the file is scanned in linear time.
    for (std::size_t k = value.find('<'); k != std::string_view::npos; k = value.find('<', k + 1)) {
        if (LooksLikeADIFTag(text, v + k)) {
            FProblem = "the length of the field runs into the next tag";
            FValueLength = 0;
            FPos = v;
            return;
        }
    }
    FValueLength = value.size();
    FPos = v + value.size();
}

bool ADIFFieldValue(std::string_view name, std::string_view text, std::string& value) {
    std::string_view v;
    if (!FindField(text, 0, name, v)) return false;
    value.assign(v);
    return true;
}

TADIFImport::TADIFImport(std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FCap(messages, kMaxNotes) {}

TADIFImport::TADIFImport(std::string bytes, std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FFromBytes(true), FCap(messages, kMaxNotes) {
    FileNotFound = false;
    FText.Assign(std::move(bytes));
}

bool TADIFImport::Load() {
    if (FText.Loaded()) return true;
    if (FFromBytes || FileNotFound) return false;
    return FText.Load(FFileName, &FLastError);
}

TFileType TADIFImport::CheckFormat() {
    if (!Load()) return ftUnknown;
    const std::string_view text = FText.Bytes();
    // The end of the header: the first eoh tag, in any case, wherever its line starts
    // (a program may put the first record on the same line).
    for (std::size_t pos = 0; pos < text.size();) {
        const void* p = std::memchr(text.data() + pos, '<', text.size() - pos);
        if (!p) break;
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(p) - text.data());
        pos = at + 1;
        if (at + 4 < text.size() && SameText(text.substr(at + 1, 3), adif::kEOH) &&
            (text[at + 4] == '>' || text[at + 4] == ':')) {
            TADIFScanner tag(text, at);
            if (!tag.Next() || tag.Problem()) continue;
            FHasHeader = true;
            FDataStart = tag.End();
            return ftADIF;
        }
    }
    // No header at all: the file starts with a tag and has an end-of-record tag.
    std::size_t first = 0;
    while (first < text.size() && static_cast<unsigned char>(text[first]) <= 0x20) ++first;
    if (first >= text.size() || text[first] != '<' || !LooksLikeADIFTag(text, first)) return ftUnknown;
    for (std::size_t pos = first; pos < text.size();) {
        const void* p = std::memchr(text.data() + pos, '<', text.size() - pos);
        if (!p) break;
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(p) - text.data());
        pos = at + 1;
        if (at + 4 < text.size() && SameText(text.substr(at + 1, 3), adif::kEOR) && text[at + 4] == '>') {
            FHasHeader = false;
            FDataStart = first;
            return ftADIF;
        }
    }
    return ftUnknown;
}

bool TADIFImport::ReadHeader(TFileHeader& h) {
    if (CheckFormat() != ftADIF) return false;
    const std::string_view text = FText.Bytes();
    h = NewFileHeader();
    // The own call from our information block: the text after "=" on the first header
    // line that holds the key.
    std::string call;
    if (FHasHeader) {
        const std::string header = UpperCase(text.substr(0, FDataStart));
        const std::size_t key = header.find(UpperCase(adif::kInfoCall));
        if (key != std::string::npos) {
            std::size_t end = header.find_first_of("\r\n", key);
            if (end == std::string::npos) end = header.size();
            const std::size_t eq = header.find('=', key);
            if (eq != std::string::npos && eq < end) call = Trim(text.substr(eq + 1, end - eq - 1));
        }
    }
    // Then the station fields of the file (of the header or the first record that has
    // one); the folder's name only when the file names no station at all.
    for (std::string_view field : {adif::kStationCallsign, adif::kOperator}) {
        std::string_view station;
        if (call.empty() && FindField(text, 0, field, station)) call = Trim(station);
    }
    if (call.empty()) call = CallFromFolderName(FFileName);
    h.fhUser_OwnCall = CutTo(call, kCallStringLen);
    std::string_view contestId;
    h.fhContest_Contest = FixContest;
    if (h.fhContest_Contest == cNoContest && FindField(text, 0, adif::kContestId, contestId))
        h.fhContest_Contest = ContestFromSpelling(contestId);
    if (h.fhContest_Contest == cNoContest) h.fhContest_Contest = DefaultContest;
    return true;
}

bool TADIFImport::BuildLog(bool showMessageBoxes) {
    FCounts = TADIFReadCounts{};
    FCap = TMessageCap(FMessages, kMaxNotes);
    TFileHeader header;
    if (!ReadHeader(header)) {
        if (FLastError.empty()) FLastError = FFileName + ": not an ADIF file (no <eoh> and no record)";
        return false;
    }
    if (header.fhContest_Contest == cNoContest && !(showMessageBoxes && EditHeader)) {
        std::string_view contestId;
        std::string named = FindField(FText.Bytes(), 0, adif::kContestId, contestId)
                                ? "contest_id '" + QuotedName(contestId) + "' names no contest the program knows"
                                : "the file names no contest";
        FLastError = FFileName + ": " + named;
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    ReadRecords();
    return true;
}

void TADIFImport::ReleaseSource() {
    if (!FFromBytes) FText.Clear();
}

std::string TADIFImport::Place(std::size_t offset) const {
    return FFileName + " " + LS(lsLine) + " " + std::to_string(FText.LineOf(offset)) + " (byte " +
           std::to_string(offset + 1) + "): ";
}

void TADIFImport::Note(std::size_t offset, const std::string& text) {
    if (FCap.Full()) return FCap.Skip();
    FCap.Add(Place(offset) + text);
}

void TADIFImport::ReadRecords() {
    const std::string_view text = FText.Bytes();
    TContestLog& log = *FContestLog;
    const int sentNumbers = log.NoOfSentNumbers();
    const int rcvdNumbers = log.NoOfRcvdNumbers();
    TRecord rec;

    auto apply = [&]() {
        const auto has = [&](TField f) { return rec.present[f]; };
        const auto val = [&](TField f) { return rec.value[f]; };
        if (!has(fCall)) {
            ++FCounts.withoutCall;
            DropLine(Place(rec.start) + "record " + std::to_string(FCounts.records) +
                     " has no call field and was not read");
            return;
        }
        const int before = log.NoOfQSOs();
        log.CreateAndAppendQSO(true);
        if (log.NoOfQSOs() == before) log.AppendQSO(log.NewQSO(true));
        TQSO& q = *log.QSOs(log.NoOfQSOs() - 1);
        q.SetChangedQTCFlag(0, false);
        q.SetCall("");
        ++FCounts.qsos;
        if (!q.SetChangedCall(val(fCall)))
            Note(rec.start,
                 "record " + std::to_string(FCounts.records) + ": call not accepted: '" + QuotedPart(val(fCall)) + "'");
        if (has(fQSODate) && val(fQSODate).size() == 8) {
            const std::string_view d = val(fQSODate);
            std::int32_t year, month, day;
            TDateTime date;
            const bool whole = TryStrToInt(d.substr(0, 4), year) && TryStrToInt(d.substr(4, 2), month) &&
                               TryStrToInt(d.substr(6, 2), day) && TryEncodeDate(year, month, day, date) &&
                               q.SetChangedDate(date);
            if (!whole) {
                q.SetChangedDay(d.substr(6, 2));
                if (TryStrToInt(d.substr(4, 2), month)) q.SetChangedMonth(month);
                q.SetChangedYear(d.substr(0, 4));
                Note(rec.start,
                     "record " + std::to_string(FCounts.records) + ": date not understood: '" + QuotedPart(d) + "'");
            }
        }
        const TField timeField = has(fTimeOn) ? fTimeOn : fTimeOff;
        if (has(timeField) && (val(timeField).size() == 4 || val(timeField).size() == 6))
            q.SetChangedTime(val(timeField).substr(0, 4));
        double mhz = 0;
        // ADIF frequencies are in MHz; the line keeps whole kHz.
        const bool freqRead = has(fFreq) && TryStrToFloat(Trim(val(fFreq)), mhz, '.') && mhz > 0 && mhz < 4e6;
        if (freqRead) q.SetFrequency(static_cast<std::uint32_t>(std::llround(mhz * 1000)));
        if (has(fBand)) {
            if (!q.SetChangedBand(val(fBand))) q.SetChangedBandEx(val(fBand), '.');
        } else if (has(fFreq)) {
            TBand band;
            if (freqRead && BandFromAmount(std::llround(mhz * 1e6), band)) q.SetBand(band);
            else if (!q.SetChangedBand(val(fFreq)))
                Note(rec.start, "record " + std::to_string(FCounts.records) + ": frequency in no band: '" +
                                    QuotedPart(val(fFreq)) + "'");
        }
        if (has(fMode)) q.SetChangedModeEx(TrimmedView(val(fMode)));
        const std::size_t rstLength = static_cast<std::size_t>(RSTLength[q.Mode()]);
        if (has(fRSTSent) && val(fRSTSent).size() > rstLength) {
            q.SetChangedRST(cpSentRST, val(fRSTSent).substr(0, rstLength));
            if (sentNumbers > 0) q.SetChangedNumber(cpSentNumber, 0, val(fRSTSent).substr(rstLength));
        } else {
            if (has(fRSTSent)) q.SetChangedRST(cpSentRST, val(fRSTSent));
            if (sentNumbers > 0 && has(fSTX)) q.SetChangedNumber(cpSentNumber, 0, val(fSTX));
        }
        if (has(fRSTRcvd) && val(fRSTRcvd).size() > rstLength) {
            q.SetChangedRST(cpRcvdRST, val(fRSTRcvd).substr(0, rstLength));
            if (rcvdNumbers > 0) q.SetChangedNumber(cpRcvdNumber, 0, val(fRSTRcvd).substr(rstLength));
            if (rcvdNumbers > 1 && has(fSRX)) q.SetChangedNumber(cpRcvdNumber, 1, val(fSRX));
        } else {
            if (has(fRSTRcvd)) q.SetChangedRST(cpRcvdRST, val(fRSTRcvd));
            if (rcvdNumbers > 0 && has(fSRX)) q.SetChangedNumber(cpRcvdNumber, 0, val(fSRX));
            if (rcvdNumbers > 1 && has(fComment)) q.SetChangedNumber(cpRcvdNumber, 1, val(fComment));
        }
    };

    for (TADIFScanner tags(text, FDataStart); tags.Next();) {
        if (tags.Problem()) {
            ++FCounts.problems;
            if (FCap.Full()) FCap.Skip();
            else
                Note(tags.Start(),
                     std::string(tags.Problem()) + ": '" + QuotedPart(text.substr(tags.Start(), 40)) + "'");
        }
        if (tags.Absent()) continue;
        const std::string_view name = tags.Name();
        if (name.size() == 3 && SameText(name, adif::kEOR)) {
            ++FCounts.records;
            apply();
            rec.Clear();
            continue;
        }
        if (name.size() == 3 && SameText(name, adif::kEOH)) {
            // Another header end: what came before it were header fields.
            rec.Clear();
            continue;
        }
        if (!rec.any) {
            rec.any = true;
            rec.start = tags.Start();
        }
        const int f = FieldOf(name);
        if (f >= 0 && !rec.present[static_cast<std::size_t>(f)]) {
            rec.present[static_cast<std::size_t>(f)] = true;
            rec.value[static_cast<std::size_t>(f)] = tags.Value();
        }
    }
    if (rec.any) {
        // A file cut inside its last record: what is there is read, and said.
        ++FCounts.records;
        FCounts.unterminated = true;
        Note(rec.start,
             "the file ends inside record " + std::to_string(FCounts.records) + " (no <eor>); its fields were read");
        apply();
    }
    FCap.Finish(FFileName + ": ");
}

}  // namespace qz
