// QPainter implementation of the canvas. Shapes are painted without
// antialiasing, with the platform's pixel coverage: a one-pixel line leaves
// out its end point, a rectangle's outline lies inside its right and bottom
// edges. Text is drawn as a glyph run at the explicit advances.
#include "report/render/qt/qt_canvas.h"

#include "report/render/color_names.h"
#include "report/render/draw_text.h"
#include "report/render/qt/qt_fonts.h"

#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

#include <array>
#include <cstdlib>
#include <vector>

namespace rq::report::render::qt {
namespace {

QColor toQColor(Color color) {
    const Color rgb = colorToRgb(color);
    return QColor(base::redOf(rgb), base::greenOf(rgb), base::blueOf(rgb));
}

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

constexpr std::array<Qt::PenStyle, 6> kPenStyles = {
    Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
static_assert(kPenStyles.size() == static_cast<std::size_t>(PenStyle::psClear) + 1);

constexpr std::array<Qt::BrushStyle, 8> kBrushStyles = {
    Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
    Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
static_assert(kBrushStyles.size() == static_cast<std::size_t>(BrushStyle::bsDiagCross) + 1);

QPolygon toQPolygon(std::span<const Point> points) {
    QPolygon polygon;
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    return polygon;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, int dpiX, int dpiY, bool printer)
    : painter_(&painter), dpiX_(dpiX), dpiY_(dpiY), printer_(printer) {
    font_.pixelsPerInch = dpiY;
    registerProgramFonts();
}

QtCanvas::QtCanvas(int dpiX, int dpiY, bool printer) : dpiX_(dpiX), dpiY_(dpiY), printer_(printer) {
    font_.pixelsPerInch = dpiY;
    registerProgramFonts();
}

QtCanvas::~QtCanvas() = default;

void QtCanvas::beginOn(QPaintDevice* device) {
    owned_ = std::make_unique<QPainter>(device);
    painter_ = owned_.get();
}

std::unique_ptr<QtCanvas> QtCanvas::screen(QPaintDevice* device) {
    struct Owned : QtCanvas {
        explicit Owned(QPaintDevice* d) : QtCanvas(ScreenDpi, ScreenDpi, false) { beginOn(d); }
    };
    return std::make_unique<Owned>(device);
}

std::unique_ptr<QtCanvas> QtCanvas::printer(QPagedPaintDevice* device) {
    struct Owned : QtCanvas {
        explicit Owned(QPagedPaintDevice* d) : QtCanvas(d->logicalDpiX(), d->logicalDpiY(), true) {
            setGlyphText(true);
            beginOn(d);
        }
    };
    return std::make_unique<Owned>(device);
}

Size QtCanvas::textExtent(std::string_view text) {
    RealisedFont& font = realiseFont(font_);
    int width = 0;
    for (char c : text)
        width += font.advance(static_cast<unsigned char>(c));
    return {width, font.ascent + font.descent};
}

void QtCanvas::textExtentEx(std::string_view text, std::span<int> cumulative) {
    RealisedFont& font = realiseFont(font_);
    int sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        cumulative[i] = sum += font.advance(static_cast<unsigned char>(text[i]));
}

// Glyphs are filled as outlines, so that their shapes scale exactly with the
// unhinted metrics on every device; on paged devices (printers, PDF) they go
// out as glyph runs of the same raw font at the same positions, so that the
// text stays text there (embedded subsets that can be searched and copied).
// Right-to-left reading needs no reordering here: Windows-1250 has no
// right-to-left letters, so characters keep their order.
void QtCanvas::textOut(Point at, unsigned options, const Rect& clip, std::string_view text,
                       std::span<const int> advances) {
    if (text.empty())
        return;
    RealisedFont& font = realiseFont(font_);
    edgeScratch_.resize(text.size() + 1);
    edgeScratch_[0] = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        edgeScratch_[i + 1] =
            edgeScratch_[i] +
            (i < advances.size() ? advances[i] : font.advance(static_cast<unsigned char>(text[i])));
    drawGlyphs(at, options, clip, text, edgeScratch_, 1);
}

// Outlines filled at fractional positions land between device pixels with
// antialiasing, so a screen at any zoom shows each glyph where the layout
// puts it.
bool QtCanvas::placesGlyphsFractionally() const {
    return !printer_;
}

void QtCanvas::textOutPlaced(Point at, unsigned options, const Rect& clip, std::string_view text,
                             std::span<const double> edges, double glyphScale) {
    if (text.empty() || edges.size() <= text.size())
        return;
    drawGlyphs(at, options, clip, text, edges, glyphScale > 0 ? glyphScale : 1);
}

// Character i from edges[i] on, the decorations from the first edge to the
// last, all along the baseline turned by the escapement about `at`. The
// glyphs are drawn in a frame scaled by glyphScale, in which the positions
// shrink by the same factor, so that every glyph keeps its origin.
void QtCanvas::drawGlyphs(Point at, unsigned options, const Rect& clip, std::string_view text,
                          std::span<const double> edges, double glyphScale) {
    RealisedFont& font = realiseFont(font_);
    QPainterPath path;
    QGlyphRun run;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    const qreal baseline = font.ascent / glyphScale;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const qreal x = edges[i] / glyphScale;
        if (glyphText_) {
            glyphs << font.glyph(byte);
            positions << QPointF(x, baseline);
        }
        if (!glyphText_ || font.emboldenWidth > 0)
            path.addPath(font.outline(byte).translated(x, baseline));
    }
    const qreal from = edges.front(), to = edges.back();
    QPainterPath decorations;
    const qreal thickness = std::max<qreal>(1, font.raw.lineThickness());
    if (font.underline)
        decorations.addRect(
            QRectF(from, font.ascent + font.raw.underlinePosition(), to - from, thickness));
    if (font.strikeOut)
        decorations.addRect(QRectF(from, font.ascent - font.raw.xHeight() / 2 - thickness / 2,
                                   to - from, thickness));
    painter_->save();
    if (options & ETO_CLIPPED)
        painter_->setClipRect(toQRect(clip),
                              painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->translate(at.x, at.y);
    if (font_.escapement != 0)
        painter_->rotate(-font_.escapement / 10.0);
    const QColor color = toQColor(font_.color);
    const auto inGlyphFrame = [&](auto paint) {
        if (glyphScale == 1) {
            paint();
            return;
        }
        painter_->save();
        painter_->scale(glyphScale, glyphScale);
        paint();
        painter_->restore();
    };
    inGlyphFrame([&] {
        if (glyphText_) {
            run.setRawFont(font.raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            painter_->setPen(color);
            painter_->drawGlyphRun(QPointF(0, 0), run);
        } else {
            painter_->fillPath(path, color);
        }
    });
    painter_->fillPath(decorations, color);
    if (font.emboldenWidth > 0)
        inGlyphFrame([&] {
            painter_->strokePath(
                path, QPen(color, font.emboldenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        });
    painter_->restore();
}

void QtCanvas::setTransparentBackground(bool transparent) {
    painter_->setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
    painter_->setBackground(Qt::white);
}

void QtCanvas::applyPen() {
    if (pen_.style == PenStyle::psClear) {
        painter_->setPen(Qt::NoPen);
    } else {
        QPen pen(toQColor(pen_.color), std::max(1, pen_.width),
                 kPenStyles[static_cast<std::size_t>(pen_.style)]);
        pen.setCapStyle(pen_.width > 1 ? Qt::RoundCap : Qt::FlatCap);
        pen.setJoinStyle(pen_.width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
        painter_->setPen(pen);
    }
    painter_->setCompositionMode(pen_.mode == PenMode::pmXor
                                     ? QPainter::RasterOp_SourceXorDestination
                                     : QPainter::CompositionMode_SourceOver);
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::applyBrush() {
    painter_->setBrush(
        QBrush(toQColor(brush_.color), kBrushStyles[static_cast<std::size_t>(brush_.style)]));
}

void QtCanvas::fillRect(const Rect& rect) {
    if (brush_.style == BrushStyle::bsClear)
        return;
    painter_->fillRect(toQRect(rect), QBrush(toQColor(brush_.color),
                                             kBrushStyles[static_cast<std::size_t>(brush_.style)]));
}

void QtCanvas::rectangle(const Rect& rect) {
    applyPen();
    applyBrush();
    const bool outlined = pen_.style != PenStyle::psClear;
    const QRect r = toQRect(rect);
    painter_->drawRect(outlined ? r.adjusted(0, 0, -1, -1) : r);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The gaps of a dashed or dotted pen show the brush colour, unless the brush
// is clear: a frame's styled edges then read as the view's fill on every
// edge, also on the right and bottom ones, which lie outside the filled box.
// The gaps go down first as a solid line of the pen's width and coverage.
bool QtCanvas::paintsPenGaps() const {
    const bool styled = pen_.style != PenStyle::psSolid && pen_.style != PenStyle::psClear;
    return styled && pen_.mode == PenMode::pmCopy && brush_.style == BrushStyle::bsSolid;
}

void QtCanvas::applyGapPen() {
    applyPen();
    QPen gaps = painter_->pen();
    gaps.setStyle(Qt::SolidLine);
    gaps.setColor(toQColor(brush_.color));
    painter_->setPen(gaps);
}

// A flat-capped one-pixel pen covers the pixels from the start point up to,
// not including, the end point.
void QtCanvas::line(Point from, Point to) {
    if (paintsPenGaps()) {
        applyGapPen();
        painter_->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    }
    applyPen();
    painter_->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::polyline(std::span<const Point> points) {
    if (paintsPenGaps()) {
        applyGapPen();
        painter_->drawPolyline(toQPolygon(points));
    }
    applyPen();
    painter_->drawPolyline(toQPolygon(points));
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::polygon(std::span<const Point> points) {
    applyPen();
    applyBrush();
    painter_->drawPolygon(toQPolygon(points));
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::stretchBitmap(const Rect& dest, const Bitmap32& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() < std::size_t(bitmap.width) * std::size_t(bitmap.height))
        return;
    const QImage image(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width,
                       bitmap.height, bitmap.width * 4, QImage::Format_ARGB32);
    painter_->save();
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->drawImage(toQRect(dest), image);
    painter_->restore();
}

ClipRegion QtCanvas::clipRegion() const {
    ClipRegion region;
    region.active = painter_->hasClipping();
    if (region.active)
        for (const QRect& r : painter_->clipRegion())
            region.rects.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return region;
}

void QtCanvas::selectClipRegion(const ClipRegion& region) {
    if (!region.active) {
        painter_->setClipping(false);
        return;
    }
    QRegion qregion;
    for (const Rect& r : region.rects)
        qregion += toQRect(r);
    painter_->setClipRegion(qregion);
}

void QtCanvas::excludeClipRect(const Rect& rect) {
    QPaintDevice* device = painter_->device();
    const QRegion current = painter_->hasClipping()
                                ? painter_->clipRegion()
                                : QRegion(0, 0, device->width(), device->height());
    painter_->setClipRegion(current.subtracted(QRegion(toQRect(rect))));
}

bool QtCanvas::rectVisible(const Rect& rect) const {
    QPaintDevice* device = painter_->device();
    const QRect r = toQRect(rect);
    if (!painter_->hasClipping())
        return r.intersects(QRect(0, 0, device->width(), device->height()));
    return painter_->clipRegion().intersects(r);
}

QtImageCanvas::QtImageCanvas(Size size, int dpi, bool printer)
    : QtCanvas(dpi, dpi, printer),
      image_(std::max(1, size.cx), std::max(1, size.cy), QImage::Format_ARGB32_Premultiplied) {
    image_.fill(Qt::white);
    setImageResolution(image_, dpi);
    beginOn(&image_);
}

void setImageResolution(QImage& image, double dpi) {
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

QtImageCanvas::~QtImageCanvas() {
    painter().end(); // before the image goes
}

void initQtRendering() {
    registerProgramFonts();
}

std::unique_ptr<Canvas> newScreenMeasuringCanvas() {
    return std::make_unique<QtImageCanvas>(Size{1, 1}, ScreenDpi);
}

TextMeasure& AttachScreenTextMeasure(model::TfrxReport& report) {
    return AttachTextMeasure(report, newScreenMeasuringCanvas);
}

} // namespace rq::report::render::qt
