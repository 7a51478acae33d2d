// BeginDraw, DrawBackground, DrawFrame and StrokeLine of views. Edges are
// drawn from a table (left, right, top, bottom) so that every frame style
// treats the four edges alike; the double style works out its outer and
// inner line from the edge's outward direction.
#include "report/render/view_draw.h"
#include "base/rounding.h"

#include "report/render/rounding.h"

#include <array>
#include <cstdlib>

namespace rq::report::render {
namespace {

using model::TfrxFrame;

bool hasEdge(const TfrxFrame& frame, model::TfrxFrameType edge) {
    return (frame.Typ() & (1 << edge)) != 0;
}

constexpr std::array<PenStyle, 6> kFramePens = {PenStyle::psSolid,      PenStyle::psDash,
                                                PenStyle::psDot,        PenStyle::psDashDot,
                                                PenStyle::psDashDotDot, PenStyle::psSolid};
static_assert(kFramePens.size() == static_cast<std::size_t>(model::fsDouble) + 1);

// One edge: its end points, the side of the box it lies on (-1: left or
// above, +1: right or below) and the edges whose presence lengthens its
// outer double line at the start and at the end.
struct Edge {
    model::TfrxFrameType type;
    bool vertical;
    int outward;
    model::TfrxFrameType startNeighbour, endNeighbour;
};

constexpr std::array<Edge, 4> kEdges = {{
    {model::ftLeft, true, -1, model::ftTop, model::ftBottom},
    {model::ftRight, true, +1, model::ftTop, model::ftBottom},
    {model::ftTop, false, -1, model::ftLeft, model::ftRight},
    {model::ftBottom, false, +1, model::ftLeft, model::ftRight},
}};

struct Segment {
    Point from, to;
};

Segment edgeSegment(const Edge& edge, const ViewDraw& d) {
    switch (edge.type) {
    case model::ftLeft:
        return {{d.DeviceX, d.DeviceY}, {d.DeviceX, d.DeviceY1}};
    case model::ftRight:
        return {{d.DeviceX1, d.DeviceY}, {d.DeviceX1, d.DeviceY1}};
    case model::ftTop:
        return {{d.DeviceX, d.DeviceY}, {d.DeviceX1, d.DeviceY}};
    case model::ftBottom:
        break;
    }
    // A one-pixel bottom edge reaches the right edge's last pixel.
    return {{d.DeviceX, d.DeviceY1}, {d.DeviceX1 + (d.DeviceFrameWidth == 1 ? 1 : 0), d.DeviceY1}};
}

void drawLine(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from);
    canvas.lineTo(to);
}

// The edge line moved across by `across` and its ends moved along the edge.
void drawShifted(Canvas& canvas, const Edge& edge, Segment s, int across, int startShift,
                 int endShift) {
    if (edge.vertical) {
        drawLine(canvas, {s.from.x + across, s.from.y + startShift},
                 {s.to.x + across, s.to.y + endShift});
    } else {
        drawLine(canvas, {s.from.x + startShift, s.from.y + across},
                 {s.to.x + endShift, s.to.y + across});
    }
}

// Two lines fw away on each side; the outer one runs on by fw where a
// neighbouring edge is present, the inner one stops fw short there, so the
// outer lines meet at the corners. The edge line itself shows the fill.
void drawDoubleEdge(Canvas& canvas, const model::TfrxView& view, const Edge& edge, Segment s,
                    int fw) {
    const TfrxFrame& frame = view.Frame();
    const int start = hasEdge(frame, edge.startNeighbour) ? fw : 0;
    const int end = hasEdge(frame, edge.endNeighbour) ? fw : 0;
    for (int side : {-1, +1}) {
        const bool outer = side == edge.outward;
        drawShifted(canvas, edge, s, side * fw, outer ? -start : start, outer ? end : -end);
        if (side == -1 && view.Color() != model::clNone) {
            canvas.pen().color = view.Color();
            drawLine(canvas, s.from, s.to);
            canvas.pen().color = frame.Color();
        }
    }
}

void drawShadow(const model::TfrxView& view, const ViewDraw& d) {
    const TfrxFrame& frame = view.Frame();
    Canvas& canvas = *d.canvas;
    canvas.pen() = Pen{frame.ShadowColor(), 1, PenStyle::psSolid, PenMode::pmCopy};
    const int sx = base::roundToInt(frame.ShadowWidth() * d.ScaleX);
    StrokeLine(canvas, d.DeviceX1 + sx / 2, d.DeviceY + sx, d.DeviceX1 + sx / 2, d.DeviceY1, sx);
    const int sy = base::roundToInt(frame.ShadowWidth() * d.ScaleY);
    StrokeLine(canvas, d.DeviceX + sy, d.DeviceY1 + sy / 2, d.DeviceX1 + sy, d.DeviceY1 + sy / 2,
               sy);
}

} // namespace

