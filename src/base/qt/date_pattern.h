// A locale's date pattern in Qt's notation turned into the program's date
// picture: the field letters carry over, literal text is quoted wherever the
// picture would read it as a field or as a separator.
#pragma once

#include <QChar>

#include <string>

class QString;

namespace rq::base::qt {

// The date separator of pattern: its first punctuation character outside
// quotes, or fallback when it has none.
QChar dateSeparatorOf(const QString& pattern, QChar fallback);
// pattern as a date picture (UTF-8) for a program whose date separator is
// dateSeparator: that character stays bare (the picture's "/" prints the
// separator), every other literal that the picture would read as a field, a
// separator or a quote is quoted.
std::string pictureFromDatePattern(const QString& pattern, QChar dateSeparator);

} // namespace rq::base::qt
