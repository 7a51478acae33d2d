// The drawing surface every report renderer paints on: device resolution,
// the current font, pen and brush, text measuring and output with explicit
// per-character advances, shapes, clip regions and bitmap stretching.
// Coordinates are integer device pixels; texts are Windows-1250 bytes and
// implementations convert them where they reach the platform.
#pragma once

#include "base/color.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rq::report::render {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive, as for the platform's rectangles.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// The program's colour (base/color.h); system colours resolve in color_names.h.
using Color = base::TColor;
using base::clBlack;
using base::clDefault;
using base::clNone;
using base::clWhite;

// Font style set: any combination of these bits.
using FontStyles = std::uint8_t;
inline constexpr FontStyles fsBold = 1;
inline constexpr FontStyles fsItalic = 2;
inline constexpr FontStyles fsUnderline = 4;
inline constexpr FontStyles fsStrikeOut = 8;

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int EASTEUROPE_CHARSET = 238;

// A font description. Height is in device pixels of the font's own resolution:
// negative is the character height without internal leading, positive the
// cell height. The point size is derived through pixelsPerInch.
struct CanvasFont {
    std::string name = "Arial"; // face name, Windows-1250
    int height = -13;
    int pixelsPerInch = 96;
    FontStyles style = 0;
    int charset = DEFAULT_CHARSET;
    Color color = clBlack;
    int escapement = 0; // text direction, tenths of a degree counter-clockwise

    int size() const;         // points, rounded half away from zero
    void setSize(int points); // height = -points * pixelsPerInch / 72, rounded
    bool operator==(const CanvasFont&) const = default;
};

enum class PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class PenMode { pmCopy, pmXor };

struct Pen {
    Color color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::psSolid;
    PenMode mode = PenMode::pmCopy;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

struct Brush {
    Color color = clWhite;
    BrushStyle style = BrushStyle::bsSolid;
    bool operator==(const Brush&) const = default;
};

// Text output options.
inline constexpr unsigned ETO_CLIPPED = 4;
inline constexpr unsigned ETO_RTLREADING = 128;

// 32-bit pixels 0xAARRGGBB, row by row from the top.
struct Bitmap32 {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A clip region made of rectangles; no rectangles and active = false means
// "no clipping".
struct ClipRegion {
    bool active = false;
    std::vector<Rect> rects;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int dpiX() const = 0; // LOGPIXELSX
    virtual int dpiY() const = 0; // LOGPIXELSY
    // True only for a printer canvas: the layout scales fonts by the device
    // resolution alone there.
    virtual bool isPrinter() const { return false; }

    // Current drawing objects; changes take effect at the next operation.
    virtual CanvasFont& font() { return font_; }
    virtual Pen& pen() { return pen_; }
    virtual Brush& brush() { return brush_; }

    // Width and cell height of the text in the current font.
    virtual Size textExtent(std::string_view text) = 0;
    // cumulative[i] = width of characters 0..i; cumulative.size() >= text.size().
    virtual void textExtentEx(std::string_view text, std::span<int> cumulative) = 0;
    // Draws text with its top-left corner at `at` (turned by the font's
    // escapement), character i advancing by advances[i], clipped to clip when
    // options hold ETO_CLIPPED. The background stays as it is when the
    // background mode is transparent.
    virtual void textOut(Point at, unsigned options, const Rect& clip, std::string_view text,
                         std::span<const int> advances) = 0;
    // Whether textOutPlaced puts glyphs at fractional positions. The text
    // layout then places every character where its 600 dpi measurement puts
    // it, instead of stretching whole-pixel device advances to the line's
    // width (which at small zooms opens visible gaps inside words).
    virtual bool placesGlyphsFractionally() const { return false; }
    // Like textOut, but character i starts edges[i] device pixels (fractions
    // allowed) after `at` along the text direction; edges[text.size()] is
    // where the run ends. glyphScale is the size the glyphs are meant to have
    // against the current font's whole-pixel size (the layout's exact size
    // at the zoom over the rounded one); the glyphs grow or shrink by it
    // about their baseline origins. This implementation rounds every edge to
    // a whole pixel, draws the font as it is and goes through textOut.
    virtual void textOutPlaced(Point at, unsigned options, const Rect& clip, std::string_view text,
                               std::span<const double> edges, double glyphScale);
    virtual void setTransparentBackground(bool transparent) = 0;

    virtual void fillRect(const Rect& rect) = 0;  // brush only
    virtual void rectangle(const Rect& rect) = 0; // brush fill and pen outline
    virtual void line(Point from, Point to) = 0;  // pen; the last pixel is not drawn
    virtual void polyline(std::span<const Point> points) = 0;
    virtual void polygon(std::span<const Point> points) = 0;
    void moveTo(Point p) { penPos_ = p; }
    void lineTo(Point p);

    // Stretches the bitmap into dest with smoothing.
    virtual void stretchBitmap(const Rect& dest, const Bitmap32& bitmap) = 0;

    virtual ClipRegion clipRegion() const = 0;
    virtual void selectClipRegion(const ClipRegion& region) = 0;
    virtual void excludeClipRect(const Rect& rect) = 0;
    virtual bool rectVisible(const Rect& rect) const = 0;

protected:
    CanvasFont font_;
    Pen pen_;
    Brush brush_;
    Point penPos_;
};

} // namespace rq::report::render
