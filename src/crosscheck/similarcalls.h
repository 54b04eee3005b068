// Calls that may be one another miscopied: one character changed, added or dropped, or
// two neighbouring characters swapped. The calls that sent a log are indexed under
// themselves and each of their one-character deletions, so that finding the calls
// similar to a logged call costs a few lookups, whatever the number of logs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qz {

// Whether `a` and `b` differ by exactly one change, addition, deletion or swap of two
// neighbouring characters (equal calls are not similar).
bool SimilarCalls(std::string_view a, std::string_view b);

class TSimilarCalls {
public:
    // `calls` (upper case) must outlive the index; an entry's position is its id.
    explicit TSimilarCalls(const std::vector<std::string>& calls);

    // Replaces `ids` by the ids of the indexed calls similar to `call`, ascending.
    void Find(std::string_view call, std::vector<std::uint32_t>& ids) const;
    // Whether any indexed call is similar to `call`.
    bool Any(std::string_view call) const;

private:
    const std::vector<std::string>& calls_;
    // (hash of a call or of one of its one-character deletions, id), sorted.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keys_;
};

}  // namespace qz
