// The one place where report numbers become text and back: the general
// float text with the current decimal separator (attributes, differences),
// the lenient reading that accepts "." and "," alike, and the shortest
// exact text used by listings.
#pragma once

#include "report/model/types.h"

#include <string>
#include <string_view>

namespace rq::report::model {

// FloatToStr with the current format settings.
std::string floatText(Extended value);
// Every "," and "." counts as the decimal separator, blanks are ignored;
// raises the conversion error when the rest is no number.
Extended floatFromText(std::string_view text);
// The shortest text that reads back to exactly the same value, with ".".
std::string shortestText(Extended value);

} // namespace rq::report::model
