// FormatDateTime: the date-time picture language, and the DateToStr family
// built on it.
#include "base/date_text.h"

#include "base/text1250.h"

#include <algorithm>

namespace rq::base {
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.size() - at >= prefix.size() && sameText(text.substr(at, prefix.size()), prefix);
}

std::string padded(int number, int minDigits) {
    std::string digits = std::to_string(number < 0 ? -static_cast<long long>(number) : number);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return number < 0 ? "-" + digits : digits;
}

// One formatting run. Nested pictures (the short date format inside "c", ...)
// are expanded at most two levels deep, so a picture that names itself
// cannot recurse without end.
class DateFormatter {
public:
    DateFormatter(DateTime value, const FormatSettings& settings)
        : value_(value), s_(settings), date_(decodeDate(value)), time_(decodeTime(value)) {}

    void append(std::string_view picture) {
        if (level_ >= 2)
            return;
        ++level_;
        char lastToken = ' ';
        std::size_t i = 0;
        while (i < picture.size())
            i = element(picture, i, lastToken);
        --level_;
    }

    std::string result() const { return out_; }

private:
    // Formats the element at i; returns the index after it.
    std::size_t element(std::string_view p, std::size_t i, char& lastToken) {
        const char starter = p[i];
        char token = upper(starter);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastToken == 'H')
                token = 'N';
            lastToken = token;
        }
        // A token letter takes the run of its repetitions. The run is only
        // measured for those: measuring it for every other character made a
        // long run of one literal character quadratic.
        std::size_t count = 1;
        if (std::string_view("YMDHNSZTC").find(token) != std::string_view::npos) {
            while (i + count < p.size() && p[i + count] == starter)
                ++count;
        }
        const std::size_t next = i + count;
        const int n = static_cast<int>(std::min<std::size_t>(count, 6));
        switch (token) {
        case 'Y':
            out_ += n <= 2 ? padded(date_.year % 100, 2) : padded(date_.year, 4);
            return next;
        case 'M':
            month(n);
            return next;
        case 'D':
            day(n);
            return next;
        case 'H':
            out_ += padded(twelveHour(p, next) ? hour12() : time_.hour, std::min(n, 2));
            return next;
        case 'N':
            out_ += padded(time_.minute, std::min(n, 2));
            return next;
        case 'S':
            out_ += padded(time_.second, std::min(n, 2));
            return next;
        case 'Z':
            out_ += padded(time_.msec, n == 1 ? 1 : 3);
            return next;
        case 'T':
            append(n == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat);
            return next;
        case 'C':
            whole();
            return next;
        case 'A':
            return ampm(p, i);
        case '/':
            out_ += s_.DateSeparator;
            return i + 1;
        case ':':
            out_ += s_.TimeSeparator;
            return i + 1;
        case '\'':
        case '"':
            return quoted(p, i);
        default:
            out_ += starter;
            return i + 1;
        }
    }

    void month(int n) {
        const int m = std::clamp(date_.month, 1, 12) - 1;
        if (n <= 2)
            out_ += padded(date_.month, n);
        else
            out_ += n == 3 ? s_.ShortMonthNames[static_cast<std::size_t>(m)]
                           : s_.LongMonthNames[static_cast<std::size_t>(m)];
    }

    void day(int n) {
        const auto dow = static_cast<std::size_t>(std::clamp(dayOfWeek(value_), 1, 7) - 1);
        switch (n) {
        case 1:
        case 2:
            out_ += padded(date_.day, n);
            break;
        case 3:
            out_ += s_.ShortDayNames[dow];
            break;
        case 4:
            out_ += s_.LongDayNames[dow];
            break;
        case 5:
            append(s_.ShortDateFormat);
            break;
        default:
            append(s_.LongDateFormat);
            break;
        }
    }

    void whole() {
        append(s_.ShortDateFormat);
        if (time_.hour != 0 || time_.minute != 0 || time_.second != 0) {
            out_ += ' ';
            append(s_.LongTimeFormat);
        }
    }

    int hour12() const {
        if (time_.hour == 0)
            return 12;
        return time_.hour > 12 ? time_.hour - 12 : time_.hour;
    }

    // An hour is on the 12-hour clock when an am/pm element follows before
    // the next hour element; the search stops at the first unquoted "a".
    static bool twelveHour(std::string_view p, std::size_t from) {
        bool quoted = false;
        for (std::size_t k = from; k < p.size(); ++k) {
            const char c = upper(p[k]);
            if (c == '\'' || c == '"')
                quoted = !quoted;
            else if (!quoted && c == 'A')
                return startsWithNoCase(p, k, "AM/PM") || startsWithNoCase(p, k, "A/P") ||
                       startsWithNoCase(p, k, "AMPM");
            else if (!quoted && c == 'H')
                return false;
        }
        return false;
    }

    std::size_t ampm(std::string_view p, std::size_t i) {
        const bool pm = time_.hour >= 12;
        if (startsWithNoCase(p, i, "AM/PM")) {
            out_ += p.substr(pm ? i + 3 : i, 2);
            return i + 5;
        }
        if (startsWithNoCase(p, i, "A/P")) {
            out_ += p.substr(pm ? i + 2 : i, 1);
            return i + 3;
        }
        if (startsWithNoCase(p, i, "AMPM")) {
            out_ += pm ? s_.TimePMString : s_.TimeAMString;
            return i + 4;
        }
        const auto dow = static_cast<std::size_t>(std::clamp(dayOfWeek(value_), 1, 7) - 1);
        if (startsWithNoCase(p, i, "AAAA")) {
            out_ += s_.LongDayNames[dow];
            return i + 4;
        }
        if (startsWithNoCase(p, i, "AAA")) {
            out_ += s_.ShortDayNames[dow];
            return i + 3;
        }
        out_ += p[i];
        return i + 1;
    }

    // A literal runs to the matching quote, or to the end of the picture.
    std::size_t quoted(std::string_view p, std::size_t i) {
        const std::size_t close = p.find(p[i], i + 1);
        const std::size_t end = close == std::string_view::npos ? p.size() : close;
        out_ += p.substr(i + 1, end - i - 1);
        return close == std::string_view::npos ? p.size() : close + 1;
    }

    DateTime value_;
    const FormatSettings& s_;
    DateParts date_;
    TimeParts time_;
    std::string out_;
    int level_ = 0;
};

} // namespace

std::string formatDateTime(std::string_view picture, DateTime value,
                           const FormatSettings& settings) {
    DateFormatter formatter(value, settings);
    formatter.append(picture.empty() ? std::string_view("c") : picture);
    return formatter.result();
}

std::string dateToStr(DateTime value, const FormatSettings& settings) {
    return formatDateTime("ddddd", value, settings);
}

std::string timeToStr(DateTime value, const FormatSettings& settings) {
    return formatDateTime("tt", value, settings);
}

std::string dateTimeToStr(DateTime value, const FormatSettings& settings) {
    return formatDateTime("c", value, settings);
}

} // namespace rq::base
