// Locale date patterns in Qt's notation as the program's date pictures, and
// the dates those pictures print.
#include "base/qt/date_pattern.h"

#include "base/date_text.h"
#include "base/date_time.h"
#include "base/text1250.h"

#include <QString>

#include <gtest/gtest.h>

namespace rq::base::qt {
namespace {

TEST(DatePattern, PicturesPrintWhatThePatternShows) {
    struct Case {
        const char* name;
        const char* pattern;
        char separator;      // the date separator found in the pattern
        const char* picture; // in UTF-8
        const char* printed; // 15 March 2023 with that separator
    };
    const Case cases[] = {
        {"Hungarian", "yyyy. MM. dd.", '.', "yyyy. MM. dd.", "2023. 03. 15."},
        {"US slashes", "MM/dd/yyyy", '/', "MM/dd/yyyy", "03/15/2023"},
        {"two-digit year", "dd.MM.yy", '.', "dd.MM.yy", "15.03.23"},
        {"month name", "d MMMM yyyy", '/', "d MMMM yyyy", "15 March 2023"},
        {"ISO dashes", "yyyy-MM-dd", '-', "yyyy-MM-dd", "2023-03-15"},
        {"quoted word", "dd 'de' MMMM", '/', "dd\" de \"MMMM", "15 de March"},
        {"word after a dot", "d. M. yyyy 'r.'", '.', "d. M. yyyy\" r.\"", "15. 3. 2023 r."},
        {"slash beside another separator", "dd-MM/yy", '-', "dd-MM\"/\"yy", "15-03/23"},
        {"quote character", "dd''MM", '/', "dd\"'\"MM", "15'03"},
        {"quote inside a quoted word", "'o''clock' d", '/', "\"o'clock \"d", "o'clock 15"},
        {"bare letters of other meanings", "d h M", '/', "d\" h \"M", "15 h 3"},
        {"pattern without fields", "'today'", '/', "\"today\"", "today"},
    };
    const double date = encodeDate(2023, 3, 15);
    for (const auto& c : cases) {
        const QString pattern = QString::fromUtf8(c.pattern);
        const QChar separator = dateSeparatorOf(pattern, QLatin1Char('/'));
        EXPECT_EQ(separator, QLatin1Char(c.separator)) << c.name;
        const std::string picture = pictureFromDatePattern(pattern, separator);
        EXPECT_EQ(picture, c.picture) << c.name;
        FormatSettings settings = defaultFormatSettings();
        settings.DateSeparator = c.separator;
        EXPECT_EQ(formatDateTime(utf8ToCp1250(picture), date, settings), c.printed) << c.name;
    }
}

} // namespace
} // namespace rq::base::qt
