// The sizes the text layout accepts. A report document may carry any font
// height and any spacing; the layout's device arithmetic is in whole pixels,
// so values that would overflow it are refused with a message naming them
// instead of drawing garbage or crashing.
#pragma once

#include <cstddef>
#include <string_view>

namespace rq::report::render {

// Font sizes up to 2048 points (over twice an A4 page's height) in either
// sign (a positive font height gives a negative size).
inline constexpr int kMaxFontPoints = 2048;
// Spacings, gaps and text boxes: pixels (at 96 per inch, or device pixels).
inline constexpr long double kMaxLayoutPixels = 1000000;
// Device pixels per report pixel (zoom times resolution / 96).
inline constexpr long double kMaxLayoutScale = 100;

// Raise rq::base::Exception with "<what> <value> is out of range".
void checkFontSize(int points);
void checkLayoutLength(std::string_view what, long double pixels);
void checkLayoutScale(long double scale);
// A line of `length` characters in a font `height` pixels high (each
// character at most twice as wide as high, plus the spacing) must keep its
// width within the integer range: "Text too wide to lay out".
void checkLineWidth(std::size_t length, int height, int charSpacing);
// "Text too high to lay out" beyond the integer range's reach.
void checkBlockHeight(long double pixels);

} // namespace rq::report::render
