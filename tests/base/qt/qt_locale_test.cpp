// Format settings from Qt's locale data: the separators and short date of a
// few locales, and how Hungarian numbers and dates read with them.
#include "base/qt/qt_locale.h"

#include "base/date_text.h"
#include "base/date_time.h"
#include "base/format_float.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace rq::base::qt {
namespace {

TEST(QtLocale, SeparatorsAndShortDateComeFromTheLocale) {
    struct Case {
        const char* locale;
        char decimal, thousands, dateSeparator;
        const char* shortDate;
    };
    const Case cases[] = {
        {"hu_HU", ',', '\xA0', '.', "yyyy. MM. dd."},
        {"en_US", '.', ',', '/', "M/d/yy"},
        {"de_DE", ',', '.', '.', "dd.MM.yy"},
        {"fr_FR", ',', '\xA0', '/', "dd/MM/yyyy"}, // narrow no-break space
        {"de_CH", '.', '\x92', '.', "dd.MM.yy"},   // right single quotation mark
        {"cs_CZ", ',', '\xA0', '.', "dd.MM.yy"},
        {"bg_BG", ',', '\xA0', '.', "d.MM.yy ?."}, // year mark outside the code page
    };
    for (const auto& c : cases) {
        const auto s = withLocale(defaultFormatSettings(), QLocale(QLatin1String(c.locale)));
        EXPECT_EQ(s.DecimalSeparator, c.decimal) << c.locale;
        EXPECT_EQ(s.ThousandSeparator, c.thousands) << c.locale;
        EXPECT_EQ(s.DateSeparator, c.dateSeparator) << c.locale;
        EXPECT_EQ(s.ShortDateFormat, c.shortDate) << c.locale;
    }
}

TEST(QtLocale, HungarianNumbersAndDatesReadAsOnAHungarianDesktop) {
    const FormatSettings s =
        withLocale(defaultFormatSettings(), QLocale(QLocale::Hungarian, QLocale::Hungary));
    const double date = encodeDate(2023, 3, 15);
    EXPECT_EQ(dateToStr(date, s), "2023. 03. 15.");
    EXPECT_EQ(strToDate("2023. 03. 15.", s), date);
    EXPECT_EQ(formatFloat(",0.00", 1234567.5, s), "1\xA0"
                                                  "234\xA0"
                                                  "567,50");
}

} // namespace
} // namespace rq::base::qt
