// Club member list: the member number of a call.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/installfiles.h"
#include "reflists/reflistutil.h"

namespace qz {

struct TMemberRec {
    std::string mrCall;
    std::string mrMemberNumber;
};

// File format: one member per line, "CALL NUMBER;" — each token starts after blanks and
// tabs and ends at a blank, tab, ".", ";" or the line end; the rest of the line after the
// number is ignored. A "." ending either token ends the list: the record of that line is
// still stored (even with an empty call, as for a line holding only "."), and later lines
// are not read. Without a "." the list ends with the text. Lines without a call are
// skipped unless they end the list.
//
// Read-only after loading, so distinct threads may share a loaded list.
class TMemberList {
public:
    // Clears the list, then reads the installed file of `file` (name found ignoring
    // case). False when the file is missing, or exists but cannot be read (a message
    // naming the file in `error`); the list is then empty.
    bool ReadFromFile(const TFileToBeInstalled& file, std::string* error = nullptr);
    // Replaces the list by the members of `text`.
    void ReadFromText(std::string_view text);
    void Clear();

    // The member number of the first record whose call equals `call` exactly
    // (case-sensitive), or "".
    std::string GetMemberNumber(std::string_view call) const;

    // Which received number of a QSO holds the member number; set by the owning contest.
    int RcvdIndex() const { return FRcvdIndex; }
    void SetRcvdIndex(int index) { FRcvdIndex = index; }

    int Count() const { return static_cast<int>(FMemberList.size()); }
    // 0 <= i < Count().
    const TMemberRec& Record(int i) const;

private:
    std::vector<TMemberRec> FMemberList;
    std::unordered_map<std::string, std::size_t, ExactHash, std::equal_to<>> FFirstRecordOfCall;
    int FRcvdIndex = 0;
};

}  // namespace qz
