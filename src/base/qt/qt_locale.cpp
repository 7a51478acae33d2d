// Regional settings from QLocale, turned into the core's format settings.
#include "base/qt/qt_locale.h"

#include "base/qt/date_pattern.h"
#include "base/text1250.h"

#include <QLocale>

namespace rq::base::qt {
namespace {

constexpr char kNoBreakSpace = '\xA0';

// A separator character in Windows-1250. Locales that group with a thin or
// narrow space get the no-break space, the code page's only space of that
// kind; other characters outside the code page keep the default.
char separatorOf(const QString& text, char fallback) {
    if (text.size() != 1)
        return fallback;
    const QChar c = text[0];
    if (hasCp1250(c.unicode()))
        return static_cast<char>(unicodeToCp1250(c.unicode()));
    return c.isSpace() ? kNoBreakSpace : fallback;
}

} // namespace

FormatSettings withLocale(FormatSettings settings, const QLocale& locale) {
    settings.DecimalSeparator = separatorOf(locale.decimalPoint(), settings.DecimalSeparator);
    settings.ThousandSeparator = separatorOf(locale.groupSeparator(), settings.ThousandSeparator);
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    const QChar separator = dateSeparatorOf(pattern, QLatin1Char(settings.DateSeparator));
    settings.DateSeparator = separatorOf(QString(separator), settings.DateSeparator);
    settings.ShortDateFormat = utf8ToCp1250(pictureFromDatePattern(pattern, separator));
    return settings;
}

FormatSettings userFormatSettings() {
    return withLocale(defaultFormatSettings(), QLocale::system());
}

} // namespace rq::base::qt
