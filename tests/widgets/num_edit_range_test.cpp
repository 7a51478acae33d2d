// The numeric field's typing rules at the edge of the number range: however
// many digits are typed, the field's text reads back as its value; the digit
// that would leave the field's range (the 80-bit extended type) is refused
// like an exponent digit.
#include "widgets/num_edit_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace rq::widgets {
namespace {

// Types the characters at the end of the text; the number of refusals.
int typeAll(NumEditState& state, const std::string& keys, const NumEditFormat& format) {
    int refused = 0;
    for (const char c : keys) {
        state.selStart = static_cast<int>(state.text.size());
        state.selLength = 0;
        if (typeChar(state, c, format) == CharResult::Refused)
            ++refused;
    }
    return refused;
}

TEST(NumEditRange, EndlessDigitsStayReadable) {
    const struct {
        const char* name;
        std::string keys;
    } cases[] = {
        {"IntegerDigits", "-1234" + std::string(5000, '0')},
        {"AfterAnExponent", "9E300" + std::string(20, '9')},
    };
    NumEditFormat format;
    format.decimalSeparator = '.';
    format.thousandSeparator = ',';
    for (const auto& c : cases) {
        NumEditState state;
        state.text = formatNumber(0, format);
        const int refused = typeAll(state, c.keys, format);
        EXPECT_GT(refused, 0) << c.name;
        EXPECT_TRUE(std::isfinite(parseNumber(state.text, format))) << c.name << ": " << state.text;
    }
}

} // namespace
} // namespace rq::widgets