ViewDraw BeginDraw(const model::TfrxView& view, Canvas* canvas, long double scaleX,
                   long double scaleY, long double offsetX, long double offsetY) {
    ViewDraw d;
    d.canvas = canvas;
    d.ScaleX = scaleX;
    d.ScaleY = scaleY;
    d.OffsetX = offsetX;
    d.OffsetY = offsetY;
    const long double left = view.AbsLeft(), top = view.AbsTop();
    d.DeviceX = base::roundToInt(left * scaleX + offsetX);
    d.DeviceY = base::roundToInt(top * scaleY + offsetY);
    d.DeviceX1 = base::roundToInt((left + view.Width()) * scaleX + offsetX);
    d.DeviceY1 = base::roundToInt((top + view.Height()) * scaleY + offsetY);
    const TfrxFrame& frame = view.Frame();
    if (frame.DropShadow()) {
        d.DeviceX1 -= base::roundToInt(frame.ShadowWidth() * scaleX);
        d.DeviceY1 -= base::roundToInt(frame.ShadowWidth() * scaleY);
    }
    d.DeviceWidth = d.DeviceX1 - d.DeviceX;
    d.DeviceHeight = d.DeviceY1 - d.DeviceY;
    d.DeviceFrameWidth = base::roundToInt(frame.Width() * scaleX);
    return d;
}

void DrawBackground(const model::TfrxView& view, const ViewDraw& d) {
    Canvas& canvas = *d.canvas;
    if (view.Color() != model::clNone) {
        canvas.brush() = Brush{view.Color(), BrushStyle::bsSolid};
        canvas.fillRect({d.DeviceX, d.DeviceY, d.DeviceX1, d.DeviceY1});
    }
    if (view.BrushStyle() != model::bsSolid) {
        canvas.brush() = Brush{view.Frame().Color(), static_cast<BrushStyle>(view.BrushStyle())};
        canvas.pen().color = view.Color() == model::clNone ? clWhite : view.Color();
        canvas.rectangle({d.DeviceX, d.DeviceY, d.DeviceX1 + 1, d.DeviceY1 + 1});
        canvas.brush().style = BrushStyle::bsSolid;
    }
}

void DrawFrame(const model::TfrxView& view, const ViewDraw& d) {
    const TfrxFrame& frame = view.Frame();
    Canvas& canvas = *d.canvas;
    if (frame.DropShadow())
        drawShadow(view, d);
    if (frame.Typ() == 0 || frame.Color() == model::clNone || frame.Width() == 0)
        return;
    const model::TfrxFrameStyle style = frame.Style();
    const bool wide = style == model::fsSolid || style == model::fsDouble;
    canvas.pen() =
        Pen{frame.Color(), wide ? d.DeviceFrameWidth : 1, framePenStyle(style), PenMode::pmCopy};
    canvas.brush().style = BrushStyle::bsSolid;
    if (style != model::fsSolid) {
        // The gaps of styled lines show the fill colour, or nothing.
        if (view.Color() == model::clNone)
            canvas.brush().style = BrushStyle::bsClear;
        else
            canvas.brush().color = view.Color();
    }
    for (const Edge& edge : kEdges) {
        if (!hasEdge(frame, edge.type))
            continue;
        const Segment s = edgeSegment(edge, d);
        if (style == model::fsSolid)
            drawLine(canvas, s.from, s.to);
        else if (style == model::fsDouble)
            drawDoubleEdge(canvas, view, edge, s, d.DeviceFrameWidth);
        else
            StrokeLine(canvas, s.from.x, s.from.y, s.to.x, s.to.y, d.DeviceFrameWidth);
    }
}

PenStyle framePenStyle(model::TfrxFrameStyle style) {
    return kFramePens.at(static_cast<std::size_t>(style));
}

void StrokeLine(Canvas& canvas, int x, int y, int x1, int y1, int w) {
    if (w == 0)
        w = 1;
    const bool horizontal = std::abs(x1 - x) > std::abs(y1 - y);
    for (int offset = -(w / 2); offset < w - w / 2; ++offset) {
        if (horizontal)
            drawLine(canvas, {x, y + offset}, {x1, y1 + offset});
        else
            drawLine(canvas, {x + offset, y}, {x1 + offset, y1});
    }
}

} // namespace rq::report::render
