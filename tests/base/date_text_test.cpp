// Calendar arithmetic, FormatDateTime and the date and time parsers.
#include "base/date_text.h"

#include "base/number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rq::base {
namespace {

using test::outcome;

TEST(DateTime, EncodeDecodeRoundTrip) {
    struct Case {
        int year, month, day;
        double value;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},       {1899, 12, 31, 1},    {1900, 1, 1, 2},
        {2000, 1, 1, 36526},     {2000, 2, 29, 36585}, {1, 1, 1, -693593},
        {9999, 12, 31, 2958465}, {1899, 12, 29, -1},   {2024, 2, 29, 45351},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeDate(c.year, c.month, c.day), c.value) << c.year << '-' << c.month;
        const DateParts parts = decodeDate(c.value);
        EXPECT_EQ(parts.year, c.year);
        EXPECT_EQ(parts.month, c.month);
        EXPECT_EQ(parts.day, c.day);
    }
}

TEST(DateTime, EncodeRejectsInvalidParts) {
    const int bad[][3] = {{2023, 2, 29}, {0, 1, 1},     {10000, 1, 1},
                          {2000, 13, 1}, {2000, 4, 31}, {2000, 1, 0}};
    for (const auto& b : bad)
        EXPECT_EQ(outcome([&] { return floatToStr(encodeDate(b[0], b[1], b[2])); }),
                  "error: Invalid argument to date encode");
    EXPECT_EQ(outcome([] { return floatToStr(encodeTime(24, 0, 0, 0)); }),
              "error: Invalid argument to time encode");
    EXPECT_EQ(outcome([] { return floatToStr(encodeTime(1, 60, 0, 0)); }),
              "error: Invalid argument to time encode");
    EXPECT_EQ(outcome([] { return floatToStr(encodeTime(1, 0, 0, 1000)); }),
              "error: Invalid argument to time encode");
}

TEST(DateTime, TimeOfDayRoundsToTheMillisecond) {
    EXPECT_EQ(encodeTime(12, 0, 0, 0), 0.5);
    const TimeParts t = decodeTime(encodeDate(2000, 1, 1) + encodeTime(13, 14, 15, 678));
    EXPECT_EQ(t.hour, 13);
    EXPECT_EQ(t.minute, 14);
    EXPECT_EQ(t.second, 15);
    EXPECT_EQ(t.msec, 678);
    // A value just before midnight rounds into the next day.
    const double late = 36526.9999999999;
    EXPECT_EQ(decodeTime(late).hour, 0);
    EXPECT_EQ(decodeDate(late).day, 2);
    // Before 30 December 1899 the fraction still counts forward from midnight.
    EXPECT_EQ(decodeTime(-1.25).hour, 6);
    EXPECT_EQ(decodeDate(-1.25).day, 29);
}

TEST(DateTime, OutOfRangeValuesDecodeToZeroParts) {
    for (double v : {1e300, -1e300, std::nan(""), HUGE_VAL, 2958466.0, -693594.0}) {
        EXPECT_EQ(decodeDate(v).year, 0) << v;
        EXPECT_NO_THROW((void)formatDateTime("c dddd mmmm", v));
    }
}

TEST(DateTime, CalendarHelpers) {
    EXPECT_EQ(dayOfWeek(encodeDate(1899, 12, 30)), 7); // Saturday
    EXPECT_EQ(dayOfWeek(encodeDate(2024, 3, 10)), 1);  // Sunday
    EXPECT_EQ(dayOfWeek(-1.25), 6);                    // Friday 29 December 1899
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2023));
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 2), 28);
    EXPECT_EQ(daysInMonth(2023, 4), 30);
    EXPECT_EQ(daysInMonth(2023, 13), 0);
}

TEST(DateTime, NowSplitsIntoDateAndTime) {
    const double date = currentDate();
    EXPECT_EQ(date, std::trunc(date));
    EXPECT_GT(date, encodeDate(2020, 1, 1));
    const double time = currentTime();
    EXPECT_GE(time, 0);
    EXPECT_LT(time, 1);
    EXPECT_NEAR(now(), date + time, 1.0); // across midnight at most a day apart
}

struct FormatCase {
    const char* picture;
    double value;
    const char* expected;
};

