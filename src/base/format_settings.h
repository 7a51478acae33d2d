// The number and date conventions that every conversion of the base library
// follows: separators, date and time pictures, AM/PM texts, month and day
// names. One process-wide current instance; the desktop program and the tool
// fill it from the user's locale at start-up, tests set it explicitly.
#pragma once

#include <array>
#include <string>

namespace rq::base {

// All texts are Windows-1250. Month names are indexed 0 (January) .. 11,
// day names 0 (Sunday) .. 6 (Saturday).
struct FormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    // Currency text of Format's %m: symbol, position of the symbol for
    // positive amounts (0 "$1", 1 "1$", 2 "$ 1", 3 "1 $") and for negative
    // ones (0 "($1)" .. 15 "(1 $)", sixteen layouts in all), decimals.
    std::string CurrencyString = "$";
    int CurrencyFormat = 0;
    int NegCurrFormat = 0;
    int CurrencyDecimals = 2;
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

// The English-neutral settings the process starts with.
FormatSettings defaultFormatSettings();

// The current settings, read by every conversion that takes none explicitly.
// Single-threaded by design: the program has one user-interface thread.
FormatSettings& formatSettings();
void setFormatSettings(const FormatSettings& settings);

// Restores the previous settings when it goes out of scope: used where a
// caller changes one separator for the duration of a call (also on errors),
// and by tests.
class FormatSettingsScope {
public:
    FormatSettingsScope() : saved_(formatSettings()) {}
    explicit FormatSettingsScope(const FormatSettings& temporary) : saved_(formatSettings()) {
        setFormatSettings(temporary);
    }
    ~FormatSettingsScope() { setFormatSettings(saved_); }
    FormatSettingsScope(const FormatSettingsScope&) = delete;
    FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;

private:
    FormatSettings saved_;
};

} // namespace rq::base
