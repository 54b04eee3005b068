// Sent QTC lines made from selected QSOs (the QTC traffic of the WAE contests): the
// values the dialog proposes, and the lines appended from the values it hands back.
#pragma once

#include <string>

#include "engine/contestlog.h"

namespace qz {

// The values shared by the sent QTC lines of one group.
struct TSentQTCGroup {
    std::string call;    // the station the QTCs go to
    TDateTime date = 0;  // day only
    TBand band = b160m;
    std::string time;    // "hhmm"
    std::string serial;  // "group/count"
};

// Selected lines that are QSOs (not QTCs).
int NoOfSelectedQSOsForQTCs(const TContestLog& log);

// Call, date, band and time of the last QSO line with a call, and the serial text: the
// next sent QTC group, "/" and the number of selected QSOs (at most 10).
TSentQTCGroup ProposeSentQTCGroup(const TContestLog& log);

// Whether `time` is four digits of a time of day (0000 to 2359), and `serial` a group
// and a count ("7/10").
bool ValidQTCTime(const std::string& time);
bool ValidQTCSerial(const std::string& serial);

// Appends one sent QTC line per selected QSO, in log order, as one undo step: the
// group's call, band, date and time, the QSO's mode, and as received numbers 1 to 4 the
// serial, the QSO's time, call and received number 0. An empty last line stays last.
// Returns the number of lines appended (0 for invalid group values or a log that
// keeps fewer than five received numbers).
int AppendSentQTCs(TContestLog& log, const TSentQTCGroup& group);

}  // namespace qz
