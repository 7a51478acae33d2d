// Format settings from a user's locale. The locale's own description (UTF-8
// texts and C-library date pictures such as "%Y. %m. %d.") is turned into
// the classic settings here, independent of where it came from; the query of
// the running system lives in system_locale_posix.cpp. The desktop program
// builds its settings from QLocale::system() instead and installs them with
// setFormatSettings(); the command-line tool uses userFormatSettings().
#pragma once

#include "base/format_settings.h"

#include <array>
#include <string>

namespace rq::base {

// What a locale says about numbers, dates and money; texts are UTF-8, date
// and time formats use the C library's "%" conversions.
struct LocaleInfo {
    std::string decimalPoint; // "," for Hungarian
    std::string thousandsSep; // may be empty or a multi-byte space
    std::string dateFormat;   // D_FMT, e.g. "%Y. %m. %d."
    std::string timeFormat;   // T_FMT, e.g. "%H:%M:%S"
    std::string amString;     // empty when the locale has no 12-hour clock
    std::string pmString;
    std::array<std::string, 12> monthNames; // January first
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 7> dayNames; // Sunday first
    std::array<std::string, 7> shortDayNames;
    std::string currencySymbol;   // "Ft"
    bool currencyPrecedes = true; // symbol before the amount
    bool currencySpace = false;   // a blank between symbol and amount
    int currencyDecimals = 2;
};

// The classic settings for a locale: separators from the number and date
// formats, pictures translated from the C library's conversions (texts
// converted to Windows-1250), the long date format composed in the order of
// the short one, the short time format being the long one without seconds.
FormatSettings formatSettingsFromLocale(const LocaleInfo& info);

// Translates a C-library date/time format ("%Y. %m. %d.") into a picture
// ("yyyy. MM. dd."); letters outside conversions are quoted.
std::string pictureFromCFormat(const std::string& cFormat);

// The running user's locale (LC_ALL, LC_* and LANG of the environment);
// the English-neutral defaults for the C and POSIX locales or when the
// locale is not available.
FormatSettings userFormatSettings();

// Platform part: fills info from the environment's locale; false for the
// C/POSIX locale or an unavailable one.
bool queryUserLocale(LocaleInfo& info);

} // namespace rq::base
