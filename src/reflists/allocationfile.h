// The line format shared by the assignment tables: "MAIN: SUB1, SUB2, ..., SUBn; TOKEN".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reflists/reflistutil.h"

namespace qz {

// What one line of an assignment table contributes: its main item, its sub-items in
// line order (never empty, none of them empty) and the trailing token, which is empty
// when the line has none.
struct TAllocationLine {
    std::string mainItem;
    std::vector<std::string> subItems;
    std::string trailingToken;
};

// Parses one line (without its line end). Answers false, with `out` unspecified, for a
// line that yields no records:
//   - an empty line or one whose first character is "*" (a comment);
//   - a line without ":" or with an empty main item (the trimmed text before the first ":");
//   - a line without sub-items. After the first ":" each piece up to a "," is one
//     sub-item; the piece after the last "," counts only up to a following ";" and is
//     dropped when no ";" follows. Pieces are trimmed; empty pieces are not sub-items.
// The trailing token is the text after the last blank or tab of the trimmed line, taken
// only when that line ends neither with ";" nor with "." and holds a blank or tab.
bool ParseAllocationLine(std::string_view line, TAllocationLine& out);

// Parses a whole table (CR LF, LF or CR line ends) into the lines that yield records,
// in file order.
std::vector<TAllocationLine> ParseAllocationText(std::string_view text);

// "" when every line of a table yields records or is blank or a comment, and at least
// one yields records; otherwise why not: "line N: ..." for the first line that cannot be
// read (binary bytes, no ":", no main item, no sub-item), or that the table is empty.
std::string AllocationTextProblem(std::string_view text);

// Reads an assignment table from its file: a missing file leaves `table` as it was and
// answers false; a file that cannot be read, or holds a line that cannot be read or no
// record at all, empties the table and answers false with `error` naming the file (and
// line): a damaged table would make every exchange it should know look unknown.
// Otherwise the table is replaced by the file's records.
template <class TTable>
bool ReadTableFile(TTable& table, const TFileToBeInstalled& entry, std::string* error) {
    std::string bytes;
    switch (ReadListFile(entry, bytes, error)) {
        case TListFileRead::Missing: return false;
        case TListFileRead::Failed: table.Clear(); return false;
        case TListFileRead::Ok: break;
    }
    if (const std::string why = AllocationTextProblem(bytes); !why.empty()) {
        table.Clear();
        if (error) *error = ListFilePath(entry) + ", " + why + "; the table is damaged and not used";
        return false;
    }
    table.ReadFromText(bytes);
    return true;
}

// Index from sub-item (ignoring case) to the first record in file order that carries it,
// so that a lookup gives the same answer as a scan of the records from the top.
class TSubItemIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void Clear() { FFirstRecord.clear(); }
    void Reserve(std::size_t records) { FFirstRecord.reserve(records); }
    // Records must be added in file order; a later record with a known sub-item is ignored.
    void Add(const std::string& subItem, std::size_t record) { FFirstRecord.emplace(subItem, record); }
    // The record whose sub-item equals `subItem` ignoring case, or npos. With
    // `shortSubItem` the last character is dropped after each miss until a match is found
    // or nothing is left, so the longest known leading part decides.
    std::size_t Find(std::string_view subItem, bool shortSubItem) const;

private:
    std::unordered_map<std::string, std::size_t, TextHash, TextEqual> FFirstRecord;
};

}  // namespace qz
