// Civil dates and times on the TDateTime scale of the file formats: a double of days
// since 1899-12-30 whose fraction is the time of day. The time of day is computed from
// whole milliseconds so that values round-trip to the same bytes.
#pragma once

#include <cstdint>

namespace qz {

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);

// False (value unchanged) for a date that does not exist or lies outside 1..9999.
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
// Caller guarantees a valid date.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value);
TDateTime EncodeTime(int hour, int minute, int second, int msec);

struct CivilDate {
    int year = 0, month = 0, day = 0;
};
struct CivilTime {
    int hour = 0, minute = 0, second = 0, msec = 0;
};
CivilDate DecodeDate(TDateTime dt);
// True when DecodeDate(dt) is a valid date (a day of the years 1 to 9999).
bool IsValidDay(TDateTime dt);
CivilTime DecodeTime(TDateTime dt);

// The whole-day part and the time-of-day part.
TDateTime DatePart(TDateTime dt);
TDateTime TimePart(TDateTime dt);
// Date part of `date` combined with time part of `time`.
TDateTime CombineDateTime(TDateTime date, TDateTime time);
// The same moment without its seconds and milliseconds (a log line's resolution).
TDateTime WholeMinute(TDateTime dt);

// Moves the date by `months` months; a day that does not exist in the target month
// becomes its last day. The time of day is kept.
TDateTime IncMonth(TDateTime dt, int months);

// Current local time and current UTC time.
TDateTime NowLocal();
TDateTime NowUTC();

// Seconds since the Unix epoch converted to TDateTime and back.
TDateTime UnixToDateTime(std::int64_t seconds);

}  // namespace qz
