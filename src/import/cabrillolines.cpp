// Cabrillo data lines. The own layout is recognised strictly (a line that merely looks
// similar must not be cut at columns that do not hold its fields); everything else is
// read field by field, and the exchange is matched by trying the shapes a Cabrillo 3
// line of the contest can take (with or without RST, with or without a transmitter
// number) and scoring how well each fits; a line of another shape is split at the
// field that looks like the worked call.
#include "import/cabrillolines.h"

#include <algorithm>
#include <array>
#include <span>

#include "base/text.h"
#include "domain/cabrilloformat.h"

namespace qz::cabrillo {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// Cuts columns [first, last] (1-based) from the line; beyond its end reads shorter.
std::string_view Cut(std::string_view line, TColumn c) {
    const auto first = static_cast<std::size_t>(c.first - 1);
    if (c.Width() <= 0 || first >= line.size()) return {};
    return line.substr(first, static_cast<std::size_t>(c.Width()));
}

// Own layout

enum TAlign { aLeft, aRight };

struct TField {
    TColumn column;
    TAlign align;
    bool severalRuns;  // values that may hold a blank (exchange numbers)
};

// Every run of non-blank bytes from column `from` on must lie inside one field, fields
// other than number fields hold at most one run, and the runs sit at the field's edge
// the writer aligns them to. Beyond `length` only blanks may follow.
bool RunsFitFields(std::string_view line, int from, std::span<const TField> fields, int length) {
    std::size_t end = line.size();
    while (end > 0 && IsBlank(line[end - 1])) --end;
    if (static_cast<int>(end) > length) return false;
    std::array<int, 16> runs{};
    std::array<int, 16> firstRunStart{};
    std::array<int, 16> lastRunEnd{};
    if (fields.size() > runs.size()) return false;
    std::size_t i = static_cast<std::size_t>(from - 1);
    // The columns of a line do not overlap, so at most one field takes a run. Runs come
    // in column order: the search starts at the field of the previous run.
    const auto fits = [&](std::size_t f, int start, int stop) {
        return start >= fields[f].column.first && stop <= fields[f].column.last;
    };
    std::size_t last = 0;
    while (i < end) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        const int start = static_cast<int>(i) + 1;
        while (i < end && !IsBlank(line[i])) ++i;
        const int stop = static_cast<int>(i);
        std::size_t f = last;
        while (f < fields.size() && !fits(f, start, stop)) ++f;
        if (f == fields.size()) {
            f = 0;
            while (f < last && !fits(f, start, stop)) ++f;
            if (f == last) return false;
        }
        last = f;
        if (runs[f]++ == 0) firstRunStart[f] = start;
        lastRunEnd[f] = stop;
    }
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (runs[f] == 0) continue;
        if (runs[f] > 1 && !fields[f].severalRuns) return false;
        if (fields[f].align == aLeft && firstRunStart[f] != fields[f].column.first) return false;
        if (fields[f].align == aRight && lastRunEnd[f] != fields[f].column.last) return false;
    }
    return true;
}

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!IsDigit(c)) return false;
    return true;
}

bool CommonPartIsOwn(std::string_view line) {
    if (line.size() < static_cast<std::size_t>(kTime.last)) return false;
    const std::string_view tag = line.substr(0, 5);
    const bool deleted = IsDeletedLine(tag) && (tag.substr(1) == "QSO:" || tag.substr(1) == "QTC:");
    if (!deleted && tag != "QSO: " && tag != "QTC: ") return false;
    static constexpr TField kCommon[] = {
        {kFrequency, aRight, false}, {kMode, aRight, false}, {kDate, aLeft, false}, {kTime, aLeft, false}};
    if (!RunsFitFields(line.substr(0, static_cast<std::size_t>(kTime.last)), kFrequency.first, kCommon, kTime.last))
        return false;
    const std::string_view date = line.substr(static_cast<std::size_t>(kDate.first - 1), 10);
    if (!AllDigits(date.substr(0, 4)) || date[4] != '-' || !AllDigits(date.substr(5, 2)) || date[7] != '-' ||
        !AllDigits(date.substr(8, 2)))
        return false;
    return AllDigits(line.substr(static_cast<std::size_t>(kTime.first - 1), 4)) &&
           (line.size() == static_cast<std::size_t>(kTime.last) || IsBlank(line[kTime.last]));
}

