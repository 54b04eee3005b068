// Reads STF files. The header keys are found by name; the data rows are split into
// tokens and each token goes, by the position of its keyword in the declared order,
// to the log column allocated to that keyword, through the QSO's text setters. Rows
// the reader cannot use and rows whose field count differs from the order line are
// reported with their line numbers.
#include "import/stfimport.h"

#include <array>
#include <utility>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "base/text.h"
#include "import/contestnames.h"
#include "import/fixedfield.h"

namespace qz {

namespace {

constexpr std::size_t kMaxNotes = 200;

bool IsTokenChar(char c) { return c == '-' || c == '.' || c == '/' || IsDigit(c) || IsLetter(c) || IsUmlaut(c); }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// `text` contains `word` ignoring (ASCII) case.
bool ContainsNoCase(std::string_view text, std::string_view word) {
    if (word.empty()) return true;
    if (text.size() < word.size()) return false;
    const char first = Upper(word[0]);
    for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
        if (Upper(text[i]) != first) continue;
        std::size_t k = 1;
        while (k < word.size() && Upper(text[i + k]) == Upper(word[k])) ++k;
        if (k == word.size()) return true;
    }
    return false;
}

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> words) {
    for (std::string_view w : words)
        if (ContainsNoCase(text, w)) return true;
    return false;
}

// The first category entry from `last` down to `first` that is part of the value.
template <typename Table>
int CategoryFromValue(std::string_view value, const Table& table, int first, int last, int fallback) {
    for (int i = last; i >= first; --i)
        if (ContainsNoCase(value, table[static_cast<std::size_t>(i)])) return i;
    return fallback;
}

// yymmdd (00-70 = 2000-2070, 71-99 = 1971-1999) or yyyymmdd; the time is kept.
bool SetQSODate(TQSO& q, std::string_view token) {
    if (token.size() != 6 && token.size() != 8) return false;
    const std::size_t y = token.size() - 4;
    std::int32_t year, month, day;
    for (char c : token)
        if (!IsDigit(c)) return false;
    if (!TryStrToInt(token.substr(0, y), year) || !TryStrToInt(token.substr(y, 2), month) ||
        !TryStrToInt(token.substr(y + 2, 2), day))
        return false;
    if (y == 2) year += year <= 70 ? 2000 : 1900;
    TDateTime date;
    return TryEncodeDate(year, month, day, date) && q.SetChangedDate(date);
}

bool IsWholeNumber(std::string_view s) {
    std::int32_t v;
    return TryStrToInt(s, v);
}

}  // namespace

std::vector<std::string_view> STFTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && !IsTokenChar(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && IsTokenChar(line[i])) ++i;
        if (i > start) tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

