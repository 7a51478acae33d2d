// The process-wide current format settings.
#include "format_settings.h"

namespace rq::base {

FormatSettings defaultFormatSettings() {
    return FormatSettings{};
}

FormatSettings& formatSettings() {
    static FormatSettings current;
    return current;
}

void setFormatSettings(const FormatSettings& settings) {
    formatSettings() = settings;
}

} // namespace rq::base
