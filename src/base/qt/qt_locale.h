// The user's regional settings as Qt's locale data carries them: decimal
// separator, thousands separator and short date format (with its date
// separator). The desktop program and rq0612-tool both take their format
// settings from here, so that a number or a date reads the same in the
// window, on the printed certificate and in the tool's output.
#pragma once

#include "base/format_settings.h"

class QLocale;

namespace rq::base::qt {

// settings with the separators and the short date format of locale.
FormatSettings withLocale(FormatSettings settings, const QLocale& locale);
// The defaults with the running user's locale (QLocale::system(), from
// LC_ALL, LC_NUMERIC, LC_TIME and LANG) applied.
FormatSettings userFormatSettings();

} // namespace rq::base::qt