// The exchange columns the writer uses for a QSO line of the shape.
const TQSOColumns& QSOColumnsOf(const TLineShape& shape) {
    if (shape.qtcContest) return kQTCContestQSO;
    return shape.wide ? kWide : kNarrow;
}

void CutOwnLine(std::string_view line, const TLineShape& shape, TDataLine& out) {
    out.layout = llOwn;
    out.frequency = Cut(line, kFrequency);
    out.mode = Cut(line, kMode);
    out.year = Cut(line, {kDate.first, kDate.first + 3});
    out.month = Cut(line, {kDate.first + 5, kDate.first + 6});
    out.day = Cut(line, {kDate.first + 8, kDate.last});
    out.time = Cut(line, kTime);
    if (out.qtc) {
        out.firstCall = Cut(line, kQTC.firstCall);
        out.group = Cut(line, kQTC.group);
        out.secondCall = Cut(line, kQTC.secondCall);
        out.qtcTime = Cut(line, kQTC.qtcTime);
        out.qtcCall = Cut(line, kQTC.qtcCall);
        out.qtcSerial = Cut(line, kQTC.qtcSerial);
        return;
    }
    const TQSOColumns& c = QSOColumnsOf(shape);
    out.firstCall = Cut(line, c.firstCall);
    out.secondCall = Cut(line, c.secondCall);
    out.hasSentRST = out.hasRcvdRST = true;
    out.sentRST = Cut(line, c.sentRST);
    out.rcvdRST = Cut(line, c.rcvdRST);
    out.sent.resize(c.sentNumber2.Width() > 0 ? 2 : 1);
    out.rcvd.resize(c.rcvdNumber2.Width() > 0 ? 2 : 1);
    out.sent[0] = Cut(line, c.sentNumber1);
    out.rcvd[0] = Cut(line, c.rcvdNumber1);
    if (out.sent.size() > 1) out.sent[1] = Cut(line, c.sentNumber2);
    if (out.rcvd.size() > 1) out.rcvd[1] = Cut(line, c.rcvdNumber2);
    out.transmitter = Cut(line, TransmitterField(c));
}

// Field layout

// A loose RST: two or three digits, or the CW abbreviation 5NN.
bool LooseRST(std::string_view s) {
    if (s.size() < 2 || s.size() > 3) return false;
    if (AllDigits(s)) return true;
    return UpperCase(s) == "5NN";
}

// An RST as loggers write it almost always: 5NN, three digits ending in 9 (599, 579),
// or two ending in 9 (59). Serials, zones and other numbers rarely take this shape in
// both halves of a line.
bool TypicalRST(std::string_view s) {
    if (s.size() == 3 && UpperCase(s) == "5NN") return true;
    return LooksLikeRST(s) && s.back() == '9';
}

bool HasLetter(std::string_view s) {
    for (char c : s)
        if (IsLetter(c)) return true;
    return false;
}

bool LooksLikeTransmitter(std::string_view s) { return s.size() <= 2 && AllDigits(s); }

// Puts the fields of one exchange half into `numbers` (`count` of them): surplus fields
// are joined into the last number, or dropped when the contest takes none.
void FillNumbers(std::span<const std::string_view> fields, int count, std::vector<std::string>& numbers, bool& surplus,
                 bool& missing) {
    const auto n = static_cast<std::size_t>(count < 0 ? 0 : count);
    numbers.resize(std::min(n, fields.size()));
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i].assign(fields[i]);
    if (fields.size() > n) {
        surplus = true;
        if (n > 0)
            for (std::size_t i = n; i < fields.size(); ++i) (numbers.back() += ' ') += fields[i];
    } else if (fields.size() < n) {
        missing = true;
    }
}

struct TShapeTry {
    int rs, rr, tx;
};
// In order of preference when two shapes score the same.
constexpr TShapeTry kShapes[] = {{1, 1, 0}, {1, 1, 1}, {0, 0, 0}, {0, 0, 1},
                                 {1, 0, 0}, {0, 1, 0}, {1, 0, 1}, {0, 1, 1}};

