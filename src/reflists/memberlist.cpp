// Member list reader and lookup. The number is looked up once per log line while
// compiling, so the first record of every call is indexed when the list is read.
#include "reflists/memberlist.h"

#include <cassert>

#include "base/text.h"

namespace qz {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool EndsToken(char c) { return IsBlank(c) || c == '.' || c == ';'; }

// Reads the token starting at `pos` and consumes its separator; `separator` becomes the
// separator character, or '\0' when the line ended first. A line end always ends a
// token: a number without its closing ";" must not swallow the next line.
std::string_view NextToken(std::string_view line, std::size_t& pos, char& separator) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    std::size_t start = pos;
    while (pos < line.size() && !EndsToken(line[pos])) ++pos;
    std::string_view token = line.substr(start, pos - start);
    separator = pos < line.size() ? line[pos++] : '\0';
    return token;
}

}  // namespace

bool TMemberList::ReadFromFile(const TFileToBeInstalled& file, std::string* error) {
    Clear();
    std::string bytes;
    if (ReadListFile(file, bytes, error) != TListFileRead::Ok) return false;
    ReadFromText(bytes);
    return true;
}

void TMemberList::ReadFromText(std::string_view text) {
    Clear();
    for (const std::string& line : SplitLines(text)) {
        std::size_t pos = 0;
        char separator = '\0';
        std::string_view call = NextToken(line, pos, separator);
        std::string_view number;
        bool listEnds = separator == '.';
        if (!listEnds && separator != '\0') {
            number = NextToken(line, pos, separator);
            listEnds = separator == '.';
        }
        if (!call.empty() || listEnds) FMemberList.push_back({std::string(call), std::string(number)});
        if (listEnds) break;
    }
    FFirstRecordOfCall.reserve(FMemberList.size());
    for (std::size_t i = 0; i < FMemberList.size(); ++i) FFirstRecordOfCall.emplace(FMemberList[i].mrCall, i);
}

void TMemberList::Clear() {
    FMemberList.clear();
    FFirstRecordOfCall.clear();
}

std::string TMemberList::GetMemberNumber(std::string_view call) const {
    auto it = FFirstRecordOfCall.find(call);
    return it == FFirstRecordOfCall.end() ? std::string() : FMemberList[it->second].mrMemberNumber;
}

const TMemberRec& TMemberList::Record(int i) const {
    assert(i >= 0 && i < Count() && "TMemberList::Record: index out of range");
    return FMemberList[static_cast<std::size_t>(i)];
}

}  // namespace qz
