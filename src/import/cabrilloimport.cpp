// Reads Cabrillo files. Header tags are found by name wherever the file puts them;
// data lines go through the line splitter (own columns or blank-separated fields) and
// then through the QSO's text setters, as typing them would. Whatever the reader
// cannot use is reported with its line number: a line is either in the log or in the
// messages, never silently lost.
#include "import/cabrilloimport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <utility>

#include "base/datetime.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "domain/cabrilloformat.h"
#include "import/contestnames.h"
#include "import/sourcetext.h"
#include "logfile/qzf.h"

namespace qz {

namespace {

using cabrillo::TDataLine;

// A line quoted in a message is cut to this length.
constexpr std::size_t kMaxQuotedLine = 100;

enum TImportText {
    itNotRead,
    itNoFields,
    itQTCNotQTCContest,
    itFrequency,
    itMode,
    itDate,
    itTime,
    itNoCall,
    itAfterEnd,
    itZeroByte,
    itCallPosition,
    itSurplus,
    itMissing,
    itNoVersion,
    itUnknownContest,
    itTooLarge,
    itUnknownTag,
    itAmbiguous,
    itFieldMissing,
};

struct TImportTextEntry {
    int languageString;
    const char* english;
};
// Language-string numbers chosen for the reader's own messages; the English wording
// stands in while the loaded language file has no line for them.
constexpr TImportTextEntry kImportTexts[] = {
    {740, "not read:"},
    {741, "the fields cannot be matched to a QSO or QTC line"},
    {742, "a QTC line in a contest without QTC traffic"},
    {743, "frequency in no band, the line keeps band"},
    {744, "mode not known, the line keeps mode"},
    {745, "date not understood:"},
    {746, "time not understood:"},
    {747, "no worked call"},
    {748, "QSO or QTC lines after END-OF-LOG were read, the first at line"},
    {749, "the line holds a zero byte (a damaged file):"},
    {750, "QSO lines with another exchange than the contest's were split at the worked call, the first at line"},
    {751,
     "QSO lines with more exchange fields than the contest takes (joined into its last number), the first at "
     "line"},
    {752, "QSO lines with fewer exchange fields than the contest takes, the first at line"},  // no longer used
    {753, "START-OF-LOG names no version; the file is read with the categories' defaults"},
    {754, "names no contest the program knows"},
    {755, "is too large for a contest log"},
    {756, "a line shaped like a QSO line under a tag that is neither QSO: nor QTC:"},
    {757, "the exchange can be read more than one way; kept with what is certain, the rest left empty:"},
    {758, "a field of the contest's exchange is missing; kept with it empty:"},
};

std::string ImportText(TImportText text) {
    const TImportTextEntry& e = kImportTexts[text];
    std::string s = LS(e.languageString);
    return s.empty() ? std::string(e.english) : s;
}

bool IsValueLeadChar(char c) { return c == ' ' || c == '\t' || c == ':' || c == '='; }
bool IsTagChar(char c) { return IsLetter(c) || IsDigit(c) || c == '-' || c == '_'; }

// Characters a call keeps: . / digits, A-Z, a-z and the German umlauts.
bool IsCallChar(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0xC4:
        case 0xD6:
        case 0xDC:
        case 0xE4:
        case 0xF6:
        case 0xFC: return true;
        default: return c == '.' || c == '/' || IsDigit(c) || IsLetter(c);
    }
}

// The words of a category value (blank-separated).
bool HasWord(std::string_view value, std::string_view word) {
    for (std::string_view w : cabrillo::SplitFields(value))
        if (SameText(w, word)) return true;
    return false;
}

// The first entry (from `first` to `last`) of a keyword table that is a word of the
// value, else `fallback`.
template <typename Table>
int CategoryFromWords(std::string_view value, const Table& table, int first, int last, int fallback) {
    for (int i = first; i <= last; ++i)
        if (HasWord(value, table[static_cast<std::size_t>(i)])) return i;
    return fallback;
}

bool ContainsText(std::string_view value, std::string_view word) {
    return UpperCase(value).find(UpperCase(word)) != std::string::npos;
}

void CategoriesVersion3(const TCabrilloImport& r, TFileHeader& h) {
    using namespace cabrillo;
    h.fhContest_CategoryAssisted = static_cast<TCategoryAssisted>(
        CategoryFromWords(r.TagValue(kCategoryAssisted), CategoryAssistedNames, 0, 1, caNonAssisted));
    h.fhContest_CategoryOperator = static_cast<TCategoryOperator>(
        CategoryFromWords(r.TagValue(kCategoryOperator), CategoryOperatorNames, 0, 2, coSingleOp));
    h.fhContest_CategoryPower =
        static_cast<TCategoryPower>(CategoryFromWords(r.TagValue(kCategoryPower), CategoryPowerNames, 0, 2, cpLow));
    h.fhContest_CategoryStation = static_cast<TCategoryStation>(
        CategoryFromWords(r.TagValue(kCategoryStation), CategoryStationNames, 0, 6, csFixed));
    h.fhContest_CategoryTime =
        static_cast<TCategoryTime>(CategoryFromWords(r.TagValue(kCategoryTime), CategoryTimeNames, 1, 3, ctm24Hours));
    h.fhContest_CategoryTransmitter = static_cast<TCategoryTransmitter>(
        CategoryFromWords(r.TagValue(kCategoryTransmitter), CategoryTransmitterNames, 0, 4, ctxOne));
    h.fhContest_CategoryOverlay = static_cast<TCategoryOverlay>(
        CategoryFromWords(r.TagValue(kCategoryOverlay), CategoryOverlayNames, 1, 4, coNone));
}

// Version 2 has one CATEGORY value from which everything is derived.
void CategoriesVersion2(std::string_view c, TFileHeader& h) {
    h.fhContest_CategoryPower = ContainsText(c, "HIGH")  ? cpHigh
                                : ContainsText(c, "LOW") ? cpLow
                                : ContainsText(c, "QRP") ? cpQRP
                                                         : cpLow;
    int participation = -1;
    for (int i = 0; i < kNoOfParticipationCategories && participation < 0; ++i)
        if (!CabrilloParticipationNames[static_cast<std::size_t>(i)].empty() &&
            ContainsText(c, CabrilloParticipationNames[static_cast<std::size_t>(i)]))
            participation = i;
    const bool multi = participation == catMultiOpSingleTX || participation == catMultiOpTwoTX ||
                       participation == catMultiOpMultiTX || participation == catLimitedMulti ||
                       participation == catScoolClub;
    h.fhContest_CategoryOperator = multi ? coMultiOp : coSingleOp;
    h.fhContest_CategoryAssisted = ContainsText(c, "ASSISTED") ? caAssisted : caNonAssisted;
    h.fhContest_CategoryStation = ContainsText(c, "ROVER") ? csRover : ContainsText(c, "SCHOOL") ? csSchool : csFixed;
    h.fhContest_CategoryTime = ctm24Hours;
    h.fhContest_CategoryTransmitter = ContainsText(c, "MULTI-TWO")       ? ctxTwo
                                      : ContainsText(c, "MULTI-MULTI")   ? ctxUnlimited
                                      : ContainsText(c, "MULTI-LIMITED") ? ctxLimited
                                                                         : ctxOne;
    h.fhContest_CategoryOverlay = coNone;
}

// The band of a frequency field: a fixed band text of the writer ("14000", "  1.2",
// also "1.2G"), a band name, or a frequency in kHz, which is also given in `kHz` (0 for
// the other texts). Runs once per line, so it compares without building strings.
bool BandOfFrequency(std::string_view text, TBand& band, std::uint32_t& kHz) {
    kHz = 0;
    // The writer's band texts without their padding, looked up first: "10" is the 3 cm
    // band, not 10 kHz.
    static const std::array<std::string_view, kNoOfBands> kFixed = [] {
        std::array<std::string_view, kNoOfBands> a{};
        for (std::size_t b = 0; b < a.size(); ++b) a[b] = TrimmedView(CabrilloBandFrequencies[b]);
        return a;
    }();
    std::string_view t = TrimmedView(text);
    if (t.size() > 1 && (t.back() == 'G' || t.back() == 'g')) t.remove_suffix(1);
    for (int b = b160m; b <= bSAT; ++b) {
        const std::size_t i = static_cast<std::size_t>(b);
        if ((t.size() == kFixed[i].size() && SameText(t, kFixed[i])) ||
            (t.size() == BandNames[i].size() && SameText(t, BandNames[i]))) {
            band = static_cast<TBand>(b);
            return true;
        }
    }
    std::int64_t khz = 0;
    bool digitsOnly = !t.empty() && t.size() < 10;
    for (char c : t) {
        digitsOnly = digitsOnly && IsDigit(c);
        khz = khz * 10 + (c - '0');
        if (!digitsOnly) break;
    }
    if (digitsOnly) {
        if (khz <= 0 || !BandFromAmount(khz * 1000, band)) return false;
        kHz = static_cast<std::uint32_t>(khz);
        return true;
    }
    char kept[32];
    std::size_t n = 0;
    for (char c : t)
        if ((IsDigit(c) || c == '.') && n + 1 < sizeof kept) kept[n++] = c;
    double f = 0;
    if (n == 0 || !TryStrToFloat(std::string_view(kept, n), f, '.') || !(f > 0) || f > 1e12) return false;
    return BandFromAmount(std::llround(f * 1000), band);
}

bool ModeOfField(std::string_view text, TMode& mode) {
    const std::string_view t = TrimmedView(text);
    if (t.empty()) return false;
    for (int m = mCW; m <= mATV; ++m) {
        if (SameText(t, CabrilloModeNames[static_cast<std::size_t>(m)])) {
            mode = static_cast<TMode>(m);
            return true;
        }
    }
    return ModeFromSpelling(t, mode);
}

}  // namespace

