// Integer and floating-point text conversions (rules in number_text.h).
#include "base/number_text.h"

#include "base/exceptions.h"
#include "base/hex.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace rq::base {
namespace {

// Precision and decimals are accepted up to 18; more are taken as 18.
constexpr int kMaxDigits = 18;
// Digits taken from a double before any rounding: 15 is what a double holds
// for every decimal input, so a typed 1.005 is 1.005 (and shows as 1.01 with
// two decimals) rather than its binary neighbour 1.00499999999999989...;
// further digits are written as zeros.
constexpr int kSourceDigits = 15;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Parses the magnitude of an integer; limit is the largest magnitude
// allowed (hexadecimal numbers may use the full unsigned range and wrap).
bool parseMagnitude(std::string_view digits, int base, std::uint64_t limit, std::uint64_t& out) {
    if (digits.empty())
        return false;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0 || d >= base)
            return false;
        if (value > (limit - static_cast<std::uint64_t>(d)) / static_cast<std::uint64_t>(base))
            return false;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    out = value;
    return true;
}

bool parseInteger(std::string_view text, int bits, std::int64_t& value) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const std::uint64_t signedMax = (std::uint64_t{1} << (bits - 1)) - 1;
    const std::uint64_t limit =
        base == 16 ? (bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1)
                   : signedMax + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    if (!parseMagnitude(text.substr(i), base, limit, magnitude))
        return false;
    if (base == 16 && magnitude > signedMax) // hexadecimal wraps into the negative range
        magnitude -= (bits == 64 ? 0 : (std::uint64_t{1} << bits));
    const auto raw = static_cast<std::int64_t>(magnitude);
    value = negative ? static_cast<std::int64_t>(0 - magnitude) : raw;
    return true;
}

// The fixed-point text of rounded digits: integer part (grouped when
// thousandSep is not '\0') and exactly `decimals` decimals.
std::string fixedText(const DecimalDigits& d, int decimals, char decimalSep, char thousandSep) {
    auto digitAt = [&d](int idx) {
        return idx >= 0 && idx < static_cast<int>(d.digits.size())
                   ? d.digits[static_cast<std::size_t>(idx)]
                   : '0';
    };
    std::string intPart;
    for (int pos = 0; pos < std::max(d.exponent, 1); ++pos)
        intPart += d.exponent > 0 ? digitAt(pos) : '0';
    if (thousandSep != '\0') {
        std::string grouped;
        for (std::size_t k = 0; k < intPart.size(); ++k) {
            if (k > 0 && (intPart.size() - k) % 3 == 0)
                grouped += thousandSep;
            grouped += intPart[k];
        }
        intPart = grouped;
    }
    if (decimals <= 0)
        return intPart;
    std::string frac;
    for (int k = 0; k < decimals; ++k)
        frac += digitAt(d.exponent + k);
    return intPart + decimalSep + frac;
}

std::string exponentText(int exponent, bool plusSign, int minDigits) {
    std::string digits = std::to_string(std::abs(exponent));
    while (static_cast<int>(digits.size()) < minDigits)
        digits.insert(digits.begin(), '0');
    std::string sign = exponent < 0 ? "-" : (plusSign ? "+" : "");
    return "E" + sign + digits;
}

std::string scientificText(const DecimalDigits& d, int mantissaDigits, char decimalSep,
                           bool plusSign, int minExpDigits) {
    std::string text(1, d.digits.empty() ? '0' : d.digits[0]);
    std::string rest = d.digits.size() > 1 ? d.digits.substr(1) : std::string();
    if (mantissaDigits > 1)
        rest.resize(static_cast<std::size_t>(mantissaDigits - 1), '0');
    if (!rest.empty())
        text += decimalSep + rest;
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    return text + exponentText(exponent, plusSign, minExpDigits);
}

