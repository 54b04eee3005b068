// Reads column-oriented text logs. Each line is expanded (tabs to blanks), its call
// field decides whether it is a QSO line, and the other fields are cut from their
// columns and handed to the QSO's text setters. Lines without a valid call are listed
// in the messages; a read line too short for a field of the layout is reported.
#include "import/fixedfield.h"
#include "import/asciiimport.h"

#include <array>
#include <utility>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "base/settingsstore.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr std::size_t kMaxNotes = 1000;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Some programs print a slashed zero as small i with acute or capital O with stroke.
char ZeroFixed(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u == 237 || u == 216 ? '0' : c;
}

std::string DigitsOf(std::string_view field) {
    std::string d;
    for (char c : field)
        if (IsDigit(c)) d += c;
    return d;
}

// A number field: blanks skipped, the value ends at the next blank.
std::string NumberOf(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    std::string v;
    const bool figsOnly = Options.Import_ASCII_AcceptLettersAndFigsOnly.oValue;
    for (; i < field.size() && field[i] != ' '; ++i) {
        const char c = Upper(ZeroFixed(field[i]));
        if (figsOnly && !(c == '.' || IsDigit(c) || IsLetter(c) || IsUmlaut(c))) continue;
        v += c;
    }
    return v;
}

struct TMonthName {
    const char* name;
    int month;
};
constexpr TMonthName kMonths[] = {
    {"JAN", 1},       {"JANUAR", 1},   {"JANUARY", 1}, {"FEB", 2},       {"FEBRUAR", 2},   {"FEBRUARY", 2},
    {"MAR", 3},       {"M\xC4RZ", 3},  {"MARCH", 3},   {"APR", 4},       {"APRIL", 4},     {"MAI", 5},
    {"MAY", 5},       {"JUN", 6},      {"JUNI", 6},    {"JUNE", 6},      {"JUL", 7},       {"JULI", 7},
    {"JULY", 7},      {"AUG", 8},      {"AUGUST", 8},  {"SEP", 9},       {"SEPTEMBER", 9}, {"OCT", 10},
    {"OKTOBER", 10},  {"OCTOBER", 10}, {"NOV", 11},    {"NOVEMBER", 11}, {"DEC", 12},      {"DEZEMBER", 12},
    {"DECEMBER", 12},
};

}  // namespace

