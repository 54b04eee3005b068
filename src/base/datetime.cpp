#include "base/datetime.h"

#include <cmath>
#include <ctime>

namespace qz {

namespace {

constexpr std::int64_t kMSecsPerDay = 86400000;
// Day number of 1899-12-30 counted from 0001-01-01 as day 0.
constexpr std::int64_t kDateDelta = 693593;

std::int64_t DaysFromCivil(int y, int m, int d) {
    // Days since 0001-01-01 (day 0), proleptic Gregorian.
    std::int64_t days = 0;
    int yy = y - 1;
    days = static_cast<std::int64_t>(yy) * 365 + yy / 4 - yy / 100 + yy / 400;
    static const int cum[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    days += cum[m - 1] + d - 1;
    if (m > 2 && IsLeapYear(y)) days += 1;
    return days;
}

CivilDate CivilFromDays(std::int64_t days) {
    // days: since 0001-01-01 (days >= 0). Counted in 400-year eras from 0000-03-01, so
    // that the leap day ends a year: no month loop and no leap-year test. Unsigned, so
    // that every division by a constant can become a multiplication.
    const std::uint64_t z = static_cast<std::uint64_t>(days) + 306;  // 0000-03-01 is day -306
    const std::uint64_t era = z / 146097;
    const auto doe = static_cast<std::uint32_t>(z - era * 146097);                    // [0, 146096]
    const std::uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const std::uint32_t mp = (5 * doy + 2) / 153;                                     // March = 0
    CivilDate r;
    r.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    r.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    r.year = static_cast<int>(yoe + era * 400 + (r.month <= 2 ? 1 : 0));
    return r;
}

// Whole milliseconds of a TDateTime, split into day number and time of day.
void SplitMs(TDateTime dt, std::int64_t& day, std::int64_t& msOfDay) {
    const double ms = dt * static_cast<double>(kMSecsPerDay);
    // Rounded half away from zero, as std::round does, without the library call: below
    // 2^63 the conversion truncates exactly and the fraction it leaves is exact.
    std::int64_t total = 0;
    if (std::isfinite(ms) && std::fabs(ms) <= 9.0e17) {
        total = static_cast<std::int64_t>(ms);
        const double fraction = ms - static_cast<double>(total);
        if (fraction >= 0.5) ++total;
        else if (fraction <= -0.5) --total;
    }
    day = total / kMSecsPerDay;
    msOfDay = total % kMSecsPerDay;
    if (msOfDay < 0) msOfDay = -msOfDay;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0) && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
    static const int dim[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : dim[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (!IsValidDate(year, month, day)) return false;
    value = static_cast<double>(DaysFromCivil(year, month, day) - kDateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime v = 0;
    TryEncodeDate(year, month, day, v);
    return v;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return false;
    value = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + msec) / static_cast<double>(kMSecsPerDay);
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime v = 0;
    TryEncodeTime(hour, minute, second, msec, v);
    return v;
}

bool IsValidDay(TDateTime dt) {
    std::int64_t day, ms;
    SplitMs(dt, day, ms);
    static const std::int64_t lastDay = DaysFromCivil(9999, 12, 31);
    const std::int64_t z = day + kDateDelta;
    return z >= 0 && z <= lastDay;
}

CivilDate DecodeDate(TDateTime dt) {
    std::int64_t day, ms;
    SplitMs(dt, day, ms);
    std::int64_t z = day + kDateDelta;
    if (z < 0) return CivilDate{};
    return CivilFromDays(z);
}

CivilTime DecodeTime(TDateTime dt) {
    std::int64_t day, ms;
    SplitMs(dt, day, ms);
    CivilTime t;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.msec = static_cast<int>(ms % 1000);
    return t;
}

TDateTime DatePart(TDateTime dt) {
    std::int64_t day, ms;
    SplitMs(dt, day, ms);
    return static_cast<double>(day);
}

TDateTime TimePart(TDateTime dt) {
    std::int64_t day, ms;
    SplitMs(dt, day, ms);
    return static_cast<double>(ms) / static_cast<double>(kMSecsPerDay);
}

TDateTime CombineDateTime(TDateTime date, TDateTime time) {
    TDateTime d = DatePart(date);
    TDateTime t = TimePart(time);
    return d >= 0 ? d + t : d - t;
}

TDateTime IncMonth(TDateTime dt, int months) {
    CivilDate d = DecodeDate(dt);
    int total = d.year * 12 + (d.month - 1) + months;
    int year = total / 12;
    int month = total % 12 + 1;
    int day = d.day;
    if (year < 1 || year > 9999) return dt;
    int dim = DaysInMonth(year, month);
    if (day > dim) day = dim;
    return CombineDateTime(EncodeDate(year, month, day), dt);
}

TDateTime UnixToDateTime(std::int64_t seconds) { return 25569.0 + static_cast<double>(seconds) / 86400.0; }

TDateTime WholeMinute(TDateTime dt) {
    const CivilTime t = DecodeTime(dt);
    return CombineDateTime(dt, EncodeTime(t.hour, t.minute, 0, 0));
}

TDateTime NowUTC() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::int64_t ms = static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
    return 25569.0 + static_cast<double>(ms) / static_cast<double>(kMSecsPerDay);
}

TDateTime NowLocal() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm lt{};
    localtime_r(&ts.tv_sec, &lt);
    TDateTime d = EncodeDate(lt.tm_year + 1900, lt.tm_mon + 1, lt.tm_mday);
    TDateTime t =
        EncodeTime(lt.tm_hour, lt.tm_min, lt.tm_sec > 59 ? 59 : lt.tm_sec, static_cast<int>(ts.tv_nsec / 1000000));
    return d + t;
}

}  // namespace qz
