#include "gui/filehistory.h"

#include <algorithm>
#include <cstdio>

#include "base/settingsstore.h"
#include "base/text.h"

namespace qz::gui {

namespace {

std::string ValueName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%.2d", "HistoryFile", n);
    return name;
}

}  // namespace

void TFileHistory::LoadFromRegistry() {
    FItems.clear();
    const TSettingsStore store = TSettingsStore::Load();
    for (int n = kMaxHistoryFiles - 1; n >= 0; --n) {
        std::string file = store.GetString(kFileHistorySection, ValueName(n), "");
        if (!file.empty()) AddHistoryFile(file);
    }
}

bool TFileHistory::SaveToRegistry() const {
    TSettingsStore store = TSettingsStore::Load();
    store.EraseSection(kFileHistorySection);
    const std::vector<std::string> newest = Newest();
    for (std::size_t i = 0; i < newest.size(); ++i)
        store.SetString(kFileHistorySection, ValueName(static_cast<int>(i)), newest[i]);
    return store.Save();
}

void TFileHistory::AddHistoryFile(const std::string& fileName) {
    if (fileName.empty()) return;
    RemoveHistoryFile(fileName);
    FItems.push_back(fileName);
    if (FItems.size() > static_cast<std::size_t>(kMaxHistoryFiles)) FItems.erase(FItems.begin());
}

void TFileHistory::RemoveHistoryFile(const std::string& fileName) {
    std::erase_if(FItems, [&](const std::string& item) { return SameText(item, fileName); });
}

std::vector<std::string> TFileHistory::Newest() const { return {FItems.rbegin(), FItems.rend()}; }

}  // namespace qz::gui