std::string ExpandTabs(std::string_view line, int tabLength) {
    std::string out;
    out.reserve(line.size() + 16);
    for (char c : line) {
        if (c == '\t' && tabLength > 0) {
            out += ' ';
            while (out.size() % static_cast<std::size_t>(tabLength) != 0) out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

std::string ASCIICallOf(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    std::string call;
    bool digit = false, letter = false;
    for (; i < field.size() && field[i] != ' '; ++i) {
        const char c = Upper(ZeroFixed(field[i]));
        if (!(c == '/' || IsDigit(c) || (c >= 'A' && c <= 'Z'))) return {};
        digit = digit || IsDigit(c);
        letter = letter || (c >= 'A' && c <= 'Z');
        call += c;
    }
    for (; i < field.size(); ++i)
        if (field[i] != ' ') return {};
    return digit && letter ? call : std::string();
}

int ASCIIMonthOf(std::string_view field) {
    const std::string t = Trim(field);
    std::int32_t m;
    if (TryStrToInt(t, m)) return m >= 1 && m <= 12 ? m : 0;
    std::string upper;
    for (char c : t) upper += Upper(c);
    for (const TMonthName& n : kMonths)
        if (upper == n.name) return n.month;
    return 0;
}

TASCIIConvert::TASCIIConvert(std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FCap(messages, kMaxNotes) {}

TASCIIConvert::TASCIIConvert(std::string bytes, std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FFromBytes(true), FCap(messages, kMaxNotes) {
    FileNotFound = false;
    FText.Assign(std::move(bytes));
}

bool TASCIIConvert::ChooseSettings(TASCIIImportSettings& s) {
    const TContestLog& log = *FContestLog;
    s = TASCIIImportSettings{};
    for (int b = b160m; b <= bSAT; ++b)
        if (log.BandIsAllowed(static_cast<TBand>(b))) {
            s.ConstantBand = static_cast<TBand>(b);
            break;
        }
    for (int m = mCW; m < kNoOfModes; ++m)
        if (log.ModeIsAllowed(static_cast<TMode>(m))) {
            s.ConstantMode = static_cast<TMode>(m);
            break;
        }
    const CivilDate today = DecodeDate(NowLocal());
    TDateTime date;
    if (!TryEncodeDate(ReadSettingInteger("CLC_Year", today.year), ReadSettingInteger("CLC_Month", today.month),
                       ReadSettingInteger("CLC_Day", today.day), date))
        TryEncodeDate(today.year, today.month, today.day, date);
    s.ConstantDate = date;
    s.TabLength = std::clamp(ReadSettingInteger("CLC_TabSize", 8), 0, 99);
    if (Settings) s = *Settings;
    else if (FLayoutIndex >= 0) s.Layout = FormatList.Items(FLayoutIndex);
    s.Layout.NumberOfSentNumbers = log.NoOfSentNumbers();
    s.Layout.NumberOfRcvdNumbers = log.NoOfRcvdNumbers();
    if (EditSettings && FShowBoxes && !EditSettings(s, log)) {
        FCancelled = true;
        return false;
    }
    return true;
}

bool TASCIIConvert::BuildLog(bool showMessageBoxes) {
    FCounts = TASCIIReadCounts{};
    FCap = TMessageCap(FMessages, kMaxNotes);
    FShowBoxes = showMessageBoxes;
    if (!FText.Loaded() && (FFromBytes || !FText.Load(FFileName, &FLastError))) {
        if (FLastError.empty()) FLastError = FFileName + ": " + LS(lsFileEmptyOrMissing);
        return false;
    }
    // Without a layout nothing of the file can be read: say so before anything else.
    if (!Settings) {
        if (!FormatListLoaded) {
            std::string error;
            if (!FormatList.LoadFromFile(FormatListPath(), &error)) AddMessage(error);
            FormatListLoaded = true;
        }
        FLayoutIndex = LayoutName.empty() ? FormatList.IndexOfFile(FFileName) : FormatList.IndexOfName(LayoutName);
        if (!LayoutName.empty() && FLayoutIndex < 0) {
            FLastError = FFileName + ": no stored column layout is named '" + LayoutName + "' (see 'qz layout list')";
            return false;
        }
        if (FLayoutIndex < 0 && !(EditSettings && showMessageBoxes)) {
            FLastError = FFileName + " " + LS(lsUnknownFileType) +
                         " Read as a column text it needs a stored column layout: --layout NAME (see 'qz layout').";
            return false;
        }
    }
    TFileHeader header = NewFileHeader();
    header.fhUser_OwnCall = CutTo(CallFromFolderName(FFileName), kCallStringLen);
    header.fhContest_Contest = FixContest != cNoContest ? FixContest : DefaultContest;
    if (header.fhContest_Contest == cNoContest && !(showMessageBoxes && EditHeader)) {
        FLastError = FFileName + ": a column text names no contest";
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    TASCIIImportSettings s;
    if (!ChooseSettings(s)) {
        FContestLog.reset();
        return false;
    }
    ReadLines(s);
    if (FContestLog->NoOfQSOs() == 0) {
        FLastError = FFileName + ": no line holds a valid call in the layout's call columns";
        FContestLog.reset();
        return false;
    }
    return true;
}

void TASCIIConvert::ReadLines(const TASCIIImportSettings& s) {
    TContestLog& log = *FContestLog;
    const std::string_view text = FText.Bytes();
    const TPositionRec& from = s.Layout.StartPos;
    const TPositionRec& to = s.Layout.EndPos;
    const std::string lineWord = LS(lsLine);
    AddMessage(LS(lsASCIIImportReport));
    int lineNo = 0;
    bool first = true;
    std::string line;
    for (const std::string_view raw : SplitLineViews(text)) {
        ++lineNo;
        line = ExpandTabs(raw, s.TabLength);
        const bool inRange = lineNo >= s.LinesFrom && (s.LinesTo <= 0 || lineNo <= s.LinesTo);
        const std::string call = inRange ? ASCIICallOf(LayoutField(line, from.Call, to.Call)) : std::string();
        if (call.empty()) {
            ++FCounts.noCall;
            if (FCap.Full()) {
                FCap.Skip();
                continue;
            }
            FCap.Add(FFileName + ": " + lineWord + " #" + std::to_string(lineNo) + ": \"" + QuotedPart(line, 200) +
                     "\"");
            continue;
        }
        const int before = log.NoOfQSOs();
        log.CreateAndAppendQSO(true);
        if (log.NoOfQSOs() == before) log.AppendQSO(log.NewQSO(true));
        TQSO& q = *log.QSOs(log.NoOfQSOs() - 1);
        if (first) {
            q.SetBand(s.ConstantBand);
            q.SetMode(s.ConstantMode);
            q.SetChangedDate(s.ConstantDate);
            first = false;
        }
        q.SetChangedQTCFlag(s.QSO_QTC, false);
        q.SetChangedCall(call);
        ReadFields(q, line, s, lineNo);
        ++FCounts.qsos;
    }
    FCounts.lines = lineNo;
    FCap.Finish(FFileName + ": ");
    AddMessage(LS(lsCompileDone));
}

void TASCIIConvert::ReadFields(TQSO& q, std::string_view line, const TASCIIImportSettings& s, int lineNo) {
    TContestLog& log = *FContestLog;
    const TPositionRec& from = s.Layout.StartPos;
    const TPositionRec& to = s.Layout.EndPos;
    std::string missing;
    auto field = [&](int a, int b, const char* name) -> std::string_view {
        if (a > 0 && b > 0 && static_cast<std::size_t>(a) > line.size())
            missing += std::string(missing.empty() ? "" : ", ") + name;
        return LayoutField(line, a, b);
    };
    const std::string_view band = field(from.Band, to.Band, "band");
    if (!band.empty()) q.SetChangedBandEx(Trim(band));
    ModeIsKlar = false;
    std::string mode;
    const std::string_view modeField = field(from.Mode, to.Mode, "mode");
    std::size_t m = 0;
    while (m < modeField.size() && modeField[m] == ' ') ++m;
    for (; m < modeField.size() && (IsLetter(modeField[m]) || IsDigit(modeField[m])); ++m) mode += Upper(modeField[m]);
    if (!mode.empty()) ModeIsKlar = q.SetChangedModeEx(mode);
    const std::string_view day = field(from.Date_Day, to.Date_Day, "day");
    DayNotFound = day.empty() || !q.SetChangedDay(Trim(day));
    const std::string_view month = field(from.Date_Month, to.Date_Month, "month");
    if (!month.empty()) {
        const int number = ASCIIMonthOf(month);
        if (number > 0) q.SetChangedMonth(number);
    }
    const std::string_view yearField = field(from.Date_Year, to.Date_Year, "year");
    std::int32_t year;
    if (!yearField.empty() && TryStrToInt(Trim(yearField), year)) {
        if (year >= 0 && year <= 99) year += year < 80 ? 2000 : 1900;
        q.SetChangedYear(std::to_string(year));
    }
    const std::string hour = DigitsOf(field(from.UTC_Hour, to.UTC_Hour, "hour"));
    if (!hour.empty()) {
        const int index = log.NoOfQSOs() - 1;
        const TQSO* previous = index > 0 ? log.QSOs(index - 1) : nullptr;
        const int previousHour = previous ? DecodeTime(previous->DateTime()).hour : -1;
        if (q.SetChangedHour(hour) && DayNotFound && previous && DecodeTime(q.DateTime()).hour < previousHour)
            q.SetDateTime(q.DateTime() + 1.0);  // the log crossed midnight
    }
    const std::string minute = DigitsOf(field(from.UTC_Minute, to.UTC_Minute, "minute"));
    if (!minute.empty()) q.SetChangedMinute(minute);
    for (int side = 0; side < 2; ++side) {
        const std::string digits = side == 0 ? DigitsOf(field(from.Sent_RST, to.Sent_RST, "sent RST"))
                                             : DigitsOf(field(from.Rcvd_RST, to.Rcvd_RST, "received RST"));
        std::int32_t rst;
        if (digits.empty() || !TryStrToInt(digits, rst) || rst < 11 || rst > 599) continue;
        if (!ModeIsKlar) {
            TMode mode2 = rst < 60 ? mSSB : mCW;
            if (rst >= MinimumRST[s.ConstantMode] && rst <= DefaultRST[s.ConstantMode]) mode2 = s.ConstantMode;
            q.SetChangedMode(ModeNames[mode2]);
            ModeIsKlar = true;
        }
        q.SetChangedRST(side == 0 ? cpSentRST : cpRcvdRST, digits.substr(0, 3));
    }
    for (int i = 0; i < log.NoOfSentNumbers() && i < kMaxLayoutNumbers; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const std::string v = NumberOf(field(from.Sent_Numbers[k], to.Sent_Numbers[k], "sent number"));
        if (!v.empty()) q.SetSentNumbers(i, v);
    }
    for (int i = 0; i < log.NoOfRcvdNumbers() && i < kMaxLayoutNumbers; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const std::string v = NumberOf(field(from.Rcvd_Numbers[k], to.Rcvd_Numbers[k], "received number"));
        if (!v.empty()) q.SetRcvdNumbers(i, v);
    }
    if (!missing.empty()) {
        ++FCounts.short_;
        FCap.Add(FFileName + " " + LS(lsLine) + " " + std::to_string(lineNo) + ": the line ends before the column of " +
                 missing + "; not read");
    }
}

}  // namespace qz
