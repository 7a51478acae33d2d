// Range checks of the text layout's inputs and of the sizes derived from them.
#include "report/render/layout_limits.h"

#include "base/exceptions.h"
#include "base/number_text.h"

#include <climits>
#include <cmath>
#include <string>

namespace rq::report::render {
namespace {

// Derived device sizes stay below this, leaving room for sums of a few.
constexpr long double kMaxDerivedPixels = INT_MAX / 4;

[[noreturn]] void raiseOutOfRange(std::string_view what, const std::string& value) {
    throw base::Exception(std::string(what) + " " + value + " is out of range");
}

} // namespace

void checkFontSize(int points) {
    if (points < -kMaxFontPoints || points > kMaxFontPoints)
        raiseOutOfRange("Font size", std::to_string(points));
}

void checkLayoutLength(std::string_view what, long double pixels) {
    if (!(std::fabs(pixels) <= kMaxLayoutPixels))
        raiseOutOfRange(what, base::floatToStr(static_cast<double>(pixels)));
}

void checkLayoutScale(long double scale) {
    if (!(scale > 0 && scale <= kMaxLayoutScale))
        raiseOutOfRange("Scale", base::floatToStr(static_cast<double>(scale)));
}

void checkLineWidth(std::size_t length, int height, int charSpacing) {
    const long double widest = 2.0L * std::fabs(static_cast<long double>(height)) +
                               std::fabs(static_cast<long double>(charSpacing));
    if (static_cast<long double>(length) * widest > kMaxDerivedPixels)
        throw base::Exception("Text too wide to lay out");
}

void checkBlockHeight(long double pixels) {
    if (!(std::fabs(pixels) <= kMaxDerivedPixels))
        throw base::Exception("Text too high to lay out");
}

} // namespace rq::report::render
