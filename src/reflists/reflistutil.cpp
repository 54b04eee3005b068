// Shared reading and lookup helpers of the reference lists.
#include "reflists/reflistutil.h"

#include <algorithm>

#include "base/fileio.h"
#include "base/text.h"

namespace qz {

TListFileRead ReadListFile(const TFileToBeInstalled& entry, std::string& bytes, std::string* error) {
    bytes.clear();
    const std::string path = ListFilePath(entry);
    if (!FileExists(path)) return TListFileRead::Missing;
    // A file of the list's name that is no regular file or too large is refused.
    if (!ReadWholeFile(path, bytes, error, kMaxListFileSize)) return TListFileRead::Failed;
    return TListFileRead::Ok;
}

std::string ListFilePath(const TFileToBeInstalled& entry) { return FindFileIgnoringCase(InstalledFilePath(entry)); }

std::size_t TextHash::operator()(std::string_view s) const noexcept {
    std::size_t h = 14695981039346656037ull;
    for (char c : s) {
        h ^= static_cast<unsigned char>(UpCase(c));
        h *= 1099511628211ull;
    }
    return h;
}

bool TextEqual::operator()(std::string_view a, std::string_view b) const noexcept { return SameText(a, b); }

std::size_t ExactHash::operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }

std::vector<std::string> SortedUniqueIgnoringCase(const std::vector<std::string>& items) {
    std::vector<std::string> sorted = items;
    // A stable sort keeps entries equal ignoring case in their given order, so unique
    // keeps the first of them.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    sorted.erase(std::unique(sorted.begin(), sorted.end(),
                             [](const std::string& a, const std::string& b) { return SameText(a, b); }),
                 sorted.end());
    return sorted;
}

}  // namespace qz
