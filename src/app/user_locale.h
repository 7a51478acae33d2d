// The user's regional settings taken over at start-up: decimal separator,
// thousands separator and short date format (with its date separator) go
// into the base library's current format settings.
#pragma once

#include "base/format_settings.h"

class QLocale;

namespace rq::app {

// settings with the separators and the short date format of locale.
base::FormatSettings withLocale(base::FormatSettings settings, const QLocale& locale);
// Applies the system locale to the current format settings.
void applyUserLocale();

} // namespace rq::app
