#include "crosscheck/similarcalls.h"

#include <algorithm>
#include <array>
#include <functional>

namespace qz {

namespace {

// Calls longer than this are neither indexed nor looked up under their deletions.
constexpr std::size_t kMaxCall = 31;

std::uint64_t Key(std::string_view s) { return std::hash<std::string_view>{}(s); }

// Calls `visit` with the text and each of its one-character deletions.
template <typename Visit>
void ForEachDeletion(std::string_view call, Visit visit) {
    visit(call);
    if (call.size() > kMaxCall) return;
    std::array<char, kMaxCall> buffer{};
    for (std::size_t i = 0; i < call.size(); ++i) {
        // Deleting either of two equal neighbours gives the same text: visit it once.
        if (i > 0 && call[i] == call[i - 1]) continue;
        std::size_t n = 0;
        for (std::size_t k = 0; k < call.size(); ++k)
            if (k != i) buffer[n++] = call[k];
        visit(std::string_view(buffer.data(), n));
    }
}

}  // namespace

bool SimilarCalls(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) std::swap(a, b);
    if (a.size() - b.size() > 1) return false;
    std::size_t i = 0;
    while (i < b.size() && a[i] == b[i]) ++i;
    if (a.size() != b.size()) return a.substr(i + 1) == b.substr(i);
    if (i == a.size()) return false;
    if (a.substr(i + 1) == b.substr(i + 1)) return true;  // one character changed
    return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.substr(i + 2) == b.substr(i + 2);
}

TSimilarCalls::TSimilarCalls(const std::vector<std::string>& calls) : calls_(calls) {
    for (std::uint32_t id = 0; id < calls.size(); ++id)
        ForEachDeletion(calls[id], [&](std::string_view s) { keys_.emplace_back(Key(s), id); });
    std::sort(keys_.begin(), keys_.end());
    keys_.erase(std::unique(keys_.begin(), keys_.end()), keys_.end());
}

void TSimilarCalls::Find(std::string_view call, std::vector<std::uint32_t>& ids) const {
    ids.clear();
    ForEachDeletion(call, [&](std::string_view s) {
        const std::uint64_t k = Key(s);
        auto it = std::lower_bound(keys_.begin(), keys_.end(), std::make_pair(k, std::uint32_t{0}));
        for (; it != keys_.end() && it->first == k; ++it)
            if (SimilarCalls(call, calls_[it->second])) ids.push_back(it->second);
    });
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

bool TSimilarCalls::Any(std::string_view call) const {
    bool found = false;
    ForEachDeletion(call, [&](std::string_view s) {
        if (found) return;
        const std::uint64_t k = Key(s);
        auto it = std::lower_bound(keys_.begin(), keys_.end(), std::make_pair(k, std::uint32_t{0}));
        for (; it != keys_.end() && it->first == k && !found; ++it) found = SimilarCalls(call, calls_[it->second]);
    });
    return found;
}

}  // namespace qz
