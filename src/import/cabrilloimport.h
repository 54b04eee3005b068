// The Cabrillo reader (versions 2 and 3): header tags, categories, QSO and QTC lines,
// built into a contest log that is stored as a native log or handed to the caller.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/cabrillolines.h"
#include "import/convert.h"

namespace qz {

// What the reader did with the data lines of a file.
struct TCabrilloReadCounts {
    int dataLines = 0;    // QSO and QTC lines seen
    int qsos = 0;         // QSO lines read into the log
    int qtcs = 0;         // QTC lines read into the log
    int skipped = 0;      // lines reported in the messages and not read
    int ownLayout = 0;    // lines cut at this system's own columns
    int fieldLayout = 0;  // lines read by their blank-separated fields
};

class TCabrilloImport : public TConvert {
public:
    // Reads the file `fileName`.
    TCabrilloImport(std::string fileName, std::vector<std::string>* messages);
    // Reads `bytes` instead, taken over from the caller; `fileName` names them in
    // messages and gives the own call from its folder when the file names none.
    TCabrilloImport(std::string bytes, std::string fileName, std::vector<std::string>* messages);

    // ftCabrillo when some line contains "START-OF-LOG" (the file is loaded into
    // Lines()), else ftUnknown.
    TFileType CheckFormat() override;

    // The value of a header tag: the rest of the first line holding the tag (ignoring
    // case) at one of its first five characters as a whole tag (no letter, digit, "-"
    // or "_" right before or after it), without leading blanks, colons and equal
    // signs. ADDRESS, OPERATORS, CLUB and
    // SOAPBOX join all their lines with CR LF; CALLSIGN keeps only the characters of a
    // call. "" when the tag is missing; `found` (when given) tells whether it was.
    std::string TagValue(std::string_view tag, bool* found = nullptr) const;
    bool IsQSOLine(int index) const;
    bool IsQTCLine(int index) const;

    // The header as read from the file (contest fixed or defaulted as set below);
    // false when the file is no Cabrillo log.
    bool ReadHeader(TFileHeader& header);

    const std::vector<std::string_view>& Lines() const { return FLines; }
    const TCabrilloReadCounts& Counts() const { return FCounts; }

private:
    bool Load();
    bool BuildLog(bool showMessageBoxes) override;
    void ReleaseSource() override;
    void ReadDataLines();
    bool ApplyLine(int lineIndex, const cabrillo::TDataLine& data);
    void ApplyCommonPart(int lineIndex, const cabrillo::TDataLine& data, TQSO& q);
    void Note(int lineIndex, const std::string& text) const;
    // Leaves the line out of the log and reports it as dropped.
    void Drop(int lineIndex, const std::string& reason);
    std::string ShownLine(int lineIndex) const;

    bool FFromBytes = false;
    std::string FBytes;  // the text handed in, or the file as read; FLines point into it
    bool FLoaded = false;
    std::vector<std::string_view> FLines;
    std::vector<int> FHeaderLines;  // indexes of the lines that are no QSO or QTC lines
    TCabrilloReadCounts FCounts;
};

// The shape of the QSO lines of a log's contest.
cabrillo::TLineShape LineShapeOf(const TContestLog& log);

}  // namespace qz
