// Finding a text in a log's lines field by field, and selecting lines by number range,
// band and mode: what the editor's search and range-selection dialogs hand over, and
// where the cursor goes.
#pragma once

#include <string>

#include "engine/contestlog.h"

namespace qz {

// The options of one search, in the order the search dialog shows them.
struct TSearchOptions {
    std::string soFindWhat;
    bool soSearchInDate = true;
    bool soSearchInTime = true;
    bool soSearchInBand = true;
    bool soSearchInMode = true;
    bool soSearchInCall = true;
    bool soSearchInSentRST = true;
    bool soSearchInRcvdRST = true;
    bool soSearchInSentNumber = true;
    bool soSearchInRcvdNumber = true;
    bool soSearchInMulties = true;
    bool soSearchInPoints = true;
    bool soWholeWordOnly = false;
    TSearchFrom soSearchFrom = sfBegin;
};

// Where a search stopped: the line (from 0) and the grid column of the matching field.
struct TSearchHit {
    int line = -1;
    int column = -1;
    bool Found() const { return line >= 0; }
};

// Searches from line 0 (sfBegin) or from the line after `currentLine` (sfCursor). The
// fields are tried one kind after the other, each over all lines, and the first kind
// with a match decides: date (whole, day, month, year), time, band, mode, call, sent
// RST, received RST, each sent number, each received number, multiplier values and
// points (the text read as a whole number). A field matches when it contains the text,
// or equals it with soWholeWordOnly, ignoring case. Nothing is found for an empty text.
TSearchHit SearchLog(const TContestLog& log, const TSearchOptions& options, int currentLine);

// Lines chosen in the range dialog; each part applies when it is on, in this order:
// lines `from` to `to` (from 1; none when to < from) or all lines, the lines whose band
// name is `band`, the lines whose mode name is `mode`.
struct TQSORange {
    bool byRange = true;
    bool allLines = false;
    int from = 1;
    int to = 1;
    bool byBand = false;
    std::string band;
    bool byMode = false;
    std::string mode;
};

// Selects (or unselects) the lines each part of `range` matches; returns how many
// lines the parts matched together (a line matched by two parts counts twice).
int SelectQSORange(TContestLog& log, const TQSORange& range, bool select);

}  // namespace qz
