// Two tiny bitmap fonts for the pictures' lettering: 3 x 5 cells for text
// inside the seal and 5 x 7 cells for the larger text beside it. Only the
// capitals the pictures use are drawn; other characters are blank.
#pragma once

#include "raster.h"

#include <string_view>

namespace rq::pictures {

enum class FontSize { Small, Large }; // 3 x 5 and 5 x 7 cells

// Width in pixels of the text: glyphs one pixel apart.
int textWidth(std::string_view text, FontSize size);
// The lit cells of the text, its top-left corner at (left, top).
Shape text(std::string_view text, FontSize size, double left, double top);

} // namespace rq::pictures
