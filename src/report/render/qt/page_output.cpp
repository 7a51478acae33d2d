// The Qt targets of a page. Images and PDF files are written through
// QSaveFile, so a failed write leaves no partial file behind and an
// existing file is replaced only by a complete one.
#include "report/render/qt/page_output.h"
#include "base/rounding.h"

#include "base/exceptions.h"
#include "report/model/types.h"
#include "report/render/qt/qt_canvas.h"
#include "report/render/rounding.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace rq::report::render::qt {
namespace {

[[noreturn]] void raiseOutput(const QString& path, const QString& reason) {
    throw base::Exception("Cannot write \"" + path.toStdString() + "\": " + reason.toStdString());
}

void commit(QSaveFile& file, const QString& path) {
    if (!file.commit())
        raiseOutput(path, file.errorString());
}

} // namespace

Size pagePixels(PaperSize paper, double scale) {
    return {base::roundToInt(paper.width * model::PixelsPerMillimetre * scale),
            base::roundToInt(paper.height * model::PixelsPerMillimetre * scale)};
}

void drawOnDevice(QPaintDevice& device, int dpiX, int dpiY, bool printer, double scaleX,
                  double scaleY, const PageDrawFn& draw) {
    QPainter painter;
    if (!painter.begin(&device))
        throw base::Exception("The drawing surface cannot be painted on");
    QtCanvas canvas(painter, dpiX, dpiY, printer);
    canvas.setGlyphText(dynamic_cast<QPagedPaintDevice*>(&device) != nullptr);
    draw(canvas, scaleX, scaleY);
    painter.end();
}

QImage renderImage(PaperSize paper, double dpi, bool printer, const PageDrawFn& draw) {
    const double scale = dpi / ScreenDpi;
    const Size size = pagePixels(paper, scale);
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    if (image.isNull())
        throw base::Exception("The image of " + std::to_string(size.cx) + " x " +
                              std::to_string(size.cy) + " pixels cannot be made");
    image.fill(Qt::white);
    setImageResolution(image, dpi);
    // A printer of that resolution, or the screen zoomed to it.
    const int canvasDpi = printer ? base::roundToInt(dpi) : ScreenDpi;
    drawOnDevice(image, canvasDpi, canvasDpi, printer, scale, scale, draw);
    return image;
}

void writePdf(const QString& path, PaperSize paper, const PageDrawFn& draw, int pdfDpi) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseOutput(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(pdfDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(paper.width, paper.height), QPageSize::Millimeter,
                                  QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("RQ0612"));
        const double scale = static_cast<double>(pdfDpi) / ScreenDpi;
        drawOnDevice(writer, pdfDpi, pdfDpi, true, scale, scale, draw);
    }
    commit(file, path);
}

void writePng(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        raiseOutput(path, file.errorString());
    if (!image.save(&file, "PNG"))
        raiseOutput(path, QStringLiteral("the PNG encoder failed"));
    commit(file, path);
}

} // namespace rq::report::render::qt
