// StrToDate, StrToTime and StrToDateTime: a small scanner over the text that
// reads numbers and separators in the order the settings prescribe.
#include "base/date_text.h"

#include "base/exceptions.h"
#include "base/text1250.h"

#include <cmath>

namespace rq::base {
namespace {

enum class DateOrder { MDY, DMY, YMD };

// The order of day, month and year is the order of the first of the letters
// d, m, y in the short date format.
DateOrder dateOrder(std::string_view shortDate) {
    for (char c : shortDate) {
        switch (c) {
        case 'd':
        case 'D':
            return DateOrder::DMY;
        case 'y':
        case 'Y':
            return DateOrder::YMD;
        case 'm':
        case 'M':
            return DateOrder::MDY;
        default:
            break;
        }
    }
    return DateOrder::MDY;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    void blanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool atEnd() {
        blanks();
        return pos_ >= text_.size();
    }
    // One to four digits; digitCount receives how many were read. A fifth
    // digit makes the number too large for any part of a date or time
    // (year 10000 is no year 1000 followed by something else).
    bool number(int& value, int& digitCount) {
        blanks();
        const std::size_t start = pos_;
        digitCount = 0;
        value = 0;
        while (pos_ < text_.size() && digitCount < 4 && isDigit(text_[pos_])) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digitCount;
        }
        if (digitCount > 0 && (pos_ >= text_.size() || !isDigit(text_[pos_])))
            return true;
        pos_ = start;
        return false;
    }
    bool character(char c) {
        blanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w) {
        blanks();
        if (w.empty() || text_.size() - pos_ < w.size() ||
            !sameText(text_.substr(pos_, w.size()), w))
            return false;
        pos_ += w.size();
        return true;
    }
    std::size_t pos() const { return pos_; }
    void setPos(std::size_t p) { pos_ = p; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int expandYear(int year, int digitCount) {
    if (digitCount > 2)
        return year;
    const int current = decodeDate(currentDate()).year;
    const int base = current - 50;
    year += base / 100 * 100;
    if (year < base)
        year += 100;
    return year;
}

bool scanDate(Scanner& in, DateTime& value, const FormatSettings& s) {
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!in.number(n1, l1) || !in.character(s.DateSeparator) || !in.number(n2, l2))
        return false;
    const DateOrder order = dateOrder(s.ShortDateFormat);
    int year = 0, month = 0, day = 0, yearDigits = 4;
    // A separator may end the date ("2023.03.15." in Hungarian).
    const bool third = in.character(s.DateSeparator) && in.number(n3, l3);
    if (third) {
        in.character(s.DateSeparator);
        switch (order) {
        case DateOrder::MDY:
            month = n1, day = n2, year = n3, yearDigits = l3;
            break;
        case DateOrder::DMY:
            day = n1, month = n2, year = n3, yearDigits = l3;
            break;
        case DateOrder::YMD:
            year = n1, month = n2, day = n3, yearDigits = l1;
            break;
        }
        year = expandYear(year, yearDigits);
    } else {
        year = decodeDate(currentDate()).year;
        if (order == DateOrder::DMY)
            day = n1, month = n2;
        else
            month = n1, day = n2;
    }
    return tryEncodeDate(year, month, day, value);
}

// Returns 0 for no mark, 1 for AM, 2 for PM.
int scanAmPm(Scanner& in, const FormatSettings& s) {
    if (in.word(s.TimeAMString) || in.word("AM"))
        return 1;
    if (in.word(s.TimePMString) || in.word("PM"))
        return 2;
    return 0;
}

bool scanTime(Scanner& in, DateTime& value, const FormatSettings& s) {
    int mark = scanAmPm(in, s);
    int hour = 0, minute = 0, second = 0, msec = 0, digits = 0;
    if (!in.number(hour, digits))
        return false;
    if (in.character(s.TimeSeparator)) {
        if (!in.number(minute, digits))
            return false;
        if (in.character(s.TimeSeparator)) {
            if (!in.number(second, digits))
                return false;
            if (in.character(s.DecimalSeparator) && !in.number(msec, digits))
                return false;
        }
    }
    if (mark == 0)
        mark = scanAmPm(in, s);
    if (mark != 0) {
        if (hour > 12)
            return false;
        hour = mark == 1 ? (hour == 12 ? 0 : hour) : (hour == 12 ? 12 : hour + 12);
    }
    return tryEncodeTime(hour, minute, second, msec, value);
}

template <typename Scan>
DateTime convertOrRaise(std::string_view text, const FormatSettings& s, Scan scan,
                        std::string_view what) {
    DateTime value = 0;
    if (!scan(text, value, s))
        throw EConvertError("'" + std::string(text) + "' is not a valid " + std::string(what));
    return value;
}

} // namespace

bool tryStrToDate(std::string_view text, DateTime& value, const FormatSettings& settings) {
    Scanner in(text);
    DateTime date = 0;
    if (!scanDate(in, date, settings) || !in.atEnd())
        return false;
    value = date;
    return true;
}

bool tryStrToTime(std::string_view text, DateTime& value, const FormatSettings& settings) {
    Scanner in(text);
    DateTime time = 0;
    if (!scanTime(in, time, settings) || !in.atEnd())
        return false;
    value = time;
    return true;
}

bool tryStrToDateTime(std::string_view text, DateTime& value, const FormatSettings& settings) {
    Scanner in(text);
    DateTime date = 0;
    DateTime time = 0;
    if (!scanDate(in, date, settings)) {
        return tryStrToTime(text, value, settings);
    }
    if (!in.atEnd() && (!scanTime(in, time, settings) || !in.atEnd()))
        return false;
    value = combineDateTime(date, time);
    return true;
}

DateTime strToDate(std::string_view text, const FormatSettings& settings) {
    return convertOrRaise(text, settings, tryStrToDate, "date");
}

DateTime strToTime(std::string_view text, const FormatSettings& settings) {
    return convertOrRaise(text, settings, tryStrToTime, "time");
}

DateTime strToDateTime(std::string_view text, const FormatSettings& settings) {
    return convertOrRaise(text, settings, tryStrToDateTime, "date and time");
}

} // namespace rq::base
