// The box of every view on a canvas: its device rectangle at a scale and
// offset (BeginDraw), the fill and hatch (DrawBackground), the frame edges in
// their six styles with the drop shadow (DrawFrame), and StrokeLine, the
// w-pixel line made of one-pixel strokes that styled edges and shadows use.
#pragma once

#include "report/model/view.h"
#include "report/render/canvas.h"

namespace rq::report::render {

// Draw-time fields of one view, valid for the draw that made them.
struct ViewDraw {
    Canvas* canvas = nullptr;
    long double ScaleX = 1, ScaleY = 1;   // device pixels per report pixel
    long double OffsetX = 0, OffsetY = 0; // device position of the page origin
    int DeviceX = 0, DeviceY = 0;         // left and top edge, device pixels
    int DeviceX1 = 0, DeviceY1 = 0;       // right and bottom edge, shadow taken off
    int DeviceWidth = 0, DeviceHeight = 0;
    int DeviceFrameWidth = 0; // frame width at the horizontal scale
};

// The device rectangle of the view: its absolute bounds scaled and moved,
// each edge rounded half to even; with a drop shadow the right and bottom
// edges give up the shadow's width. canvas may be null (measuring only).
ViewDraw BeginDraw(const model::TfrxView& view, Canvas* canvas, long double scaleX,
                   long double scaleY, long double offsetX, long double offsetY);

// The fill colour, then the hatch of a non-solid BrushStyle in the frame
// colour over the fill colour (white without one).
void DrawBackground(const model::TfrxView& view, const ViewDraw& d);
// The drop shadow and the edges named by Frame.Typ.
void DrawFrame(const model::TfrxView& view, const ViewDraw& d);
// w strokes of the current pen (w of 0 counts as 1), offset across the
// line's main direction from -(w div 2) upwards.
void StrokeLine(Canvas& canvas, int x, int y, int x1, int y1, int w);

// The pen style of a frame style; the double style draws solid lines.
PenStyle framePenStyle(model::TfrxFrameStyle style);

} // namespace rq::report::render
