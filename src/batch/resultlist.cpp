#include "batch/resultlist.h"

#include "base/encoding.h"
#include "export/exporter.h"

namespace qz {

namespace {

std::string Tagged(const std::string& tag, const std::string& value) {
    return " <" + tag + ">" + value + "</" + tag + ">";
}

// A file name or a reason as element text: the markup characters are escaped and the
// text is kept on one line.
std::string ElementText(const std::string& text) {
    std::string out;
    for (char c : LineSafe(text)) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

// File names are bytes of the file system (UTF-8); the list is Windows-1252.
std::string ShownName(const std::string& file) { return Utf8ToCp1252(file); }

std::string ShownReason(std::string reason, const std::string& file) {
    const std::string shown = ShownName(file);
    if (shown == file || file.empty()) return reason;
    for (std::size_t at = reason.find(file); at != std::string::npos; at = reason.find(file, at + shown.size()))
        reason.replace(at, file.size(), shown);
    return reason;
}

}  // namespace

std::vector<std::string> ResultListEntry(const TSlimmedResults& r) {
    std::vector<std::string> lines = {"<TEILNAHME>"};
    const auto contest = static_cast<std::size_t>(r.srContest);
    lines.push_back(
        Tagged("CONTEST", contest < CabrilloContestNames.size() ? std::string(CabrilloContestNames[contest]) : ""));
    lines.push_back(Tagged("JAHR", std::to_string(r.srYear)));
    lines.push_back(Tagged("CALL", r.srCall));
    lines.push_back(Tagged("QSO", std::to_string(r.srGoodQSOs)));
    for (std::size_t k = 0; k < r.srMulties.size(); ++k)
        lines.push_back(Tagged(k == 0 ? "MULTI" : "MULTI" + std::to_string(k + 1), std::to_string(r.srMulties[k])));
    lines.push_back(Tagged("SCORE", std::to_string(r.srFinalResult)));
    lines.push_back("</TEILNAHME>");
    lines.push_back("");
    return lines;
}

std::string ResultListText(const std::string& topLevelId, const std::vector<TBatchFileResult>& files) {
    std::vector<std::string> lines = {"<" + topLevelId + ">", ""};
    for (const TBatchFileResult& f : files) {
        if (!f.ok) continue;
        std::vector<std::string> entry = ResultListEntry(f.figures);
        lines.insert(lines.end(), entry.begin(), entry.end());
    }
    for (const TBatchFileResult& f : files) {
        if (f.ok) continue;
        lines.push_back("<FEHLER>");
        lines.push_back(" <DATEI>" + ElementText(ShownName(f.file)) + "</DATEI>");
        lines.push_back(" <GRUND>" + ElementText(ShownReason(f.error, f.file)) + "</GRUND>");
        lines.push_back("</FEHLER>");
        lines.push_back("");
    }
    lines.push_back("</" + topLevelId + ">");
    return OutputFileText(lines);
}

}  // namespace qz
