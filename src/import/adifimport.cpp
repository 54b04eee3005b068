// Reads ADIF files. One scanner walks the tags from the end of the header to the end
// of the file; a record is the fields up to an end-of-record tag. Lengths are counted
// in bytes; a damaged tag or value is reported with its line and byte and the scanner
// goes on at the next tag, so the rest of the record and the file is still read. Every
// record is either in the log or in the messages.
#include "import/adifimport.h"

#include <array>
#include <cmath>
#include <cstring>

#include "base/datetime.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "domain/adifformat.h"

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

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// `name` equals the lower-case `lower` ignoring case.
bool IsName(std::string_view name, std::string_view lower) {
    if (name.size() != lower.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (Lower(name[i]) != lower[i]) return false;
    return true;
}

// The field a tag name stands for, or -1. Asked for every tag, so a name is compared
// only with the field names of its length and first letter.
int FieldOf(std::string_view name) {
    if (name.empty()) return -1;
    const char first = Lower(name[0]);
    for (int f = 0; f < kNoOfFields; ++f) {
        const std::string_view field = kFieldNames[static_cast<std::size_t>(f)];
        if (field.size() == name.size() && field[0] == first && IsName(name, field)) return f;
    }
    return -1;
}

// Letters, digits and "_", looked up in a table: the scanner asks once per byte.
constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> t{};
    for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = t[static_cast<std::size_t>(c - 32)] = true;
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = true;
    t['_'] = true;
    return t;
}();
inline bool IsNameChar(char c) { return kNameChars[static_cast<unsigned char>(c)]; }
inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

// A "<" that opens something shaped like a tag: a name and ":" or ">".
bool LooksLikeTag(std::string_view text, std::size_t at) {
    std::size_t i = at + 1;
    while (i < text.size() && IsNameChar(text[i])) ++i;
    return i > at + 1 && i < text.size() && (text[i] == ':' || text[i] == '>');
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
bool FindField(std::string_view text, std::size_t from, std::string_view lowerName, std::string_view& value) {
    bool found = false;
    ForEachADIFTag(text, from, [&](const TADIFTag& t) {
        if (t.absent || !IsName(t.name, lowerName)) return true;
        value = t.value;
        found = true;
        return false;
    });
    return found;
}

}  // namespace

