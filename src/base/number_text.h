// Integer and floating-point numbers to and from text, with the rules and
// error messages below: IntToStr, StrToInt ("'%s' is not a valid
// integer value"), StrToFloat ("'%s' is not a valid floating point value"),
// FloatToStr (general form, 15 significant digits) and FloatToStrF.
#pragma once

#include "base/format_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rq::base {

std::string intToStr(std::int64_t value);
std::string intToHex(std::uint64_t value, int minDigits);

// Val-style integers: leading blanks, an optional sign, decimal digits or a
// hexadecimal number after "$", "0x" or "0X"; nothing may follow.
bool tryStrToInt(std::string_view text, std::int32_t& value);
bool tryStrToInt64(std::string_view text, std::int64_t& value);
std::int32_t strToInt(std::string_view text);
std::int64_t strToInt64(std::string_view text);
[[noreturn]] void raiseInvalidInteger(std::string_view text);

// Blanks around the number, an optional sign, digits with at most one
// decimal separator, an optional exponent "E"/"e" with optional sign and
// digits (a mark without digits counts as exponent 0). At least one digit.
bool tryStrToFloat(std::string_view text, double& value,
                   const FormatSettings& settings = formatSettings());
// The same in the 80-bit extended range (exponents up to 4932).
bool tryStrToFloat(std::string_view text, long double& value,
                   const FormatSettings& settings = formatSettings());
double strToFloat(std::string_view text, const FormatSettings& settings = formatSettings());
long double strToExtended(std::string_view text, const FormatSettings& settings = formatSettings());
[[noreturn]] void raiseInvalidFloat(std::string_view text);

// The decimal digits of a number: value = 0.d1d2d3... * 10^exponent, with no
// trailing zeros in digits; zero has empty digits. The number is first taken
// to 15 significant digits (all a double holds for decimal input); rounding
// to fewer digits then rounds halves away from zero. The conversions to text
// take long double so that extended values beyond a double's range (the
// numeric field's) keep their exponent; a double converts exactly.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
DecimalDigits toDecimalDigits(long double value, int significantDigits);
// Rounded to a fixed number of digits after the decimal point.
DecimalDigits toDecimalDigitsFixed(long double value, int decimals);

enum class FloatFormat { General, Exponent, Fixed, Number, Currency };

// FloatToStrF: precision is the number of significant digits (1..18, more
// is 18), digits the minimum exponent digits (General, Exponent) or the
// number of decimals (Fixed, Number, Currency; 0..18). Infinity and NaN give
// "INF", "-INF", "NAN".
std::string floatToStrF(long double value, FloatFormat format, int precision, int digits,
                        const FormatSettings& settings = formatSettings());
std::string floatToStr(long double value, const FormatSettings& settings = formatSettings());
// Currency amounts (scaled by 10000) in general form with up to four decimals.
std::string currToStr(std::int64_t scaled, const FormatSettings& settings = formatSettings());

} // namespace rq::base
