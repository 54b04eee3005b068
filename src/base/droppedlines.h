// The lines (or records) of a file that a reader could not read and left out of the
// log. Every reader reports them here, so that each front end can show them without
// being asked and fail the command: a line is in the log or in this list, never lost
// silently.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qz {

struct TDroppedLines {
    // Messages kept for showing; the count goes on past them.
    static constexpr std::size_t kListed = 100;

    // All lines left out.
    int count = 0;
    // The first kListed of them, each "<file> line <n>: <reason>" (or "record <n>").
    std::vector<std::string> listed;

    // `lines` left out at one place (a cut that loses the rest of a file).
    void Add(std::string message, int lines = 1) {
        count += lines;
        if (listed.size() < kListed) listed.push_back(std::move(message));
    }
    // The lines left out beyond the listed ones.
    int Unlisted() const { return count - static_cast<int>(listed.size()); }
};

}  // namespace qz
