#include "domain/qso.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "base/datetime.h"
#include "base/text.h"

namespace qz {

namespace {

// 29 February 2000, the date that stands for "not yet entered".
constexpr TDateTime kUnsetDate = 36585.0;

struct TBandRange {
    std::int64_t from, to;
    TBand band;
};

// Frequencies in MHz (14.025 -> 14025), kHz (14025 -> 14025000) and wavelength numbers
// (20 -> 20000) map to bands through one table.
// clang-format off
constexpr TBandRange kBandRanges[] = {
    {1000, 1000, b1mm},           {1200, 1249, b12mm},          {1250, 1300, b1_25m},
    {1800, 1999, b160m},          {2000, 2000, b2m},            {2500, 2500, b2_5mm},
    {3000, 3000, b3cm},           {3500, 3999, b80m},           {4000, 4000, b4m},
    {5000, 5000, b6cm},           {6000, 6000, b6m},            {7000, 7300, b40m},
    {9000, 9000, b9cm},           {10000, 10000, b10m},         {10100, 10150, b30m},
    {12000, 12000, b12m},         {13000, 13000, b13cm},        {14000, 14350, b20m},
    {15000, 15000, b15m},         {17000, 17000, b17m},         {18000, 18200, b17m},
    {20000, 20000, b20m},         {21000, 21450, b15m},         {23000, 23000, b23cm},
    {24000, 25000, b12m},         {28000, 29700, b10m},         {30000, 30000, b30m},
    {35000, 35000, b35cm},        {40000, 40000, b40m},         {47000, 47200, b6mm},
    {50000, 54000, b6m},          {70000, 70000, b70cm},        {70001, 71000, b4m},
    {75500, 77501, b4mm},         {80000, 80000, b80m},         {119000, 122251, b2_5mm},
    {134000, 143999, b2mm},       {144000, 148000, b2m},        {160000, 160000, b160m},
    {222000, 225000, b1_25m},     {241000, 250000, b1mm},       {420000, 450000, b70cm},
    {902000, 928000, b35cm},      {1240000, 1300000, b23cm},    {1800000, 2000000, b160m},
    {2300000, 2310000, b13cm},    {2390000, 2450000, b13cm},    {3300000, 3499000, b9cm},
    {3500000, 3999000, b80m},     {5650000, 5925000, b6cm},     {7000000, 7300000, b40m},
    {10000000, 10099000, b3cm},   {10100000, 10150000, b30m},   {10150001, 10500000, b3cm},
    {14000000, 14350000, b20m},   {18000000, 18200000, b17m},   {21000000, 21450000, b15m},
    {24048000, 24194000, b12mm},  {24195000, 25000000, b12m},   {28000000, 29700000, b10m},
    {47000000, 47200000, b6mm},   {75500000, 77501000, b4mm},   {119000000, 122251000, b2_5mm},
    {134000000, 143999000, b2mm}, {241000000, 250000000, b1mm},
};
// clang-format on

struct TModeSpelling {
    std::string_view spelling;
    TMode mode;
};

// clang-format off
constexpr TModeSpelling kModeSpellings[] = {
    {"CW", mCW},        {"A1A", mCW},       {"A1", mCW},        {"C", mCW},         {"SSB", mSSB},
    {"LSB", mSSB},      {"USB", mSSB},      {"SB", mSSB},       {"S", mSSB},        {"J3E", mSSB},
    {"J3", mSSB},       {"PHONE", mSSB},    {"PHON", mSSB},     {"PHO", mSSB},      {"PH", mSSB},
    {"P", mSSB},        {"RTTY", mRTTY},    {"RTY", mRTTY},     {"RT", mRTTY},      {"RY", mRTTY},
    {"R", mRTTY},       {"F2B", mRTTY},     {"F2", mRTTY},      {"AM", mAM},        {"A3", mAM},
    {"A3E", mAM},       {"FM", mFM},        {"F3", mFM},        {"F3E", mFM},       {"FS", mFSK},
    {"FSK", mFSK},      {"PS", mPSK},       {"WS", mWSJT},      {"WSJT", mWSJT},    {"QA", mQAM},
    {"QAM", mQAM},      {"PR", mPACKET},    {"PKT", mPACKET},   {"PACKET", mPACKET}, {"PC", mPACTOR},
    {"PAC", mPACTOR},   {"PACTOR", mPACTOR}, {"AT", mAMTOR},    {"TOR", mAMTOR},    {"AMTOR", mAMTOR},
    {"GT", mGTOR},      {"GTOR", mGTOR},    {"TH", mTHROB},     {"THRO", mTHROB},   {"THROB", mTHROB},
    {"AS", mASCII},     {"ASCI", mASCII},   {"ASCII", mASCII},  {"HE", mHELL},      {"HELL", mHELL},
    {"CL", mCLOVER},    {"CLO", mCLOVER},   {"CLOV", mCLOVER},  {"CLOVER", mCLOVER}, {"SS", mSSTV},
    {"SSTV", mSSTV},    {"AV", mATV},       {"ATV", mATV},
};
// clang-format on

// Cuts or extends an RST text to `len` (at most 3) characters in `buffer`; extension
// uses blanks, so a text that was too short does not read as a number afterwards.
std::string_view FitRST(std::string_view rst, std::size_t len, std::array<char, 3>& buffer) {
    for (std::size_t i = 0; i < len; ++i) buffer[i] = i < rst.size() ? rst[i] : ' ';
    if (len == 3) buffer[2] = '9';
    return {buffer.data(), len};
}

std::size_t RSTTextLength(TMode mode) {
    const int rst = DefaultRST[mode];
    return rst >= 100 ? 3 : rst >= 10 ? 2 : 1;
}

}  // namespace

char LocaleDecimalSeparator() {
    static const char sep = [] {
        char c = '.';
        locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
        if (loc != static_cast<locale_t>(nullptr)) {
            const char* radix = nl_langinfo_l(RADIXCHAR, loc);
            if (radix && (*radix == ',' || *radix == '.')) c = *radix;
            freelocale(loc);
        }
        return c;
    }();
    return sep;
}

bool BandFromAmount(std::int64_t amount, TBand& band) {
    for (const auto& r : kBandRanges)
        if (amount >= r.from && amount <= r.to) {
            band = r.band;
            return true;
        }
    return false;
}

bool BandFromTyping(std::string_view text, TBand& band) {
    const std::string_view t = TrimmedView(text);
    for (int b = b160m; b <= bSAT; ++b)
        if (BandNames[b].size() == t.size() && SameText(t, BandNames[b])) {
            band = static_cast<TBand>(b);
            return true;
        }
    std::string number(t);
    std::replace(number.begin(), number.end(), ',', '.');
    double f = 0;
    return TryStrToFloat(number, f) && f > 0 && f < 1e12 && BandFromAmount(std::llround(f * 1000), band);
}

bool ModeFromSpelling(std::string_view text, TMode& mode) {
    // The leading letters and digits in upper case. No spelling is longer than eight
    // characters, so a longer word keeps only its first eight (it can still be "PSK...").
    std::array<char, 8> kept{};
    std::size_t length = 0;
    for (char c : text) {
        char u = UpCase(c);
        if (!IsUpperLetter(u) && !IsDigit(u)) break;
        if (length < kept.size()) kept[length] = u;
        ++length;
    }
    const std::string_view word(kept.data(), std::min(length, kept.size()));
    for (const auto& s : kModeSpellings) {
        if (length == s.spelling.size() && word == s.spelling) {
            mode = s.mode;
            return true;
        }
        // "PS" stands before the first WS entry; any PSK variant counts from there on.
        if (s.mode == mPSK && length >= 3 && word.substr(0, 3) == "PSK") {
            mode = mPSK;
            return true;
        }
    }
    return false;
}

namespace {

// The bits 0 .. n-1.
std::uint64_t LowBits(int n) {
    if (n <= 0) return 0;
    return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

}  // namespace

const std::vector<std::string>& TCommentLines::Lines() const {
    static const std::vector<std::string> none;
    return FLines ? *FLines : none;
}

void TCommentLines::Assign(const std::vector<std::string>& lines) {
    if (lines.empty()) FLines.reset();
    else if (FLines) *FLines = lines;
    else FLines = std::make_unique<std::vector<std::string>>(lines);
}

TQSO::TQSO(const TQSOOwner* log, bool setEditedFlag) : FOwner(log) {
    FCall.SetCtyStuff(log ? log->CtyStuff() : nullptr);
    const int rcvdCount = RcvdCount();
    FTexts.Reset(static_cast<std::size_t>(std::max(SentCount(), 0)), static_cast<std::size_t>(std::max(rcvdCount, 0)),
                 static_cast<std::size_t>(std::max(MultiCount(), 0)));
    FRcvdHasBeenSet = setEditedFlag ? LowBits(rcvdCount) : 0;
    FDateTime = kUnsetDate;
    FMode = mCW;
    FSentRST.SetNumber(DefaultRST[mCW]);
    FRcvdRST = FSentRST;
    FTimeHasBeenSet = setEditedFlag;
}

int TQSO::SentCount() const { return FOwner ? FOwner->NoOfSentNumbers() : 0; }
int TQSO::RcvdCount() const { return FOwner ? FOwner->NoOfRcvdNumbers() : 0; }
int TQSO::MultiCount() const { return FOwner ? FOwner->NoOfMulties() : 0; }

void TQSO::SetOwner(const TQSOOwner* log) {
    FOwner = log;
    FCall.SetCtyStuff(log ? log->CtyStuff() : nullptr);
    FitListsToOwner();
}

void TQSO::FitListsToOwner() {
    FTexts.Resize(TLineTexts::ltSent, static_cast<std::size_t>(SentCount()));
    FTexts.Resize(TLineTexts::ltRcvd, static_cast<std::size_t>(RcvdCount()));
    FTexts.Resize(TLineTexts::ltMulties, static_cast<std::size_t>(MultiCount()));
    FRcvdHasBeenSet &= LowBits(RcvdCount());
}

void TQSO::SetMode(TMode m) {
    if (m != FMode && !IsQTC()) {
        std::size_t len = RSTText(MinimumRST[m]).size();
        std::array<char, 3> buffer;
        if (!FSentRST.empty()) FSentRST = FitRST(FSentRST, len, buffer);
        if (!FRcvdRST.empty()) FRcvdRST = FitRST(FRcvdRST, len, buffer);
    }
    FMode = m;
}

bool TQSO::WriteRST(TRSTText& field, std::string_view value) {
    if (IsQTC()) {
        field.clear();
        return true;
    }
    if (value.empty()) {
        field.SetNumber(DefaultRST[FMode]);
        return true;
    }
    const std::string_view v = value.substr(0, kRSTStrLen);
    if (v == field) return true;
    std::int32_t n;
    if (!TryStrToInt(v, n)) return false;
    if (n > DefaultRST[FMode] || n < MinimumRST[FMode]) n = DefaultRST[FMode];
    field.SetNumber(n);
    return true;
}

void TQSO::SetQSOFlags(SQSOFlags flags) {
    SQSOFlags stored = flags;
    stored.Exclude(qfSentQTC);
    stored.Exclude(qfRcvdQTC);
    FQSOFlags = stored;
    if (flags.Contains(qfSentQTC)) SetChangedQTCFlag(QTCFlagKinds[0], false);
    if (flags.Contains(qfRcvdQTC)) SetChangedQTCFlag(QTCFlagKinds[1], false);
}

void TQSO::SetComment(const std::vector<std::string>& lines) {
    FComment.Assign(lines);
    if (lines.empty()) FQSOFlags.Exclude(qfCommentAdded);
    else FQSOFlags.Include(qfCommentAdded);
}

std::string TQSO::SentNumbers(int i) const {
    if (i < 0 || i >= SentCount()) return {};
    return std::string(FTexts.Get(TLineTexts::ltSent, static_cast<std::size_t>(i)));
}

void TQSO::SetSentNumbers(int i, std::string_view value) {
    if (i < 0 || i >= SentCount()) return;
    FTexts.Set(TLineTexts::ltSent, static_cast<std::size_t>(i), value);
}

void TQSO::CopySentNumber(int i, const TQSO& from) {
    SetSentNumbers(i, i >= 0 && i < from.SentCount() ? from.FTexts.Get(TLineTexts::ltSent, static_cast<std::size_t>(i))
                                                     : std::string_view());
}

std::string TQSO::RcvdNumbers(int i) const {
    if (i < 0 || i >= RcvdCount()) return {};
    return std::string(FTexts.Get(TLineTexts::ltRcvd, static_cast<std::size_t>(i)));
}

void TQSO::SetRcvdNumbers(int i, std::string_view value) {
    if (i < 0 || i >= RcvdCount()) return;
    FTexts.Set(TLineTexts::ltRcvd, static_cast<std::size_t>(i), value);
}

bool TQSO::RcvdHasBeenSet(int i) const {
    if (i < 0 || i >= RcvdCount() || i >= 64) return false;
    return (FRcvdHasBeenSet >> i) & 1u;
}

void TQSO::SetRcvdHasBeenSet(int i, bool value) {
    if (i < 0 || i >= RcvdCount() || i >= 64) return;
    const std::uint64_t bit = std::uint64_t{1} << i;
    FRcvdHasBeenSet = value ? FRcvdHasBeenSet | bit : FRcvdHasBeenSet & ~bit;
}

std::string TQSO::Multies(int i) const {
    if (i < 0 || i >= MultiCount()) return {};
    return std::string(FTexts.Get(TLineTexts::ltMulties, static_cast<std::size_t>(i)));
}

void TQSO::SetMulties(int i, std::string_view value) {
    if (i < 0 || i >= MultiCount()) return;
    FTexts.Set(TLineTexts::ltMulties, static_cast<std::size_t>(i), value);
}

void TQSO::ClearMulties() { FTexts.ClearAll(TLineTexts::ltMulties); }

int TQSO::QTCKind() const {
    if (FQSOFlags.Contains(qfRcvdQTC)) return 2;
    if (FQSOFlags.Contains(qfSentQTC)) return 1;
    return 0;
}

bool TQSO::IsGood() const {
    return !(FQSOFlags.Contains(qfDupe) || FQSOFlags.Contains(qfUserDeleted) || FQSOFlags.Contains(qfTooManyQTCs) ||
             FQSOFlags.Contains(qfInvalid));
}

bool TQSO::SetChangedBand(std::string_view text) {
    const std::string_view t = TrimmedView(text);
    for (int b = b160m; b <= bSAT; ++b) {
        const std::string_view name = BandNames[b];  // no band name has blanks around it
        if (name.size() == t.size() && SameText(t, name)) {
            FBand = static_cast<TBand>(b);
            return true;
        }
    }
    return false;
}

bool TQSO::SetChangedBandEx(std::string_view text, char decimalSeparator) {
    std::string upper = UpperCase(text);
    if ((upper == "SAT" || upper.find('M') != std::string::npos) && SetChangedBand(text)) return true;
    std::string kept;
    for (char c : text)
        if (IsDigit(c) || c == ',' || c == '.') kept += c;
    if (decimalSeparator == ',') {
        auto p = kept.find('.');
        if (p != std::string::npos) kept[p] = ',';
    } else {
        auto p = kept.find(',');
        if (p != std::string::npos) kept[p] = '.';
    }
    double f = 0;
    if (!TryStrToFloat(kept, f, decimalSeparator)) f = 0;
    if (!(f > 0) || f > 1e12) return false;
    TBand band;
    if (BandFromAmount(std::llround(f * 1000), band)) FBand = band;
    return true;
}

bool TQSO::SetChangedMode(std::string_view text) {
    std::string t = Trim(text);
    for (int m = mCW; m <= mATV; ++m) {
        if (t != ModeNames[m]) continue;
        FMode = static_cast<TMode>(m);
        if (!IsQTC()) {
            if (FMode == mSSB) {
                FSentRST = FSentRST.View().substr(0, 2);
                FRcvdRST = FRcvdRST.View().substr(0, 2);
            } else if (FMode == mCW || FMode == mRTTY) {
                if (FSentRST.size() == 2) FSentRST.Append('9');
                if (FRcvdRST.size() == 2) FRcvdRST.Append('9');
            }
        }
        return true;
    }
    return false;
}

bool TQSO::SetChangedModeEx(std::string_view text) {
    TMode m;
    if (!ModeFromSpelling(text, m)) return false;
    FMode = m;
    return true;
}

bool TQSO::SetChangedDay(std::string_view text) {
    std::int32_t day;
    if (!TryStrToInt(text, day)) return false;
    CivilDate d = DecodeDate(FDateTime);
    TDateTime nd;
    if (!TryEncodeDate(d.year, d.month, day, nd)) return false;
    FDateTime = CombineDateTime(nd, FDateTime);
    return true;
}

bool TQSO::SetChangedMonth(int month) {
    if (month < 1 || month > 12) return false;
    CivilDate d = DecodeDate(FDateTime);
    FDateTime = IncMonth(FDateTime, month - d.month);
    return true;
}

bool TQSO::SetChangedMonthEx(std::string_view text) {
    std::int32_t month;
    return TryStrToInt(text, month) && SetChangedMonth(month);
}

bool TQSO::SetChangedYear(std::string_view text) {
    std::int32_t year;
    if (!TryStrToInt(text, year)) return false;
    CivilDate d = DecodeDate(FDateTime);
    TDateTime nd;
    if (!TryEncodeDate(year, d.month, d.day, nd)) return false;
    FDateTime = CombineDateTime(nd, FDateTime);
    return true;
}

bool TQSO::SetChangedDate(TDateTime date) {
    if (!IsValidDay(date) || date < -693593.0) return false;
    FDateTime = CombineDateTime(date, FDateTime);
    return true;
}

bool TQSO::SetChangedTime(std::string_view text) {
    if (text.empty()) return false;
    // Shorter texts get leading zeros: "5" is 00:05.
    std::array<char, 4> padded{'0', '0', '0', '0'};
    std::string_view t = text;
    if (t.size() < 4) {
        std::copy(text.begin(), text.end(), padded.end() - static_cast<std::ptrdiff_t>(text.size()));
        t = std::string_view(padded.data(), padded.size());
    }
    std::int32_t hour, minute;
    if (!TryStrToInt(t.substr(0, 2), hour) || !TryStrToInt(t.substr(2, 2), minute)) return false;
    // Signs would pass the integer parse; a time has none.
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
    FDateTime = CombineDateTime(FDateTime, EncodeTime(hour, minute, 0, 0));
    FTimeHasBeenSet = true;
    return true;
}

bool TQSO::SetChangedHour(std::string_view text) {
    if (text.empty()) return false;
    std::string t(text);
    while (t.size() < 2) t.insert(t.begin(), '0');
    std::int32_t hour;
    if (!TryStrToInt(t.substr(0, 2), hour) || hour < 0 || hour > 23) return false;
    CivilTime ct = DecodeTime(FDateTime);
    FDateTime = CombineDateTime(FDateTime, EncodeTime(hour, ct.minute, 0, 0));
    FTimeHasBeenSet = true;
    return true;
}

bool TQSO::SetChangedMinute(std::string_view text) {
    if (text.empty()) return false;
    std::string t(text);
    while (t.size() < 2) t.insert(t.begin(), '0');
    std::int32_t minute;
    if (!TryStrToInt(t.substr(0, 2), minute) || minute < 0 || minute > 59) return false;
    CivilTime ct = DecodeTime(FDateTime);
    FDateTime = CombineDateTime(FDateTime, EncodeTime(ct.hour, minute, 0, 0));
    FTimeHasBeenSet = true;
    return true;
}

bool TQSO::SetChangedCall(std::string_view text) {
    const std::string_view t = TrimmedView(text);
    if (t.empty()) return false;
    FCall.SetCall(t);
    return true;
}

bool TQSO::SetChangedRST(TColumnProperty whatRST, std::string_view text) {
    TRSTText& field = whatRST == cpSentRST ? FSentRST : FRcvdRST;
    if (IsQTC()) {
        field.clear();
        return true;
    }
    const std::string_view trimmed = TrimmedView(text);
    if (trimmed.empty()) return false;
    std::array<char, 3> buffer;
    std::int32_t n;
    if (!TryStrToInt(FitRST(trimmed, RSTTextLength(FMode), buffer), n)) return false;
    if (n < MinimumRST[FMode] || n > DefaultRST[FMode]) n = DefaultRST[FMode];
    field.SetNumber(n);
    return true;
}

bool TQSO::SetChangedNumber(TColumnProperty whatNumber, int index, std::string_view text) {
    const std::string_view t = TrimmedView(text);
    if (whatNumber == cpSentNumber) {
        if (!IsQTC()) SetSentNumbers(index, t);
    } else if (whatNumber == cpRcvdNumber && FOwner) {
        if (FOwner->IsAQTCRcvdNumber(index) == IsQTC()) {
            SetRcvdNumbers(index, t);
            SetRcvdHasBeenSet(index, true);
        }
    }
    return true;
}

bool TQSO::SetChangedQTCFlag(int index, bool handleSentNumbers) {
    FQSOFlags.Exclude(qfSentQTC);
    FQSOFlags.Exclude(qfRcvdQTC);
    if (index == 1) FQSOFlags.Include(qfSentQTC);
    if (index == 2) FQSOFlags.Include(qfRcvdQTC);
    if (IsQTC()) {
        FTexts.ClearAll(TLineTexts::ltSent);
    } else if (handleSentNumbers && FOwner) {
        int i = FOwner->GetSentNumericNumberIndex();
        if (i >= 0) SetSentNumbers(i, FOwner->GetNextSentQSONumber(i));
    }
    WriteRST(FSentRST, "");
    WriteRST(FRcvdRST, "");
    if (FOwner) {
        for (int i = 0; i < RcvdCount(); ++i)
            if (FOwner->IsAQTCRcvdNumber(i) != IsQTC()) SetRcvdNumbers(i, "");
    }
    return true;
}

std::string TQSO::GetFormattedCall(int len) const {
    std::string c = FCall.Call();
    if (len >= 0 && c.size() <= static_cast<std::size_t>(len)) c.resize(static_cast<std::size_t>(len) + 1, ' ');
    return c;
}

std::string TQSO::GetFormattedBand() const { return std::string(BandNames[FBand]); }
std::string TQSO::GetFormattedMode() const { return std::string(ModeNames[FMode]); }

std::string TQSO::GetFormattedDate(TPartOfDate part) const {
    CivilDate d = DecodeDate(FDateTime);
    int month = (d.month >= 0 && d.month <= 12) ? d.month : 0;
    switch (part) {
        case podDay: return ZeroPadded(d.day, 2);
        case podMonth: return std::string(MonthNames[static_cast<std::size_t>(month)]);
        case podYear: return ZeroPadded(d.year, 4);
        default:
            return Format(DateFormat, d.day, std::string(MonthNames[static_cast<std::size_t>(month)]).c_str(), d.year);
    }
}

std::string TQSO::GetFormattedTime(TPartOfTime part) const {
    CivilTime t = DecodeTime(FDateTime);
    switch (part) {
        case potHour: return ZeroPadded(t.hour, 2);
        case potMinute: return ZeroPadded(t.minute, 2);
        default: return Format(TimeFormat, t.hour, t.minute);
    }
}

bool TQSO::SameQSO(const TQSO* o) const {
    if (!o) return false;
    if (FBand != o->FBand || FMode != o->FMode || FDateTime != o->FDateTime || FCall.Call() != o->FCall.Call() ||
        FSentRST != o->FSentRST || FRcvdRST != o->FRcvdRST || !(FQSOFlags == o->FQSOFlags))
        return false;
    for (int i = 0; i < SentCount(); ++i)
        if (!SameText(SentNumbers(i), o->SentNumbers(i))) return false;
    for (int i = 0; i < RcvdCount(); ++i)
        if (!SameText(RcvdNumbers(i), o->RcvdNumbers(i))) return false;
    return true;
}

std::uint32_t TQSO::FrequencyInBand() const {
    TBand band;
    return FFrequency != 0 && BandFromAmount(std::int64_t{FFrequency} * 1000, band) && band == FBand ? FFrequency : 0;
}

bool TQSO::CopyFrom(const TQSO* o) {
    if (!o) return false;
    FBand = o->FBand;
    SetMode(o->FMode);
    FDateTime = o->FDateTime;
    FCall.SetCall(o->FCall.Call());
    WriteRST(FSentRST, o->FSentRST);
    WriteRST(FRcvdRST, o->FRcvdRST);
    FPoints = 0;
    SetQSOFlags(o->FQSOFlags);
    FTimeHasBeenSet = o->FTimeHasBeenSet;
    FSelected = false;
    SetComment(o->Comment());
    FFrequency = o->FFrequency;
    FTransmitterNumber = o->FTransmitterNumber;
    for (int i = 0; i < SentCount(); ++i) CopySentNumber(i, *o);
    for (int i = 0; i < RcvdCount(); ++i) {
        SetRcvdNumbers(i, o->RcvdNumbers(i));
        SetRcvdHasBeenSet(i, o->RcvdHasBeenSet(i));
    }
    return true;
}

std::string TQSO::AsSWI(int qsoIndex) const {
    CivilDate d = DecodeDate(FDateTime);
    CivilTime t = DecodeTime(FDateTime);
    std::string line =
        Format("%s,%.4d%.2d%.2d,%.2d%.2d,%s,%s,%s,%s,%s,%s", FCall.Call().c_str(), d.year, d.month, d.day, t.hour,
               t.minute, std::string(BandFrequencies[FBand]).c_str(), std::string(ModeNames[FMode]).c_str(),
               FSentRST.String().c_str(), FRcvdRST.String().c_str(), "N", "N");
    if (FOwner) {
        std::string sp = FOwner->GetSwisslogSPField(qsoIndex);
        if (!sp.empty()) line += "," + sp;
    }
    return line;
}

}  // namespace qz
