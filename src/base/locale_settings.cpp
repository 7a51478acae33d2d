// Locale description to classic format settings.
#include "base/locale_settings.h"

#include "base/text1250.h"

#include <cctype>

namespace rq::base {
namespace {

// One Windows-1250 character for a separator; spaces the code page lacks
// (narrow no-break space, thin space) become the no-break space.
char separatorChar(const std::string& utf8, char fallback) {
    if (utf8.empty())
        return fallback;
    const std::string ansi = utf8ToCp1250(utf8);
    if (ansi.size() == 1 && ansi != "?")
        return ansi[0];
    return '\xA0';
}

struct Conversion {
    char letter;
    const char* picture;
};

// C-library conversions and their picture equivalents; %p is the AM/PM
// element (which puts the hours of the picture on the 12-hour clock).
constexpr Conversion kConversions[] = {
    {'Y', "yyyy"},     {'y', "yy"},
    {'C', "yy"},       {'m', "MM"},
    {'d', "dd"},       {'e', "d"},
    {'b', "MMM"},      {'h', "MMM"},
    {'B', "MMMM"},     {'a', "ddd"},
    {'A', "dddd"},     {'H', "hh"},
    {'k', "h"},        {'I', "hh"},
    {'l', "h"},        {'M', "nn"},
    {'S', "ss"},       {'p', "AMPM"},
    {'P', "am/pm"},    {'T', "hh:nn:ss"},
    {'R', "hh:nn"},    {'r', "hh:nn:ss AMPM"},
    {'D', "MM/dd/yy"}, {'F', "yyyy-MM-dd"},
    {'%', "%"},
};

const char* conversion(char letter) {
    for (const auto& c : kConversions)
        if (c.letter == letter)
            return c.picture;
    return "";
}

// The first punctuation character between two conversions of fmt.
char firstSeparator(const std::string& fmt, char fallback) {
    bool afterField = false;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == '%') {
            afterField = true;
            ++i;
            if (i < fmt.size() && (fmt[i] == 'E' || fmt[i] == 'O' || fmt[i] == '-'))
                ++i;
        } else if (afterField && std::ispunct(static_cast<unsigned char>(fmt[i]))) {
            return fmt[i];
        }
    }
    return fallback;
}

// The date separator stands for "/" in the picture, the time separator for
// ":", so that the separators of the settings apply when they change.
std::string withSeparators(std::string picture, char dateSep, char timeSep, bool date) {
    const char sep = date ? dateSep : timeSep;
    const char mark = date ? '/' : ':';
    bool quoted = false;
    for (char& c : picture) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && c == sep)
            c = mark;
    }
    return picture;
}

std::string longDateFormat(const std::string& shortDate) {
    const std::size_t y = shortDate.find('y');
    const std::size_t d = shortDate.find('d');
    const std::size_t m = shortDate.find('M');
    if (y != std::string::npos && (d == std::string::npos || y < d) &&
        (m == std::string::npos || y < m))
        return "yyyy. MMMM d.";
    if (d != std::string::npos && (m == std::string::npos || d < m))
        return "d MMMM yyyy";
    return "dddd, MMMM d, yyyy";
}

// The long time format without its seconds (and the separator before them).
std::string withoutSeconds(const std::string& longTime) {
    const std::size_t s = longTime.find("ss");
    if (s == std::string::npos)
        return longTime;
    std::size_t from = s;
    while (from > 0 && longTime[from - 1] != 'n')
        --from;
    return longTime.substr(0, from) + longTime.substr(s + 2);
}

template <std::size_t N>
void copyNames(std::array<std::string, N>& to, const std::array<std::string, N>& from) {
    for (std::size_t i = 0; i < N; ++i)
        if (!from[i].empty())
            to[i] = utf8ToCp1250(from[i]);
}

} // namespace

std::string pictureFromCFormat(const std::string& cFormat) {
    std::string out;
    std::string literal; // letters outside conversions, quoted together
    auto flush = [&] {
        if (!literal.empty())
            out += "'" + literal + "'";
        literal.clear();
    };
    for (std::size_t i = 0; i < cFormat.size(); ++i) {
        const char c = cFormat[i];
        if (c == '%' && i + 1 < cFormat.size()) {
            flush();
            char letter = cFormat[++i];
            if ((letter == 'E' || letter == 'O' || letter == '-') && i + 1 < cFormat.size())
                letter = cFormat[++i];
            out += conversion(letter);
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '"' || c == '\'') {
            literal += c == '\'' ? '"' : c;
        } else {
            flush();
            out += c;
        }
    }
    flush();
    return utf8ToCp1250(out);
}

FormatSettings formatSettingsFromLocale(const LocaleInfo& info) {
    FormatSettings s;
    s.DecimalSeparator = separatorChar(info.decimalPoint, '.');
    s.ThousandSeparator = separatorChar(info.thousandsSep, s.DecimalSeparator == ',' ? '.' : ',');
    if (!info.dateFormat.empty()) {
        s.DateSeparator = firstSeparator(info.dateFormat, '/');
        s.ShortDateFormat =
            withSeparators(pictureFromCFormat(info.dateFormat), s.DateSeparator, ':', true);
        s.LongDateFormat = longDateFormat(s.ShortDateFormat);
    }
    if (!info.timeFormat.empty()) {
        s.TimeSeparator = firstSeparator(info.timeFormat, ':');
        s.LongTimeFormat =
            withSeparators(pictureFromCFormat(info.timeFormat), '/', s.TimeSeparator, false);
        s.ShortTimeFormat = withoutSeconds(s.LongTimeFormat);
    }
    s.TimeAMString = utf8ToCp1250(info.amString);
    s.TimePMString = utf8ToCp1250(info.pmString);
    copyNames(s.LongMonthNames, info.monthNames);
    copyNames(s.ShortMonthNames, info.shortMonthNames);
    copyNames(s.LongDayNames, info.dayNames);
    copyNames(s.ShortDayNames, info.shortDayNames);
    if (!info.currencySymbol.empty()) {
        s.CurrencyString = utf8ToCp1250(info.currencySymbol);
        s.CurrencyFormat = (info.currencyPrecedes ? 0 : 1) + (info.currencySpace ? 2 : 0);
        s.NegCurrFormat =
            info.currencyPrecedes ? (info.currencySpace ? 9 : 1) : (info.currencySpace ? 8 : 5);
        s.CurrencyDecimals = info.currencyDecimals;
    }
    return s;
}

FormatSettings userFormatSettings() {
    LocaleInfo info;
    if (!queryUserLocale(info))
        return defaultFormatSettings();
    return formatSettingsFromLocale(info);
}

} // namespace rq::base