TADIFTag ScanADIFTag(std::string_view text, std::size_t at) {
    TADIFTag t;
    t.start = at;
    const std::size_t n = text.size();
    std::size_t i = at + 1;
    while (i < n && IsNameChar(text[i])) ++i;
    t.name = text.substr(at + 1, i - at - 1);
    // A "<" not followed by a field name, or a name followed by something other than
    // ":", ">" or the next "<", is text between fields.
    if (t.name.empty() || (i < n && text[i] != ':' && text[i] != '>' && text[i] != '<')) {
        t.isTag = false;
        t.absent = true;
        t.next = at + 1;
        return t;
    }
    if (i >= n || text[i] == '<') {
        t.problem = "tag without \">\"";
        t.absent = true;
        t.next = i;
        return t;
    }
    if (text[i] == '>') {
        t.next = i + 1;
        return t;
    }
    std::size_t j = i + 1;
    while (j < n && text[j] != '>' && text[j] != '<') ++j;
    if (j >= n || text[j] == '<') {
        t.problem = "tag without \">\"";
        t.absent = true;
        t.next = j;
        return t;
    }
    // "length" or "length:type"; the type is not needed to read the value.
    std::string_view lengthText = text.substr(i + 1, j - i - 1);
    lengthText = lengthText.substr(0, lengthText.find(':'));
    std::size_t length = 0;
    bool number = !lengthText.empty() && lengthText.size() <= 9;
    for (char c : lengthText) {
        number = number && IsDigitChar(c);
        if (!number) break;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    const std::size_t v = j + 1;
    if (!number) {
        t.problem = "the length of the field is not a number";
        t.absent = true;
        t.next = v;
        return t;
    }
    t.hasLength = true;
    std::string_view value = text.substr(v, length);
    if (length > n - v) t.problem = "the length of the field runs past the end of the file";
    // A value that holds the start of the next tag was given too long a length: the
    // field is kept empty and the scanner goes on inside it, so the next tag is read.
    // Every tag with a length looks like a tag, so this search stops at the next tag
    // the scanner reads anyway: the file is scanned in linear time.
    for (std::size_t k = value.find('<'); k != std::string_view::npos; k = value.find('<', k + 1)) {
        if (LooksLikeTag(text, v + k)) {
            t.problem = "the length of the field runs into the next tag";
            t.value = {};
            t.next = v;
            return t;
        }
    }
    t.value = value;
    t.next = v + value.size();
    return t;
}

bool ADIFFieldValue(std::string_view name, std::string_view text, std::string& value) {
    const std::string lower = LowerCase(name);
    std::string_view v;
    if (!FindField(text, 0, lower, v)) return false;
    value.assign(v);
    return true;
}

TADIFImport::TADIFImport(std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FCap(messages, kMaxNotes) {}

TADIFImport::TADIFImport(std::string_view bytes, std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FFromBytes(true), FCap(messages, kMaxNotes) {
    FileNotFound = false;
    FText.Assign(bytes);
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
        if (at + 4 < text.size() && IsName(text.substr(at + 1, 3), adif::kEOH) &&
            (text[at + 4] == '>' || text[at + 4] == ':')) {
            const TADIFTag t = ScanADIFTag(text, at);
            if (t.problem) continue;
            FHasHeader = true;
            FDataStart = t.next;
            return ftADIF;
        }
    }
    // No header at all: the file starts with a tag and has an end-of-record tag.
    std::size_t first = 0;
    while (first < text.size() && static_cast<unsigned char>(text[first]) <= 0x20) ++first;
    if (first >= text.size() || text[first] != '<' || !LooksLikeTag(text, first)) return ftUnknown;
    for (std::size_t pos = first; pos < text.size();) {
        const void* p = std::memchr(text.data() + pos, '<', text.size() - pos);
        if (!p) break;
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(p) - text.data());
        pos = at + 1;
        if (at + 4 < text.size() && IsName(text.substr(at + 1, 3), adif::kEOR) && text[at + 4] == '>') {
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
    if (call.empty()) call = CallFromFolderName(FFileName);
    std::string_view station;
    if (call.empty() && FindField(text, 0, adif::kStationCallsign, station)) call = Trim(station);
    h.fhUser_OwnCall = CutTo(call, kCallStringLen);
    std::string_view contestId;
    h.fhContest_Contest = FixContest;
    if (h.fhContest_Contest == cNoContest && FindField(text, 0, adif::kContestId, contestId))
        h.fhContest_Contest = ContestFromName(Trim(contestId));
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
                                ? "contest_id '" + QuotedPart(contestId) + "' names no contest the program knows"
                                : "the file names no contest";
        FLastError = FFileName + ": " + named + "; choose one with --contest";
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    ReadRecords();
    return true;
}

void TADIFImport::ReleaseSource() {
    if (!FFromBytes) FText.Clear();
}

void TADIFImport::Note(std::size_t offset, const std::string& text) {
    if (FCap.Full()) return FCap.Skip();
    FCap.Add(FFileName + " " + LS(lsLine) + " " + std::to_string(FText.LineOf(offset)) + " (byte " +
             std::to_string(offset + 1) + "): " + text);
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
            Note(rec.start, "record " + std::to_string(FCounts.records) + " has no call field and was not read");
            return;
        }
        const int before = log.NoOfQSOs();
        log.CreateAndAppendQSO(true);
        if (log.NoOfQSOs() == before) log.AppendQSO(log.NewQSO(true));
        TQSO& q = *log.QSOs(log.NoOfQSOs() - 1);
        q.SetChangedQTCFlag(0, false);
        q.SetCall("");
        ++FCounts.qsos;
        if (!q.SetChangedCall(Trim(val(fCall))))
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
        if (has(fBand)) {
            if (!q.SetChangedBand(val(fBand))) q.SetChangedBandEx(val(fBand), '.');
        } else if (has(fFreq)) {
            // ADIF frequencies are in MHz.
            double mhz = 0;
            TBand band;
            if (TryStrToFloat(Trim(val(fFreq)), mhz, '.') && mhz > 0 && mhz < 1e7 &&
                BandFromAmount(std::llround(mhz * 1e6), band))
                q.SetBand(band);
            else if (!q.SetChangedBand(val(fFreq)))
                Note(rec.start, "record " + std::to_string(FCounts.records) + ": frequency in no band: '" +
                                    QuotedPart(val(fFreq)) + "'");
        }
        if (has(fMode)) q.SetChangedModeEx(Trim(val(fMode)));
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

    ForEachADIFTag(text, FDataStart, [&](const TADIFTag& t) {
        if (t.problem) {
            ++FCounts.problems;
            if (FCap.Full()) FCap.Skip();
            else Note(t.start, std::string(t.problem) + ": '" + QuotedPart(text.substr(t.start, 40)) + "'");
        }
        if (t.absent) return true;
        if (IsName(t.name, adif::kEOR)) {
            ++FCounts.records;
            apply();
            rec.Clear();
            return true;
        }
        if (IsName(t.name, adif::kEOH)) {
            // Another header end: what came before it were header fields.
            rec.Clear();
            return true;
        }
        if (!rec.any) {
            rec.any = true;
            rec.start = t.start;
        }
        const int f = FieldOf(t.name);
        if (f >= 0 && !rec.present[static_cast<std::size_t>(f)]) {
            rec.present[static_cast<std::size_t>(f)] = true;
            rec.value[static_cast<std::size_t>(f)] = t.value;
        }
        return true;
    });
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
