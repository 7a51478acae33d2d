// MulDiv of the renderers: a scaled integer rounded half away from zero (used
// for point sizes). Coordinates round halves to even with base::roundToInt.
#pragma once

#include <cstdint>

namespace rq::report::render {

// number * numerator / denominator rounded half away from zero.
inline int mulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = (denominator < 0 ? -denominator : denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) /
                                   (denominator < 0 ? -denominator : denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace rq::report::render