TEST(FormatDateTime, PictureTable) {
    const FormatCase cases[] = {
        {"c", 36526.5, "1/1/2000 12:00:00 PM"},
        {"c", 36526, "1/1/2000"},
        {"", 36526.25, "1/1/2000 6:00:00 AM"},
        {"c", 0.25, "12/30/1899 6:00:00 AM"},
        {"c", -1.25, "12/29/1899 6:00:00 AM"},
        {"c", 2958465.99999999, "12/31/9999 11:59:59 PM"},
        {"d/m/yy", 36526.75, "1/1/00"},
        {"dd/mm/yyyy", 36526, "01/01/2000"},
        {"ddd dddd", 36526, "Sat Saturday"},
        {"ddddd", 36526.5, "1/1/2000"},
        {"dddddd", 36526.5, "Saturday, January 1, 2000"},
        {"dddddddd", 36526, "Saturday, January 1, 2000"},
        {"m mm mmm mmmm", 36891, "12 12 Dec December"},
        {"mmmmm", 36526, "January"},
        {"yy yyy yyyy y", 36891, "00 2000 2000 00"},
        {"h:n:s.z", 36526.0000115741, "0:0:1.0"},
        {"hh:nn:ss.zzz", 36526.5416782407, "13:00:01.000"},
        {"zz", 36526.0000115741, "000"},
        {"h:mm", 36526.5416782407, "13:00"},
        {"hh:mm:ss", 36526.5416782407, "13:00:01"},
        {"mm/dd h m", 36526.75, "01/01 18 0"},
        {"h:mm am/pm", 36526.5416782407, "1:00 pm"},
        {"h:mm AM/PM", 36526.0416782407, "1:00 AM"},
        {"h:mm a/p", 36526.8, "7:12 p"},
        {"h:mm A/P", 36526.1, "2:24 A"},
        {"h:mm ampm", 36526.8, "7:12 PM"},
        {"h ampm", 36526, "12 AM"},
        {"hh am/pm", 36526.5, "12 pm"},
        {"hhh nnn sss zzzz", 36526.5, "12 00 00 000"},
        {"t", 36526.8, "7:12 PM"},
        {"tt", 36526.8, "7:12:00 PM"},
        {"aaa aaaa", 36526, "Sat Saturday"},
        {"'yyyy' \"mm\" yyyy", 36526, "yyyy mm 2000"},
        {"'unterminated", 36526, "unterminated"},
        {"\"unterminated", 36526, "unterminated"},
        {"dd-mm-yyyy hh\"h\"nn", 36526.75, "01-01-2000 18h00"},
        {"d mmmm yyyy, h:nn", 45000.999999, "15 March 2023, 23:59"},
        {"xyz", 36526, "x000"},
        {"yyyy.mm.dd.", -1.25, "1899.12.29."},
    };
    const FormatSettings s;
    for (const auto& c : cases)
        EXPECT_EQ(formatDateTime(c.picture, c.value, s), c.expected) << c.picture;
}

TEST(FormatDateTime, HungarianSettings) {
    FormatSettings hu;
    hu.DateSeparator = '.';
    hu.ShortDateFormat = "yyyy.MM.dd.";
    hu.LongTimeFormat = "H:mm:ss";
    hu.LongMonthNames[2] = "m\xE1rcius";
    EXPECT_EQ(dateToStr(45000, hu), "2023.03.15.");
    EXPECT_EQ(formatDateTime("yyyy/mm/dd", 45000, hu), "2023.03.15");
    EXPECT_EQ(dateTimeToStr(45000.75, hu), "2023.03.15. 18:00:00");
    EXPECT_EQ(timeToStr(0.75, hu), "18:00:00");
    EXPECT_EQ(formatDateTime("yyyy. mmmm d.", 45000, hu), "2023. m\xE1rcius 15.");
}

TEST(FormatDateTime, SelfReferencingSettingsStopExpanding) {
    FormatSettings loop;
    loop.ShortDateFormat = "c ddddd";
    loop.LongTimeFormat = "tt";
    EXPECT_NO_THROW((void)formatDateTime("c", 36526.5, loop));
    EXPECT_NO_THROW((void)formatDateTime("ddddd", 36526.5, loop));
}

struct ParseCase {
    const char* text;
    const char* expected; // the value through "yyyy-mm-dd hh:nn:ss.zzz", or the error
};

std::string parsed(DateTime value) {
    return formatDateTime("yyyy-mm-dd hh:nn:ss.zzz", value);
}

