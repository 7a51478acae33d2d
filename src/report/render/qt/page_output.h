// One path from a page's drawing to the Qt targets: a QImage at a given
// resolution, a PDF written by QPdfWriter (text kept as text) and any
// QPaintDevice handed in (a preview widget, a printer). The page itself is
// drawn by the caller's function (the store's DrawPage) on the canvas it is
// given, at the scale given.
#pragma once

#include "report/render/canvas.h"

#include <QImage>
#include <QString>

#include <functional>

class QPaintDevice;

namespace rq::report::render::qt {

// Draws a page onto canvas at scaleX, scaleY device pixels per report pixel,
// with the paper's corner at the device origin.
using PageDrawFn = std::function<void(Canvas& canvas, double scaleX, double scaleY)>;

// Paper sides in millimetres.
struct PaperSize {
    double width = 210;
    double height = 297;
};

// Pixels of the paper at a scale: the sides in report pixels
// (mm x PixelsPerMillimetre) times the scale, rounded half to even.
Size pagePixels(PaperSize paper, double scale);

// Draws on an inactive device through a painter of its own, on a canvas of
// the given resolution at the given scale. A paged device (printer, PDF)
// gets its text as glyph runs; printer tells the layout it draws for a
// printer. Raises base::Exception when the device cannot be painted on.
void drawOnDevice(QPaintDevice& device, int dpiX, int dpiY, bool printer, double scaleX,
                  double scaleY, const PageDrawFn& draw);

// A white image of the paper at dpi (dots per inch of the device). With
// printer the page is drawn as for a printer of that resolution; without,
// as the screen (96 dpi) zoomed by scale dpi / 96.
QImage renderImage(PaperSize paper, double dpi, bool printer, const PageDrawFn& draw);

// One PDF page of the paper's size drawn at pdfDpi into the file; the file
// appears only when complete. Raises base::Exception with the reason.
void writePdf(const QString& path, PaperSize paper, const PageDrawFn& draw, int pdfDpi = 600);

// The image written as PNG the same way (complete or not at all).
void writePng(const QString& path, const QImage& image);

} // namespace rq::report::render::qt
