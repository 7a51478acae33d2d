// The numeric field's editing rules. Every rule works on the text and the
// caret only; the widget applies the resulting state.
#include "widgets/num_edit_rules.h"

#include "base/format_float.h"
#include "base/number_text.h"

#include <algorithm>
#include <cctype>

namespace rq::widgets {
namespace {

constexpr int kMaxDigits = 15;     // integer and decimal digits together
constexpr int kDecimalPlaces = 14; // "#" places of the open-ended pattern

int indexOf(const std::string& text, char c) {
    const auto at = text.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

std::string pattern(const NumEditFormat& format, int decimals, char decimalMark) {
    std::string result = format.numberFormat == TNumberFormat::Thousands ? ",0" : "0";
    if (decimals != 0)
        result += '.';
    if (decimals > 0)
        result.append(static_cast<std::size_t>(decimals), decimalMark);
    return result;
}

base::FormatSettings settingsOf(const NumEditFormat& format) {
    base::FormatSettings settings = base::formatSettings();
    settings.DecimalSeparator = format.decimalSeparator;
    settings.ThousandSeparator = format.thousandSeparator;
    return settings;
}

} // namespace

NumEditFormat numEditFormat(int decimals, TNumberFormat numberFormat,
                            const base::FormatSettings& settings) {
    return {decimals, numberFormat, settings.DecimalSeparator, settings.ThousandSeparator};
}

std::string withoutGrouping(std::string_view text, const NumEditFormat& format) {
    std::string result;
    for (const char c : text)
        if (c != format.thousandSeparator)
            result += c;
    return result;
}

namespace {

std::string plainNumber(std::string_view text, const NumEditFormat& format) {
    std::string plain = withoutGrouping(text, format);
    if (plain.empty())
        plain = "0";
    else if (plain == "-")
        plain = "-0";
    return plain;
}

} // namespace

long double parseNumber(std::string_view text, const NumEditFormat& format) {
    return base::strToExtended(plainNumber(text, format), settingsOf(format));
}

bool holdsNumber(std::string_view text, const NumEditFormat& format) {
    long double value = 0;
    return base::tryStrToFloat(plainNumber(text, format), value, settingsOf(format));
}

std::string formatNumber(long double value, const NumEditFormat& format) {
    const auto settings = settingsOf(format);
    const bool open = format.decimals < 0;
    std::string text = base::formatFloat(
        pattern(format, open ? kDecimalPlaces : format.decimals, open ? '#' : '0'), value,
        settings);
    const int separator = indexOf(text, format.decimalSeparator);
    if (contains(text, 'E') || contains(text, 'e') || separator < 0)
        return text;
    const int integerDigits = static_cast<int>(std::count_if(
        text.begin(), text.begin() + separator, [](char c) { return c >= '0' && c <= '9'; }));
    const int room = std::max(0, kMaxDigits - integerDigits);
    if (open)
        return base::formatFloat(pattern(format, room, '#'), value, settings);
    if (room >= format.decimals)
        return text;
    text = base::formatFloat(pattern(format, room, '0'), value, settings);
    if (room == 0)
        text += format.decimalSeparator;
    return text + std::string(static_cast<std::size_t>(format.decimals - room), '0');
}

} // namespace rq::widgets
