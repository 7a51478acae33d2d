// Qt date patterns to the program's date pictures (see date_pattern.h).
#include "base/qt/date_pattern.h"

#include <QString>

namespace rq::base::qt {
namespace {

bool isField(QChar c) {
    return c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y');
}

// Literal characters that a date picture would not print as they are:
// letters (fields, AM/PM, "c", "t"), the separators' stand-ins and quotes.
bool needsQuotes(QChar c, QChar dateSeparator) {
    if (c == dateSeparator)
        return c == QLatin1Char(':') || c == QLatin1Char('\'') || c == QLatin1Char('"');
    return (c.unicode() < 0x80 && c.isLetter()) || c == QLatin1Char('/') || c == QLatin1Char(':') ||
           c == QLatin1Char('\'') || c == QLatin1Char('"');
}

// One run of literal text in the picture's quoting: bare when nothing in it
// needs quotes, otherwise in whichever quote character it does not contain.
QString quoted(const QString& text, QChar dateSeparator) {
    bool plain = true;
    for (const QChar c : text)
        plain = plain && !needsQuotes(c, dateSeparator);
    if (plain)
        return text;
    if (!text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    if (!text.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    QString out;
    for (const QChar c : text)
        out += quoted(QString(c), dateSeparator);
    return out;
}

} // namespace

QChar dateSeparatorOf(const QString& pattern, QChar fallback) {
    bool inQuotes = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            inQuotes = !inQuotes;
        else if (!inQuotes && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

std::string pictureFromDatePattern(const QString& pattern, QChar dateSeparator) {
    QString picture;
    QString literal;
    const auto flush = [&] {
        picture += quoted(literal, dateSeparator);
        literal.clear();
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            // '' is a quote character; 'text' is literal text in which ''
            // again stands for a quote character.
            if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('\'')) {
                literal += c;
                i += 2;
                continue;
            }
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] != QLatin1Char('\''))
                    literal += pattern[i];
                else if (i + 1 < pattern.size() && pattern[i + 1] == QLatin1Char('\''))
                    literal += pattern[i++];
                else
                    break;
            }
            ++i;
        } else if (isField(c)) {
            flush();
            for (; i < pattern.size() && pattern[i] == c; ++i)
                picture += c;
        } else {
            literal += c;
            ++i;
        }
    }
    flush();
    return picture.toStdString();
}

} // namespace rq::base::qt
