// Parser of the assignment-table line format, used by both allocation table classes.
#include "reflists/allocationfile.h"

#include <algorithm>

#include "base/text.h"

namespace qz {

namespace {

void AddSubItem(std::string_view piece, std::vector<std::string>& subItems) {
    // An empty piece ("A: B,, C;") would make an empty exchange look like a known item.
    std::string s = Trim(piece);
    if (!s.empty()) subItems.push_back(std::move(s));
}

std::string TrailingToken(std::string_view line) {
    std::string t = Trim(line);
    if (t.empty() || t.back() == ';' || t.back() == '.') return {};
    // Without any blank there is no separate token: the whole line is not a prefix.
    std::size_t blank = t.find_last_of(" \t");
    if (blank == std::string::npos) return {};
    return t.substr(blank + 1);
}

}  // namespace

bool ParseAllocationLine(std::string_view line, TAllocationLine& out) {
    if (line.empty() || line.front() == '*') return false;
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return false;
    out.mainItem = Trim(line.substr(0, colon));
    if (out.mainItem.empty()) return false;

    out.subItems.clear();
    std::string_view rest = line.substr(colon + 1);
    std::size_t start = 0;
    for (std::size_t comma; (comma = rest.find(',', start)) != std::string_view::npos; start = comma + 1)
        AddSubItem(rest.substr(start, comma - start), out.subItems);
    std::string_view last = rest.substr(start);
    std::size_t semicolon = last.find(';');
    if (semicolon != std::string_view::npos) AddSubItem(last.substr(0, semicolon), out.subItems);
    if (out.subItems.empty()) return false;

    out.trailingToken = TrailingToken(line);
    return true;
}

std::vector<TAllocationLine> ParseAllocationText(std::string_view text) {
    std::vector<TAllocationLine> lines;
    TAllocationLine parsed;
    for (const std::string& line : SplitLines(text))
        if (ParseAllocationLine(line, parsed)) lines.push_back(std::move(parsed));
    return lines;
}

std::string AllocationTextProblem(std::string_view text) {
    TAllocationLine parsed;
    int lineNo = 0;
    bool anyRecord = false;
    for (const std::string& line : SplitLines(text)) {
        ++lineNo;
        if (Trim(line).empty() || line.front() == '*') continue;
        const auto binary = std::find_if(line.begin(), line.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return (u < 0x20 && c != '\t') || u == 0x7F;
        });
        if (binary != line.end())
            return Format("line %d: binary data (byte 0x%02X)", lineNo, static_cast<unsigned char>(*binary));
        if (!ParseAllocationLine(line, parsed))
            return Format("line %d: \"%s\" is no \"MAIN: SUB, ...;\" line", lineNo, Copy(Trim(line), 1, 40).c_str());
        anyRecord = true;
    }
    return anyRecord ? std::string() : std::string("holds no entries");
}

std::size_t TSubItemIndex::Find(std::string_view subItem, bool shortSubItem) const {
    for (std::string_view key = subItem;;) {
        auto it = FFirstRecord.find(key);
        if (it != FFirstRecord.end()) return it->second;
        if (!shortSubItem || key.size() <= 1) return npos;
        key.remove_suffix(1);
    }
}

}  // namespace qz
