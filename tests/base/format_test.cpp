// Format: specifiers, arguments by type, and the format errors.
#include "base/format.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace rq::base {
namespace {

using test::outcome;

struct Case {
    const char* fmt;
    std::vector<Variant> args;
    const char* expected;
};

TEST(Format, SpecifierTable) {
    Object object;
    const Case cases[] = {
        {"%d", {Variant(42)}, "42"},
        {"%5d", {Variant(42)}, "   42"},
        {"%-5d|", {Variant(42)}, "42   |"},
        {"%.3d", {Variant(-7)}, "-007"},
        {"%d", {Variant(-2147483647 - 1)}, "-2147483648"},
        {"%d", {Variant::fromInt64(-5000000000)}, "-5000000000"},
        {"%d", {Variant::fromByte(200)}, "200"},
        {"%u", {Variant(-1)}, "4294967295"},
        {"%x", {Variant(255)}, "FF"},
        {"%.4x", {Variant(255)}, "00FF"},
        {"%x", {Variant(-1)}, "FFFFFFFF"},
        {"%X", {Variant::fromInt64(-1)}, "FFFFFFFFFFFFFFFF"},
        {"%e", {Variant(1e20)}, "1.00000000000000E+020"},
        {"%.3e", {Variant(123.456)}, "1.23E+002"},
        {"%.2e", {Variant(9.996)}, "1.0E+001"},
        {"%f", {Variant(1.005)}, "1.01"},
        {"%.0f", {Variant(2.5)}, "3"},
        {"%.0f", {Variant(-2.5)}, "-3"},
        {"%.1f", {Variant(0.05)}, "0.1"},
        {"%8.3f", {Variant(3.14159)}, "   3.142"},
        {"%-8.2f|", {Variant(2.5)}, "2.50    |"},
        {"%.20f", {Variant(1.5)}, "1.500000000000000000"},
        {"%f", {Variant::fromCurrency(2.5)}, "2.50"},
        {"%f", {Variant::fromSingle(0.5f)}, "0.50"},
        {"%n", {Variant(1234567.891)}, "1,234,567.89"},
        {"%.0n", {Variant(-1234567.5)}, "-1,234,568"},
        {"%g", {Variant(1e20)}, "1E20"},
        {"%g", {Variant(0.5)}, "0.5"},
        {"%.3g", {Variant(1234.5)}, "1.23E3"},
        {"%m", {Variant(-1234.5)}, "($1,234.50)"},
        {"%10.2m", {Variant(5.0)}, "     $5.00"},
        {"%.0m", {Variant(99.5)}, "$100"},
        {"%s", {Variant("abc")}, "abc"},
        {"%5s|%-5s|", {Variant("ab"), Variant("cd")}, "   ab|cd   |"},
        {"%.2s", {Variant("abcdef")}, "ab"},
        {"%10.3s", {Variant("abcdef")}, "       abc"},
        {"[%s][%s]", {Variant::null(), Variant()}, "[][]"},
        {"%S", {Variant(std::u16string_view(u"\u0171"))}, "\xFB"},
        {"%%%d%%", {Variant(5)}, "%5%"},
        {"%*d", {Variant(5), Variant(3)}, "    3"},
        {"%-*d|", {Variant(5), Variant(3)}, "3    |"},
        {"%.*d", {Variant(4), Variant(7)}, "0007"},
        {"%1:s %0:s %s", {Variant("a"), Variant("b")}, "b a b"},
        {"x%0:dy%0:d", {Variant(9)}, "x9y9"},
        {"no specifiers", {}, "no specifiers"},
        {"%d", {Variant(1.5)}, "error: Format '%d' invalid or incompatible with argument"},
        {"%f", {Variant(1)}, "error: Format '%f' invalid or incompatible with argument"},
        {"%s", {Variant(1)}, "error: Format '%s' invalid or incompatible with argument"},
        {"%d", {Variant(true)}, "error: Format '%d' invalid or incompatible with argument"},
        {"%d", {Variant("1")}, "error: Format '%d' invalid or incompatible with argument"},
        {"%x", {Variant(1.5)}, "error: Format '%x' invalid or incompatible with argument"},
        {"%p", {Variant(1)}, "error: Format '%p' invalid or incompatible with argument"},
        {"%", {Variant(1)}, "error: Format '%' invalid or incompatible with argument"},
        {"abc%", {Variant(1)}, "error: Format 'abc%' invalid or incompatible with argument"},
        {"%z", {Variant(1)}, "error: Format '%z' invalid or incompatible with argument"},
        {"%5", {Variant(1)}, "error: Format '%5' invalid or incompatible with argument"},
        {"%.", {Variant(1)}, "error: Format '%.' invalid or incompatible with argument"},
        {"%.x", {Variant(1)}, "error: Format '%.x' invalid or incompatible with argument"},
        {"%-", {Variant(1)}, "error: Format '%-' invalid or incompatible with argument"},
        {"%99999d", {Variant(1)}, "error: Format '%99999d' invalid or incompatible with argument"},
        {"%*d",
         {Variant("x"), Variant(1)},
         "error: Format '%*d' invalid or incompatible with argument"},
        {"%d %d", {Variant(1)}, "error: No argument for format '%d %d'"},
        {"%2:d", {Variant(1)}, "error: No argument for format '%2:d'"},
        {"%*d", {}, "error: No argument for format '%*d'"},
    };
    const FormatSettings s;
    for (const auto& c : cases)
        EXPECT_EQ(outcome([&] { return format(c.fmt, c.args, s); }), c.expected) << c.fmt;
}

TEST(Format, PointerIsEightHexDigitsAtLeast) {
    Object object;
    const std::string text = format("%p", {Variant(&object)});
    EXPECT_GE(text.size(), 8u);
    EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(Format, DecimalSeparatorComesFromTheSettings) {
    FormatSettings s;
    s.DecimalSeparator = ',';
    s.ThousandSeparator = '.';
    EXPECT_EQ(format("%n|%e", {Variant(1234.5), Variant(1234.5)}, s),
              "1.234,50|1,23450000000000E+003");
}

} // namespace
} // namespace rq::base
