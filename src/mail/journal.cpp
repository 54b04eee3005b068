#include "mail/journal.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace qz {

std::vector<TJournalEntry> ReadJournal(const std::string& folder, std::vector<std::string>* problems) {
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
        std::string error;
        if (!entry.message.LoadFromFile(entry.fileName, &error)) {
            if (problems) problems->push_back(error);
            continue;
        }
        const std::string& date = entry.message.ehDate();
        if (date.size() != 8 || !std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            if (problems)
                problems->push_back(entry.fileName + ": no send date (Date=yyyymmdd): a damaged message file");
            continue;
        }
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TJournalEntry& a, const TJournalEntry& b) { return a.fileName < b.fileName; });
    if (problems) std::sort(problems->begin(), problems->end());
    return entries;
}

}  // namespace qz
