// The two ways a floating-point value becomes a whole number: to the nearest
// with halves to even (coordinates to device pixels, Round, float variants to
// integers) and truncation toward zero (Trunc, integer division).
#pragma once

#include <cmath>
#include <cstdint>

namespace rq::base {

// Nearest whole value, halves to the even neighbour: 2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2. Independent of the floating-point rounding mode.
inline double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// Toward zero: 2.7 -> 2, -2.7 -> -2.
inline double truncate(double value) {
    return std::trunc(value);
}

// The same, as integers. Values outside the int range (and NaN) saturate to
// its limits so that a wild coordinate never becomes undefined behaviour.
int roundToInt(double value);
int truncToInt(double value);
std::int64_t roundToInt64(double value);

} // namespace rq::base