// How well the exchange fields `e` (own call first) fit a shape; < 0 when they do not.
int ScoreShape(std::span<const std::string_view> e, int s, int r, const TShapeTry& t) {
    const int m = static_cast<int>(e.size());
    if (m != 1 + t.rs + s + 1 + t.rr + r + t.tx) return -1;
    const int c = 1 + t.rs + s;
    int score = 0;
    if (LooksLikeCall(e[c])) score += 4;
    else if (HasLetter(e[c]) && !LooseRST(e[c])) score += 1;
    else return -1;
    auto rst = [&](std::string_view v) {
        if (LooksLikeRST(v)) return 2;
        return LooseRST(v) ? 0 : -100;
    };
    if (t.rs) score += rst(e[1]);
    if (t.rr) score += rst(e[static_cast<std::size_t>(c + 1)]);
    if (score < 0) return -1;
    if (t.tx && !LooksLikeTransmitter(e[static_cast<std::size_t>(m - 1)])) return -1;
    if (t.rs == t.rr) score += 1;
    return score;
}

// Splits the fields after the time (own call first) into the two halves.
bool SplitExchange(std::span<const std::string_view> e, const TLineShape& shape, TDataLine& out, std::string& error) {
    const int m = static_cast<int>(e.size());
    const int s = shape.qtcContest ? 1 : shape.sentNumbers;
    const int r = shape.qtcContest ? 1 : shape.rcvdNumbers;
    if (m < 2) {
        error = "no worked call";
        return false;
    }
    int best = -1;
    TShapeTry chosen{};
    for (const TShapeTry& t : kShapes) {
        const int score = ScoreShape(e, s, r, t);
        if (score > best) {
            best = score;
            chosen = t;
        }
    }
    int call = -1, tx = 0;
    if (best >= 0) {
        call = 1 + chosen.rs + s;
        tx = chosen.tx;
        out.match = emExact;
    } else {
        // Another exchange than the contest's: equal halves if the call sits between
        // them, else the first field after the own call that looks like a call.
        for (int t = 0; t <= 1 && call < 0; ++t) {
            const int k = m - 2 - t;
            if (k < 0 || k % 2 != 0) continue;
            if (t == 1 && !LooksLikeTransmitter(e[static_cast<std::size_t>(m - 1)])) continue;
            if (LooksLikeCall(e[static_cast<std::size_t>(1 + k / 2)])) {
                call = 1 + k / 2;
                tx = t;
            }
        }
        for (int i = 1; i < m && call < 0; ++i)
            if (LooksLikeCall(e[static_cast<std::size_t>(i)])) call = i;
        if (call < 0) {
            error = "no field looks like the worked call";
            return false;
        }
        out.match = emCallPosition;
    }
    out.firstCall = std::string(e[0]);
    out.secondCall = std::string(e[static_cast<std::size_t>(call)]);
    if (tx) out.transmitter = std::string(e[static_cast<std::size_t>(m - 1)]);
    std::span<const std::string_view> sent = e.subspan(1, static_cast<std::size_t>(call - 1));
    std::span<const std::string_view> rcvd =
        e.subspan(static_cast<std::size_t>(call + 1), static_cast<std::size_t>(m - call - 1 - tx));
    // With the contest's own shape the RSTs are where the shape put them; otherwise a
    // half starts with an RST when its first field looks like one.
    bool sentRST = out.match == emExact ? chosen.rs == 1 : !sent.empty() && LooksLikeRST(sent[0]);
    bool rcvdRST = out.match == emExact ? chosen.rr == 1 : !rcvd.empty() && LooksLikeRST(rcvd[0]);
    if (out.match == emExact && !(sentRST && rcvdRST)) {
        // A shape without an RST also "fits" a line that lacks an exchange field, by
        // taking the RST as the exchange ("DL1ABC 599 K2ABC 599 102": sent number 599?).
        // Such a line is ambiguous; its RST-like field is read as the RST and the
        // exchange left empty, never made up from the RST. With an RST on the other side
        // a half without one is suspect when it starts with a readable RST of the same
        // length (R 3 to 5); without any RST only when both halves start with a typical
        // RST (599, 5NN, 59).
        auto likeOther = [](std::span<const std::string_view> half, std::span<const std::string_view> other) {
            return !half.empty() && !other.empty() && LooksLikeRST(half[0]) && half[0].size() == other[0].size() &&
                   half[0][0] >= '3';
        };
        const bool sentLike = !sentRST && likeOther(sent, rcvd);
        const bool rcvdLike = !rcvdRST && likeOther(rcvd, sent);
        const bool oneSided = sentRST != rcvdRST && (sentLike || rcvdLike);
        const bool bothTypical =
            !sentRST && !rcvdRST && !sent.empty() && !rcvd.empty() && TypicalRST(sent[0]) && TypicalRST(rcvd[0]);
        if (oneSided || bothTypical) {
            out.ambiguous = true;
            sentRST = sentRST || sentLike;
            rcvdRST = rcvdRST || rcvdLike;
        }
    }
    if (sentRST) {
        out.hasSentRST = true;
        out.sentRST = std::string(sent[0]);
        sent = sent.subspan(1);
    }
    if (rcvdRST) {
        out.hasRcvdRST = true;
        out.rcvdRST = std::string(rcvd[0]);
        rcvd = rcvd.subspan(1);
    }
    FillNumbers(sent, s, out.sent, out.surplus, out.missing);
    FillNumbers(rcvd, r, out.rcvd, out.surplus, out.missing);
    return true;
}

