// Splitting one QSO or QTC line of a Cabrillo file into its texts. A line in this
// system's own fixed-column layout is cut at the writer's columns; any other line is
// read by its blank-separated fields, matched against the exchange of the contest.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qz::cabrillo {

// What the reader knows of the contest when it splits a line.
struct TLineShape {
    int sentNumbers = 1;      // exchange numbers of the sent half, RST not counted
    int rcvdNumbers = 1;      // exchange numbers of the received half
    bool qtcContest = false;  // QTC lines are read; QSO lines carry one number a side
    bool wide = false;        // the writer's wide layout (more than one number a side)
};

enum TLineLayout { llOwn, llFields };

// How the exchange of a field-read QSO line was matched.
enum TExchangeMatch {
    emExact,         // the contest's number of fields, with or without RST
    emCallPosition,  // another number of fields: split at the worked call
};

// One data line cut into texts. Own-layout texts are the exact column cuts (blanks
// included); field texts are single fields. An RST the line does not carry is "".
struct TDataLine {
    bool qtc = false;
    bool deleted = false;
    TLineLayout layout = llOwn;
    std::string frequency, mode, year, month, day, time;
    // QSO lines: the own call (not read) and the worked call. QTC lines: the station
    // that received the QTCs and the one that sent them.
    std::string firstCall, secondCall;
    bool hasSentRST = false, hasRcvdRST = false;
    std::string sentRST, rcvdRST;
    std::vector<std::string> sent, rcvd;
    std::string group, qtcTime, qtcCall, qtcSerial;
    // QSO lines: the transmitter number after the exchange, "" when the line has none.
    std::string transmitter;
    TExchangeMatch match = emExact;
    // Field-read lines only: a half had more fields than the contest takes (they were
    // joined into its last number, or dropped when it takes none) or fewer.
    bool surplus = false;
    bool missing = false;
    // Field-read QSO lines only: a shape without an RST fitted only by taking an RST as
    // the exchange; the RST-like field was read as the RST and the exchange left empty.
    bool ambiguous = false;
    // The fields of a field-read line (views into the line), kept to reuse the storage.
    std::vector<std::string_view> fields;
};

// "QSO" (or "QTC") in any letter case at character 1, 2 or 3 after leading blanks:
// QSO:, qso:, XQSO:, X-QSO: and the like.
bool IsQSOLine(std::string_view line);
bool IsQTCLine(std::string_view line);
// Where `tag` starts in a data line, as IsQSOLine finds it; npos when it does not.
std::size_t TagPosition(std::string_view line, std::string_view tag);
// A data line whose first character after leading blanks is X or x.
bool IsDeletedLine(std::string_view line);
// A line that is no QSO or QTC line but is shaped like one under another tag ("QS0:",
// "0SO:"): a tag ending with ":", then a frequency, a mode, a date and a time. Such a
// line must be reported rather than skipped like a header line.
bool LooksLikeDataLine(std::string_view line);

// True when the line is in the writer's own columns for the shape: tag in columns 1
// to 5, the frequency right-aligned in 6 to 10, mode, date and time in their columns,
// every exchange value inside its column (aligned as the writer aligns it) and the
// separating columns blank.
bool IsOwnLayoutLine(std::string_view line, const TLineShape& shape);

// Splits a data line. False with `error` (a short English reason) when its fields
// cannot be matched to a QSO or QTC line of the shape.
bool SplitDataLine(std::string_view line, const TLineShape& shape, TDataLine& out, std::string& error);

// Field separators: bytes up to 0x20 and the non-break space 0xA0.
bool IsFieldSeparator(char c);
std::vector<std::string_view> SplitFields(std::string_view text);
void SplitFields(std::string_view text, std::vector<std::string_view>& fields);

// A text shaped like an amateur call: parts separated by "/", one of them letters and
// digits with a letter among its first three characters and a letter at its end
// (DL1ABC, 4E1FKB, KH6ND/W7); RSTs, zones, DOKs, names and serials are not.
bool LooksLikeCall(std::string_view text);
// Two or three digits read as R, S (and T): 59, 599, 579; also 5NN.
bool LooksLikeRST(std::string_view text);

}  // namespace qz::cabrillo
