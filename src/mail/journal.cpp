#include "mail/journal.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace qz {

std::vector<TJournalEntry> ReadJournal(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<TJournalEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= kEMailFileExtension.size() ||
            !SameText(name.substr(name.size() - kEMailFileExtension.size()), kEMailFileExtension))
            continue;
        TJournalEntry entry;
        entry.fileName = it->path().string();
        if (entry.message.LoadFromFile(entry.fileName)) entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TJournalEntry& a, const TJournalEntry& b) { return a.fileName < b.fileName; });
    return entries;
}

}  // namespace qz
