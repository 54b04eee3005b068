// The bulk edits on the selected lines of a log, each one undo step.
#include "engine/bulkedits.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"

namespace qz {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// Day numbers of 1 January 1 and 31 December 9999.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

// `dt` moved by `deltaMs` milliseconds, counted in whole milliseconds so that a shift
// across midnight or a year end lands on the exact minute; false outside 1..9999.
bool ShiftDateTime(TDateTime dt, std::int64_t deltaMs, TDateTime& result) {
    if (!std::isfinite(dt)) return false;
    const CivilDate d = DecodeDate(dt);
    const CivilTime t = DecodeTime(dt);
    TDateTime day;
    if (!TryEncodeDate(d.year, d.month, d.day, day)) return false;
    const std::int64_t ms = ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.msec;
    const std::int64_t total = static_cast<std::int64_t>(day) * kMsPerDay + ms + deltaMs;
    std::int64_t newDay = total / kMsPerDay;
    std::int64_t rest = total % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --newDay;
    }
    if (newDay < kFirstDay || newDay > kLastDay) return false;
    const int r = static_cast<int>(rest);
    result = CombineDateTime(static_cast<TDateTime>(newDay),
                             EncodeTime(r / 3600000, r / 60000 % 60, r / 1000 % 60, r % 1000));
    return true;
}

}  // namespace

bool SetTimeDifference(TContestLog& log, int days, int hours, int minutes) {
    if (log.NoOfSelectedQSOs() == 0) return false;
    const std::int64_t delta = static_cast<std::int64_t>(days) * kMsPerDay +
                               static_cast<std::int64_t>(hours) * 3600000 + static_cast<std::int64_t>(minutes) * 60000;
    // Every new time is worked out before any line changes: a shift that would carry
    // one line out of the calendar changes none.
    std::vector<TDateTime> shifted(static_cast<std::size_t>(log.NoOfQSOs()));
    for (std::size_t i = 0; i < shifted.size(); ++i) {
        if (!log.QSOs(static_cast<int>(i))->Selected()) continue;
        if (!ShiftDateTime(log.QSOs(static_cast<int>(i))->DateTime(), delta, shifted[i])) {
            ShowErrorMessage(LS(lsTimeShiftOutOfRange));
            return false;
        }
    }
    TUndoGroup group(log.History());
    for (std::size_t i = 0; i < shifted.size(); ++i) {
        if (!log.QSOs(static_cast<int>(i))->Selected()) continue;
        log.PushUndo(ueaChangeQSO, static_cast<int>(i));
        log.QSOs(static_cast<int>(i))->SetDateTime(shifted[i]);
    }
    return true;
}

bool SetSentNumbers(TContestLog& log, TSetSentNumberMode mode, const std::string& startNumber, int numberIndex,
                    bool includeQTCs) {
    if (numberIndex < 0 || numberIndex >= log.NoOfSentNumbers()) return false;
    std::int32_t next = 0;
    if (mode == smSetContiuouslyNumber && !TryStrToInt(startNumber, next)) return false;
    TUndoGroup group(log.History());
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        TQSO& q = *log.QSOs(i);
        if (!q.Selected()) continue;
        if (q.IsQTC()) {
            if (mode == smSetContiuouslyNumber && includeQTCs) ++next;
            continue;
        }
        log.PushUndo(ueaChangeQSO, i);
        if (mode == smSetFixNumber) {
            q.SetChangedNumber(cpSentNumber, numberIndex, startNumber);
        } else {
            q.SetChangedNumber(cpSentNumber, numberIndex, ZeroPadded(next, 3));
            if (next < std::numeric_limits<std::int32_t>::max()) ++next;
        }
    }
    return true;
}

void SetMode4SelectedQSOs(TContestLog& log, TMode mode) {
    if (mode >= mEndOfList) return;
    TUndoGroup group(log.History());
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        TQSO& q = *log.QSOs(i);
        if (!q.Selected() || q.Mode() == mode) continue;
        log.PushUndo(ueaChangeQSO, i);
        q.SetMode(mode);
    }
}

void SetUserDeleted4SelectedQSOs(TContestLog& log, bool bad) {
    TUndoGroup group(log.History());
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        TQSO& q = *log.QSOs(i);
        if (!q.Selected() || q.QSOFlags().Contains(qfUserDeleted) == bad) continue;
        log.PushUndo(ueaChangeQSO, i);
        if (bad) q.IncludeFlag(qfUserDeleted);
        else q.ExcludeFlag(qfUserDeleted);
    }
}

int ClearAllFlags(TContestLog& log) {
    TUndoGroup group(log.History());
    int changed = 0;
    for (int i = 0; i < log.NoOfQSOs(); ++i) {
        TQSO& q = *log.QSOs(i);
        // The comment stays, and so does the flag that says the line has one: a native
        // log stores a comment only behind that flag.
        const SQSOFlags kept = q.Comment().empty() ? SQSOFlags{} : SQSOFlags{qfCommentAdded};
        if (q.QSOFlags() == kept) continue;
        log.PushUndo(ueaChangeQSO, i);
        q.SetQSOFlags(kept);
        ++changed;
    }
    return changed;
}

bool AllSelectedQSOTimesHasBeenEdited(const TContestLog& log) {
    for (int i = 0; i < log.NoOfQSOs(); ++i)
        if (const TQSO* q = log.QSOs(i); q->Selected() && !q->IsQTC() && !q->TimeHasBeenSet()) return false;
    return true;
}

}  // namespace qz
