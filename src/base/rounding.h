// The two ways a floating-point value becomes a whole number: to the nearest
// with halves to even (coordinates to device pixels, Round, float variants to
// integers) and truncation toward zero (Trunc, integer division).
#pragma once

#include <cmath>
#include <cstdint>

namespace rq::base {

// Nearest whole value, halves to the even neighbour: 2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2. Independent of the floating-point rounding mode.
template <typename Float> Float roundHalfEven(Float value) {
    const Float floor = std::floor(value);
    const Float diff = value - floor;
    if (diff < Float(0.5))
        return floor;
    if (diff > Float(0.5))
        return floor + 1;
    return std::fmod(floor, Float(2)) == 0 ? floor : floor + 1;
}

// Toward zero: 2.7 -> 2, -2.7 -> -2.
inline double truncate(double value) {
    return std::trunc(value);
}

// The same, as integers. Values outside the integer's range (and NaN)
// saturate to its limits so that a wild coordinate never becomes undefined
// behaviour. The text layout computes in extended precision, so the value is
// taken as long double (a double converts exactly).
int roundToInt(long double value);
int truncToInt(long double value);
std::int64_t roundToInt64(long double value);

} // namespace rq::base
