// The ADIF reader: ADIF 1 to 3 as this system and other programs write it (tags in any
// case, typed fields, records on one or many lines, with or without a header), built
// into a contest log that is stored as a native log or handed to the caller.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/convert.h"
#include "import/sourcetext.h"

namespace qz {

// What the reader did with the records of a file.
struct TADIFReadCounts {
    int records = 0;            // records ended by <eor>, plus an unterminated last one
    int qsos = 0;               // records read into the log
    int withoutCall = 0;        // records without a call field, reported and not read
    int problems = 0;           // tags or values reported as damaged
    bool unterminated = false;  // the file ends inside a record (read and reported)
};

// One tag of an ADIF text, as the scanner found it.
struct TADIFTag {
    std::string_view name;
    std::string_view value;
    std::size_t start = 0;  // byte offset of "<"
    std::size_t next = 0;   // where scanning goes on
    bool hasLength = false;
    bool isTag = true;  // false: the "<" starts no tag and is text between fields
    // A tag the scanner could not take: no ">" before the next "<" or the end, a length
    // that is no number, or a value that runs past the end or into the next tag.
    const char* problem = nullptr;
    bool absent = false;  // the field counts as absent (no ">" or a length that is no number)
};

// Scans the tag whose "<" stands at `at` in `text`.
TADIFTag ScanADIFTag(std::string_view text, std::size_t at);

// Hands every tag of `text` from byte `from` on to `onTag`, in order (text between tags
// is skipped; a "<" that starts no tag is text). This is the whole scan of the reader:
// linear in the size of the text.
template <typename OnTag>
void ForEachADIFTag(std::string_view text, std::size_t from, OnTag&& onTag) {
    std::size_t pos = from;
    while (pos < text.size()) {
        const void* p = std::memchr(text.data() + pos, '<', text.size() - pos);
        if (!p) return;
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(p) - text.data());
        const TADIFTag t = ScanADIFTag(text, at);
        pos = t.next > at ? t.next : at + 1;
        if (t.isTag && !onTag(t)) return;
    }
}

// The value of the first field `name` in `text` as the original helper defines it:
// false when the field is absent (or its length is no number); an empty value when it
// has none, its length is 0 or the value runs into the next tag.
bool ADIFFieldValue(std::string_view name, std::string_view text, std::string& value);

class TADIFImport : public TConvert {
public:
    TADIFImport(std::string fileName, std::vector<std::string>* messages);
    // Reads `bytes` instead; `fileName` names them in messages.
    TADIFImport(std::string_view bytes, std::string fileName, std::vector<std::string>* messages);

    // ftADIF when the file has an end-of-header tag, or starts (after blanks) with a tag
    // and holds an end-of-record tag (a file without header).
    TFileType CheckFormat() override;
    // The header as read from the file; false when the file is no ADIF file.
    bool ReadHeader(TFileHeader& header);

    const TADIFReadCounts& Counts() const { return FCounts; }

private:
    bool Load();
    bool BuildLog(bool showMessageBoxes) override;
    void ReleaseSource() override;
    void ReadRecords();
    void Note(std::size_t offset, const std::string& text);

    TSourceText FText;
    bool FFromBytes = false;
    std::size_t FDataStart = 0;  // first byte after the header
    bool FHasHeader = false;
    TADIFReadCounts FCounts;
    TMessageCap FCap;
};

}  // namespace qz