bool SplitQTCFields(std::span<const std::string_view> e, TDataLine& out, std::string& error) {
    // receiving station, group, sending station, time, call, serial; some programs
    // leave the group empty, which removes its field.
    if (e.size() == 6) {
        out.firstCall = e[0];
        out.group = e[1];
        out.secondCall = e[2];
        out.qtcTime = e[3];
        out.qtcCall = e[4];
        out.qtcSerial = e[5];
        return true;
    }
    if (e.size() == 5) {
        out.firstCall = e[0];
        out.secondCall = e[1];
        out.qtcTime = e[2];
        out.qtcCall = e[3];
        out.qtcSerial = e[4];
        return true;
    }
    error = Format("%d fields after the time, a QTC line has 6", static_cast<int>(e.size()));
    return false;
}

// Year, month and day of a date field: 2024-08-10, 2024/08/10, 2024.08.10 or 20240810.
void SplitDate(std::string_view d, TDataLine& out) {
    if (d.size() == 10 && (d[4] == '-' || d[4] == '/' || d[4] == '.') && d[7] == d[4]) {
        out.year = d.substr(0, 4);
        out.month = d.substr(5, 2);
        out.day = d.substr(8, 2);
    } else if (d.size() == 8 && AllDigits(d)) {
        out.year = d.substr(0, 4);
        out.month = d.substr(4, 2);
        out.day = d.substr(6, 2);
    } else {
        out.year = d;  // rejected by the reader with a message
    }
}

// The text after the tag: past "QSO"/"QTC" and, when one follows, the colon.
std::string_view AfterTag(std::string_view line) {
    std::size_t p = TagPosition(line, IsQSOLine(line) ? "QSO" : "QTC");
    p = p == std::string_view::npos ? 0 : p + 3;
    std::size_t q = p;
    while (q < line.size() && IsFieldSeparator(line[q])) ++q;
    if (q < line.size() && line[q] == ':') p = q + 1;
    return line.substr(p);
}

}  // namespace

std::size_t TagPosition(std::string_view line, std::string_view tag) {
    std::size_t start = 0;
    while (start < line.size() && IsFieldSeparator(line[start])) ++start;
    for (std::size_t p = start; p <= start + 2 && p + tag.size() <= line.size(); ++p)
        if (SameText(line.substr(p, tag.size()), tag)) return p;
    return std::string_view::npos;
}

bool IsQSOLine(std::string_view line) { return TagPosition(line, "QSO") != std::string_view::npos; }
bool IsQTCLine(std::string_view line) { return TagPosition(line, "QTC") != std::string_view::npos; }

bool IsDeletedLine(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && IsFieldSeparator(line[start])) ++start;
    return start < line.size() && (line[start] == 'X' || line[start] == 'x');
}

bool LooksLikeDataLine(std::string_view line) {
    const std::vector<std::string_view> f = SplitFields(line.substr(0, 80));
    if (f.size() < 6 || f[0].size() < 2 || f[0].back() != ':') return false;
    // frequency (or band), mode, date, time
    if (!AllDigits(f[1]) && !(f[1].size() > 1 && IsDigit(f[1][0]) && UpCase(f[1].back()) == 'G')) return false;
    TDataLine d;
    SplitDate(f[3], d);
    return f[2].size() <= 4 && HasLetter(f[2]) && d.month.size() == 2 && AllDigits(d.year) && AllDigits(d.month) &&
           AllDigits(d.day) && f[4].size() >= 3 && f[4].size() <= 5 && IsDigit(f[4][0]);
}

bool IsFieldSeparator(char c) { return IsBlank(c) || static_cast<unsigned char>(c) == 0xA0; }

void SplitFields(std::string_view text, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsFieldSeparator(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsFieldSeparator(text[i])) ++i;
        if (i > start) fields.push_back(text.substr(start, i - start));
    }
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    SplitFields(text, fields);
    return fields;
}

