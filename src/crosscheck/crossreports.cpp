// What a cross-check writes: the findings as rows, one report per entrant (UBN: unique,
// busted, not in log) as sponsors publish them, and the checked scores.
#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "base/fileio.h"
#include "base/text.h"
#include "crosscheck/crosscheck.h"

namespace qz {

namespace fs = std::filesystem;

namespace {

constexpr TCrossKind kReportOrder[] = {TCrossKind::NIL, TCrossKind::BustedCall, TCrossKind::BustedExchange,
                                       TCrossKind::Band, TCrossKind::Unique};

const char* KindHeading(TCrossKind kind) {
    switch (kind) {
        case TCrossKind::NIL: return "Not in the other station's log (NIL)";
        case TCrossKind::BustedCall: return "Call copied wrong (BUSTED-CALL)";
        case TCrossKind::BustedExchange: return "Exchange copied wrong (BUSTED-EXCHANGE)";
        case TCrossKind::Band: return "Logged on another band by the other station (BAND)";
        case TCrossKind::Unique: return "Calls in no other log (UNIQUE, not removed)";
        case TCrossKind::Clock: return "Clock";
    }
    return "";
}

std::string Field(std::string_view text) { return EscapedControls(text, true); }

std::string Row(std::initializer_list<std::string_view> fields) {
    std::string row;
    for (std::string_view f : fields) {
        if (!row.empty()) row += '\t';
        row += Field(f);
    }
    return row + '\n';
}

// A call as part of a file name: letters, digits and '-' kept, everything else '-'.
std::string SafeName(std::string_view call) {
    std::string name;
    for (char c : call) name += (IsLetter(c) || IsDigit(c)) ? c : '-';
    return name.empty() ? std::string("LOG") : name;
}

std::string OtherCall(const TCrossResult& result, const TCrossFinding& f) {
    return f.other < result.logs.size() ? result.logs[f.other].call : std::string();
}

std::string FindingLines(const TCrossResult& result, const TCrossFinding& f) {
    std::string text = Format("  line %-5d %s\n", f.line, f.record.c_str());
    const std::string other = OtherCall(result, f);
    switch (f.kind) {
        case TCrossKind::NIL: text += "             " + other + " has no such QSO\n"; break;
        case TCrossKind::BustedCall: text += "             correct call " + f.correct + "\n"; break;
        case TCrossKind::BustedExchange: text += "             " + other + " sent " + f.correct + "\n"; break;
        case TCrossKind::Band: text += "             " + other + " logged it on " + f.correct + "\n"; break;
        default: break;
    }
    if (!f.otherRecord.empty()) text += "             " + Format("%-10s ", other.c_str()) + f.otherRecord + "\n";
    return text;
}

// A call shared by logs of different sessions gets the year and contest as well.
std::string ReportName(const TCrossLog& log, bool sharedCall) {
    std::string name = SafeName(log.call);
    if (sharedCall)
        name += Format("_%d_", log.year) + SafeName(CabrilloContestNames[static_cast<std::size_t>(log.contest)]);
    return name + ".ubn.txt";
}

}  // namespace

std::string CrossFindingsTsv(const TCrossResult& result) {
    std::string text = Row({"log", "line", "call", "kind", "correct", "other"});
    for (const TCrossFinding& f : result.findings)
        text += Row({result.logs[f.log].call, std::to_string(f.line), f.call, CrossKindName(f.kind), f.correct,
                     OtherCall(result, f)});
    return text;
}

std::string CheckedScoresTsv(const TCrossResult& result) {
    std::string text = Row({"file", "call", "claimed", "score", "checked", "qsos", "removed"});
    for (const TCrossLog& log : result.logs)
        text += Row({log.file, log.call, log.claimed, std::to_string(log.score), std::to_string(log.checked),
                     std::to_string(log.qsos), std::to_string(log.removed)});
    return text;
}

std::string UbnReportName(const TCrossResult& result, std::size_t index) {
    const TCrossLog& log = result.logs[index];
    std::size_t sameCall = 0;
    for (const TCrossLog& other : result.logs) sameCall += SameText(other.call, log.call) ? 1 : 0;
    return ReportName(log, sameCall > 1);
}

std::string UbnReport(const TCrossResult& result, std::size_t index) {
    const TCrossLog& log = result.logs[index];
    std::string text = "Cross-check report for " + log.call + "\n";
    text += "Contest: " + std::string(CabrilloContestNames[static_cast<std::size_t>(log.contest)]) +
            (log.year > 0 ? Format(" %d", log.year) : std::string()) + "\n";
    text += "Log: " + log.file + "\n";
    text += Format("QSOs checked: %d, removed: %d\n", log.qsos, log.removed);
    text += "Score claimed: " + (log.claimed.empty() ? std::string("none") : log.claimed) +
            Format(", by the rules: %lld, checked: %lld\n", static_cast<long long>(log.score),
                   static_cast<long long>(log.checked));
    if (log.clockOffset != 0)
        text += Format(
            "Clock: the log's times are %d minutes %s those of the other logs; the QSOs were matched "
            "with the times corrected.\n",
            log.clockOffset < 0 ? -log.clockOffset : log.clockOffset, log.clockOffset < 0 ? "behind" : "ahead of");
    // The findings of one log lie together (ordered by log, then line).
    std::map<TCrossKind, std::string> sections;
    std::map<TCrossKind, int> counts;
    auto first = std::lower_bound(result.findings.begin(), result.findings.end(), index,
                                  [](const TCrossFinding& f, std::size_t log) { return f.log < log; });
    for (auto it = first; it != result.findings.end() && it->log == index; ++it) {
        const TCrossFinding& f = *it;
        if (f.kind == TCrossKind::Clock) continue;
        sections[f.kind] += FindingLines(result, f);
        ++counts[f.kind];
    }
    if (sections.empty()) text += "\nNo findings.\n";
    for (TCrossKind kind : kReportOrder) {
        if (!sections.contains(kind)) continue;
        text += Format("\n%s: %d\n", KindHeading(kind), counts[kind]) + sections[kind];
    }
    return text;
}

bool WriteCrossFindings(const TCrossResult& result, const std::string& path, std::string& error) {
    return WriteFileAtomically(path, CrossFindingsTsv(result), &error);
}

bool WriteCrossReports(const TCrossResult& result, const std::string& folder, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) {
        error = folder + ": cannot create the folder";
        return false;
    }
    std::map<std::string, int> calls;
    for (const TCrossLog& log : result.logs) ++calls[UpperCase(log.call)];
    for (std::size_t i = 0; i < result.logs.size(); ++i) {
        const TCrossLog& log = result.logs[i];
        const std::string path = (fs::path(folder) / ReportName(log, calls[UpperCase(log.call)] > 1)).string();
        if (!WriteFileAtomically(path, UbnReport(result, i), &error)) return false;
    }
    return WriteFileAtomically((fs::path(folder) / "checked.tsv").string(), CheckedScoresTsv(result), &error);
}

}  // namespace qz
