// Edits of the selected lines of a log, each recorded as one undo step.
#pragma once

#include <string>

#include "engine/contestlog.h"

namespace qz {

// Shifts the times of the selected lines; a shift that would carry a line out of the
// calendar changes none and is reported. False when nothing was shifted.
bool SetTimeDifference(TContestLog& log, int days, int hours, int minutes);
// Sent number `numberIndex` of the selected lines: `startNumber` on each, or counted up
// from it (QTC lines then count too when `includeQTCs`).
bool SetSentNumbers(TContestLog& log, TSetSentNumberMode mode, const std::string& startNumber, int numberIndex,
                    bool includeQTCs);
void SetMode4SelectedQSOs(TContestLog& log, TMode mode);
// Sets (bad) or clears (good) qfUserDeleted on every selected line.
void SetUserDeleted4SelectedQSOs(TContestLog& log, bool bad);
// Empties the flags of every line; returns the number of lines changed.
int ClearAllFlags(TContestLog& log);
bool AllSelectedQSOTimesHasBeenEdited(const TContestLog& log);

}  // namespace qz
