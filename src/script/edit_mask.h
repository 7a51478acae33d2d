// Edit masks of FormatMaskText:
// "mask;save-literals;blank". In the mask, "0" "9" "#" take digits (9 and #
// optional, # also a sign), "L" "l" letters, "A" "a" letters or digits,
// "C" "c" any character; ">" upper-cases and "<" lower-cases what follows,
// "<>" ends that; "\" makes the next character literal; ":" and "/" are the
// time and date separators; anything else is a literal. With save-literals
// "1" (the default) the value holds the literals too; with "0" it holds only
// the characters of the placeholders.
#pragma once

#include <string>
#include <string_view>

namespace rq::script {

std::string FormatMaskText(std::string_view editMask, std::string_view value);

} // namespace rq::script
