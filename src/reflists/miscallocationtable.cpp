// Assignment table with prefixes. The lookups run once per log line while compiling,
// so everything a lookup needs is indexed once when the table is read.
#include "reflists/miscallocationtable.h"

#include <cassert>

namespace qz {

bool TMiscAllocationTable::ReadFromFile(const TFileToBeInstalled& file, std::string* error) {
    return ReadTableFile(*this, file, error);
}

void TMiscAllocationTable::ReadFromText(std::string_view text) {
    Clear();
    for (TAllocationLine& line : ParseAllocationText(text))
        for (std::string& sub : line.subItems)
            FAllocationTable.push_back({line.mainItem, std::move(sub), line.trailingToken});
    BuildIndexes();
}

void TMiscAllocationTable::Clear() {
    FAllocationTable.clear();
    FSubItemIndex.Clear();
    FMainItemsByPrefix.clear();
    FAllMainItems.clear();
}

void TMiscAllocationTable::BuildIndexes() {
    FSubItemIndex.Reserve(FAllocationTable.size());
    std::unordered_map<std::string, std::vector<std::string>, TextHash, TextEqual> mainItemsByPrefix;
    std::vector<std::string> allMainItems;
    for (std::size_t i = 0; i < FAllocationTable.size(); ++i) {
        const TMiscAllocationRec& r = FAllocationTable[i];
        FSubItemIndex.Add(r.marSubItem, i);
        mainItemsByPrefix[r.marPrefix].push_back(r.marMainItem);
        allMainItems.push_back(r.marMainItem);
    }
    for (auto& [prefix, mains] : mainItemsByPrefix) FMainItemsByPrefix.emplace(prefix, SortedUniqueIgnoringCase(mains));
    FAllMainItems = SortedUniqueIgnoringCase(allMainItems);
}

std::string TMiscAllocationTable::GetMainItem(std::string_view subItem, bool shortSubItem) const {
    std::size_t i = FSubItemIndex.Find(subItem, shortSubItem);
    return i == TSubItemIndex::npos ? std::string() : FAllocationTable[i].marMainItem;
}

std::optional<std::vector<std::string>> TMiscAllocationTable::GetMainItemsFromPrefix(std::string_view prefix) const {
    auto it = FMainItemsByPrefix.find(prefix);
    if (it == FMainItemsByPrefix.end()) return std::nullopt;
    return it->second;
}

std::optional<std::vector<std::string>> TMiscAllocationTable::GetAllMainItems() const {
    if (FAllMainItems.empty()) return std::nullopt;
    return FAllMainItems;
}

const TMiscAllocationRec& TMiscAllocationTable::Record(int i) const {
    assert(i >= 0 && i < Count() && "TMiscAllocationTable::Record: index out of range");
    return FAllocationTable[static_cast<std::size_t>(i)];
}

}  // namespace qz