std::string specialText(long double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Places the currency symbol around an amount in the layout CurrencyFormat
// (positive) or NegCurrFormat (negative) selects.
std::string currencyText(const std::string& amount, bool negative, const FormatSettings& s) {
    const std::string& c = s.CurrencyString;
    if (!negative) {
        static const char* const kPositive[] = {"$1", "1$", "$ 1", "1 $"};
        std::string pattern = kPositive[std::clamp(s.CurrencyFormat, 0, 3)];
        std::string out;
        for (char ch : pattern)
            out += ch == '$' ? c : (ch == '1' ? amount : std::string(1, ch));
        return out;
    }
    static const char* const kNegative[] = {"($1)", "-$1",  "$-1",   "$1-",  "(1$)", "-1$",
                                            "1-$",  "1$-",  "-1 $",  "-$ 1", "1 $-", "$ 1-",
                                            "$ -1", "1- $", "($ 1)", "(1 $)"};
    std::string pattern = kNegative[std::clamp(s.NegCurrFormat, 0, 15)];
    std::string out;
    for (char ch : pattern)
        out += ch == '$' ? c : (ch == '1' ? amount : std::string(1, ch));
    return out;
}

} // namespace

std::string intToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string intToHex(std::uint64_t value, int minDigits) {
    std::string text;
    do {
        text.insert(text.begin(), hexDigitChar(static_cast<unsigned>(value & 15)));
        value >>= 4;
    } while (value != 0);
    while (static_cast<int>(text.size()) < minDigits)
        text.insert(text.begin(), '0');
    return text;
}

bool tryStrToInt(std::string_view text, std::int32_t& value) {
    std::int64_t wide = 0;
    if (!parseInteger(text, 32, wide))
        return false;
    value = static_cast<std::int32_t>(wide);
    return true;
}

bool tryStrToInt64(std::string_view text, std::int64_t& value) {
    return parseInteger(text, 64, value);
}

