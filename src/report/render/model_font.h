// The bridge from the report model's font to the canvas font description
// that the layout and the canvases work with.
#pragma once

#include "report/model/font.h"
#include "report/render/canvas.h"

namespace rq::report::render {

// The same face, height (pixels at 96 per inch), style set, character set
// and colour; the style bits of both are bold 1, italic 2, underline 4,
// strike-out 8.
CanvasFont canvasFont(const model::TFont& font);

} // namespace rq::report::render
