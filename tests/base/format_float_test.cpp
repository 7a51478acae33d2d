// FormatFloat: picture sections, placeholders, grouping, exponents, literals.
#include "base/format_float.h"

#include <gtest/gtest.h>

namespace rq::base {
namespace {

struct Case {
    const char* picture;
    double value;
    const char* expected;
};

TEST(FormatFloat, PictureTable) {
    const Case cases[] = {
        // digits and rounding (halves away from zero, on the decimal value)
        {"0", 0, "0"},
        {"0", 1.5, "2"},
        {"0", 2.5, "3"},
        {"0", -1.5, "-2"},
        {"#", 0, ""},
        {"#.##", 0.5, ".5"},
        {"#.##", 1.005, "1.01"},
        {"0.00", 0.125, "0.13"},
        {"0.00", 1234.5678, "1234.57"},
        {"0.0", 0.15, "0.2"},
        {"0.###", 3.14159, "3.142"},
        {"0.###", 2, "2"},
        {"00000", 123, "00123"},
        {"000.000", -1.5, "-001.500"},
        {"0.#####", 0.000001, "0"},
        {"0.00", 999999999999999, "999999999999999.00"},
        // grouping
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0.00", -1234567.891, "-1,234,567.89"},
        {"#,##0", 999.5, "1,000"},
        {",0", 1234567, "1,234,567"},
        {"0,000", 12, "0,012"},
        {"#,#", 1234, "1,234"},
        {",0.##############", 1234.5, "1,234.5"},
        {",0.##############", 0.1, "0.1"},
        {",0.##############", 123456789.123456789, "123,456,789.123457"},
        // scientific
        {"#.##E+00", 1234.5678, "1.23E+03"},
        {"0.00E+00", 1234, "1.23E+03"},
        {"0.00E+00", 0.00012345, "1.23E-04"},
        {"00.00E+00", 1234, "12.34E+02"},
        {"0.0E-0", 1234, "1.2E3"},
        {"0.0E-0", 0.001234, "1.2E-3"},
        {"0.00e+000", -98765, "-9.88e+004"},
        {"#E+0", 12345, "1E+4"},
        {"0.00E+00", 0, "0.00E+00"},
        {"E+", 5, "E+"},
        {"0E+", 5, "5E+"},
        // The exponent ends the number: placeholders after it write nothing
        // (a later "#" once read before the digits' start).
        {"0E+00#", 12345, "1E+04"},
        {"#,#0.0E+0 #,##x", 12345, "123.5E+2 x"},
        // sections
        {"0;(0)", -5, "(5)"},
        {"0;(0)", 5, "5"},
        {"0;(0);\"zero\"", 0, "zero"},
        {"0;(0);\"zero\"", 0.3, "zero"},
        {"0;(0);zero", -0.3, "zero"},
        {"0.0;;'nothing'", 0, "nothing"},
        {"0.0;", -3.25, "-3.3"},
        {"0;-0;0;0", -1, "-1"},
        {";", 5, "5"},
        // literals and odd pictures
        {"'Total: '0.00", 5, "Total: 5.00"},
        {"\"Total: \"#,##0.00\" Ft\"", 12345.6, "Total: 12,345.60 Ft"},
        {"00-00", 1234, "12-34"},
        {"0-0-0", 12345, "123-4-5"},
        {"abc", 5, "abc"},
        {"abc", -5, "-abc"},
        {"0.00%", 0.256, "0.26%"},
        {"0.", 1, "1"},
        {".0", 0.5, ".5"},
        {"0.0.0", 1.25, "1.25"},
        {"#'#'0", 5, "#5"},
        {"'unterminated", 5, "unterminated"},
        {"0\"x", 5, "5x"},
        // general form
        {"", 1.5, "1.5"},
        {"", 1e20, "1E20"},
        {"0.00", 1e20, "1E20"},
        {"#", 1e17, "100000000000000000"},
        // a value that rounds to zero has no minus sign
        {"0", -0.4, "0"},
        {"0.00", -0.001, "0.00"},
    };
    const FormatSettings s;
    for (const auto& c : cases)
        EXPECT_EQ(formatFloat(c.picture, c.value, s), c.expected)
            << "picture " << c.picture << " value " << c.value;
}

TEST(FormatFloat, SeparatorsComeFromTheSettings) {
    FormatSettings hu;
    hu.DecimalSeparator = ',';
    hu.ThousandSeparator = '\xA0';
    EXPECT_EQ(formatFloat(",0.##############", 1234567.25, hu), "1\xA0"
                                                                "234\xA0"
                                                                "567,25");
    EXPECT_EQ(formatFloat("0.00", 2, hu), "2,00");
}

TEST(FormatFloat, CurrentSettingsAreTheDefault) {
    FormatSettingsScope scope;
    formatSettings().DecimalSeparator = ',';
    EXPECT_EQ(formatFloat("0.0", 1.5), "1,5");
}

TEST(FormatFloat, MalformedPicturesNeverReadPastTheEnd) {
    const char* pictures[] = {"'",   "\"", ";;;", "E",   "e-",       "0E-",   "0.E+0000000",
                              ",,,", ".",  "#;",  "0;'", "\"0\";\"", "0E+0;'"};
    const FormatSettings s;
    for (const char* p : pictures) {
        EXPECT_NO_THROW((void)formatFloat(p, 1234.5, s)) << p;
        EXPECT_NO_THROW((void)formatFloat(p, -0.5, s)) << p;
        EXPECT_NO_THROW((void)formatFloat(p, 0, s)) << p;
    }
}

} // namespace
} // namespace rq::base
