// Windows-1250 texts of the dialogs to and from Qt strings.
#pragma once

#include "base/text1250.h"

#include <QString>

#include <string_view>

namespace rq::dialogs {

inline QString toQString(std::string_view text1250) {
    return QString::fromStdString(rq::base::cp1250ToUtf8(text1250));
}

inline rq::base::AnsiString fromQString(const QString& text) {
    return rq::base::utf8ToCp1250(text.toStdString());
}

} // namespace rq::dialogs
