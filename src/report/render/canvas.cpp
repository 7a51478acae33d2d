// Shared parts of the canvas: point-size conversion of fonts and the pen
// position of moveTo/lineTo.
#include "report/render/canvas.h"

#include "report/render/rounding.h"

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

} // namespace rq::report::render
