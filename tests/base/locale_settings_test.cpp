// Locale descriptions to format settings.
#include "base/locale_settings.h"

#include "base/date_text.h"
#include "base/format_float.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace rq::base {
namespace {

TEST(LocaleSettings, PicturesFromCLibraryFormats) {
    const struct {
        const char* cFormat;
        const char* picture;
    } cases[] = {
        {"%Y. %m. %d.", "yyyy. MM. dd."},
        {"%m/%d/%Y", "MM/dd/yyyy"},
        {"%d.%m.%y", "dd.MM.yy"},
        {"%e %B %Y", "d MMMM yyyy"},
        {"%H:%M:%S", "hh:nn:ss"},
        {"%I:%M:%S %p", "hh:nn:ss AMPM"},
        {"%r", "hh:nn:ss AMPM"},
        {"%T", "hh:nn:ss"},
        {"%Ey %OH", "yy hh"},
        {"%Hh%M", "hh'h'nn"},
        {"%d de %B", "dd 'de' MMMM"},
        {"100%%", "100%"},
        {"%", "%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFromCFormat(c.cFormat), c.picture) << c.cFormat;
}

LocaleInfo hungarian() {
    LocaleInfo info;
    info.decimalPoint = ",";
    info.thousandsSep = "\xE2\x80\xAF"; // narrow no-break space
    info.dateFormat = "%Y. %m. %d.";
    info.timeFormat = "%H:%M:%S";
    info.monthNames = {"janu\xC3\xA1r",
                       "febru\xC3\xA1r",
                       "m\xC3\xA1rcius",
                       "\xC3\xA1prilis",
                       "m\xC3\xA1jus",
                       "j\xC3\xBAnius",
                       "j\xC3\xBAlius",
                       "augusztus",
                       "szeptember",
                       "okt\xC3\xB3"
                       "ber",
                       "november",
                       "december"};
    info.dayNames = {"vas\xC3\xA1rnap",
                     "h\xC3\xA9tf\xC5\x91",
                     "kedd",
                     "szerda",
                     "cs\xC3\xBCt\xC3\xB6rt\xC3\xB6k",
                     "p\xC3\xA9ntek",
                     "szombat"};
    info.currencySymbol = "Ft";
    info.currencyPrecedes = false;
    info.currencySpace = true;
    info.currencyDecimals = 2;
    return info;
}

TEST(LocaleSettings, HungarianLocale) {
    const FormatSettings s = formatSettingsFromLocale(hungarian());
    EXPECT_EQ(s.DecimalSeparator, ',');
    EXPECT_EQ(s.ThousandSeparator, '\xA0');
    EXPECT_EQ(s.DateSeparator, '.');
    EXPECT_EQ(s.TimeSeparator, ':');
    EXPECT_EQ(s.ShortDateFormat, "yyyy/ MM/ dd/");
    EXPECT_EQ(s.LongTimeFormat, "hh:nn:ss");
    EXPECT_EQ(s.ShortTimeFormat, "hh:nn");
    EXPECT_EQ(s.LongMonthNames[2], "m\xE1rcius");
    EXPECT_EQ(s.LongDayNames[1], "h\xE9tf\xF5");
    EXPECT_EQ(s.ShortMonthNames[0], "Jan"); // names the locale leaves empty stay
    EXPECT_EQ(s.TimeAMString, "");
    EXPECT_EQ(s.CurrencyString, "Ft");
    EXPECT_EQ(s.CurrencyFormat, 3);
    EXPECT_EQ(s.NegCurrFormat, 8);

    const double date = encodeDate(2023, 3, 15) + encodeTime(18, 5, 0, 0);
    EXPECT_EQ(dateToStr(date, s), "2023. 03. 15.");
    EXPECT_EQ(dateTimeToStr(date, s), "2023. 03. 15. 18:05:00");
    EXPECT_EQ(strToDate("2023. 03. 15.", s), encodeDate(2023, 3, 15));
    EXPECT_EQ(formatDateTime("dddddd", date, s), "2023. m\xE1rcius 15.");
    EXPECT_EQ(formatFloat(",0.00", 1234567.5, s), "1\xA0"
                                                  "234\xA0"
                                                  "567,50");
}

TEST(LocaleSettings, EnglishLocaleKeepsTwelveHourClock) {
    LocaleInfo info;
    info.decimalPoint = ".";
    info.thousandsSep = ",";
    info.dateFormat = "%m/%d/%Y";
    info.timeFormat = "%r";
    info.amString = "AM";
    info.pmString = "PM";
    const FormatSettings s = formatSettingsFromLocale(info);
    EXPECT_EQ(s.ShortDateFormat, "MM/dd/yyyy");
    EXPECT_EQ(s.LongDateFormat, "dddd, MMMM d, yyyy");
    EXPECT_EQ(timeToStr(0.75, s), "06:00:00 PM");
    EXPECT_EQ(formatDateTime("t", 0.75, s), "06:00 PM");
}

TEST(LocaleSettings, PlainCLocaleGivesTheDefaults) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved ? saved : "";
    setenv("LC_ALL", "C", 1);
    const FormatSettings s = userFormatSettings();
    if (saved)
        setenv("LC_ALL", restore.c_str(), 1);
    else
        unsetenv("LC_ALL");
    const FormatSettings d = defaultFormatSettings();
    EXPECT_EQ(s.DecimalSeparator, d.DecimalSeparator);
    EXPECT_EQ(s.ShortDateFormat, d.ShortDateFormat);
    EXPECT_EQ(s.LongTimeFormat, d.LongTimeFormat);
}

} // namespace
} // namespace rq::base
