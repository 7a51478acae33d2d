// Fuzz target of the text routines behind the script's Format, FormatFloat,
// FormatDateTime, FormatMaskText, FloatToStrF and StrTo... functions: any
// picture with any value gives a text or the routine's own conversion error.
// Input: one byte choosing the routine, then the picture, a NUL, the value.
// Run: fuzz_format fuzz/corpus/format
#include "base/date_text.h"
#include "base/exceptions.h"
#include "base/format.h"
#include "base/format_float.h"
#include "base/number_text.h"
#include "base/variant.h"
#include "script/edit_mask.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace rq::base;

// A value text as the script would pass it: an integer, a float or a string.
Variant argument(std::string_view text) {
    std::int64_t integer = 0;
    double real = 0;
    if (tryStrToInt64(text, integer))
        return integer >= INT_MIN && integer <= INT_MAX ? Variant(static_cast<int>(integer))
                                                        : Variant::fromInt64(integer);
    if (tryStrToFloat(text, real))
        return Variant(real);
    return Variant(text);
}

// Comma-separated arguments of Format.
std::vector<Variant> arguments(std::string_view text) {
    std::vector<Variant> list;
    while (!text.empty()) {
        const auto comma = text.find(',');
        list.push_back(argument(text.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return list;
}

// The value as a double: its text when it reads as a number, else its first
// eight bytes as they lie (so infinities, NaNs and huge dates come up too).
double number(std::string_view text) {
    double value = 0;
    if (tryStrToFloat(text, value))
        return value;
    char bytes[sizeof value] = {};
    if (!text.empty()) // an empty view may have no data at all
        std::memcpy(bytes, text.data(), std::min(text.size(), sizeof bytes));
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void run(unsigned char routine, std::string_view picture, std::string_view value) {
    switch (routine % 7) {
    case 0:
        format(picture, arguments(value));
        break;
    case 1:
        formatFloat(picture, number(value));
        break;
    case 2:
        formatDateTime(picture, number(value));
        break;
    case 3:
        rq::script::FormatMaskText(picture, value);
        break;
    case 4: {
        const int precision = picture.empty() ? 15 : static_cast<unsigned char>(picture[0]) % 24;
        const int digits = picture.size() < 2 ? 2 : static_cast<unsigned char>(picture[1]) % 24;
        const auto kind = static_cast<FloatFormat>(routine / 7 % 5);
        floatToStrF(number(value), kind, precision, digits);
        break;
    }
    case 5:
        strToInt(value);
        break;
    default:
        switch (routine / 7 % 5) {
        case 0:
            strToInt64(value);
            break;
        case 1:
            strToFloat(value);
            break;
        case 2:
            strToDate(value);
            break;
        case 3:
            strToTime(value);
            break;
        default:
            strToDateTime(value);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto nul = input.find('\0');
    const std::string_view picture = input.substr(0, nul);
    const std::string_view value =
        nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
    try {
        run(data[0], picture, value);
    } catch (const Exception&) {
        // The routines' conversion errors are the expected answer to bad input.
    }
    return 0;
}