cabrillo::TLineShape LineShapeOf(const TContestLog& log) {
    cabrillo::TLineShape shape;
    shape.sentNumbers = log.NoOfSentNumbers();
    shape.rcvdNumbers = log.NoOfRcvdNumbers();
    shape.qtcContest = log.IsAQTCContest();
    shape.wide = !shape.qtcContest && (shape.sentNumbers > 1 || shape.rcvdNumbers > 1);
    return shape;
}

TCabrilloImport::TCabrilloImport(std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages) {}

TCabrilloImport::TCabrilloImport(std::string bytes, std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FFromBytes(true), FBytes(std::move(bytes)) {
    FileNotFound = false;
}

bool TCabrilloImport::Load() {
    if (FLoaded) return true;
    FLines.clear();
    if (!FFromBytes && !ReadWholeFile(FFileName, FBytes, &FLastError)) return false;
    FLines = SplitLineViews(FBytes);
    // Tags are looked for in every line that is not a data line, several times each. A
    // line holding a zero byte is damaged: neither header nor data (ReadDataLines
    // reports it).
    FHeaderLines.clear();
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const std::string_view line = FLines[i];
        if (line.find('\0') == std::string_view::npos && !cabrillo::IsQSOLine(line) && !cabrillo::IsQTCLine(line))
            FHeaderLines.push_back(static_cast<int>(i));
    }
    FLoaded = true;
    return true;
}