TEST(StrToDate, ParseTable) {
    FormatSettingsScope scope{defaultFormatSettings()};
    const ParseCase cases[] = {
        {"1/2/2000", "2000-01-02 00:00:00.000"},
        {" 12 / 31 / 1999 ", "1999-12-31 00:00:00.000"},
        {"2/29/2000", "2000-02-29 00:00:00.000"},
        {"2/29/2001", "error: '2/29/2001' is not a valid date"},
        {"13/1/2000", "error: '13/1/2000' is not a valid date"},
        {"1-2-2000", "error: '1-2-2000' is not a valid date"},
        {"1/2/2000x", "error: '1/2/2000x' is not a valid date"},
        {"", "error: '' is not a valid date"},
        {"1/", "error: '1/' is not a valid date"},
        {"1/2/2000/", "2000-01-02 00:00:00.000"},
        {"1/2/2000//", "error: '1/2/2000//' is not a valid date"},
        {"1/1/9999", "9999-01-01 00:00:00.000"},
        {"1/1/10000", "error: '1/1/10000' is not a valid date"},
        {"00001/1/2000", "error: '00001/1/2000' is not a valid date"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return parsed(strToDate(c.text)); }), c.expected) << c.text;
}

TEST(StrToDate, OrderFollowsTheShortDateFormat) {
    FormatSettings hu;
    hu.DateSeparator = '.';
    hu.ShortDateFormat = "yyyy.MM.dd.";
    EXPECT_EQ(parsed(strToDate("2023.03.15", hu)), "2023-03-15 00:00:00.000");
    EXPECT_EQ(parsed(strToDate("2023.03.15.", hu)), "2023-03-15 00:00:00.000");
    EXPECT_EQ(parsed(strToDateTime("2023.03.15. 18:05:00", hu)), "2023-03-15 18:05:00.000");
    FormatSettings de;
    de.DateSeparator = '.';
    de.ShortDateFormat = "dd.MM.yyyy";
    EXPECT_EQ(parsed(strToDate("15.3.2023", de)), "2023-03-15 00:00:00.000");
    const int year = decodeDate(currentDate()).year;
    EXPECT_EQ(decodeDate(strToDate("15.3", de)).year, year);
    EXPECT_EQ(decodeDate(strToDate("15.3.", de)).month, 3);
}

TEST(StrToDate, TwoDigitYearsLieWithinFiftyYearsOfNow) {
    const int year = decodeDate(currentDate()).year;
    for (int yy : {0, 25, 49, 50, 75, 99}) {
        const int got = decodeDate(strToDate("1/1/" + std::to_string(yy))).year;
        EXPECT_EQ(got % 100, yy);
        EXPECT_GE(got, year - 50);
        EXPECT_LT(got, year + 50);
    }
}

TEST(StrToTime, ParseTable) {
    const ParseCase cases[] = {
        {"13:14", "1899-12-30 13:14:00.000"},
        {"13:14:15", "1899-12-30 13:14:15.000"},
        {"13:14:15.5", "1899-12-30 13:14:15.005"},
        {"1:00 PM", "1899-12-30 13:00:00.000"},
        {"12:30 am", "1899-12-30 00:30:00.000"},
        {"12 PM", "1899-12-30 12:00:00.000"},
        {"AM 9:05", "1899-12-30 09:05:00.000"},
        {"13:00 PM", "error: '13:00 PM' is not a valid time"},
        {"24:00", "error: '24:00' is not a valid time"},
        {"10:60", "error: '10:60' is not a valid time"},
        {"10", "1899-12-30 10:00:00.000"},
        {"10:", "error: '10:' is not a valid time"},
        {"", "error: '' is not a valid time"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return parsed(strToTime(c.text)); }), c.expected) << c.text;
}

TEST(StrToDateTime, ParseTable) {
    const ParseCase cases[] = {
        {"1/2/2000 13:14:15", "2000-01-02 13:14:15.000"},
        {"1/2/2000", "2000-01-02 00:00:00.000"},
        {"6:00 AM", "1899-12-30 06:00:00.000"},
        {"12/29/1899 6:00", "1899-12-29 06:00:00.000"},
        {"1/2/2000 25:00", "error: '1/2/2000 25:00' is not a valid date and time"},
        {"tomorrow", "error: 'tomorrow' is not a valid date and time"},
        // Year 10000 is not year 1000 followed by a time of 0 o'clock.
        {"1/1/10000", "error: '1/1/10000' is not a valid date and time"},
        {"1/1/2000 12:00:00.12345", "error: '1/1/2000 12:00:00.12345' is not a valid date and time"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return parsed(strToDateTime(c.text)); }), c.expected) << c.text;
    EXPECT_EQ(strToDateTime("12/29/1899 6:00"), -1.25);
}

TEST(DateText, RoundTripThroughText) {
    const double value = encodeDate(2023, 3, 15) + encodeTime(18, 5, 7, 0);
    EXPECT_EQ(strToDateTime(dateTimeToStr(value)), value);
    EXPECT_EQ(strToDate(dateToStr(value)), encodeDate(2023, 3, 15));
    EXPECT_EQ(strToTime(timeToStr(value)), encodeTime(18, 5, 7, 0));
}

} // namespace
} // namespace rq::base
