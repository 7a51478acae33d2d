// The layout with installed fonts: the certificate's body text breaks at the
// same characters at every zoom and on 600 and 1200 dpi printers, each drawn
// line keeps its 600 dpi width, and measuring is repeatable.
#include "../certificate_body.h"
#include "report/render/draw_text.h"
#include "report/render/qt/qt_canvas.h"
#include "report/render/recording_canvas.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace rq::report::render::qt {
namespace {

using testing::certificateBody;
using testing::certificateFont;
using testing::certificateTextBox;

struct Drawn {
    std::vector<std::string> wrapped;
    std::vector<int> widths; // per wrapped line, device pixels
};

Drawn layOut(Canvas& target, long double scale, HAlign align) {
    auto text = std::make_unique<TfrxDrawText>(qt::newScreenMeasuringCanvas());
    text->UseFont(certificateFont());
    text->SetLayoutOptions(true, true, 0, false, false);
    text->SetSpacing(0, 0, 6);
    text->SetBounds(scale, scale, certificateTextBox(1), certificateTextBox(scale));
    text->SetLines(certificateBody());
    RecordingCanvas recording(target, {100000, 100000});
    text->DrawLines(recording, align, VAlign::vaTop);
    Drawn drawn;
    for (const auto& line : text->wrappedLines())
        drawn.wrapped.push_back(line.text);
    int y = 0;
    for (const auto* run : recording.textRuns()) {
        if (drawn.widths.empty() || run->at.y != y)
            drawn.widths.push_back(0);
        y = run->at.y;
        drawn.widths.back() += run->bounds().right - run->bounds().left;
    }
    return drawn;
}

bool tahomaInstalled() {
    return QFile::exists("/usr/share/wine/fonts/tahoma.ttf");
}

TEST(QtLayout, CertificateBodyBreaksAlikeOnEveryScaleAndPrinter) {
    QtImageCanvas printer600({1, 1}, 600, true);
    const Drawn reference = layOut(printer600, 600 / 96.0L, HAlign::haLeft);
    ASSERT_GT(reference.wrapped.size(), 8u);
    ASSERT_EQ(reference.widths.size(), reference.wrapped.size());

    struct Device {
        int dpi;
        bool printer;
        long double scale;
    };
    const Device devices[] = {
        {96, false, 0.25}, {96, false, 0.5}, {96, false, 1}, {96, false, 1.5},
        {96, false, 2},    {96, false, 4},   {96, false, 8}, {1200, true, 1200 / 96.0L}};
    for (const auto& device : devices) {
        SCOPED_TRACE(::testing::Message() << device.dpi << " dpi, scale " << double(device.scale));
        QtImageCanvas canvas({1, 1}, device.dpi, device.printer);
        const Drawn drawn = layOut(canvas, device.scale, HAlign::haLeft);
        EXPECT_EQ(drawn.wrapped, reference.wrapped);
        ASSERT_EQ(drawn.widths.size(), reference.widths.size());
        const long double toDevice =
            device.printer ? device.dpi / 600.0L : device.scale * 96 / 600.0L;
        for (std::size_t j = 0; j < drawn.widths.size(); ++j)
            EXPECT_LE(std::fabs(drawn.widths[j] - reference.widths[j] * toDevice), 1.0L)
                << "line " << j;
    }
}

TEST(QtLayout, PdfPrinterCanvasUsesTheWritersResolution) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("page.pdf"));
    writer.setResolution(600);
    auto canvas = QtCanvas::printer(&writer);
    EXPECT_TRUE(canvas->isPrinter());
    EXPECT_EQ(canvas->dpiY(), 600);
    QtImageCanvas image({1, 1}, 600, true);
    const Drawn onPdf = layOut(*canvas, 600 / 96.0L, HAlign::haBlock);
    const Drawn onImage = layOut(image, 600 / 96.0L, HAlign::haBlock);
    EXPECT_EQ(onPdf.wrapped, onImage.wrapped);
    EXPECT_EQ(onPdf.widths, onImage.widths);
}

TEST(QtLayout, MeasuringIsRepeatableAndAdditive) {
    if (!tahomaInstalled())
        GTEST_SKIP() << "Tahoma is not installed";
    QtImageCanvas a({1, 1}), b({1, 1});
    for (auto* canvas : {&a, &b}) {
        canvas->font().name = "Tahoma";
        canvas->font().height = -92;
        canvas->font().style = fsBold;
    }
    const std::string title = base::utf8ToCp1250("MUNKÁLTATÓI IGAZOLÁS");
    std::vector<int> first(title.size()), second(title.size());
    a.textExtentEx(title, first);
    b.textExtentEx(title, second);
    EXPECT_EQ(first, second);
    EXPECT_EQ(a.textExtent(title).cx, first.back());
    int sum = 0;
    for (char c : title)
        sum += a.textExtent(std::string(1, c)).cx;
    EXPECT_EQ(sum, first.back());
}

TEST(QtLayout, DrawnTextInksTheTextBox) {
    QtImageCanvas canvas({700, 500});
    auto text = std::make_unique<TfrxDrawText>(qt::newScreenMeasuringCanvas());
    text->UseFont(certificateFont());
    text->SetLayoutOptions(true, true, 0, false, false);
    text->SetSpacing(0, 0, 6);
    const Rect box = certificateTextBox(1);
    text->SetBounds(1, 1, box, box);
    text->SetLines(certificateBody());
    text->DrawLines(canvas, HAlign::haBlock, VAlign::vaTop);
    const QImage& image = canvas.image();
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool ink = image.pixelColor(x, y) != QColor(Qt::white);
            const bool in = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            (in ? inside : outside) += ink;
        }
    EXPECT_GT(inside, 2000);
    EXPECT_EQ(outside, 0);
}

} // namespace
} // namespace rq::report::render::qt
