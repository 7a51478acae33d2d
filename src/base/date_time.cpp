// Calendar arithmetic: proleptic Gregorian days, encode and decode.
#include "base/date_time.h"

#include "base/exceptions.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace rq::base {
namespace {

// Days from 30 December 1899 to 1 January 0001 and to 31 December 9999.
constexpr std::int64_t kMinDay = -693593;
constexpr std::int64_t kMaxDay = 2958465;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateParts civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    DateParts parts;
    parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2 ? 1 : 0));
    return parts;
}

// constexpr so that dates encoded while other statics are being built are right too.
constexpr std::int64_t kEpochOffset = daysFromCivil(1899, 12, 30); // relative to 1970
static_assert(kEpochOffset == -25569);

// Splits a value into a whole day and the milliseconds of its time of day.
bool splitValue(DateTime value, std::int64_t& day, std::int64_t& msec) {
    if (!std::isfinite(value) || value < kMinDay - 1 || value > kMaxDay + 1)
        return false;
    const double whole = std::trunc(value);
    day = static_cast<std::int64_t>(whole);
    msec = std::llround(std::fabs(value - whole) * static_cast<double>(kMSecsPerDay));
    if (msec >= kMSecsPerDay) {
        msec -= kMSecsPerDay;
        day += value < 0 ? -1 : 1;
    }
    return true;
}

} // namespace

bool isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

bool tryEncodeDate(int year, int month, int day, DateTime& value) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month))
        return false;
    value = static_cast<double>(daysFromCivil(year, month, day) - kEpochOffset);
    return true;
}

bool tryEncodeTime(int hour, int minute, int second, int msec, DateTime& value) {
    if (hour < 0 || hour >= kHoursPerDay || minute < 0 || minute >= kMinsPerHour || second < 0 ||
        second >= kSecsPerMin || msec < 0 || msec >= kMSecsPerSec)
        return false;
    const std::int64_t total =
        ((static_cast<std::int64_t>(hour) * kMinsPerHour + minute) * kSecsPerMin + second) *
            kMSecsPerSec +
        msec;
    value = static_cast<double>(total) / static_cast<double>(kMSecsPerDay);
    return true;
}

DateTime encodeDate(int year, int month, int day) {
    DateTime value = 0;
    if (!tryEncodeDate(year, month, day, value))
        throw EConvertError("Invalid argument to date encode");
    return value;
}

DateTime encodeTime(int hour, int minute, int second, int msec) {
    DateTime value = 0;
    if (!tryEncodeTime(hour, minute, second, msec, value))
        throw EConvertError("Invalid argument to time encode");
    return value;
}

DateParts decodeDate(DateTime value) {
    std::int64_t day = 0;
    std::int64_t msec = 0;
    if (!splitValue(value, day, msec) || day < kMinDay || day > kMaxDay)
        return {};
    return civilFromDays(day + kEpochOffset);
}

TimeParts decodeTime(DateTime value) {
    std::int64_t day = 0;
    std::int64_t msec = 0;
    if (!splitValue(value, day, msec))
        return {};
    TimeParts parts;
    parts.msec = static_cast<int>(msec % kMSecsPerSec);
    msec /= kMSecsPerSec;
    parts.second = static_cast<int>(msec % kSecsPerMin);
    msec /= kSecsPerMin;
    parts.minute = static_cast<int>(msec % kMinsPerHour);
    parts.hour = static_cast<int>(msec / kMinsPerHour);
    return parts;
}

int dayOfWeek(DateTime value) {
    std::int64_t day = 0;
    std::int64_t msec = 0;
    if (!splitValue(value, day, msec))
        return 0;
    // 30 December 1899 was a Saturday (7).
    const std::int64_t k = ((day + 6) % 7 + 7) % 7;
    return static_cast<int>(k) + 1;
}

DateTime combineDateTime(DateTime date, DateTime time) {
    return date < 0 ? date - time : date + time;
}

DateTime now() {
    const auto clock = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(clock);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock.time_since_epoch()).count() %
        1000;
    DateTime date = 0;
    DateTime time = 0;
    tryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
    tryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ms),
                  time);
    return date + time;
}

DateTime currentDate() {
    return std::trunc(now());
}

DateTime currentTime() {
    const DateTime value = now();
    return value - std::trunc(value);
}

} // namespace rq::base