void raiseInvalidInteger(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::int32_t strToInt(std::string_view text) {
    std::int32_t value = 0;
    if (!tryStrToInt(text, value))
        raiseInvalidInteger(text);
    return value;
}

std::int64_t strToInt64(std::string_view text) {
    std::int64_t value = 0;
    if (!tryStrToInt64(text, value))
        raiseInvalidInteger(text);
    return value;
}

namespace {

// The number in either width: a double for the script's and the report's
// values, a long double (x86-64's 80-bit extended type) for the numeric
// field, whose exponents reach 4932. A value beyond the type's range does not
// convert.
template <typename Float>
bool parseFloat(std::string_view text, Float& value, const FormatSettings& settings) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto digitsInto = [&](std::string& to) {
        int count = 0;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i, ++count)
            to += text[i];
        return count;
    };
    while (i < n && isBlank(text[i]))
        ++i;
    // The number rewritten in the C form for from_chars, which ignores the
    // process locale.
    std::string plain;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        plain += text[i++] == '-' ? "-" : "";
    int digits = digitsInto(plain);
    if (i < n && text[i] == settings.DecimalSeparator) {
        plain += '.';
        ++i;
        digits += digitsInto(plain);
    }
    if (digits == 0)
        return false;
    bool tinyExponent = false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        std::string exponent = "e";
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            exponent += text[i++] == '-' ? "-" : "";
        tinyExponent = exponent == "e-";
        if (digitsInto(exponent) > 0)
            plain += exponent;
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return false;
    Float parsed = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (ec == std::errc::result_out_of_range && tinyExponent)
        parsed = 0; // underflow: the value is too small to tell from zero
    else if (ec != std::errc() || end != plain.data() + plain.size() || std::isinf(parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace

bool tryStrToFloat(std::string_view text, double& value, const FormatSettings& settings) {
    return parseFloat(text, value, settings);
}

bool tryStrToFloat(std::string_view text, long double& value, const FormatSettings& settings) {
    return parseFloat(text, value, settings);
}

void raiseInvalidFloat(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

double strToFloat(std::string_view text, const FormatSettings& settings) {
    double value = 0;
    if (!tryStrToFloat(text, value, settings))
        raiseInvalidFloat(text);
    return value;
}

long double strToExtended(std::string_view text, const FormatSettings& settings) {
    long double value = 0;
    if (!tryStrToFloat(text, value, settings))
        raiseInvalidFloat(text);
    return value;
}

DecimalDigits toDecimalDigits(long double value, int significantDigits) {
    DecimalDigits d;
    d.negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value)) {
        d.negative = false;
        return d;
    }
    // "d.dddddddddddddde+XX" from to_chars, which ignores the process locale.
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                       std::chars_format::scientific, kSourceDigits - 1);
    *written.ptr = '\0';
    std::string digits(1, buf[0]);
    digits.append(buf + 2, static_cast<std::size_t>(kSourceDigits - 1));
    d.exponent = std::atoi(buf + kSourceDigits + 2) + 1;
    const int keep = std::min(significantDigits, kSourceDigits);
    if (keep <= 0) {
        // Only the rounding of the first digit can leave something.
        if (keep == 0 && digits[0] >= '5') {
            d.digits = "1";
            d.exponent += 1;
        } else {
            d.negative = false;
            d.exponent = 0;
        }
        return d;
    }
    const bool roundUp = keep < kSourceDigits && digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int k = keep - 1;
        while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9')
            digits[static_cast<std::size_t>(k--)] = '0';
        if (k < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            d.exponent += 1;
        } else {
            ++digits[static_cast<std::size_t>(k)];
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    d.digits = digits;
    if (d.digits.empty()) {
        d.negative = false;
        d.exponent = 0;
    }
    return d;
}

DecimalDigits toDecimalDigitsFixed(long double value, int decimals) {
    if (value == 0 || !std::isfinite(value))
        return toDecimalDigits(value, 0);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    DecimalDigits d = toDecimalDigits(value, exponent + decimals);
    // log10 may be off by one near powers of ten; the rounding above then
    // kept one digit too many or too few, so redo it with the true exponent.
    const DecimalDigits probe = toDecimalDigits(value, kSourceDigits);
    if (probe.exponent != exponent)
        d = toDecimalDigits(value, probe.exponent + decimals);
    return d;
}

namespace {

// Fixed notation when the number has at most `precision` integer digits and
// is not below 0.00001, else scientific with the shortest mantissa.
std::string generalText(long double value, int precision, int minExpDigits, char sep) {
    const DecimalDigits d = toDecimalDigits(value, precision);
    if (d.digits.empty())
        return "0";
    const std::string sign = d.negative ? "-" : "";
    if (d.exponent > precision || d.exponent < -4)
        return sign + scientificText(d, 0, sep, false, minExpDigits);
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
    return sign + fixedText(d, decimals, sep, '\0');
}

// Fixed, Number and Currency: `decimals` decimals, at most `precision`
// significant digits; too many integer digits fall back to the general form.
std::string fixedFamilyText(long double value, FloatFormat format, int precision, int decimals,
                            const FormatSettings& s) {
    const DecimalDigits whole = toDecimalDigits(value, precision);
    if (whole.exponent > precision)
        return generalText(value, precision, 0, s.DecimalSeparator);
    DecimalDigits d = toDecimalDigitsFixed(value, decimals);
    const char thousands = format == FloatFormat::Fixed ? '\0' : s.ThousandSeparator;
    if (format == FloatFormat::Currency)
        return currencyText(fixedText(d, decimals, s.DecimalSeparator, thousands), d.negative, s);
    if (static_cast<int>(d.digits.size()) > precision)
        d = whole;
    return (d.negative ? "-" : "") + fixedText(d, decimals, s.DecimalSeparator, thousands);
}

} // namespace

std::string floatToStrF(long double value, FloatFormat format, int precision, int digits,
                        const FormatSettings& settings) {
    if (!std::isfinite(value))
        return specialText(value);
    precision = std::clamp(precision, 1, kMaxDigits);
    digits = std::clamp(digits, 0, kMaxDigits);
    const char sep = settings.DecimalSeparator;
    switch (format) {
    case FloatFormat::Exponent: {
        const DecimalDigits d = toDecimalDigits(value, precision);
        return (d.negative ? "-" : "") + scientificText(d, precision, sep, true, digits);
    }
    case FloatFormat::General:
        return generalText(value, precision, digits, sep);
    default:
        return fixedFamilyText(value, format, precision, digits, settings);
    }
}

std::string floatToStr(long double value, const FormatSettings& settings) {
    return floatToStrF(value, FloatFormat::General, 15, 0, settings);
}

std::string currToStr(std::int64_t scaled, const FormatSettings& settings) {
    // Exact decimal text of the scaled integer: no binary rounding on the way.
    const bool negative = scaled < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string text = std::to_string(magnitude / 10000);
    std::string frac = std::to_string(magnitude % 10000 + 10000).substr(1);
    while (!frac.empty() && frac.back() == '0')
        frac.pop_back();
    if (!frac.empty())
        text += settings.DecimalSeparator + frac;
    return negative ? "-" + text : text;
}

} // namespace rq::base