TFileType TCabrilloImport::CheckFormat() {
    if (FileNotFound || !Load()) return ftUnknown;
    // The tag is recognised in any letter case, like every other tag.
    for (const std::string_view line : FLines)
        if (UpperCase(line).find(cabrillo::kStartOfLog) != std::string::npos) return ftCabrillo;
    return ftUnknown;
}

bool TCabrilloImport::IsQSOLine(int index) const {
    return index >= 0 && index < static_cast<int>(FLines.size()) &&
           cabrillo::IsQSOLine(FLines[static_cast<std::size_t>(index)]);
}

bool TCabrilloImport::IsQTCLine(int index) const {
    return index >= 0 && index < static_cast<int>(FLines.size()) &&
           cabrillo::IsQTCLine(FLines[static_cast<std::size_t>(index)]);
}

std::string TCabrilloImport::TagValue(std::string_view tag, bool* foundTag) const {
    const bool joined = SameText(tag, cabrillo::kAddress) || SameText(tag, cabrillo::kOperators) ||
                        SameText(tag, cabrillo::kClub) || SameText(tag, cabrillo::kSoapbox);
    std::string value;
    bool found = false;
    for (const int index : FHeaderLines) {
        const std::string_view line = FLines[static_cast<std::size_t>(index)];
        if (tag.empty()) break;
        for (std::size_t pos = 0; pos < 5 && pos + tag.size() <= line.size(); ++pos) {
            if (!SameText(line.substr(pos, tag.size()), tag)) continue;
            // The tag must be a whole tag: ADDRESS does not take the lines of ADDRESS-CITY,
            // CLUB not those of HQ-CLUB.
            const std::size_t after = pos + tag.size();
            if ((after < line.size() && IsTagChar(line[after])) || (pos > 0 && IsTagChar(line[pos - 1]))) continue;
            std::size_t v = after;
            while (v < line.size() && IsValueLeadChar(line[v])) ++v;
            if (found) value += "\r\n";
            value += line.substr(v);
            found = true;
            break;
        }
        if (found && !joined) break;
    }
    if (foundTag) *foundTag = found;
    if (SameText(tag, cabrillo::kCallsign)) {
        std::string call;
        for (char c : Trim(value))
            if (IsCallChar(c)) call += c;
        return call;
    }
    return value;
}

