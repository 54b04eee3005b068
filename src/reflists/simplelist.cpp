// Simple list reader.
#include "reflists/simplelist.h"

#include "base/text.h"

namespace qz {

bool TSimpleList::ReadFromFile(const TFileToBeInstalled& file, std::string* error) {
    Clear();
    std::string bytes;
    if (ReadListFile(file, bytes, error) != TListFileRead::Ok) return false;
    ReadFromText(bytes);
    return true;
}

void TSimpleList::ReadFromText(std::string_view text) {
    Clear();
    // A blank line is no entry: otherwise an empty exchange would count as listed.
    for (const std::string& line : SplitLines(text)) {
        std::string entry = Trim(line);
        if (!entry.empty()) FEntries.insert(std::move(entry));
    }
}

}  // namespace qz
