// FormatFloat: numbers through a picture format.
//
// A picture has up to three sections separated by ";" (for positive,
// negative and zero values; an empty or missing negative section uses the
// first with a leading "-", an empty or missing zero section the first).
// Within a section: "0" a digit that is always written, "#" a digit written
// when significant, the first "." the decimal separator (written only when
// decimals follow), "," anywhere in the section groups the integer digits by
// thousands, "E+" "E-" "e+" "e-" followed by one to four "0" scientific
// notation ("+" writes the exponent's sign always, "-" only when negative),
// '...' and "..." literal text, any other character itself. Integer digits
// that have no placeholder are written at the first one. A value that rounds
// to zero takes the zero section, and is written without a minus sign. An
// empty picture (or an empty first section) gives the general form
// (FloatToStr); so does a value of 1E18 and more without scientific notation.
#pragma once

#include "base/format_settings.h"

#include <string>
#include <string_view>

namespace rq::base {

std::string formatFloat(std::string_view picture, long double value,
                        const FormatSettings& settings = formatSettings());

} // namespace rq::base
