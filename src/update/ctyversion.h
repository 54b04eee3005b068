// The version a country file carries, in either of the two ways files name it: a
// comment line "# ... CTY-2301" (the release number of the published file, which the
// updater writes as the first line) and the entry "=VER20230502" (the date of the
// file's edition, carried by the files themselves).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qz {

class TCtyStuff;

struct TCtyVersion {
    std::int32_t release = -1;  // the number after "CTY-"; -1 when the file names none
    std::string date;           // the digits after "=VER"; "" when the file has none
    bool Known() const { return release >= 0 || !date.empty(); }
};

// The release number: the digits that follow "CTY-" on the first line that begins with
// "#" and contains "CTY-"; -1 when there is no such line or no digits follow.
std::int32_t CtyRelease(std::string_view text);
// Both parts of the version of a country file's text; `parsed` is the same text loaded
// (for its "=VER" entry).
TCtyVersion CtyVersionOf(std::string_view text, const TCtyStuff& parsed);
// The same, loading the text itself.
TCtyVersion CtyVersionOf(std::string_view text);

enum class TCtyVersionOrder : std::uint8_t {
    Older,  // the offered file is older than the installed one
    Same,
    Newer,
    Unknown,  // the two name their versions in different ways, or the offered one none
};

// Compares an offered version with the installed one: by release numbers when both have
// one, else by dates when both have one. An installed file without any version is
// older than any offered file that has one.
TCtyVersionOrder CompareCtyVersions(const TCtyVersion& installed, const TCtyVersion& offered);

// True when the version date lies more than a year after `today` (TDateTime): no
// published file carries such a date, and once installed it would make every later
// file look older. More than eight digits count as such a date too.
bool CtyDateTooFarAhead(const TCtyVersion& version, double today);

// "CTY-2301, VER20230502", either part alone, or "unknown".
std::string CtyVersionText(const TCtyVersion& version);

}  // namespace qz
