// The log checks: their findings go to the log's messages, one per line found. The
// editor's checks take the field the contest names; those on a chosen exchange field and
// the choice of fields serve checking a log without asking the user (the command line).
#pragma once

#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// The contest's serial field, or sent field `listIndex` counted after it, as a serial
// and as a constant.
void Check4DiscontinuousSentNumbers(const TContestLog& log);
void Check4NonConstantSentNumbers(const TContestLog& log, int listIndex);
// Received field `listIndex`, per station: numbers that do not increase; values that change.
void Check4DiscontinuousRcvdNumbers(const TContestLog& log, int listIndex, SExchangedNumbersCheck options);
void Check4NonConstantRcvdNumbers(const TContestLog& log, int listIndex, SExchangedNumbersCheck options);
// Calls worked elsewhere in the log with the suffix `check`: reported, or extended (one
// undo step) with `extendAutomatically`. True when a call was extended.
bool Check4MissingExtensions(TContestLog& log, bool extendAutomatically, TCallExtensionCheck check);
// Received member numbers against the contest's member list; with `correct` false the
// differing numbers are only reported. True when a number was corrected.
bool CheckMemberNumbers(TContestLog& log, bool correct = true);
// Band changes within ten minutes of the last one (lines with a multiplier excepted).
void CheckQSYRules(const TContestLog& log);

// Sent number `numberIndex` as a serial: values that do not increase, or are no number
// on a QSO (the first), and values that skip numbers (the second: 002 then 004).
void CheckSentSerials(const TContestLog& log, int numberIndex);
void CheckSentSerialGaps(const TContestLog& log, int numberIndex);
// Sent number `numberIndex` as a constant: every change, once where it happens. QTC
// lines carry no sent exchange and are passed over.
void CheckConstantSentField(const TContestLog& log, int numberIndex);

// Which exchange fields of a log are serial numbers and which should stay constant
// (sent: over the log; received: per station). The contest's numeric fields are
// serials; for other contests a numeric field counts as a serial when its values rise
// from one line to the next in most cases (sent: line after line; received: contact
// after contact with the same station). Fields of QTC lines and fields never filled
// are left out.
struct TExchangeFields {
    std::vector<int> sentSerials;
    std::vector<int> sentConstant;
    std::vector<int> rcvdSerials;
    std::vector<int> rcvdConstant;
};
TExchangeFields ClassifyExchangeFields(const TContestLog& log);

// Splits a message about one line ("QSO #12: text") into the 0-based line index and the
// text; false for other messages (titles, closing lines).
bool ParseLineMessage(const std::string& message, int& qsoIndex, std::string& text);

// After lines from `first` on were evaluated again: in the newest compile's messages
// (from its "compile started" line to its closing line) the messages about those lines
// give way to `fresh`, the new evaluation's, placed before the closing line, which
// becomes `closing` (the new result). True when `messages` changed.
bool ReplaceLineMessages(std::vector<std::string>& messages, int first, const std::vector<std::string>& fresh,
                         const std::string& closing);

}  // namespace qz
