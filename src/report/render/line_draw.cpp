// Line views. A non-diagonal line first settles its direction on the view
// itself (the longer side wins, equal sides make it vertical), so that a
// stored edge other than left or top never matters. No fill is painted.
#include "report/render/line_draw.h"

#include "report/model/line_view.h"
#include "report/render/view_draw.h"

namespace rq::report::render {
namespace {

void settleDirection(model::TfrxCustomLineView& line) {
    if (line.Width() <= line.Height()) {
        line.SetWidth(0);
        line.Frame().SetTyp(1 << model::ftLeft);
    } else {
        line.SetHeight(0);
        line.Frame().SetTyp(1 << model::ftTop);
    }
}

void drawDiagonal(const model::TfrxCustomLineView& line, const ViewDraw& d) {
    const model::TfrxFrame& frame = line.Frame();
    if (frame.Color() == model::clNone || frame.Width() == 0)
        return;
    Canvas& canvas = *d.canvas;
    if (line.Color() == model::clNone)
        canvas.brush().style = BrushStyle::bsClear;
    else
        canvas.brush() = Brush{line.Color(), BrushStyle::bsSolid};
    canvas.pen() = Pen{frame.Color(), 1, framePenStyle(frame.Style()), PenMode::pmCopy};
    StrokeLine(canvas, d.DeviceX, d.DeviceY, d.DeviceX1, d.DeviceY1, d.DeviceFrameWidth);
}

} // namespace

void DrawLine(model::TfrxView& view, const DrawContext& context) {
    auto& line = static_cast<model::TfrxCustomLineView&>(view);
    if (!line.Diagonal())
        settleDirection(line);
    const ViewDraw d = BeginDraw(line, &context.canvas, context.ScaleX, context.ScaleY,
                                 context.OffsetX, context.OffsetY);
    if (line.Diagonal())
        drawDiagonal(line, d);
    else
        DrawFrame(line, d);
}

} // namespace rq::report::render
