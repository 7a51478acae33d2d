// Shared parts of the canvas: point-size conversion of fonts, the pen
// position of moveTo/lineTo and placed text on whole-pixel canvases.
#include "report/render/canvas.h"

#include "base/rounding.h"
#include "report/render/rounding.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace rq::report::render {

int CanvasFont::size() const {
    return -mulDiv(height, 72, pixelsPerInch);
}

void CanvasFont::setSize(int points) {
    height = -mulDiv(points, pixelsPerInch, 72);
}

void Canvas::lineTo(Point p) {
    line(penPos_, p);
    penPos_ = p;
}

void Canvas::textOutPlaced(Point at, unsigned options, const Rect& clip, std::string_view text,
                           std::span<const double> edges, double /*glyphScale*/) {
    if (text.empty() || edges.size() <= text.size())
        return;
    std::vector<int> advances(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        advances[i] = base::roundToInt(edges[i + 1]) - base::roundToInt(edges[i]);
    // The first edge moves the start along the text direction, which the
    // escapement turns counter-clockwise (y grows downwards).
    const double radians = font().escapement / 10.0 * std::numbers::pi / 180;
    const int start = base::roundToInt(edges[0]);
    const Point from{at.x + base::roundToInt(start * std::cos(radians)),
                     at.y - base::roundToInt(start * std::sin(radians))};
    textOut(from, options, clip, text, advances);
}

} // namespace rq::report::render
