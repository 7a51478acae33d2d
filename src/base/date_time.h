// Calendar arithmetic on the date-time value: a double counting days
// since 30 December 1899, the fraction being the time of day (for dates before
// that day the fraction still counts forward from midnight). Years 1..9999.
#pragma once

#include <cstdint>

namespace rq::base {

using DateTime = double;

constexpr int kHoursPerDay = 24;
constexpr int kMinsPerHour = 60;
constexpr int kSecsPerMin = 60;
constexpr int kMSecsPerSec = 1000;
constexpr std::int64_t kMSecsPerDay = 86400000;

struct DateParts {
    int year = 0;  // 0 for a value outside years 1..9999
    int month = 0; // 1..12
    int day = 0;   // 1..31
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

bool isLeapYear(int year);
// Days of the month (29 for February in a leap year); 0 for a month outside
// 1..12.
int daysInMonth(int year, int month);

bool tryEncodeDate(int year, int month, int day, DateTime& value);
bool tryEncodeTime(int hour, int minute, int second, int msec, DateTime& value);
// Raise EConvertError "Invalid argument to date encode" / "... time encode".
DateTime encodeDate(int year, int month, int day);
DateTime encodeTime(int hour, int minute, int second, int msec);

// The time of day is rounded to the millisecond; a value that rounds up to
// midnight belongs to the next day. Non-finite and out-of-range values
// decode to zero parts.
DateParts decodeDate(DateTime value);
TimeParts decodeTime(DateTime value);
// 1 for Sunday .. 7 for Saturday.
int dayOfWeek(DateTime value);

// Today at midnight, the time of day on day 0, and both together: the
// script's Date, Time and Now.
DateTime currentDate();
DateTime currentTime();
DateTime now();

// Joins a date and a time of day (the time counts forward
// from midnight also for dates before 30 December 1899).
DateTime combineDateTime(DateTime date, DateTime time);

} // namespace rq::base
