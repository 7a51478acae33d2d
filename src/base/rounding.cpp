// Saturating whole-number conversions.
#include "base/rounding.h"

#include <limits>

namespace rq::base {
namespace {

template <typename Int> Int saturate(long double whole) {
    if (std::isnan(whole))
        return 0;
    if (whole <= static_cast<long double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (whole >= static_cast<long double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(whole);
}

} // namespace

int roundToInt(long double value) {
    return saturate<int>(roundHalfEven(value));
}

int truncToInt(long double value) {
    return saturate<int>(std::trunc(value));
}

std::int64_t roundToInt64(long double value) {
    return saturate<std::int64_t>(roundHalfEven(value));
}

} // namespace rq::base
