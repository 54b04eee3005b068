#include "cli/cliutil.h"

#include "base/encoding.h"
#include "base/text.h"

namespace qz::cli {

std::string Shown(std::string text, const std::string& path) {
    if (path.empty()) return text;
    const std::string converted = Utf8ToCp1252(path);
    for (std::size_t at = text.find(path); at != std::string::npos; at = text.find(path, at + converted.size()))
        text.replace(at, path.size(), converted);
    return text;
}

bool ParseContest(const std::string& text, TContest& contest) {
    std::int32_t ordinal;
    if (TryStrToInt(text, ordinal)) {
        if (ordinal <= cNoContest || ordinal >= cEndOfContestlist) return false;
        contest = static_cast<TContest>(ordinal);
        return true;
    }
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c) {
        if (SameText(CabrilloContestNames[static_cast<std::size_t>(c)], text)) {
            contest = static_cast<TContest>(c);
            return true;
        }
    }
    return false;
}

}  // namespace qz::cli