bool LooksLikeCall(std::string_view text) {
    if (text.empty() || text.size() > 20) return false;
    bool found = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t slash = text.find('/', start);
        if (slash == std::string_view::npos) slash = text.size();
        const std::string_view part = text.substr(start, slash - start);
        for (char c : part)
            if (!IsLetter(c) && !IsDigit(c)) return false;
        // prefix with a letter among the first three characters, digits, a suffix
        // that ends with a letter: [A-Z0-9]{0,2}[A-Z][0-9]+[A-Z0-9]*[A-Z]
        if (!found && part.size() >= 3 && IsLetter(part.back())) {
            for (std::size_t l = 0; l < 3 && l < part.size() && !found; ++l) {
                if (!IsLetter(part[l])) continue;
                std::size_t d = l + 1;
                if (d < part.size() && IsDigit(part[d]) && d + 1 < part.size()) found = true;
            }
        }
        start = slash + 1;
    }
    return found;
}

bool LooksLikeRST(std::string_view text) {
    if (text.size() == 3 && UpperCase(text) == "5NN") return true;
    if ((text.size() != 2 && text.size() != 3) || !AllDigits(text)) return false;
    if (text[0] < '1' || text[0] > '5') return false;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (text[i] < '1' || text[i] > '9') return false;
    return true;
}

bool IsOwnLayoutLine(std::string_view line, const TLineShape& shape) {
    if (!CommonPartIsOwn(line)) return false;
    const bool qtc = IsQTCLine(line);
    if (qtc) {
        if (!shape.qtcContest) return false;
        static constexpr TField kQTCFields[] = {{kQTC.firstCall, aLeft, false},  {kQTC.group, aLeft, false},
                                                {kQTC.secondCall, aLeft, false}, {kQTC.qtcTime, aRight, false},
                                                {kQTC.qtcCall, aLeft, false},    {kQTC.qtcSerial, aRight, false}};
        return RunsFitFields(line, kQTC.firstCall.first, kQTCFields, kQTC.lineLength);
    }
    const TQSOColumns& c = QSOColumnsOf(shape);
    const TField fields[] = {
        {c.firstCall, aLeft, false},  {c.sentRST, aLeft, false},    {c.sentNumber1, aLeft, true},
        {c.sentNumber2, aLeft, true}, {c.secondCall, aLeft, false}, {c.rcvdRST, aLeft, false},
        {c.rcvdNumber1, aLeft, true}, {c.rcvdNumber2, aLeft, true}, {TransmitterField(c), aLeft, false}};
    const TColumn tx = TransmitterField(c);
    return RunsFitFields(line, c.firstCall.first, fields, std::max(c.lineLength, tx.last));
}

namespace {

// Empties a line's texts but keeps their storage: the reader splits one line after the
// other into the same object.
void Reset(TDataLine& d) {
    for (std::string* s : {&d.frequency, &d.mode, &d.year, &d.month, &d.day, &d.time, &d.firstCall, &d.secondCall,
                           &d.sentRST, &d.rcvdRST, &d.group, &d.qtcTime, &d.qtcCall, &d.qtcSerial, &d.transmitter})
        s->clear();
    for (std::string& n : d.sent) n.clear();
    for (std::string& n : d.rcvd) n.clear();
    d.hasSentRST = d.hasRcvdRST = d.surplus = d.missing = d.ambiguous = false;
    d.match = emExact;
}

}  // namespace

bool SplitDataLine(std::string_view line, const TLineShape& shape, TDataLine& out, std::string& error) {
    Reset(out);
    out.qtc = !IsQSOLine(line) && IsQTCLine(line);
    out.deleted = IsDeletedLine(line);
    if (IsOwnLayoutLine(line, shape)) {
        CutOwnLine(line, shape, out);
        return true;
    }
    out.layout = llFields;
    std::vector<std::string_view>& f = out.fields;
    SplitFields(AfterTag(line), f);
    if (f.size() < 4) {
        error = "no frequency, mode, date and time";
        return false;
    }
    out.frequency = f[0];
    out.mode = f[1];
    SplitDate(f[2], out);
    out.time = f[3];
    const std::span<const std::string_view> exchange = std::span(f).subspan(4);
    if (out.qtc) return SplitQTCFields(exchange, out, error);
    return SplitExchange(exchange, shape, out, error);
}

}  // namespace qz::cabrillo
