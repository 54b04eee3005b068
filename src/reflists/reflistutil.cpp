// Shared reading and lookup helpers of the reference lists.
#include "reflists/reflistutil.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/text.h"

namespace qz {

TListFileRead ReadListFile(const TFileToBeInstalled& entry, std::string& bytes, std::string* error) {
    bytes.clear();
    std::string path = FindFileIgnoringCase(InstalledFilePath(entry));
    if (!FileExists(path)) return TListFileRead::Missing;
    std::error_code ec;
    if (std::filesystem::file_size(path, ec) > kMaxListFileSize && !ec) {
        if (error) *error = "File too large: " + path;
        return TListFileRead::Failed;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = "Cannot open " + path;
        return TListFileRead::Failed;
    }
    // Read in chunks rather than trusting the size seen above (the file may change),
    // and stop at a sane limit so that a wrong file named like a list cannot exhaust
    // memory.
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxListFileSize) {
            bytes.clear();
            if (error) *error = "File too large: " + path;
            return TListFileRead::Failed;
        }
    }
    if (in.bad()) {
        bytes.clear();
        if (error) *error = "Cannot read " + path;
        return TListFileRead::Failed;
    }
    return TListFileRead::Ok;
}

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