bool TCabrilloImport::ReadHeader(TFileHeader& h) {
    using namespace cabrillo;
    if (CheckFormat() != ftCabrillo) return false;
    h = NewFileHeader();
    const std::string version = TagValue(kStartOfLog);
    h.fhUser_OwnCall = CutTo(TagValue(kCallsign), kCallStringLen);
    if (h.fhUser_OwnCall.empty()) h.fhUser_OwnCall = CutTo(CallFromFolderName(FFileName), kCallStringLen);
    h.fhContest_Contest = FixContest != cNoContest ? FixContest : ContestFromSpelling(TagValue(kContest));
    if (h.fhContest_Contest == cNoContest) h.fhContest_Contest = DefaultContest;
    if (version.empty()) AddMessage(FFileName + ": " + ImportText(itNoVersion));
    if (!version.empty() && (version[0] == '2' || version[0] == '3')) {
        // The categories follow the tags the file uses: a version-3 file with only the
        // version-2 CATEGORY tag, or the reverse, is read by the tags it has.
        bool anyV3 = false;
        for (std::string_view t : {kCategoryAssisted, kCategoryOperator, kCategoryPower, kCategoryStation,
                                   kCategoryTime, kCategoryTransmitter, kCategoryOverlay})
            anyV3 = anyV3 || !Trim(TagValue(t)).empty();
        const std::string v2 = TagValue("CATEGORY");
        if (anyV3 || (version[0] == '3' && Trim(v2).empty())) CategoriesVersion3(*this, h);
        else CategoriesVersion2(v2, h);
    }
    bool hasLocation = false;
    const std::string location = Trim(TagValue(kLocation, &hasLocation));
    if (hasLocation) h.fhUser_ARRLSection = CutTo(location, kLocationStringLen);
    h.fhUser_GridLocator = CutTo(Trim(TagValue(kGridLocator)), kGridLocatorStringLen);
    h.fhUser_Name = CutTo(TagValue(kName), kLongShortStringLen);
    h.fhUser_EMail = CutTo(TagValue(kEMail), kLongShortStringLen);
    std::string address = TagValue(kAddress);
    for (const char* part : {"ADDRESS-CITY", "ADDRESS-STATE-PROVINCE", "ADDRESS-POSTALCODE", "ADDRESS-COUNTRY"}) {
        const std::string v = Trim(TagValue(part));
        if (v.empty() || v == "-") continue;
        if (!Trim(address).empty()) address += "\r\n";
        address += v;
    }
    h.fhUser_Address = CutTo(address, kLongShortStringLen);
    h.fhContest_OperatorList = CutTo(TagValue(kOperators), kLongShortStringLen);
    h.fhUser_Club = CutTo(TagValue(kClub), kLongShortStringLen);
    h.fhUser_Specific = CutTo(TagValue(kSpecific), kSpecificStringLen);
    h.fhContest_SoapBox = CutTo(TagValue(kSoapbox), kLongShortStringLen);
    return true;
}

