// The barcode symbol on a canvas. The symbol is recorded as a picture one
// unit per narrow module and replayed stretched into the device rectangle,
// so bars keep their proportions at any scale.
//
// The object's Width is the symbol's units minus one (templates rely on
// that), so a picture of exactly Width units would lose the last module at
// the right edge. The picture therefore spans all units and the symbol
// reaches one module past the object's right (or bottom) edge: complete,
// with every module the same size.
#include "report/render/draw_barcode.h"
#include "base/rounding.h"

#include "report/render/recording_canvas.h"
#include "report/render/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace rq::report::render {
namespace {

using barcode::TfrxBarcode;

// Text band beside the bars, in units: EAN and UPC symbols leave 8 (their
// guard bars reach into the band), the others 16.
struct Band {
    int margin;
    int reserve; // picture depth minus bar length
};

Band BandOf(const TfrxBarcode& g) {
    return barcode::HasDigitGroups(g.Typ()) ? Band{8, 7} : Band{16, 16};
}

// Turns picture points by the generator's angle and moves them by origin.
struct Turn {
    long double s, c;
    Point origin;
    Point operator()(long double px, long double py) const {
        return {origin.x + base::roundToInt(px * c + py * s),
                origin.y + base::roundToInt(-px * s + py * c)};
    }
};

// The offset that brings the turned w x h box back to positive coordinates.
Point BoxOffset(long double s, long double c, long double w, long double h) {
    if (s >= 0 && c >= 0)
        return {0, base::roundToInt(s * w)};
    if (s >= 0)
        return {-base::roundToInt(c * w), base::roundToInt(s * w - c * h)};
    if (c >= 0)
        return {-base::roundToInt(s * h), 0};
    return {-base::roundToInt(c * w) - base::roundToInt(s * h), -base::roundToInt(c * h)};
}

// Fills the area [x0, x1) x [y0, y1) of the unturned symbol: a rectangle
// when the angle is a right one, else the turned polygon.
void FillTurned(Canvas& canvas, const Turn& turn, long double x0, long double y0, long double x1,
                long double y1) {
    const Point corners[4] = {turn(x0, y0), turn(x0, y1), turn(x1, y1), turn(x1, y0)};
    const bool upright = (corners[0].x == corners[1].x && corners[1].y == corners[2].y) ||
                         (corners[0].y == corners[1].y && corners[1].x == corners[2].x);
    if (upright) {
        canvas.fillRect({std::min(corners[0].x, corners[2].x), std::min(corners[0].y, corners[2].y),
                         std::max(corners[0].x, corners[2].x),
                         std::max(corners[0].y, corners[2].y)});
    } else {
        canvas.pen().style = PenStyle::psClear;
        canvas.polygon(corners);
    }
}

// A bar length below zero (a rectangle too low for the text band) leaves
// the bars out rather than painting them into the band.
void PaintElements(TfrxBarcode& g, std::string_view bars, Canvas& canvas, const Turn& turn) {
    if (g.Height() < 0)
        return;
    canvas.brush().style = BrushStyle::bsSolid;
    const long double length = g.Height() + 1; // rows 0..Height
    const long double shortLength = 2 * g.Height() / 5 + 1;
    long double x = 0;
    for (char ch : bars) {
        const barcode::BarElement element = barcode::DecodeBarChar(ch);
        const int e = g.ElementWidth(ch);
        if (e > 0) {
            canvas.brush().color = element.bar ? g.ColorBar() : g.Color();
            // Short bars stand on the same base line as the full ones.
            FillTurned(canvas, turn, x, element.shortBar ? length - shortLength : 0, x + e, length);
        }
        x += e;
    }
}

std::vector<int> Advances(Canvas& canvas, std::string_view text) {
    std::vector<int> cumulative(text.size());
    canvas.textExtentEx(text, cumulative);
    std::vector<int> advances(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        advances[i] = cumulative[i] - (i ? cumulative[i - 1] : 0);
    return advances;
}

// The human-readable text: every group clears its span in the space colour
// and writes its digits turned with the symbol. picture: P x Q units.
void PaintText(TfrxBarcode& g, Canvas& canvas, int W, Size picture) {
    const int angle = base::roundToInt(g.Angle());
    CanvasFont font;
    font.name = "Arial";
    font.height = -12; // 9 points at 96 per inch
    font.escapement = angle * 10;
    canvas.font() = font;
    canvas.setTransparentBackground(true);
    canvas.brush() = Brush{g.Color(), BrushStyle::bsSolid};
    const int P = picture.cx, Q = picture.cy;
    for (barcode::TextGroup group : g.TextGroups(W)) {
        if (group.centred)
            group.a = (W - canvas.textExtent(group.text).cx) / 2;
        const int a = group.a, b = group.b, c = group.c;
        Rect clear;
        Point at;
        if (angle == 90) {
            clear = {P - 14, Q - c - 1, P, Q - b};
            at = {P - 14, Q - a};
        } else if (angle == 180) {
            clear = {P - c - 1, 0, P - b, 16};
            at = {P - a, 14};
        } else if (angle == 270) {
            clear = {0, b, 14, c + 1};
            at = {14, a};
        } else {
            clear = {b, Q - 16, c + 1, Q};
            at = {a, Q - 14};
        }
        canvas.fillRect(clear);
        canvas.textOut(at, 0, clear, group.text, Advances(canvas, group.text));
    }
}

} // namespace

void PaintBarcode(TfrxBarcode& generator, Canvas& canvas, const Rect& r, bool showText) {
    const std::string bars = generator.EncodeBars();
    PaintBars(generator, bars, canvas, r, showText);
}

void PaintBars(TfrxBarcode& g, std::string_view bars, Canvas& canvas, const Rect& r,
               bool showText) {
    const std::int64_t units = g.BarsWidth(bars); // W + 1
    const std::int64_t W = units - 1;
    if (W <= 0)
        return;
    const bool horizontal = g.Angle() == 0 || g.Angle() == 180;
    const long double k = static_cast<long double>(horizontal ? r.width() : r.height()) / W;
    if (!(k > 0))
        return;
    const int across = base::roundToInt((horizontal ? r.height() : r.width()) / k);
    const Band band = BandOf(g);
    g.SetHeight(across - band.reserve);

    const Size picture =
        horizontal ? Size{static_cast<int>(units), across} : Size{across, static_cast<int>(units)};
    const int along = base::roundToInt(units * k);
    const Rect dest = horizontal ? Rect{r.left, r.top, r.left + along, r.bottom}
                                 : Rect{r.left, r.top, r.right, r.top + along};
    if (picture.cx <= 0 || picture.cy <= 0)
        return;

    // Held as a double: the sign of sin and cos at right angles (a tiny
    // remainder) picks the row of the offset table.
    const double theta = g.Angle() / 180 * std::numbers::pi;
    const long double s = std::sin(theta), c = std::cos(theta);
    Point origin = BoxOffset(s, c, static_cast<long double>(units), g.Height() + 1.0L);
    if (g.Angle() == 180)
        origin.y += band.margin;
    if (g.Angle() == 270)
        origin.x += band.margin;

    const CanvasFont font = canvas.font();
    const Pen pen = canvas.pen();
    const Brush brush = canvas.brush();
    RecordingCanvas recording(canvas, picture);
    PaintElements(g, bars, recording, Turn{s, c, origin});
    if (showText)
        PaintText(g, recording, static_cast<int>(W), picture);
    recording.replay(canvas, dest);
    canvas.font() = font;
    canvas.pen() = pen;
    canvas.brush() = brush;
}

} // namespace rq::report::render
