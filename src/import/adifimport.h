// The ADIF reader: ADIF 1 to 3 as this system and other programs write it (tags in any
// case, typed fields, records on one or many lines, with or without a header), built
// into a contest log that is stored as a native log or handed to the caller.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/adifscan.h"
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

// The value of the first field `name` in `text` as the original helper defines it:
// false when the field is absent (or its length is no number); an empty value when it
// has none, its length is 0 or the value runs into the next tag.
bool ADIFFieldValue(std::string_view name, std::string_view text, std::string& value);

class TADIFImport : public TConvert {
public:
    TADIFImport(std::string fileName, std::vector<std::string>* messages);
    // Reads `bytes` instead; `fileName` names them in messages.
    TADIFImport(std::string bytes, std::string fileName, std::vector<std::string>* messages);

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
    // "<file> line <n> (byte <b>): " for the byte at `offset`.
    std::string Place(std::size_t offset) const;
    void Note(std::size_t offset, const std::string& text);

    TSourceText FText;
    bool FFromBytes = false;
    std::size_t FDataStart = 0;  // first byte after the header
    bool FHasHeader = false;
    TADIFReadCounts FCounts;
    TMessageCap FCap;
};

}  // namespace qz