bool TCabrilloImport::BuildLog(bool showMessageBoxes) {
    TFileHeader header;
    if (!ReadHeader(header)) return false;
    if (header.fhContest_Contest == cNoContest && !(showMessageBoxes && EditHeader)) {
        // Without the header dialog nobody can choose the contest, and the factory
        // would only say that no log could be made: say why.
        FLastError = FFileName + ": " + std::string(cabrillo::kContest) + " '" +
                     QuotedName(TagValue(cabrillo::kContest)) + "' " + ImportText(itUnknownContest);
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    FClaimedScore = Trim(TagValue(cabrillo::kClaimedScore));
    ReadDataLines();
    return true;
}

void TCabrilloImport::ReleaseSource() {
    FLines.clear();
    FHeaderLines.clear();
    FLoaded = false;
    if (!FFromBytes) {
        FBytes.clear();
        FBytes.shrink_to_fit();
    }
}

std::string TCabrilloImport::ShownLine(int lineIndex) const {
    std::string text = Trim(FLines[static_cast<std::size_t>(lineIndex)]);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    if (text.size() > kMaxQuotedLine) text = text.substr(0, kMaxQuotedLine) + "...";
    return text;
}

void TCabrilloImport::Note(int lineIndex, const std::string& text) const {
    AddMessage(FFileName + " " + LS(lsLine) + " " + std::to_string(lineIndex + 1) + ": " + text);
}

void TCabrilloImport::Drop(int lineIndex, const std::string& reason) {
    DropLine(FFileName + " " + LS(lsLine) + " " + std::to_string(lineIndex + 1) + ": " + ImportText(itNotRead) + " " +
             reason);
}

void TCabrilloImport::ReadDataLines() {
    FCounts = TCabrilloReadCounts{};
    const cabrillo::TLineShape shape = LineShapeOf(*FContestLog);
    int endOfLog = -1, afterEnd = -1, byCall = -1, surplus = -1;
    int byCallCount = 0, surplusCount = 0, afterEndCount = 0;
    TDataLine data;
    std::string error;
    for (int i = 0; i < static_cast<int>(FLines.size()); ++i) {
        const std::string_view line = FLines[static_cast<std::size_t>(i)];
        if (line.find('\0') != std::string_view::npos) {
            // Zeros and blanks alone pad a file after its end and hold nothing to lose.
            if (line.find_first_not_of(std::string_view("\0 \t", 3)) == std::string_view::npos) continue;
            // A damaged data line is one of the data lines, none of the others is.
            if (cabrillo::IsQSOLine(line) || cabrillo::IsQTCLine(line)) {
                ++FCounts.dataLines;
                ++FCounts.skipped;
            }
            Drop(i, ImportText(itZeroByte) + " " + ShownLine(i));
            continue;
        }
        const bool qso = cabrillo::IsQSOLine(line);
        if (!qso && !cabrillo::IsQTCLine(line)) {
            if (endOfLog < 0 && StartsText(cabrillo::kEndOfLog.substr(0, 10), TrimLeft(line))) endOfLog = i;
            if (cabrillo::LooksLikeDataLine(line)) {
                // A QSO line under a misspelt tag is data, not header: say it was not read.
                ++FCounts.dataLines;
                ++FCounts.skipped;
                Drop(i, ImportText(itUnknownTag) + ": " + ShownLine(i));
            }
            continue;
        }
        ++FCounts.dataLines;
        if (endOfLog >= 0 && afterEndCount++ == 0) afterEnd = i;
        if (!qso && !shape.qtcContest) {
            // No loss: the contest has no QTC traffic to score. Told, but not dropped.
            Note(i, ImportText(itNotRead) + " " + ImportText(itQTCNotQTCContest));
            ++FCounts.skipped;
            continue;
        }
        if (!cabrillo::SplitDataLine(line, shape, data, error)) {
            Drop(i, ImportText(itNoFields) + " (" + error + "): " + ShownLine(i));
            ++FCounts.skipped;
            continue;
        }
        if (!ApplyLine(i, data)) {
            ++FCounts.skipped;
            continue;
        }
        ++(data.layout == cabrillo::llOwn ? FCounts.ownLayout : FCounts.fieldLayout);
        if (data.layout == cabrillo::llFields && !data.qtc) {
            if (data.match == cabrillo::emCallPosition && byCallCount++ == 0) byCall = i;
            if (data.surplus && surplusCount++ == 0) surplus = i;
            // A line kept with an empty exchange field is told line by line: the
            // committee must see which contacts lack what.
            if (data.ambiguous) Note(i, ImportText(itAmbiguous) + " " + ShownLine(i));
            else if (data.missing) Note(i, ImportText(itFieldMissing) + " " + ShownLine(i));
        }
    }
    auto summary = [&](int count, int first, TImportText text) {
        if (count > 0)
            AddMessage(FFileName + ": " + std::to_string(count) + " " + ImportText(text) + " " +
                       std::to_string(first + 1));
    };
    summary(afterEndCount, afterEnd, itAfterEnd);
    summary(byCallCount, byCall, itCallPosition);
    summary(surplusCount, surplus, itSurplus);
}

void TCabrilloImport::ApplyCommonPart(int lineIndex, const TDataLine& data, TQSO& q) {
    TBand band;
    std::uint32_t kHz = 0;
    if (BandOfFrequency(data.frequency, band, kHz)) {
        q.SetBand(band);
        q.SetFrequency(kHz);
    } else
        Note(lineIndex, ImportText(itFrequency) + " " + std::string(BandNames[q.Band()]) + ": " + Trim(data.frequency));

    TMode mode;
    if (ModeOfField(data.mode, mode)) q.SetChangedMode(ModeNames[mode]);
    else Note(lineIndex, ImportText(itMode) + " " + std::string(ModeNames[q.Mode()]) + ": " + Trim(data.mode));

    // The date is set as a whole when it is a valid one, so that a day that does not
    // exist in the previous line's month (a 31st after a line of April) is not refused.
    std::int32_t y, m, d;
    TDateTime date;
    bool dateOK = TryStrToInt(data.year, y) && TryStrToInt(data.month, m) && TryStrToInt(data.day, d) &&
                  TryEncodeDate(y, m, d, date) && q.SetChangedDate(date);
    if (!dateOK) {
        dateOK = q.SetChangedYear(data.year);
        dateOK = q.SetChangedMonthEx(data.month) && dateOK;
        dateOK = q.SetChangedDay(data.day) && dateOK;
        Note(lineIndex, ImportText(itDate) + " " + Trim(data.year) + "-" + Trim(data.month) + "-" + Trim(data.day));
    }
    std::string time = data.time;
    if (time.size() == 5 && time[2] == ':') time.erase(2, 1);
    if (!q.SetChangedTime(time)) Note(lineIndex, ImportText(itTime) + " " + Trim(data.time));
}

bool TCabrilloImport::ApplyLine(int lineIndex, const TDataLine& data) {
    int qtcKind = 0;
    std::string call = data.secondCall;
    if (data.qtc) {
        const std::string own = UpperCase(Trim(FContestLog->FileHeader().fhUser_OwnCall));
        if (UpperCase(Trim(data.firstCall)) == own) {
            qtcKind = QTCFlagKinds[1];
        } else if (UpperCase(Trim(data.secondCall)) == own) {
            qtcKind = QTCFlagKinds[0];
            call = data.firstCall;
        } else {
            DropLine(FFileName + " " + LS(lsLine) + " " + std::to_string(lineIndex + 1) + " " +
                     LS(lsQTCWithoutOwnCall));
            return false;
        }
    }
    const int before = FContestLog->NoOfQSOs();
    FContestLog->CreateAndAppendQSO(true);
    // A contest class without its own new-line defaults appends nothing.
    if (FContestLog->NoOfQSOs() == before) FContestLog->AppendQSO(FContestLog->NewQSO(true));
    TQSO& q = *FContestLog->QSOs(FContestLog->NoOfQSOs() - 1);
    q.SetChangedQTCFlag(0, false);
    // The new line may have copied the previous line's call (a QTC row does).
    q.SetCall("");
    if (data.deleted) q.IncludeFlag(qfUserDeleted);
    ApplyCommonPart(lineIndex, data, q);
    if (data.qtc) {
        q.SetChangedQTCFlag(qtcKind, false);
        if (!q.SetChangedCall(call)) Note(lineIndex, ImportText(itNoCall));
        q.SetChangedNumber(cpRcvdNumber, 1, data.group);
        q.SetChangedNumber(cpRcvdNumber, 2, data.qtcTime);
        q.SetChangedNumber(cpRcvdNumber, 3, data.qtcCall);
        q.SetChangedNumber(cpRcvdNumber, 4, data.qtcSerial);
        ++FCounts.qtcs;
        return true;
    }
    if (!q.SetChangedCall(call)) Note(lineIndex, ImportText(itNoCall));
    if (data.hasSentRST) q.SetChangedRST(cpSentRST, data.sentRST);
    // A sent number the line does not carry stays empty: the new line's default (the
    // next serial, the last line's zone) would be an exchange nobody logged. Received
    // numbers of a new line are empty already.
    const int sentCount = std::max(FContestLog->NoOfSentNumbers(), static_cast<int>(data.sent.size()));
    for (int i = 0; i < sentCount; ++i)
        q.SetChangedNumber(cpSentNumber, i,
                           i < static_cast<int>(data.sent.size()) ? data.sent[static_cast<std::size_t>(i)] : "");
    if (data.hasRcvdRST) q.SetChangedRST(cpRcvdRST, data.rcvdRST);
    for (std::size_t i = 0; i < data.rcvd.size(); ++i)
        q.SetChangedNumber(cpRcvdNumber, static_cast<int>(i), data.rcvd[i]);
    std::int32_t transmitter = 0;
    if (TryStrToInt(Trim(data.transmitter), transmitter) && transmitter >= 0 && transmitter <= 255)
        q.SetTransmitterNumber(static_cast<std::uint8_t>(transmitter));
    ++FCounts.qsos;
    return true;
}

}  // namespace qz
