// Assignment table with call areas. The lookups run once per log line while compiling,
// so everything a lookup needs is indexed once when the table is read.
#include "reflists/amiallocationtable.h"

#include <cassert>

#include "base/text.h"

namespace qz {

bool TAmiAllocationTable::ReadFromFile(const TFileToBeInstalled& file, std::string* error) {
    return ReadTableFile(*this, file, error);
}

void TAmiAllocationTable::ReadFromText(std::string_view text) {
    Clear();
    for (TAllocationLine& line : ParseAllocationText(text)) {
        int callArea = -1;
        if (!TryStrToInt(line.trailingToken, callArea)) callArea = -1;
        for (std::string& sub : line.subItems) FAllocationTable.push_back({line.mainItem, std::move(sub), callArea});
    }
    BuildIndexes();
}

void TAmiAllocationTable::Clear() {
    FAllocationTable.clear();
    FSubItemIndex.Clear();
    for (auto& list : FMainItemsByCallArea) list.clear();
    FFirstRecordOfMainItem.clear();
    FNextRecordOfMainItem.clear();
}

void TAmiAllocationTable::BuildIndexes() {
    FSubItemIndex.Reserve(FAllocationTable.size());
    FFirstRecordOfMainItem.reserve(FAllocationTable.size());
    constexpr std::size_t npos = TSubItemIndex::npos;
    std::array<std::vector<std::string>, 10> mainItemsByArea;
    // Last record of each chain while linking; indexed by the chain's first record.
    std::vector<std::size_t> lastOfChain(FAllocationTable.size(), npos);
    FNextRecordOfMainItem.assign(FAllocationTable.size(), npos);
    for (std::size_t i = 0; i < FAllocationTable.size(); ++i) {
        const TAmiAllocationRec& r = FAllocationTable[i];
        FSubItemIndex.Add(r.aarSubItem, i);
        if (r.aarCallArea >= 0 && r.aarCallArea <= 9) mainItemsByArea[r.aarCallArea].push_back(r.aarMainItem);
        auto [it, isFirst] = FFirstRecordOfMainItem.emplace(r.aarMainItem, i);
        if (isFirst) {
            lastOfChain[i] = i;
        } else {
            FNextRecordOfMainItem[lastOfChain[it->second]] = i;
            lastOfChain[it->second] = i;
        }
    }
    for (std::size_t a = 0; a < mainItemsByArea.size(); ++a)
        FMainItemsByCallArea[a] = SortedUniqueIgnoringCase(mainItemsByArea[a]);
}

std::string TAmiAllocationTable::GetMainItem(std::string_view subItem, bool shortSubItem) const {
    std::size_t i = FSubItemIndex.Find(subItem, shortSubItem);
    return i == TSubItemIndex::npos ? std::string() : FAllocationTable[i].aarMainItem;
}

std::optional<std::vector<std::string>> TAmiAllocationTable::GetMainItemsFromCallArea(int callArea) const {
    if (callArea < 0 || callArea > 9) return std::nullopt;
    const auto& list = FMainItemsByCallArea[callArea];
    if (list.empty()) return std::nullopt;
    return list;
}

std::optional<std::vector<std::string>> TAmiAllocationTable::GetAllSubItems(std::string_view mainItem) const {
    if (mainItem.empty()) return std::nullopt;
    auto it = FFirstRecordOfMainItem.find(mainItem);
    if (it == FFirstRecordOfMainItem.end()) return std::nullopt;
    std::vector<std::string> subItems;
    for (std::size_t i = it->second; i != TSubItemIndex::npos; i = FNextRecordOfMainItem[i])
        subItems.push_back(FAllocationTable[i].aarSubItem);
    return SortedUniqueIgnoringCase(subItems);
}

bool TAmiAllocationTable::ContainsMainItem(std::string_view mainItem) const {
    return !mainItem.empty() && FFirstRecordOfMainItem.find(mainItem) != FFirstRecordOfMainItem.end();
}

const TAmiAllocationRec& TAmiAllocationTable::Record(int i) const {
    assert(i >= 0 && i < Count() && "TAmiAllocationTable::Record: index out of range");
    return FAllocationTable[static_cast<std::size_t>(i)];
}

}  // namespace qz
