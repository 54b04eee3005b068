// The bytes of a foreign file as the text readers see them: loaded whole (with a size
// limit) or handed in from memory, with the line number of any byte for messages and
// a cap on the number of messages about single places.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qz {

// Files larger than this are no log; reading them would only waste memory.
inline constexpr std::uintmax_t kMaxImportFileSize = 256u * 1024 * 1024;

class TSourceText {
public:
    // Reads the whole file; false with a message naming it in `error`.
    bool Load(const std::string& fileName, std::string* error);
    // Takes `bytes` over; the caller moves them in, so nothing is copied.
    void Assign(std::string bytes);
    bool Loaded() const { return FLoaded; }
    void Clear();

    std::string_view Bytes() const { return FBytes; }
    // The line (counted from 1) that holds the byte at `offset`. Cheap for offsets that
    // grow from call to call.
    int LineOf(std::size_t offset) const;

private:
    std::string FBytes;
    bool FLoaded = false;
    mutable std::size_t FCountedTo = 0;
    mutable int FLinesBefore = 0;
};

// A piece of a line fit for quoting in a message: made printable (PrintableText), trimmed,
// cut to `maxLength` with "..." appended.
std::string QuotedPart(std::string_view text, std::size_t maxLength = 60);

// A name the file gives (a contest keyword) quoted in a message. Such names are meant to
// be plain ASCII; a file may hold them in any code page (a Cyrillic Windows-1251 name
// read as Windows-1252 would show as wrong Latin letters), so a UTF-8 name is decoded
// and every other byte outside ASCII shows as "?". Trimmed and cut like QuotedPart.
std::string QuotedName(std::string_view text, std::size_t maxLength = 60);

// Collects the messages of one reader: the first `limit` remarks about single places
// are kept, the rest only counted and summed up by Finish().
class TMessageCap {
public:
    TMessageCap(std::vector<std::string>* messages, std::size_t limit) : FMessages(messages), FLimit(limit) {}
    void Add(std::string text);
    // True once further remarks are only counted: the caller may then call Skip()
    // instead of building the text.
    bool Full() const { return !FMessages || static_cast<std::size_t>(FCount) >= FLimit; }
    void Skip() { ++FCount; }
    // Adds the count of remarks left out, if any; `prefix` starts that line.
    void Finish(const std::string& prefix);
    int Count() const { return FCount; }

private:
    std::vector<std::string>* FMessages;
    std::size_t FLimit;
    int FCount = 0;
};

}  // namespace qz
