#include "engine/search.h"

#include <functional>

#include "base/text.h"

namespace qz {

namespace {

// The column of a property, or -1 when the log has none (GetColumnNumberFromProperty
// answers 0, the number column, for a missing one).
int ColumnOf(const TContestLog& log, TColumnProperty property, int arrayIndex = -1) {
    const int col = log.GetColumnNumberFromProperty(property, arrayIndex, log.NoOfColumns());
    return log.ColumnProperty(col) == property && log.ColumnArrayIndex(col) == arrayIndex ? col : -1;
}

class TMatcher {
public:
    TMatcher(const std::string& text, bool whole) : FText(UpperCase(Trim(text))), FWhole(whole) {}
    bool operator()(std::string_view field) const {
        const std::string f = UpperCase(Trim(field));
        return FWhole ? f == FText : f.find(FText) != std::string::npos;
    }

private:
    std::string FText;
    bool FWhole;
};

}  // namespace

TSearchHit SearchLog(const TContestLog& log, const TSearchOptions& o, int currentLine) {
    const TMatcher matches(o.soFindWhat, o.soWholeWordOnly);
    if (Trim(o.soFindWhat).empty()) return {};
    const int start = o.soSearchFrom == sfBegin ? 0 : std::max(0, currentLine + 1);
    const int callColumn = ColumnOf(log, cpCall);
    // One field kind over every line from the start: the column of the first match.
    auto scan = [&](const std::function<int(const TQSO&)>& columnOfMatch) -> TSearchHit {
        for (int i = start; i < log.NoOfQSOs(); ++i) {
            const int col = columnOfMatch(*log.QSOs(i));
            if (col != -2) return {i, col >= 0 ? col : callColumn};
        }
        return {};
    };
    // -2: no match; otherwise the column (or -1 for the call column).
    auto field = [&](TColumnProperty property, int arrayIndex, auto text) {
        return [&matches, &log, property, arrayIndex, text](const TQSO& q) {
            return matches(text(q)) ? ColumnOf(log, property, arrayIndex) : -2;
        };
    };
    std::vector<std::function<int(const TQSO&)>> kinds;
    if (o.soSearchInDate)
        kinds.push_back([&](const TQSO& q) {
            static constexpr std::pair<TPartOfDate, TColumnProperty> kParts[] = {
                {podComplete, cpDate}, {podDay, cpDateDay}, {podMonth, cpDateMonth}, {podYear, cpDateYear}};
            for (const auto& [part, property] : kParts) {
                if (!matches(q.GetFormattedDate(part))) continue;
                const int col = ColumnOf(log, property);
                return col >= 0 ? col : ColumnOf(log, cpDate);
            }
            return -2;
        });
    if (o.soSearchInTime)
        kinds.push_back(field(cpTime, -1, [](const TQSO& q) { return q.GetFormattedTime(potComplete); }));
    if (o.soSearchInBand) kinds.push_back(field(cpBand, -1, [](const TQSO& q) { return q.GetFormattedBand(); }));
    if (o.soSearchInMode) kinds.push_back(field(cpMode, -1, [](const TQSO& q) { return q.GetFormattedMode(); }));
    if (o.soSearchInCall) kinds.push_back(field(cpCall, -1, [](const TQSO& q) { return q.Call().Call(); }));
    if (o.soSearchInSentRST) kinds.push_back(field(cpSentRST, -1, [](const TQSO& q) { return q.SentRST(); }));
    if (o.soSearchInRcvdRST) kinds.push_back(field(cpRcvdRST, -1, [](const TQSO& q) { return q.RcvdRST(); }));
    if (o.soSearchInSentNumber)
        for (int n = 0; n < log.NoOfSentNumbers(); ++n)
            kinds.push_back(field(cpSentNumber, n, [n](const TQSO& q) { return q.SentNumbers(n); }));
    if (o.soSearchInRcvdNumber)
        for (int n = 0; n < log.NoOfRcvdNumbers(); ++n)
            kinds.push_back(field(cpRcvdNumber, n, [n](const TQSO& q) { return q.RcvdNumbers(n); }));
    if (o.soSearchInMulties)
        kinds.push_back([&](const TQSO& q) {
            for (int m = 0; m < log.NoOfMulties(); ++m)
                if (!q.Multies(m).empty() && matches(q.Multies(m))) return -1;
            return -2;
        });
    std::int32_t points = 0;
    if (o.soSearchInPoints && TryStrToInt(Trim(o.soFindWhat), points))
        kinds.push_back([points](const TQSO& q) { return q.Points() == points ? -1 : -2; });
    for (const auto& kind : kinds)
        if (const TSearchHit hit = scan(kind); hit.Found()) return hit;
    return {};
}

int SelectQSORange(TContestLog& log, const TQSORange& range, bool select) {
    int matched = 0;
    auto apply = [&](int i) {
        log.QSOs(i)->SetSelected(select);
        ++matched;
    };
    if (range.byRange) {
        const int first = range.allLines ? 1 : std::max(1, range.from);
        const int last = range.allLines ? log.NoOfQSOs() : std::min(range.to, log.NoOfQSOs());
        for (int n = first; n <= last; ++n) apply(n - 1);
    }
    if (range.byBand)
        for (int i = 0; i < log.NoOfQSOs(); ++i)
            if (Trim(log.QSOs(i)->GetFormattedBand()) == Trim(range.band)) apply(i);
    if (range.byMode)
        for (int i = 0; i < log.NoOfQSOs(); ++i)
            if (Trim(log.QSOs(i)->GetFormattedMode()) == Trim(range.mode)) apply(i);
    return matched;
}

}  // namespace qz
