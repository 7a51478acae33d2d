// Regional settings from QLocale into the current format settings.
#include "app/user_locale.h"

#include "base/text1250.h"

#include <QLocale>

namespace rq::app {
namespace {

constexpr char kNoBreakSpace = '\xA0';

// A separator character in Windows-1250. Locales that group with a thin or
// narrow space get the no-break space, the code page's only space of that
// kind; other characters outside the code page keep the default.
char separatorOf(const QString& text, char fallback) {
    if (text.size() != 1)
        return fallback;
    const QChar c = text[0];
    if (base::hasCp1250(c.unicode()))
        return static_cast<char>(base::unicodeToCp1250(c.unicode()));
    return c.isSpace() ? kNoBreakSpace : fallback;
}

// Qt's short date pattern uses the same letters as the classic one (d, M,
// y, quoted literals); its first punctuation character is the date
// separator.
char dateSeparatorOf(const QString& pattern, char fallback) {
    for (const QChar c : pattern)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return separatorOf(QString(c), fallback);
    return fallback;
}

} // namespace

base::FormatSettings withLocale(base::FormatSettings settings, const QLocale& locale) {
    settings.DecimalSeparator = separatorOf(locale.decimalPoint(), settings.DecimalSeparator);
    settings.ThousandSeparator = separatorOf(locale.groupSeparator(), settings.ThousandSeparator);
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    settings.ShortDateFormat = base::utf8ToCp1250(pattern.toStdString());
    settings.DateSeparator = dateSeparatorOf(pattern, settings.DateSeparator);
    return settings;
}

void applyUserLocale() {
    base::setFormatSettings(withLocale(base::formatSettings(), QLocale::system()));
}

} // namespace rq::app
