// Assignment table whose lines carry a call area: which main item (state, district,
// county, DOK) a sub-item stands for, and which main items belong to a call area.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/installfiles.h"
#include "reflists/allocationfile.h"
#include "reflists/reflistutil.h"

namespace qz {

struct TAmiAllocationRec {
    std::string aarMainItem;  // the item that counts
    std::string aarSubItem;   // one spelling that stands for it
    int aarCallArea = -1;     // call-area digit of the main item, -1 when none
};

// Holds the records of one table in file order; read-only after loading, so distinct
// threads may share a loaded table. Lookups answer exactly as a scan of the records in
// file order would, through indexes built when the table is read.
class TAmiAllocationTable {
public:
    // Reads the installed file of `file` (name found ignoring case). A missing file
    // answers false and leaves the table as it was; otherwise the table is replaced.
    // A file that exists but cannot be read answers false with an empty table and a
    // message naming the file in `error`.
    bool ReadFromFile(const TFileToBeInstalled& file, std::string* error = nullptr);
    // Replaces the table by the records of `text` (the format of allocationfile.h; the
    // trailing token is the call area, -1 when it is no integer).
    void ReadFromText(std::string_view text);
    void Clear();

    // The main item of the first record whose sub-item equals `subItem` ignoring case,
    // or "". With `shortSubItem` the longest leading part of `subItem` that is a known
    // sub-item decides.
    std::string GetMainItem(std::string_view subItem, bool shortSubItem) const;
    // Main items of the call area, sorted ignoring case without duplicates; nullopt for
    // a call area outside 0..9 or without main items.
    std::optional<std::vector<std::string>> GetMainItemsFromCallArea(int callArea) const;
    // Sub-items of all records whose main item equals `mainItem` ignoring case, sorted
    // without duplicates; nullopt for an empty argument or an unknown main item.
    std::optional<std::vector<std::string>> GetAllSubItems(std::string_view mainItem) const;
    bool ContainsMainItem(std::string_view mainItem) const;

    int Count() const { return static_cast<int>(FAllocationTable.size()); }
    // 0 <= i < Count().
    const TAmiAllocationRec& Record(int i) const;

private:
    void BuildIndexes();

    std::vector<TAmiAllocationRec> FAllocationTable;
    TSubItemIndex FSubItemIndex;
    std::array<std::vector<std::string>, 10> FMainItemsByCallArea;
    // Records of one main item (ignoring case) as a chain: the first record, then for
    // each record the next one with the same main item (npos at the end).
    std::unordered_map<std::string, std::size_t, TextHash, TextEqual> FFirstRecordOfMainItem;
    std::vector<std::size_t> FNextRecordOfMainItem;
};

}  // namespace qz
