// Helpers shared by the reference-list readers: finding and reading a list file,
// hash keys for exact and case-insensitive lookups, and sorted lists without duplicates.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/installfiles.h"

namespace qz {

enum class TListFileRead { Ok, Missing, Failed };

// Reads the whole list file of `entry` (its installed path, the name found ignoring
// case) into `bytes`. Missing: no such regular file. Failed: the file exists but could
// not be read, or is larger than any reference list can be; `error` then names the file.
TListFileRead ReadListFile(const TFileToBeInstalled& entry, std::string& bytes, std::string* error);
// The path of the list file of `entry`: its installed path, the name found ignoring case.
std::string ListFilePath(const TFileToBeInstalled& entry);

// Largest list file accepted; the biggest shipped lists are a few hundred kilobytes.
inline constexpr std::size_t kMaxListFileSize = std::size_t{64} * 1024 * 1024;

// Hash and equality ignoring ASCII case, usable for heterogeneous lookup with string_view.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept;
};
struct TextEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

// Exact (case-sensitive) hash usable for heterogeneous lookup with string_view.
struct ExactHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept;
};

// Sorts ascending by CompareText and keeps only the first of entries that are equal
// ignoring case (the first in the order given wins), as a sorted string list that
// ignores duplicates does.
std::vector<std::string> SortedUniqueIgnoringCase(const std::vector<std::string>& items);

}  // namespace qz
