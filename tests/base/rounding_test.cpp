// Rounding halves to even and truncation, including the saturating forms.
#include "base/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace rq::base {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        double nearest;
        double truncated;
    } cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 3},
        {-2.5, -2, -2},
        {-3.5, -4, -3},
        {0.5, 0, 0},
        {-0.5, -0.0, 0},
        {1.4999, 1, 1},
        {2.7, 3, 2},
        {-2.7, -3, -2},
        {1e15 + 0.5, 1e15, 1e15},
        {4503599627370497, 4503599627370497, 4503599627370497},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.nearest) << c.value;
        EXPECT_EQ(truncate(c.value), c.truncated) << c.value;
    }
}

TEST(Rounding, IntegerFormsSaturate) {
    EXPECT_EQ(roundToInt(2.5), 2);
    EXPECT_EQ(roundToInt(-3.5), -4);
    EXPECT_EQ(truncToInt(-2.7), -2);
    EXPECT_EQ(roundToInt(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(roundToInt(-1e20), std::numeric_limits<int>::min());
    EXPECT_EQ(truncToInt(NAN), 0);
    EXPECT_EQ(roundToInt64(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundToInt64(-4503599627370496.5), -4503599627370496);
}

} // namespace
} // namespace rq::base
