// Assignment table whose lines carry a call prefix: which main item (province, canton,
// voivodeship) a sub-item stands for, and which main items belong to a prefix.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/installfiles.h"
#include "reflists/allocationfile.h"
#include "reflists/reflistutil.h"

namespace qz {

struct TMiscAllocationRec {
    std::string marMainItem;  // the item that counts
    std::string marSubItem;   // one spelling that stands for it
    std::string marPrefix;    // call prefix of the main item, empty when none
};

// Holds the records of one table in file order; read-only after loading, so distinct
// threads may share a loaded table. Lookups answer exactly as a scan of the records in
// file order would, through indexes built when the table is read.
class TMiscAllocationTable {
public:
    // Reads the installed file of `file` (name found ignoring case). A missing file
    // answers false and leaves the table as it was; otherwise the table is replaced.
    // A file that exists but cannot be read answers false with an empty table and a
    // message naming the file in `error`.
    bool ReadFromFile(const TFileToBeInstalled& file, std::string* error = nullptr);
    // Replaces the table by the records of `text` (the format of allocationfile.h; the
    // trailing token is the prefix, taken as text).
    void ReadFromText(std::string_view text);
    void Clear();

    // The main item of the first record whose sub-item equals `subItem` ignoring case,
    // or "". With `shortSubItem` the longest leading part of `subItem` that is a known
    // sub-item decides.
    std::string GetMainItem(std::string_view subItem, bool shortSubItem) const;
    // Main items whose prefix equals `prefix` ignoring case (an empty prefix gives those
    // without prefix), sorted ignoring case without duplicates; nullopt when there is none.
    std::optional<std::vector<std::string>> GetMainItemsFromPrefix(std::string_view prefix) const;
    // All main items, sorted ignoring case without duplicates; nullopt for an empty table.
    std::optional<std::vector<std::string>> GetAllMainItems() const;

    int Count() const { return static_cast<int>(FAllocationTable.size()); }
    // 0 <= i < Count().
    const TMiscAllocationRec& Record(int i) const;

private:
    void BuildIndexes();

    std::vector<TMiscAllocationRec> FAllocationTable;
    TSubItemIndex FSubItemIndex;
    std::unordered_map<std::string, std::vector<std::string>, TextHash, TextEqual> FMainItemsByPrefix;
    std::vector<std::string> FAllMainItems;
};

}  // namespace qz