TSTFConvert::TSTFConvert(std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FCap(messages, kMaxNotes) {}

TSTFConvert::TSTFConvert(std::string bytes, std::string fileName, std::vector<std::string>* messages)
    : TConvert(std::move(fileName), messages), FFromBytes(true), FCap(messages, kMaxNotes) {
    FileNotFound = false;
    FText.Assign(std::move(bytes));
}

bool TSTFConvert::LoadBytes() {
    return FText.Loaded() || (!FFromBytes && !FileNotFound && FText.Load(FFileName, &FLastError));
}

bool TSTFConvert::Load() {
    if (!LoadBytes()) return false;
    if (FLines.empty()) FLines = SplitLineViews(FText.Bytes());
    return true;
}

TFileType TSTFConvert::CheckFormat() {
    FHeaderLines.clear();
    // A file without the word anywhere is no STF file; every other format is tested
    // after this one, so it answers them without splitting their lines.
    if (!LoadBytes() || FText.Bytes().find("Header") == std::string_view::npos) return ftUnknown;
    if (!Load()) return ftUnknown;
    std::size_t i = 0;
    while (i < FLines.size() && FLines[i].find("Header") == std::string_view::npos) ++i;
    if (i + 1 >= FLines.size()) return ftUnknown;
    std::size_t end = i + 1;
    while (end < FLines.size() && FLines[end].find("EndHeader") == std::string_view::npos) ++end;
    if (end + 1 >= FLines.size()) return ftUnknown;
    for (std::size_t k = i + 1; k < end; ++k) FHeaderLines.emplace_back(FLines[k]);
    return ftSTF;
}

std::string TSTFConvert::HeaderValue(std::string_view key) const {
    const bool joined = SameText(key, "Soapbox") || SameText(key, "MailAddress");
    std::string value;
    bool found = false;
    for (const std::string& line : FHeaderLines) {
        std::size_t at = std::string::npos;
        for (std::size_t pos = 0; pos < 5 && pos + key.size() <= line.size(); ++pos)
            if (SameText(std::string_view(line).substr(pos, key.size()), key)) {
                at = pos;
                break;
            }
        if (at == std::string::npos) continue;
        std::size_t v = at + key.size();
        while (v < line.size() &&
               (line[v] == ' ' || line[v] == '\t' || line[v] == '"' || line[v] == ':' || line[v] == '='))
            ++v;
        std::string part = line.substr(v);
        part = Trim(part.substr(0, part.find('"')));
        if (found) value += "\r\n";
        value += part;
        found = true;
        if (!joined) break;
    }
    return value;
}

bool TSTFConvert::ReadHeader(TFileHeader& h) {
    if (CheckFormat() != ftSTF) return false;
    h = NewFileHeader();
    std::string call = LettersAndFigsOnly(HeaderValue("MyCall"));
    if (call.empty()) call = CallFromFolderName(FFileName);
    h.fhUser_OwnCall = CutTo(call, kCallStringLen);
    h.fhContest_Contest = FixContest != cNoContest ? FixContest : ContestFromSpelling(HeaderValue("Contest"));
    if (h.fhContest_Contest == cNoContest) h.fhContest_Contest = DefaultContest;
    const std::string c = HeaderValue("Category");
    h.fhContest_CategoryAssisted =
        static_cast<TCategoryAssisted>(CategoryFromValue(c, CategoryAssistedNames, 0, 1, caNonAssisted));
    h.fhContest_CategoryOperator =
        static_cast<TCategoryOperator>(CategoryFromValue(c, CategoryOperatorNames, 0, 2, coSingleOp));
    h.fhContest_CategoryPower = static_cast<TCategoryPower>(CategoryFromValue(c, CategoryPowerNames, 0, 2, cpLow));
    h.fhContest_CategoryStation =
        static_cast<TCategoryStation>(CategoryFromValue(c, CategoryStationNames, 0, 6, csFixed));
    h.fhContest_CategoryTime = static_cast<TCategoryTime>(CategoryFromValue(c, CategoryTimeNames, 1, 3, ctm24Hours));
    h.fhContest_CategoryTransmitter =
        static_cast<TCategoryTransmitter>(CategoryFromValue(c, CategoryTransmitterNames, 0, 4, ctxOne));
    h.fhContest_CategoryOverlay =
        static_cast<TCategoryOverlay>(CategoryFromValue(c, CategoryOverlayNames, 1, 4, coNone));
    h.fhUser_Name = CutTo(HeaderValue("Name"), kLongShortStringLen);
    h.fhUser_Address = CutTo(HeaderValue("MailAddress"), kLongShortStringLen);
    h.fhUser_EMail = CutTo(HeaderValue("EMail"), kLongShortStringLen);
    h.fhUser_Station = CutTo(HeaderValue("Equipment"), kLongShortStringLen);
    h.fhUser_Power = CutTo(HeaderValue("Power"), kLongShortStringLen);
    h.fhContest_OperatorList = CutTo(HeaderValue("Operators"), kLongShortStringLen);
    h.fhUser_Club = CutTo(HeaderValue("Club"), kLongShortStringLen);
    h.fhUser_Specific = CutTo(HeaderValue("Specific"), kSpecificStringLen);
    h.fhContest_SoapBox = CutTo(HeaderValue("Soapbox"), kLongShortStringLen);
    FClaimedScore = Trim(HeaderValue("ClaimedScore"));
    return true;
}

void TSTFConvert::ReadOrder(std::string_view key, std::vector<std::string>& order) const {
    for (std::string_view line : FLines) {
        if (!ContainsNoCase(line, key)) continue;
        // The text after the key (the first place it occurs, in any case).
        std::size_t at = 0;
        while (!SameText(line.substr(at, key.size()), key)) ++at;
        order.clear();
        for (std::string_view t : STFTokens(line.substr(at + key.size())))
            if (t[0] != '-') order.emplace_back(t);
    }
}

void TSTFConvert::ProposeAllocation() {
    TContestLog& log = *FContestLog;
    FAllocation = TSTFAllocation{};
    ReadOrder("QsoOrder", FAllocation.QSOOrder);
    const bool qtcContest = log.IsAQTCContest();
    if (qtcContest) ReadOrder("QtcOrder", FAllocation.QTCOrder);
    for (int col = 0; col < log.NoOfColumns(); ++col) {
        const S_QSO_QTC kinds = log.ColumnQSO_QTC(col);
        for (int k = 0; k < 2; ++k) {
            if (!kinds.Contains(k == 0 ? qqQSO : qqQTC) || (k == 1 && !qtcContest)) continue;
            const std::vector<std::string>& order = k == 0 ? FAllocation.QSOOrder : FAllocation.QTCOrder;
            TSTFAllocationRow row;
            row.Header = log.ColumnHeader(col);
            row.Property = log.ColumnProperty(col);
            row.NumberIndex = log.ColumnArrayIndex(col);
            const std::string keyword = log.ColumnSTFOrderKeyWord(col);
            for (const std::string& word : order)
                if (!keyword.empty() && SameText(word, keyword)) {
                    row.Keyword = word;
                    break;
                }
            (k == 0 ? FAllocation.QSORows : FAllocation.QTCRows).push_back(std::move(row));
        }
    }
}

bool TSTFConvert::AskAllocation() {
    if (EditAllocation) return EditAllocation(FAllocation);
    // Through the front end's question, one row at a time; the first row it does not
    // answer keeps every proposal.
    for (int k = 0; k < 2; ++k) {
        const std::vector<std::string>& order = k == 0 ? FAllocation.QSOOrder : FAllocation.QTCOrder;
        std::string words;
        for (const std::string& w : order) words += (words.empty() ? "" : " ") + w;
        for (TSTFAllocationRow& row : k == 0 ? FAllocation.QSORows : FAllocation.QTCRows) {
            for (;;) {
                std::string answer = row.Keyword;
                const std::string prompt = std::string(k == 0 ? "QSO" : "QTC") + " column '" + row.Header +
                                           "' takes the file's keyword (" + words + "; '-' for none)";
                if (!FrontEnd().QueryText(FFileName, prompt, answer)) return true;
                answer = Trim(answer);
                if (answer == "-") answer.clear();
                bool known = answer.empty();
                for (const std::string& w : order)
                    if (SameText(w, answer)) {
                        answer = w;
                        known = true;
                    }
                if (!known) continue;
                row.Keyword = answer;
                break;
            }
        }
    }
    return true;
}

bool TSTFConvert::BuildLog(bool showMessageBoxes) {
    FCounts = TSTFReadCounts{};
    FCap = TMessageCap(FMessages, kMaxNotes);
    TFileHeader header;
    if (!ReadHeader(header)) {
        if (FLastError.empty()) FLastError = FFileName + ": not an STF file (no Header ... EndHeader)";
        return false;
    }
    if (header.fhContest_Contest == cNoContest && !(showMessageBoxes && EditHeader)) {
        FLastError =
            FFileName + ": Contest '" + QuotedName(HeaderValue("Contest")) + "' names no contest the program knows";
        FContestUnknown = true;
        return false;
    }
    if (!CreateLog(header, showMessageBoxes)) return false;
    ProposeAllocation();
    if (((showMessageBoxes && Options.Import_STF_ShowAllocationDialog.oValue) || AskQuestions) && !AskAllocation()) {
        FCancelled = true;
        FContestLog.reset();
        return false;
    }
    ReadQSOSection();
    if (FContestLog->IsAQTCContest()) ReadQTCSections();
    FCap.Finish(FFileName + ": ");
    return true;
}

std::string TSTFConvert::Place(int lineIndex) const {
    return FFileName + " " + LS(lsLine) + " " + std::to_string(lineIndex + 1) + ": ";
}

void TSTFConvert::Note(int lineIndex, const std::string& text) {
    if (FCap.Full()) return FCap.Skip();
    FCap.Add(Place(lineIndex) + text);
}

void TSTFConvert::ReadQSOSection() {
    std::size_t i = 0;
    while (i < FLines.size() && !ContainsNoCase(FLines[i], "QSOList")) ++i;
    for (++i; i < FLines.size(); ++i) {
        const std::string_view line = FLines[i];
        if (line.empty() || line[0] == '#') continue;
        if (ContainsAny(line, {"EndQSOList", "QTCList", "QTCRcvd", "QTCSent"})) break;
        ReadRow(static_cast<int>(i), 0);
    }
}

void TSTFConvert::ReadQTCSections() {
    auto kindOf = [](std::string_view line) {
        if (ContainsNoCase(line, "QTCList")) return 1;
        if (ContainsNoCase(line, "QTCRcvd")) return 3;
        if (ContainsNoCase(line, "QTCSent")) return 2;
        return 0;
    };
    std::size_t i = 0;
    while (i < FLines.size() && kindOf(FLines[i]) == 0) ++i;
    if (i >= FLines.size()) return;
    const int firstKind = kindOf(FLines[i]);
    int kind = firstKind;
    for (;;) {
        for (++i; i < FLines.size(); ++i) {
            const std::string_view line = FLines[i];
            if (line.empty() || line[0] == '#') continue;
            if (ContainsAny(line, {"EndQTCList", "EndQTCRcvd", "EndQTCSent"})) break;
            if (kind == 1 ? ContainsAny(line, {"QTCRcvd", "QTCSent"}) : kindOf(line) != 0) continue;
            int flagKind;
            if (kind == 2) flagKind = QTCFlagKinds[0];
            else if (kind == 3) flagKind = QTCFlagKinds[1];
            else flagKind = FContestLog->OwnCall().Continent() == coEU ? QTCFlagKinds[1] : QTCFlagKinds[0];
            ReadRow(static_cast<int>(i), flagKind);
        }
        if (firstKind == 1) return;
        // A sent and a received section: the other one is read the same way.
        while (i < FLines.size() && kindOf(FLines[i]) == 0) ++i;
        while (i < FLines.size() && (kindOf(FLines[i]) == 0 || ContainsAny(FLines[i], {"EndQTC"}))) ++i;
        if (i >= FLines.size()) return;
        kind = kindOf(FLines[i]);
        if (kind == 1 || kind == firstKind) return;
    }
}

void TSTFConvert::ReadRow(int lineIndex, int qtcKind) {
    TContestLog& log = *FContestLog;
    const bool qtc = qtcKind != 0;
    const std::vector<std::string>& order = qtc ? FAllocation.QTCOrder : FAllocation.QSOOrder;
    const std::vector<TSTFAllocationRow>& rows = qtc ? FAllocation.QTCRows : FAllocation.QSORows;
    ++FCounts.dataLines;
    const int before = log.NoOfQSOs();
    log.CreateAndAppendQSO(true);
    if (log.NoOfQSOs() == before) log.AppendQSO(log.NewQSO(true));
    TQSO& q = *log.QSOs(log.NoOfQSOs() - 1);
    q.SetChangedQTCFlag(qtcKind, false);
    q.SetCall("");
    const std::vector<std::string_view> tokens = STFTokens(FLines[static_cast<std::size_t>(lineIndex)]);
    std::string token;
    for (std::size_t j = 0; j < tokens.size() && j < order.size(); ++j) {
        if (tokens[j][0] == '-') continue;
        token.assign(tokens[j]);
        for (char& c : token) c = Upper(c);
        const std::string& keyword = order[j];
        if (keyword == "Pts" && !IsWholeNumber(token)) q.IncludeFlag(qfUserDeleted);
        const TSTFAllocationRow* row = nullptr;
        for (const TSTFAllocationRow& r : rows)
            if (!r.Keyword.empty() && SameText(r.Keyword, keyword)) {
                row = &r;
                break;
            }
        if (!row) continue;
        switch (row->Property) {
            case cpDate:
            case cpDateDay:
            case cpDateMonth:
            case cpDateYear:
                if (!SetQSODate(q, token)) {
                    log.DeleteQSO(log.NoOfQSOs() - 1, false);
                    ++FCounts.dropped;
                    DropLine(Place(lineIndex) + "date not understood: '" + token + "'; the row was not read");
                    return;
                }
                break;
            case cpTime: q.SetChangedTime(token); break;
            case cpBand: {
                bool set = false;
                for (int b = b160m; b <= bSAT && !set; ++b)
                    if (SameText(Trim(STFBandNames[static_cast<std::size_t>(b)]), token)) {
                        q.SetBand(static_cast<TBand>(b));
                        set = true;
                    }
                if (!set) q.SetChangedBandEx(token);
                break;
            }
            case cpMode: q.SetChangedModeEx(token); break;
            case cpCall: q.SetChangedCall(token); break;
            case cpSentRST:
            case cpRcvdRST:
                if (qtc) row->Property == cpSentRST ? q.SetSentRST("") : q.SetRcvdRST("");
                else q.SetChangedRST(row->Property, token);
                break;
            case cpSentNumber:
                if (qtc) q.SetSentNumbers(row->NumberIndex, "");
                else q.SetChangedNumber(cpSentNumber, row->NumberIndex, token);
                break;
            case cpRcvdNumber: q.SetChangedNumber(cpRcvdNumber, row->NumberIndex, token); break;
            default: break;
        }
    }
    ++(qtc ? FCounts.qtcs : FCounts.qsos);
    if (tokens.size() != order.size()) {
        ++FCounts.fieldCount;
        Note(lineIndex, std::to_string(tokens.size()) + " fields where " + (qtc ? "QtcOrder" : "QsoOrder") +
                            " declares " + std::to_string(order.size()) +
                            (tokens.size() > order.size() ? "; the fields after them were not read"
                                                          : "; the missing ones were left as they were"));
    }
}

}  // namespace qz
