#include "gui/gridtext.h"

#include <algorithm>

#include "base/datetime.h"
#include "base/language.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr int lsMultTitleSuffix = 73;

std::string FlagText(SQSOFlags flags) {
    std::string text;
    for (int f = qfDupe; f <= qfInvalid; ++f)
        if (flags.Contains(static_cast<TQSOFlags>(f))) text += QSOFlagTags[static_cast<std::size_t>(f)];
    return text;
}

std::string KindText(const TQSO& q) {
    if (q.QSOFlags().Contains(qfSentQTC)) return "Sent QTC";
    if (q.QSOFlags().Contains(qfRcvdQTC)) return "Rcvd QTC";
    return "QSO";
}

}  // namespace

std::string GridCellText(const TContestLog& log, int col, int row) {
    const TQSO* q = log.QSOs(row);
    if (q == nullptr) return {};
    const int index = log.ColumnArrayIndex(col);
    switch (log.ColumnProperty(col)) {
        case cpNr: return std::to_string(row + 1);
        case cpMark: return {};
        case cpIsQTC: return KindText(*q);
        case cpDate: return q->GetFormattedDate(podComplete);
        case cpDateDay: return q->GetFormattedDate(podDay);
        case cpDateMonth: return q->GetFormattedDate(podMonth);
        case cpDateYear: return q->GetFormattedDate(podYear);
        case cpTime: return q->GetFormattedTime(potComplete);
        case cpTimeHour: return q->GetFormattedTime(potHour);
        case cpTimeMinute: return q->GetFormattedTime(potMinute);
        case cpBand: return q->GetFormattedBand();
        case cpMode: return q->GetFormattedMode();
        case cpCall: return q->Call().Call();
        case cpSentRST: return std::string(q->SentRST());
        case cpRcvdRST: return std::string(q->RcvdRST());
        case cpSentNumber: return q->SentNumbers(index);
        case cpRcvdNumber: return q->RcvdNumbers(index);
        case cpMul: return q->Multies(index);
        case cpPoints: return std::to_string(q->Points());
        case cpFlags: return FlagText(q->QSOFlags());
    }
    return {};
}

std::string GridColumnTitle(const TContestLog& log, int col) {
    std::string title = log.ColumnHeader(col);
    if (log.ColumnProperty(col) == cpMul) title += " " + LS(lsMultTitleSuffix);
    return title;
}

int GridColumnWidth(const TContestLog& log, int col) {
    const TColumnProperty property = log.ColumnProperty(col);
    const int arrayIndex = log.ColumnArrayIndex(col);
    const TFileHeader& h = log.FileHeader();
    const int stored = std::min<int>(h.fhQZ_NoOfColumnDescriptors, kMaxColumnDescriptors);
    for (int i = 0; i < stored; ++i) {
        const TFileColumnEntry& e = h.fhQZ_ColumnDescriptors[static_cast<std::size_t>(i)];
        if (e.Property == property && e.ArrayIndex == arrayIndex && e.Width > 0) return e.Width;
    }
    return DefaultColumnWidths[property];
}

std::string GridColumnSampleText(TColumnProperty property) {
    // "W" is the widest capital: any call or exchange of that length fits.
    switch (property) {
        case cpCall: return "WWWWWWWWWW";
        case cpSentNumber:
        case cpRcvdNumber: return "WWWWWW";
        case cpDate: return "28.May.2024";
        default: return {};
    }
}

void StoreGridLayout(TContestLog& log, const std::vector<int>& widths) {
    TFileHeader& h = log.Bookkeeping();
    const int n = std::min({log.NoOfColumns(), static_cast<int>(widths.size()), kMaxColumnDescriptors});
    for (auto& e : h.fhQZ_ColumnDescriptors) e = TFileColumnEntry{cpNr, -1, 0};
    for (int c = 0; c < n; ++c) {
        const int width = std::clamp(widths[static_cast<std::size_t>(c)], 0, 0xFFFF);
        h.fhQZ_ColumnDescriptors[static_cast<std::size_t>(c)] =
            TFileColumnEntry{log.ColumnProperty(c), log.ColumnArrayIndex(c), static_cast<std::uint16_t>(width)};
    }
    h.fhQZ_NoOfColumnDescriptors = static_cast<std::uint16_t>(n);
}

}  // namespace qz

namespace qz {

namespace {

// "25.Nov.2023", "25.11.2023", "25 nov 2023": day, month (number or name), year.
bool ParseDateText(const std::string& text, TDateTime& date) {
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (!part.empty()) parts.push_back(part);
        part.clear();
    };
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!digit && !letter) {
            flush();
            continue;
        }
        // A change between digits and letters also ends a part ("25Nov2023").
        if (!part.empty() && ((part.back() >= '0' && part.back() <= '9') != digit)) flush();
        part += c;
    }
    flush();
    if (parts.size() != 3) return false;
    std::int32_t day = 0, month = 0, year = 0;
    if (!TryStrToInt(parts[0], day) || !TryStrToInt(parts[2], year)) return false;
    if (!TryStrToInt(parts[1], month)) {
        for (std::size_t m = 1; m < MonthNames.size(); ++m)
            if (SameText(Trim(MonthNames[m]).substr(0, 3), parts[1].substr(0, 3))) month = static_cast<int>(m);
    }
    return TryEncodeDate(year, month, day, date);
}

int KindIndex(const std::string& text) {
    const std::string t = UpperCase(Trim(text));
    if (t.rfind("SENT", 0) == 0 || t == "S") return 1;
    if (t.rfind("RCVD", 0) == 0 || t.rfind("REC", 0) == 0 || t == "R") return 2;
    if (t == "QSO" || t == "Q") return 0;
    return -1;
}

}  // namespace

bool GridColumnEditable(const TContestLog& log, int col) {
    switch (log.ColumnProperty(col)) {
        case cpNr:
        case cpMark:
        case cpMul:
        case cpPoints:
        case cpFlags: return false;
        default: return col >= 0 && col < log.NoOfColumns();
    }
}

bool SetGridCellText(const TContestLog& log, int col, TQSO& q, const std::string& text) {
    const int index = log.ColumnArrayIndex(col);
    const TColumnProperty p = log.ColumnProperty(col);
    switch (p) {
        case cpIsQTC: {
            const int kind = KindIndex(text);
            return kind >= 0 && (kind == q.QTCKind() || q.SetChangedQTCFlag(kind, true));
        }
        case cpDate: {
            TDateTime date = 0;
            return ParseDateText(text, date) && q.SetChangedDate(date);
        }
        case cpDateDay: return q.SetChangedDay(text);
        case cpDateMonth: return q.SetChangedMonthEx(text);
        case cpDateYear: return q.SetChangedYear(text);
        case cpTime: return q.SetChangedTime(text);
        case cpTimeHour: return q.SetChangedHour(text);
        case cpTimeMinute: return q.SetChangedMinute(text);
        case cpBand: {
            // Only a band of the contest: a text naming none is refused, not ignored.
            TBand band;
            return BandFromTyping(text, band) && log.BandIsAllowed(band) && q.SetChangedBand(BandNames[band]);
        }
        case cpMode: {
            TMode mode;
            return ModeFromSpelling(text, mode) && log.ModeIsAllowed(mode) && q.SetChangedModeEx(text);
        }
        case cpCall: return q.SetChangedCall(text);
        case cpSentRST:
        case cpRcvdRST: return q.SetChangedRST(p, text);
        case cpSentNumber:
        case cpRcvdNumber: return q.SetChangedNumber(p, index, text);
        default: return false;
    }
}

}  // namespace qz
