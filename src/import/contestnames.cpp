#include "import/contestnames.h"

#include <mutex>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/text.h"
#include "import/convert.h"

namespace qz {

namespace {

// The first contest whose keyword is `key` (a ContestNameKey), else cNoContest.
TContest ContestOfKeyword(std::string_view key) {
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c)
        if (key == CabrilloContestNames[static_cast<std::size_t>(c)]) return static_cast<TContest>(c);
    return cNoContest;
}

// The contest a table line names by keyword or ordinal; cNoContest when none.
TContest ContestOfMainItem(std::string_view item) {
    std::int32_t ordinal;
    if (TryStrToInt(item, ordinal))
        return ordinal > cNoContest && ordinal < cEndOfContestlist ? static_cast<TContest>(ordinal) : cNoContest;
    return ContestOfKeyword(ContestNameKey(item));
}

std::string ShownName(TContest contest) {
    return std::string(CabrilloContestNames[static_cast<std::size_t>(contest)]) + " (" +
           std::to_string(static_cast<int>(contest)) + ")";
}

}  // namespace

std::string ContestNameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (char c : name) {
        if (c == '"' || c == '\'') continue;
        if (IsTrimmable(c) || c == '_' || c == '-') {
            if (!key.empty() && key.back() != '-') key += '-';
            continue;
        }
        key += UpCase(c);
    }
    if (!key.empty() && key.back() == '-') key.pop_back();
    return key;
}

void TContestNameTable::ReadFromText(std::string_view text, const std::string& fileName,
                                     std::vector<std::string>& errors) {
    int lineNumber = 0;
    for (std::string_view line : SplitLineViews(text)) {
        ++lineNumber;
        const std::string_view trimmed = TrimmedView(line);
        if (trimmed.empty() || trimmed.front() == '*') continue;
        auto fail = [&](const std::string& what) {
            errors.push_back(fileName + ", line " + std::to_string(lineNumber) + ": " + what);
        };
        const std::size_t colon = trimmed.find(':');
        if (colon == std::string_view::npos) {
            fail("no \":\" after the contest keyword");
            continue;
        }
        const std::string item = Trim(trimmed.substr(0, colon));
        const TContest contest = ContestOfMainItem(item);
        if (contest == cNoContest) {
            fail("unknown contest '" + item + "' (see 'qz contests')");
            continue;
        }
        for (const std::string& spelling : SplitString(trimmed.substr(colon + 1), ',')) {
            const std::string key = ContestNameKey(spelling);
            if (key.empty()) {
                fail("an empty spelling");
                continue;
            }
            const TContest keywordOf = ContestOfKeyword(key);
            const auto known = FByKey.find(key);
            const TContest other = keywordOf != cNoContest ? keywordOf
                                   : known != FByKey.end() ? known->second
                                                           : contest;
            if (other != contest) {
                fail("'" + Trim(spelling) + "' already stands for " + ShownName(other));
                continue;
            }
            if (known != FByKey.end() || keywordOf != cNoContest) continue;  // said twice
            FByKey.emplace(key, contest);
            FSpellings[contest].push_back(Trim(spelling));
        }
    }
}

TContest TContestNameTable::Find(std::string_view name) const {
    const auto it = FByKey.find(ContestNameKey(name));
    return it == FByKey.end() ? cNoContest : it->second;
}

const std::vector<std::string>& TContestNameTable::Spellings(TContest contest) const {
    static const std::vector<std::string> none;
    return contest < kNoOfContests ? FSpellings[contest] : none;
}

const TContestNameTable& ContestNameTable() {
    static TContestNameTable table;
    static std::once_flag once;
    std::call_once(once, [] {
        std::string path = FindFileIgnoringCase(InstalledFilePath(kContestNamesFile));
        if (!FileExists(path)) {
            const std::string installed =
                InstalledDataFolder() + "/AssignmentTables/" + std::string(kContestNamesFile.fiName);
            if (FileExists(installed)) path = installed;
        }
        std::string bytes, error;
        if (!ReadWholeFile(path, bytes, &error)) {
            ShowErrorMessage(error + " (the contest names of other programs are not known)");
            return;
        }
        std::vector<std::string> errors;
        table.ReadFromText(bytes, path, errors);
        for (const std::string& e : errors) ShowErrorMessage(e);
    });
    return table;
}

TContest ContestFromSpelling(std::string_view name, const TContestNameTable& table) {
    const std::string key = ContestNameKey(name);
    if (key.empty()) return cNoContest;
    const TContest keyword = ContestOfKeyword(key);
    if (keyword != cNoContest) return keyword;
    const TContest spelling = table.Find(key);
    if (spelling != cNoContest) return spelling;
    const TContest contained = ContestFromName(Trim(name));
    return contained != cNoContest ? contained : ContestFromName(key);
}

TContest ContestFromSpelling(std::string_view name) { return ContestFromSpelling(name, ContestNameTable()); }

}  // namespace qz
