// IntToStr, StrToInt, StrToFloat, FloatToStr and FloatToStrF.
#include "base/number_text.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale.h>

namespace rq::base {
namespace {

using test::outcome;

struct TextCase {
    const char* input;
    const char* expected; // the result as text, or "error: " and the message
};

TEST(NumberText, StrToInt) {
    const TextCase cases[] = {
        {"0", "0"},
        {"42", "42"},
        {"  -17", "-17"},
        {"+5", "5"},
        {"2147483647", "2147483647"},
        {"-2147483648", "-2147483648"},
        {"$FF", "255"},
        {"0x1f", "31"},
        {"$FFFFFFFF", "-1"},
        {"2147483648", "error: '2147483648' is not a valid integer value"},
        {"12a", "error: '12a' is not a valid integer value"},
        {"12 ", "error: '12 ' is not a valid integer value"},
        {"", "error: '' is not a valid integer value"},
        {"-", "error: '-' is not a valid integer value"},
        {"1.5", "error: '1.5' is not a valid integer value"},
        {"$", "error: '$' is not a valid integer value"},
        {"$1FFFFFFFF", "error: '$1FFFFFFFF' is not a valid integer value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return intToStr(strToInt(c.input)); }), c.expected) << c.input;
}

TEST(NumberText, StrToInt64CoversTheWideRange) {
    EXPECT_EQ(strToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(strToInt64("$7FFFFFFFFFFFFFFF"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(outcome([] { return intToStr(strToInt64("9223372036854775808")); }),
              "error: '9223372036854775808' is not a valid integer value");
}

TEST(NumberText, StrToFloatWithCommaSeparator) {
    FormatSettings s;
    s.DecimalSeparator = ',';
    const TextCase cases[] = {
        {"1,5", "1.5"},
        {" -2,25 ", "-2.25"},
        {"1E3", "1000"},
        {"1,5e-2", "0.015"},
        {"2E", "2"},
        {"2e+", "2"},
        {",5", "0.5"},
        {"5,", "5"},
        {"1.5", "error: '1.5' is not a valid floating point value"},
        {"1 000", "error: '1 000' is not a valid floating point value"},
        {"", "error: '' is not a valid floating point value"},
        {"-", "error: '-' is not a valid floating point value"},
        {",", "error: ',' is not a valid floating point value"},
        {"E5", "error: 'E5' is not a valid floating point value"},
        {"1e400", "error: '1e400' is not a valid floating point value"},
        {"INF", "error: 'INF' is not a valid floating point value"},
        {"0x10", "error: '0x10' is not a valid floating point value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return floatToStr(strToFloat(c.input, s)); }), c.expected)
            << c.input;
}

// The extended conversions reach a long double's exponents (up to 4932),
// and their text keeps the exponent a double would lose.
TEST(NumberText, StrToExtendedCoversTheExtendedRange) {
    const TextCase cases[] = {
        {"5E1800", "5E1800"},
        {"-1,5E-4000", "-1,5E-4000"},
        {"9E4931", "9E4931"},
        {"1,5", "1,5"},
        {"2E4932", "error: '2E4932' is not a valid floating point value"},
        {"1E5000", "error: '1E5000' is not a valid floating point value"},
    };
    FormatSettings s;
    s.DecimalSeparator = ',';
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return floatToStr(strToExtended(c.input, s), s); }), c.expected)
            << c.input;
}

struct FloatCase {
    double value;
    const char* expected;
};

TEST(NumberText, FloatToStrIsShortestGeneralTextOf15Digits) {
    const FloatCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {100, "100"},
        {-0.5, "-0.5"},
        {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"},
        {12345678901234.5, "12345678901234.5"},
        {123456789012345678.0, "1.23456789012346E17"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {1.5e-7, "1.5E-7"},
        {1e-300, "1E-300"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::nan(""), "NAN"},
    };
    const FormatSettings s;
    for (const auto& c : cases)
        EXPECT_EQ(floatToStr(c.value, s), c.expected) << c.value;
    FormatSettings comma;
    comma.DecimalSeparator = ',';
    EXPECT_EQ(floatToStr(-1.25e-7, comma), "-1,25E-7");
}

TEST(NumberText, FloatToStrFFormats) {
    struct Case {
        const char* name;
        double value;
        FloatFormat format;
        int precision;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {"exponent", 1e20, FloatFormat::Exponent, 15, 3, "1.00000000000000E+020"},
        {"exponent negative", -1.5, FloatFormat::Exponent, 4, 2, "-1.500E+00"},
        {"exponent small", 0.000123, FloatFormat::Exponent, 3, 1, "1.23E-4"},
        {"exponent rounds up", 9.996, FloatFormat::Exponent, 2, 3, "1.0E+001"},
        {"fixed halves away", 2.5, FloatFormat::Fixed, 15, 0, "3"},
        {"fixed negative halves away", -2.5, FloatFormat::Fixed, 15, 0, "-3"},
        {"fixed decimal input", 1.005, FloatFormat::Fixed, 15, 2, "1.01"},
        {"fixed negative zero", -0.0004, FloatFormat::Fixed, 15, 3, "0.000"},
        {"fixed limited by precision", 1.23456789, FloatFormat::Fixed, 5, 8, "1.23460000"},
        {"fixed too wide", 1e20, FloatFormat::Fixed, 18, 2, "1E20"},
        {"number", 1234567.891, FloatFormat::Number, 18, 2, "1,234,567.89"},
        {"number rounds into group", 999.9996, FloatFormat::Number, 18, 3, "1,000.000"},
        {"number negative", -1234567.5, FloatFormat::Number, 18, 0, "-1,234,568"},
        {"currency", 1234.5, FloatFormat::Currency, 18, 2, "$1,234.50"},
        {"currency negative", -1234.5, FloatFormat::Currency, 18, 2, "($1,234.50)"},
        {"general", 1234.5, FloatFormat::General, 3, 0, "1.23E3"},
        {"general small", 0.00012345, FloatFormat::General, 3, 0, "0.000123"},
    };
    const FormatSettings s;
    for (const auto& c : cases)
        EXPECT_EQ(floatToStrF(c.value, c.format, c.precision, c.digits, s), c.expected) << c.name;
}

TEST(NumberText, CurrencyLayoutsFollowTheSettings) {
    FormatSettings s;
    s.CurrencyString = "Ft";
    s.CurrencyFormat = 3;
    s.NegCurrFormat = 8;
    s.ThousandSeparator = ' ';
    s.DecimalSeparator = ',';
    EXPECT_EQ(floatToStrF(1234.5, FloatFormat::Currency, 18, 0, s), "1 235 Ft");
    EXPECT_EQ(floatToStrF(-1234.5, FloatFormat::Currency, 18, 1, s), "-1 234,5 Ft");
}

TEST(NumberText, CurrToStrIsExact) {
    const FormatSettings s;
    EXPECT_EQ(currToStr(123456, s), "12.3456");
    EXPECT_EQ(currToStr(-5000, s), "-0.5");
    EXPECT_EQ(currToStr(std::numeric_limits<std::int64_t>::min(), s), "-922337203685477.5808");
}

// The desktop program runs with the user's C locale (Qt sets it), whose
// decimal comma must not leak into the conversions.
TEST(NumberText, IgnoresTheProcessLocale) {
    locale_t comma = newlocale(LC_NUMERIC_MASK, "hu_HU.UTF-8", static_cast<locale_t>(nullptr));
    if (comma == static_cast<locale_t>(nullptr))
        comma = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
    if (comma == static_cast<locale_t>(nullptr))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const locale_t previous = uselocale(comma);
    const FormatSettings s;
    const std::string text = floatToStr(strToFloat("1.25", s), s);
    const std::string exponent = floatToStrF(1234.5, FloatFormat::Exponent, 5, 2, s);
    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(text, "1.25");
    EXPECT_EQ(exponent, "1.2345E+03");
}

} // namespace
} // namespace rq::base
