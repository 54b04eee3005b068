// Plain reference list: one entry per line, looked up ignoring case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "base/installfiles.h"
#include "reflists/reflistutil.h"

namespace qz {

// Each line, trimmed of blanks and control characters, is one entry; empty lines are
// no entries. Read-only after loading, so distinct threads may share a loaded list.
class TSimpleList {
public:
    // Clears the list, then reads the installed file of `file` (name found ignoring
    // case). False when the file is missing, or exists but cannot be read (a message
    // naming the file in `error`); the list is then empty.
    bool ReadFromFile(const TFileToBeInstalled& file, std::string* error = nullptr);
    // Replaces the list by the entries of `text`.
    void ReadFromText(std::string_view text);
    void Clear() { FEntries.clear(); }

    // True when an entry equals `s` ignoring case.
    bool Contains(std::string_view s) const { return FEntries.find(s) != FEntries.end(); }
    // Number of distinct entries (ignoring case).
    int Count() const { return static_cast<int>(FEntries.size()); }

private:
    std::unordered_set<std::string, TextHash, TextEqual> FEntries;
};

}  // namespace qz
