// The STF reader: header keys, the column order each file declares, its allocation to
// the columns of the target contest, and the QSO and QTC lists, built into a contest
// log that is stored as a native log or handed to the caller.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "domain/defs.h"
#include "engine/contestlog.h"
#include "import/convert.h"
#include "import/sourcetext.h"

namespace qz {

// One row of an allocation table: a column of the log and the file keyword whose
// values it takes ("" = none).
struct TSTFAllocationRow {
    std::string Header;  // the column's header text
    TColumnProperty Property = cpNr;
    int NumberIndex = 0;  // which sent or received number
    std::string Keyword;
};

struct TSTFAllocation {
    std::vector<std::string> QSOOrder;  // the keywords of the file's QsoOrder line
    std::vector<std::string> QTCOrder;  // of its QtcOrder line (QTC contests only)
    std::vector<TSTFAllocationRow> QSORows;
    std::vector<TSTFAllocationRow> QTCRows;  // empty unless the contest has QTC traffic
};

// What the reader did with the data rows of a file.
struct TSTFReadCounts {
    int dataLines = 0;   // rows in the QSO and QTC sections
    int qsos = 0;        // QSO rows read into the log
    int qtcs = 0;        // QTC rows read into the log
    int dropped = 0;     // rows without a usable date, reported and not read
    int fieldCount = 0;  // rows with fewer or more fields than their order line declares
};

class TSTFConvert : public TConvert {
public:
    TSTFConvert(std::string fileName, std::vector<std::string>* messages);
    // Reads `bytes` instead; `fileName` names them in messages.
    TSTFConvert(std::string bytes, std::string fileName, std::vector<std::string>* messages);

    // ftSTF when a line holds "Header" and a later one "EndHeader", neither the last
    // line of the file (the lines between become HeaderLines()).
    TFileType CheckFormat() override;
    bool ReadHeader(TFileHeader& header);

    // The value of a header key (ignoring case, starting within the first five
    // characters of its line); Soapbox and MailAddress join all their lines with CR LF.
    std::string HeaderValue(std::string_view key) const;
    const std::vector<std::string>& HeaderLines() const { return FHeaderLines; }

    // The allocation dialog: the user corrects the proposed allocation; false cancels
    // the import. Not set: each row is offered through the front end's text question
    // (which answers only when the user asked for questions), else the proposal stands.
    std::function<bool(TSTFAllocation& allocation)> EditAllocation;

    const TSTFAllocation& Allocation() const { return FAllocation; }
    const TSTFReadCounts& Counts() const { return FCounts; }

private:
    bool LoadBytes();
    bool Load();  // the bytes and their lines
    bool BuildLog(bool showMessageBoxes) override;
    void ReadOrder(std::string_view key, std::vector<std::string>& order) const;
    void ProposeAllocation();
    bool AskAllocation();
    void ReadQSOSection();
    void ReadQTCSections();
    void ReadRow(int lineIndex, int qtcKind);
    // "<file> line <n>: " for the line at `lineIndex`.
    std::string Place(int lineIndex) const;
    void Note(int lineIndex, const std::string& text);

    TSourceText FText;
    bool FFromBytes = false;
    std::vector<std::string_view> FLines;
    std::vector<std::string> FHeaderLines;
    TSTFAllocation FAllocation;
    TSTFReadCounts FCounts;
    TMessageCap FCap;
};

// The tokens of an STF line: maximal runs of "-", ".", "/", digits, letters and the
// German umlauts; everything else separates.
std::vector<std::string_view> STFTokens(std::string_view line);

}  // namespace qz
