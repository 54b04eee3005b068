// The text form of copied log lines: one tab-separated line per log line, marked "@QZ@"
// so that other text is ignored when pasting. Pasting checks every field before a line
// is added, so text from another program version or a damaged clipboard cannot put a
// line into the log that it could not store.
#include <string>
#include <string_view>
#include <vector>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "engine/clipboard.h"

namespace qz {

namespace {

constexpr std::string_view kMarker = "@QZ@";
// Fields before the sent numbers: marker, S, R, M, kind, C, day, month, year, time,
// band, mode, call, sent RST, received RST.
constexpr std::size_t kFixedFields = 15;
// What the native file keeps of one value and of a comment (with its line ends).
constexpr std::size_t kMaxValueLength = 255;
constexpr std::size_t kMaxCommentLength = 4096;
// More numbers or comment lines than any log keeps mean the text is not ours.
constexpr std::int32_t kMaxCount = 1000;
// Rejected lines named one by one in the message box; the rest are counted.
constexpr std::size_t kMaxListedLines = 10;

// A value as one field: a tab or line break inside it would split the line.
std::string FieldText(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return r;
}

bool ReadCount(const std::string& text, std::int32_t& value) {
    return TryStrToInt(text, value) && value >= 0 && value <= kMaxCount;
}

// Four digits hhmm.
bool IsTimeText(const std::string& t) {
    if (t.size() != 4) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return (t[0] - '0') * 10 + (t[1] - '0') < 24 && (t[2] - '0') * 10 + (t[3] - '0') < 60;
}

}  // namespace

std::string CopyToClipboard(const TContestLog& log, int qsoIndex) {
    std::vector<const TQSO*> lines;
    for (int i = 0; i < log.NoOfQSOs(); ++i)
        if (log.QSOs(i)->Selected()) lines.push_back(log.QSOs(i));
    if (lines.empty()) {
        if (qsoIndex < 0 || qsoIndex >= log.NoOfQSOs()) return {};
        lines.push_back(log.QSOs(qsoIndex));
    }
    std::string text;
    for (const TQSO* q : lines) {
        const CivilDate d = DecodeDate(q->DateTime());
        const CivilTime t = DecodeTime(q->DateTime());
        std::string line = std::string(kMarker);
        auto add = [&line](std::string_view field) {
            line += '\t';
            line += FieldText(field);
        };
        add(std::to_string(log.NoOfSentNumbers()));
        add(std::to_string(log.NoOfRcvdNumbers()));
        add(std::to_string(log.NoOfMulties()));
        add(std::to_string(q->QTCKind()));
        add(std::to_string(q->Comment().size()));
        add(std::to_string(d.day));
        add(std::to_string(d.month));
        add(std::to_string(d.year));
        add(Format("%.2d%.2d", t.hour, t.minute));
        add(std::to_string(q->Band()));
        add(std::to_string(q->Mode()));
        add(q->Call().Call());
        add(q->SentRST());
        add(q->RcvdRST());
        for (int i = 0; i < log.NoOfSentNumbers(); ++i) add(q->SentNumbers(i));
        for (int i = 0; i < log.NoOfRcvdNumbers(); ++i) add(q->RcvdNumbers(i));
        for (int i = 0; i < log.NoOfMulties(); ++i) add(q->Multies(i));
        add(std::to_string(q->Points()));
        for (const auto& c : q->Comment()) add(c);
        text += line + "\r\n";
    }
    return text;
}

namespace {

// Reads one marked line into `q`; "" when it fits, else why it does not.
std::string ReadClipboardLine(const std::vector<std::string>& f, TQSO& q, const TContestLog& log, bool& surplus) {
    auto badColumn = [](int title) { return LS(lsPasteUnreadable) + " " + LS(title); };
    auto tooLong = [](int title) { return LS(lsPasteTooLong) + " " + LS(title); };
    std::int32_t s, r, m, kind, c;
    if (f.size() < kFixedFields || !ReadCount(f[1], s) || !ReadCount(f[2], r) || !ReadCount(f[3], m) ||
        !ReadCount(f[5], c))
        return LS(lsPasteFieldCount);
    if (f.size() != kFixedFields + static_cast<std::size_t>(s + r + m + 1 + c)) return LS(lsPasteFieldCount);
    if (!TryStrToInt(f[4], kind) || kind < 0 || kind > 2) return LS(lsPasteFieldCount);
    std::int32_t day, month, year, band, mode;
    TDateTime date;
    if (!TryStrToInt(f[6], day) || !TryStrToInt(f[7], month) || !TryStrToInt(f[8], year) ||
        !TryEncodeDate(year, month, day, date))
        return badColumn(45);
    if (!IsTimeText(f[9])) return badColumn(46);
    if (!TryStrToInt(f[10], band) || band < 0 || band >= kNoOfBands) return badColumn(47);
    if (!TryStrToInt(f[11], mode) || mode < 0 || mode >= mEndOfList) return badColumn(48);
    if (f[12].size() > kMaxValueLength) return tooLong(49);

    if (kind == 1) q.SetQSOFlags({qfSentQTC});
    if (kind == 2) q.SetQSOFlags({qfRcvdQTC});
    if (!q.SetChangedDate(date)) return badColumn(45);
    q.SetChangedTime(f[9]);
    q.SetBand(static_cast<TBand>(band));
    q.SetMode(static_cast<TMode>(mode));
    // An empty call (a line not yet filled in) stays empty.
    if (!Trim(f[12]).empty() && !q.SetChangedCall(f[12])) return badColumn(49);
    // An empty RST keeps the mode's default; anything else must be one.
    if (!Trim(f[13]).empty() && !q.SetChangedRST(cpSentRST, f[13])) return badColumn(50);
    if (!Trim(f[14]).empty() && !q.SetChangedRST(cpRcvdRST, f[14])) return badColumn(52);

    std::size_t k = kFixedFields;
    for (std::int32_t i = 0; i < s; ++i, ++k) {
        if (f[k].size() > kMaxValueLength) return tooLong(109);
        if (i < log.NoOfSentNumbers()) q.SetChangedNumber(cpSentNumber, i, f[k]);
        else surplus = true;
    }
    for (std::int32_t i = 0; i < r; ++i, ++k) {
        if (f[k].size() > kMaxValueLength) return tooLong(110);
        if (i < log.NoOfRcvdNumbers()) q.SetChangedNumber(cpRcvdNumber, i, f[k]);
        else surplus = true;
    }
    k += static_cast<std::size_t>(m) + 1;  // multipliers and points: compiling recomputes them
    std::vector<std::string> comment(f.begin() + static_cast<std::ptrdiff_t>(k), f.end());
    std::size_t commentLength = 0;
    for (const auto& l : comment) commentLength += l.size() + 2;
    if (commentLength > kMaxCommentLength) return LS(lsPasteCommentTooLong);
    if (!comment.empty()) q.SetComment(comment);
    return {};
}

}  // namespace

TPasteResult PasteText(TContestLog& log, std::string_view text) {
    TPasteResult result;
    TUndoGroup group(log.History());
    int lineNo = 0;
    for (const std::string& line : SplitLines(text)) {
        ++lineNo;
        if (line.compare(0, kMarker.size(), kMarker) != 0) continue;
        auto q = log.NewQSO(true);
        const std::string why = ReadClipboardLine(SplitString(line, '\t'), *q, log, result.surplusNumbers);
        if (!why.empty()) {
            result.rejected.push_back(LS(lsClipboardLine) + " " + std::to_string(lineNo) + ": " + why);
            continue;
        }
        log.AppendQSO(std::move(q));
        log.PushUndo(ueaAddQSO, log.NoOfQSOs() - 1);
        ++result.added;
    }
    return result;
}

int PasteFromClipboard(TContestLog& log, std::string_view text) {
    TPasteResult r = PasteText(log, text);
    if (r.surplusNumbers) ShowErrorMessage(LS(lsPasteSurplusNumbers));
    if (!r.rejected.empty()) {
        std::string msg;
        for (std::size_t i = 0; i < r.rejected.size() && i < kMaxListedLines; ++i) msg += r.rejected[i] + "\n";
        if (r.rejected.size() > kMaxListedLines)
            msg += std::to_string(r.rejected.size() - kMaxListedLines) + " " + LS(lsPasteMoreLines) + "\n";
        ShowErrorMessage(msg);
    } else if (r.added == 0) {
        ShowInfoMessage(LS(lsClipboardEmpty));
    }
    return r.added;
}

}  // namespace qz
