// The platform's colour names ("clRed", "clBtnFace", ...) and the RGB value
// of system colours, used by the font colour tag and by the format prefix of
// overflowing text.
#pragma once

#include "report/render/canvas.h"

#include <optional>
#include <string_view>

namespace rq::report::render {

// The colour of a name such as "clRed" (case-insensitive), or nothing.
std::optional<Color> colorFromName(std::string_view name);

// A plain 0x00BBGGRR colour: system colours (top byte 0xFF) become the RGB
// of the program's one fixed scheme, whatever the desktop's theme.
Color colorToRgb(Color color);

} // namespace rq::report::render
