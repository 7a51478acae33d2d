// Float text through the base library's number conversions (shortest
// round-trip digits, the format settings' decimal separator).
#include "report/model/float_text.h"

#include "base/number_text.h"

#include <charconv>

namespace rq::report::model {

std::string floatText(Extended value) {
    return base::floatToStr(value);
}

Extended floatFromText(std::string_view text) {
    const char separator = base::formatSettings().DecimalSeparator;
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text) {
        if (c == ' ')
            continue;
        cleaned += (c == ',' || c == '.') ? separator : c;
    }
    return base::strToFloat(cleaned);
}

std::string shortestText(Extended value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace rq::report::model
