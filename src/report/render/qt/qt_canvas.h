// The canvas on QPainter: screen and measuring bitmaps (QImage), widgets,
// printers and PDF writers. Texts arrive as Windows-1250 and are converted
// here; glyphs are placed one by one at the advances the layout gives.
#pragma once

#include "report/render/canvas.h"
#include "report/render/recording_canvas.h"
#include "report/render/text_measure.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

class QPaintDevice;
class QPagedPaintDevice;

namespace rq::report::render::qt {

// The screen's resolution in this program's setting, whatever the monitor.
inline constexpr int ScreenDpi = 96;

class QtCanvas : public Canvas {
public:
    // Paints through a painter that is already active (a widget's paint
    // event, a printer job); the painter must outlive the canvas.
    QtCanvas(QPainter& painter, int dpiX, int dpiY, bool printer);
    ~QtCanvas() override;

    // A canvas on a widget or other screen device: 96 dots per inch.
    static std::unique_ptr<QtCanvas> screen(QPaintDevice* device);
    // A printer canvas (QPrinter, QPdfWriter) with the device's resolution.
    static std::unique_ptr<QtCanvas> printer(QPagedPaintDevice* device);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    bool isPrinter() const override { return printer_; }

    Size textExtent(std::string_view text) override;
    void textExtentEx(std::string_view text, std::span<int> cumulative) override;
    void textOut(Point at, unsigned options, const Rect& clip, std::string_view text,
                 std::span<const int> advances) override;
    // True except on printers, whose whole pixels are fine enough and whose
    // output stays as it was measured.
    bool placesGlyphsFractionally() const override;
    void textOutPlaced(Point at, unsigned options, const Rect& clip, std::string_view text,
                       std::span<const double> edges, double glyphScale) override;
    void setTransparentBackground(bool transparent) override;
    void fillRect(const Rect& rect) override;
    void rectangle(const Rect& rect) override;
    void line(Point from, Point to) override;
    void polyline(std::span<const Point> points) override;
    void polygon(std::span<const Point> points) override;
    void stretchBitmap(const Rect& dest, const Bitmap32& bitmap) override;
    ClipRegion clipRegion() const override;
    void selectClipRegion(const ClipRegion& region) override;
    void excludeClipRect(const Rect& rect) override;
    bool rectVisible(const Rect& rect) const override;

    QPainter& painter() { return *painter_; }
    // Text as glyph runs (kept as text by PDF and printer engines) instead
    // of filled outlines; the printer canvas uses them.
    void setGlyphText(bool on) { glyphText_ = on; }

protected:
    // For owners that make their painter after their device.
    QtCanvas(int dpiX, int dpiY, bool printer);
    void beginOn(QPaintDevice* device);

private:
    void applyPen();
    void applyBrush();
    // Whether a line's gaps are painted in the brush colour, and the pen
    // that paints them.
    bool paintsPenGaps() const;
    void applyGapPen();
    // Text with character i starting edges[i] pixels along the baseline,
    // each glyph scaled by glyphScale about its origin.
    void drawGlyphs(Point at, unsigned options, const Rect& clip, std::string_view text,
                    std::span<const double> edges, double glyphScale);

    std::unique_ptr<QPainter> owned_;
    QPainter* painter_ = nullptr;
    int dpiX_;
    int dpiY_;
    bool printer_;
    bool glyphText_ = false;
    std::vector<double> edgeScratch_; // character edges of textOut's run
};

// Marks an image as having the given resolution (dots per inch), which PNG
// files keep as their physical pixel size.
void setImageResolution(QImage& image, double dpi);

// A memory bitmap with its canvas: measuring bitmaps, previews and PNG output.
class QtImageCanvas : public QtCanvas {
public:
    // A white bitmap of the given size in pixels and resolution.
    explicit QtImageCanvas(Size size, int dpi = ScreenDpi, bool printer = false);
    ~QtImageCanvas() override;
    // The picture so far (the painter stays active).
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

namespace detail {
// Holds the measuring bitmap of a recording before the recording is made.
struct RecordingReference {
    explicit RecordingReference(int dpi) : reference({1, 1}, dpi) {}
    QtImageCanvas reference;
};
} // namespace detail

// A recording surface measured with the platform's fonts at a resolution
// (the screen's by default): the preview records pages on it and replays
// them at any zoom.
class QtRecordingCanvas : private detail::RecordingReference, public RecordingCanvas {
public:
    explicit QtRecordingCanvas(Size frame, int dpi = ScreenDpi)
        : RecordingReference(dpi), RecordingCanvas(reference, frame) {}
};

// Makes the program's fonts known. Idempotent; needs a QGuiApplication.
void initQtRendering();

// The measuring canvas of the text layout: a 96 dpi memory bitmap.
std::unique_ptr<Canvas> newScreenMeasuringCanvas();
// Attaches a text measure on that canvas to the report: its text views are
// measured (CalcHeight, CalcWidth) and drawn as on the screen.
TextMeasure& AttachScreenTextMeasure(model::TfrxReport& report);

} // namespace rq::report::render::qt
