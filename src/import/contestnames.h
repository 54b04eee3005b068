// The names under which logs and users name a contest: the Cabrillo keywords and the
// spellings of other programs ("WAE CW", "EUHFC", "FD SSB"), which come from the shipped
// table contestnames.dat. Every reader of a contest name (Cabrillo CONTEST:, ADIF
// CONTEST_ID, STF Contest, the command line's --contest) asks ContestFromSpelling.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/installfiles.h"
#include "domain/defs.h"

namespace qz {

// The shipped table of spellings: "AssignmentTables/contestnames.dat" of the data folder.
inline constexpr TFileToBeInstalled kContestNamesFile{fkAssignmentTable, "contestnames.dat"};

// The form in which names are compared: upper case, without quotes and surrounding
// blanks, every run of blanks, tabs, "_" and "-" made one "-", none at either end.
std::string ContestNameKey(std::string_view name);

// Spellings read from the table's text, one line per contest:
//     KEYWORD: SPELLING, SPELLING, ...
// KEYWORD is a Cabrillo keyword (the first contest that has it) or a contest's ordinal;
// lines starting with "*" and empty lines are skipped.
class TContestNameTable {
public:
    // Reads `text`. A damaged line (no ":", unknown contest, empty spelling, a spelling
    // that is another contest's keyword or already another contest's spelling) is left
    // out and reported in `errors` as "<fileName>, line <n>: <what>"; the other lines
    // are taken.
    void ReadFromText(std::string_view text, const std::string& fileName, std::vector<std::string>& errors);

    // The contest whose spelling `name` is (compared by ContestNameKey), else cNoContest.
    TContest Find(std::string_view name) const;
    // The spellings of `contest` as the table writes them, in table order.
    const std::vector<std::string>& Spellings(TContest contest) const;

private:
    std::map<std::string, TContest, std::less<>> FByKey;
    std::array<std::vector<std::string>, kNoOfContests> FSpellings;
};

// The table of the data folder (or, when the data folder has none, of the installed
// copy), read on first use; a missing or damaged file is reported once through the
// front end's error message, naming the file and line.
const TContestNameTable& ContestNameTable();

// The contest `name` stands for: a Cabrillo keyword or a spelling of the table (both
// compared by ContestNameKey), else the contest whose keyword contains the name or is
// contained in it (ContestFromName); cNoContest when none does.
TContest ContestFromSpelling(std::string_view name);
TContest ContestFromSpelling(std::string_view name, const TContestNameTable& table);

}  // namespace qz
