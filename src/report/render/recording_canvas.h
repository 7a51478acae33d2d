// A recording surface: drawing commands are kept instead of painted, can be
// replayed stretched into any rectangle of another canvas, and their text
// runs can be enumerated with their bounds (the preview's text search and
// hyperlink hits use this). Measuring goes to a reference canvas, whose
// resolution and kind the recording takes over.
#pragma once

#include "report/render/canvas.h"

#include <string>
#include <variant>
#include <vector>

namespace rq::report::render {

class RecordingCanvas : public Canvas {
public:
    // frame: the recorded area in device pixels of the reference, from (0, 0).
    RecordingCanvas(Canvas& reference, Size frame);

    struct TextRun {
        Point at;
        unsigned options = 0;
        Rect clip;
        std::string text;
        std::vector<int> advances;
        CanvasFont font;
        int cellHeight = 0;  // height of the text cell in the font
        Rect bounds() const; // the run's box before any rotation
    };
    struct Shape {
        enum class Kind { fillRect, rectangle, line, polyline, polygon } kind;
        std::vector<Point> points; // rectangles: top-left and bottom-right
        Pen pen;
        Brush brush;
    };
    struct BitmapDraw {
        Rect dest;
        Bitmap32 bitmap;
    };
    struct ClipChange {
        bool exclude = false; // exclude rects[0], else select the region
        ClipRegion region;
    };
    struct Background {
        bool transparent = true;
    };
    using Command = std::variant<TextRun, Shape, BitmapDraw, ClipChange, Background>;

    int dpiX() const override { return reference_.dpiX(); }
    int dpiY() const override { return reference_.dpiY(); }
    bool isPrinter() const override { return reference_.isPrinter(); }

    Size textExtent(std::string_view text) override;
    void textExtentEx(std::string_view text, std::span<int> cumulative) override;
    void textOut(Point at, unsigned options, const Rect& clip, std::string_view text,
                 std::span<const int> advances) override;
    void setTransparentBackground(bool transparent) override;
    void fillRect(const Rect& rect) override;
    void rectangle(const Rect& rect) override;
    void line(Point from, Point to) override;
    void polyline(std::span<const Point> points) override;
    void polygon(std::span<const Point> points) override;
    void stretchBitmap(const Rect& dest, const Bitmap32& bitmap) override;
    ClipRegion clipRegion() const override { return clip_; }
    void selectClipRegion(const ClipRegion& region) override;
    void excludeClipRect(const Rect& rect) override;
    bool rectVisible(const Rect& rect) const override;

    Size frame() const { return frame_; }
    const std::vector<Command>& commands() const { return commands_; }
    // The text runs in drawing order.
    std::vector<const TextRun*> textRuns() const;
    // Draws every command onto target, mapping the frame onto dest.
    void replay(Canvas& target, const Rect& dest) const;

private:
    void syncFont();
    void addShape(Shape::Kind kind, std::vector<Point> points);

    Canvas& reference_;
    Size frame_;
    ClipRegion clip_;
    std::vector<Command> commands_;
};

} // namespace rq::report::render
