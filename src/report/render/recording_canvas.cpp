// Recording and stretched replay. Replay scales coordinates, font heights,
// pen widths and clip rectangles; character advances are scaled through
// their cumulative positions so that a run keeps its stretched width.
#include "report/render/recording_canvas.h"
#include "base/rounding.h"

#include "report/render/rounding.h"

#include <algorithm>
#include <numeric>

namespace rq::report::render {
namespace {

struct Mapping {
    Rect dest;
    long double sx = 1;
    long double sy = 1;
    Point map(Point p) const {
        return {dest.left + base::roundToInt(p.x * sx), dest.top + base::roundToInt(p.y * sy)};
    }
    Rect map(const Rect& r) const {
        const Point a = map(Point{r.left, r.top}), b = map(Point{r.right, r.bottom});
        return {a.x, a.y, b.x, b.y};
    }
};

std::vector<int> scaledAdvances(const std::vector<int>& advances, long double scale) {
    std::vector<int> result(advances.size());
    int before = 0, position = 0;
    for (std::size_t i = 0; i < advances.size(); ++i) {
        position += advances[i];
        const int scaled = base::roundToInt(position * scale);
        result[i] = scaled - before;
        before = scaled;
    }
    return result;
}

void replayShape(Canvas& target, const RecordingCanvas::Shape& shape, const Mapping& m) {
    using Kind = RecordingCanvas::Shape::Kind;
    target.pen() = shape.pen;
    target.pen().width = std::max(1, base::roundToInt(shape.pen.width * m.sx));
    target.brush() = shape.brush;
    std::vector<Point> points;
    for (const Point& p : shape.points)
        points.push_back(m.map(p));
    switch (shape.kind) {
    case Kind::fillRect:
        target.fillRect({points[0].x, points[0].y, points[1].x, points[1].y});
        break;
    case Kind::rectangle:
        target.rectangle({points[0].x, points[0].y, points[1].x, points[1].y});
        break;
    case Kind::line:
        target.line(points[0], points[1]);
        break;
    case Kind::polyline:
        target.polyline(points);
        break;
    case Kind::polygon:
        target.polygon(points);
        break;
    }
}

} // namespace

RecordingCanvas::RecordingCanvas(Canvas& reference, Size frame)
    : reference_(reference), frame_(frame) {
    font_.pixelsPerInch = reference.dpiY();
}

Rect RecordingCanvas::TextRun::bounds() const {
    const int width = std::accumulate(advances.begin(), advances.end(), 0);
    return {at.x, at.y, at.x + width, at.y + cellHeight};
}

void RecordingCanvas::syncFont() {
    reference_.font() = font_;
    reference_.font().pixelsPerInch = reference_.dpiY();
}

Size RecordingCanvas::textExtent(std::string_view text) {
    syncFont();
    return reference_.textExtent(text);
}

void RecordingCanvas::textExtentEx(std::string_view text, std::span<int> cumulative) {
    syncFont();
    reference_.textExtentEx(text, cumulative);
}

void RecordingCanvas::textOut(Point at, unsigned options, const Rect& clip, std::string_view text,
                              std::span<const int> advances) {
    TextRun run{
        at,    options,          clip, std::string(text), {advances.begin(), advances.end()},
        font_, textExtent("").cy};
    commands_.emplace_back(std::move(run));
}

void RecordingCanvas::setTransparentBackground(bool transparent) {
    commands_.emplace_back(Background{transparent});
}

void RecordingCanvas::addShape(Shape::Kind kind, std::vector<Point> points) {
    commands_.emplace_back(Shape{kind, std::move(points), pen_, brush_});
}

void RecordingCanvas::fillRect(const Rect& r) {
    addShape(Shape::Kind::fillRect, {{r.left, r.top}, {r.right, r.bottom}});
}

void RecordingCanvas::rectangle(const Rect& r) {
    addShape(Shape::Kind::rectangle, {{r.left, r.top}, {r.right, r.bottom}});
}

void RecordingCanvas::line(Point from, Point to) {
    addShape(Shape::Kind::line, {from, to});
}

void RecordingCanvas::polyline(std::span<const Point> points) {
    addShape(Shape::Kind::polyline, {points.begin(), points.end()});
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    addShape(Shape::Kind::polygon, {points.begin(), points.end()});
}

void RecordingCanvas::stretchBitmap(const Rect& dest, const Bitmap32& bitmap) {
    commands_.emplace_back(BitmapDraw{dest, bitmap});
}

void RecordingCanvas::selectClipRegion(const ClipRegion& region) {
    clip_ = region;
    commands_.emplace_back(ClipChange{false, region});
}

void RecordingCanvas::excludeClipRect(const Rect& rect) {
    commands_.emplace_back(ClipChange{true, ClipRegion{true, {rect}}});
}

// The recording keeps no pixels, so it cannot tell hidden parts: everything
// inside the frame counts as visible.
bool RecordingCanvas::rectVisible(const Rect& rect) const {
    return rect.left < frame_.cx && rect.top < frame_.cy && rect.right > 0 && rect.bottom > 0;
}

std::vector<const RecordingCanvas::TextRun*> RecordingCanvas::textRuns() const {
    std::vector<const TextRun*> runs;
    for (const auto& command : commands_)
        if (const auto* run = std::get_if<TextRun>(&command))
            runs.push_back(run);
    return runs;
}

void RecordingCanvas::replay(Canvas& target, const Rect& dest) const {
    Mapping m{dest, frame_.cx ? static_cast<long double>(dest.width()) / frame_.cx : 1,
              frame_.cy ? static_cast<long double>(dest.height()) / frame_.cy : 1};
    for (const auto& command : commands_) {
        if (const auto* run = std::get_if<TextRun>(&command)) {
            target.font() = run->font;
            target.font().pixelsPerInch = target.dpiY();
            target.font().height = base::roundToInt(run->font.height * m.sy);
            const auto advances = scaledAdvances(run->advances, m.sx);
            target.textOut(m.map(run->at), run->options, m.map(run->clip), run->text, advances);
        } else if (const auto* shape = std::get_if<Shape>(&command)) {
            replayShape(target, *shape, m);
        } else if (const auto* bitmap = std::get_if<BitmapDraw>(&command)) {
            target.stretchBitmap(m.map(bitmap->dest), bitmap->bitmap);
        } else if (const auto* clip = std::get_if<ClipChange>(&command)) {
            if (clip->exclude) {
                target.excludeClipRect(m.map(clip->region.rects.front()));
            } else {
                ClipRegion mapped{clip->region.active, {}};
                for (const Rect& r : clip->region.rects)
                    mapped.rects.push_back(m.map(r));
                target.selectClipRegion(mapped);
            }
        } else if (const auto* background = std::get_if<Background>(&command)) {
            target.setTransparentBackground(background->transparent);
        }
    }
}

} // namespace rq::report::render
