// The Qt canvas: pixel coverage of shapes, XOR pens, clipping, bitmap
// stretching and clipped text output on memory bitmaps.
#include "report/render/qt/qt_canvas.h"

#include <gtest/gtest.h>

namespace rq::report::render::qt {
namespace {

bool isWhite(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::white);
}

int inkIn(const QImage& image, const QRect& area) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += !isWhite(image, x, y);
    return ink;
}

TEST(QtCanvas, ShapesCoverThePlatformsPixels) {
    QtImageCanvas canvas({40, 40});
    canvas.brush() = {0x0000FF, BrushStyle::bsSolid};
    canvas.fillRect({2, 2, 5, 4}); // columns 2..4, rows 2..3
    canvas.pen() = {clBlack, 1, PenStyle::psSolid, PenMode::pmCopy};
    canvas.moveTo({10, 10});
    canvas.lineTo({20, 10}); // 10..19, the end point left out
    const QImage& image = canvas.image();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(4, 3), QColor(255, 0, 0));
    EXPECT_TRUE(isWhite(image, 5, 3));
    EXPECT_TRUE(isWhite(image, 4, 4));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(19, 10), QColor(Qt::black));
    EXPECT_TRUE(isWhite(image, 20, 10));
    EXPECT_TRUE(isWhite(image, 15, 9));
    EXPECT_TRUE(isWhite(image, 15, 11));
    canvas.line({30, 0}, {30, 5}); // vertical: rows 0..4
    EXPECT_EQ(image.pixelColor(30, 4), QColor(Qt::black));
    EXPECT_TRUE(isWhite(image, 30, 5));

    canvas.brush().style = BrushStyle::bsClear;
    canvas.rectangle({25, 25, 30, 30}); // outline 25..29
    EXPECT_EQ(image.pixelColor(29, 29), QColor(Qt::black));
    EXPECT_TRUE(isWhite(image, 30, 29));
    EXPECT_TRUE(isWhite(image, 27, 27));
}

TEST(QtCanvas, XorPenTwiceRestoresThePicture) {
    QtImageCanvas canvas({20, 20});
    canvas.pen() = {clWhite, 1, PenStyle::psSolid, PenMode::pmXor};
    canvas.line({0, 5}, {20, 5});
    EXPECT_EQ(canvas.image().pixelColor(7, 5), QColor(Qt::black));
    canvas.line({0, 5}, {20, 5});
    EXPECT_TRUE(isWhite(canvas.image(), 7, 5));
}

TEST(QtCanvas, ExcludedRectanglesStayUnpainted) {
    QtImageCanvas canvas({20, 20});
    canvas.excludeClipRect({5, 5, 10, 10});
    EXPECT_FALSE(canvas.rectVisible({6, 6, 9, 9}));
    EXPECT_TRUE(canvas.rectVisible({0, 0, 6, 6}));
    canvas.brush() = {clBlack, BrushStyle::bsSolid};
    canvas.fillRect({0, 0, 20, 20});
    EXPECT_TRUE(isWhite(canvas.image(), 7, 7));
    EXPECT_FALSE(isWhite(canvas.image(), 12, 12));
    const ClipRegion region = canvas.clipRegion();
    EXPECT_TRUE(region.active);
    canvas.selectClipRegion({});
    EXPECT_TRUE(canvas.rectVisible({6, 6, 9, 9}));
}

TEST(QtCanvas, HatchedBrushLeavesGapsAndBitmapsStretch) {
    QtImageCanvas canvas({40, 20});
    canvas.brush() = {clBlack, BrushStyle::bsCross};
    canvas.setTransparentBackground(true);
    canvas.fillRect({0, 0, 20, 20});
    const int ink = inkIn(canvas.image(), {0, 0, 20, 20});
    EXPECT_GT(ink, 20);
    EXPECT_LT(ink, 400);
    Bitmap32 bitmap{2, 1, {0xFFFF0000u, 0xFF0000FFu}};
    canvas.stretchBitmap({20, 0, 40, 20}, bitmap);
    EXPECT_EQ(canvas.image().pixelColor(22, 10), QColor(255, 0, 0));
    EXPECT_EQ(canvas.image().pixelColor(38, 10), QColor(0, 0, 255));
}

TEST(QtCanvas, TextIsClippedToItsRectangle) {
    QtImageCanvas canvas({200, 60});
    canvas.font().name = "Tahoma";
    canvas.font().height = -30;
    const std::string text = "WWWWWW";
    std::vector<int> advances(text.size());
    canvas.textExtentEx(text, advances);
    for (std::size_t i = advances.size() - 1; i > 0; --i)
        advances[i] -= advances[i - 1];
    canvas.textOut({10, 10}, ETO_CLIPPED, {10, 10, 60, 60}, text, advances);
    EXPECT_GT(inkIn(canvas.image(), {10, 10, 50, 40}), 50);
    EXPECT_EQ(inkIn(canvas.image(), {60, 0, 140, 60}), 0);
}

TEST(QtCanvas, PointSizeFollowsTheCanvasResolution) {
    QtImageCanvas printer({10, 10}, 600, true);
    EXPECT_TRUE(printer.isPrinter());
    printer.font().setSize(11);
    EXPECT_EQ(printer.font().height, -92); // 11 * 600 / 72 = 91.67
    QtImageCanvas screen({10, 10});
    screen.font().setSize(11);
    EXPECT_EQ(screen.font().height, -15);
    EXPECT_EQ(screen.dpiY(), ScreenDpi);
}

} // namespace
} // namespace rq::report::render::qt

namespace rq::report::render::qt {
namespace {

TEST(QtCanvas, ScreenCanvasIs96DpiWhateverTheDevice) {
    QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    image.setDotsPerMeterX(23622); // 600 dpi
    image.setDotsPerMeterY(23622);
    {
        auto canvas = QtCanvas::screen(&image);
        EXPECT_EQ(canvas->dpiX(), ScreenDpi);
        EXPECT_FALSE(canvas->isPrinter());
        canvas->brush() = {clBlack, BrushStyle::bsSolid};
        canvas->fillRect({0, 0, 10, 10});
    }
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::black));
}

TEST(QtCanvas, RotatedTextTurnsAboutItsStartPoint) {
    QtImageCanvas canvas({100, 100});
    canvas.font().name = "Tahoma";
    canvas.font().height = -20;
    canvas.font().escapement = 900; // reading upwards
    const std::string text = "WWWW";
    std::vector<int> advances(text.size(), 15);
    canvas.textOut({50, 90}, 0, {}, text, advances);
    // The run goes up from (50, 90) with its cell to the right of x = 50.
    EXPECT_GT(inkIn(canvas.image(), {50, 25, 25, 65}), 100);
    EXPECT_EQ(inkIn(canvas.image(), {0, 0, 45, 100}), 0);
    EXPECT_EQ(inkIn(canvas.image(), {0, 92, 100, 8}), 0);
}

} // namespace
} // namespace rq::report::render::qt

namespace rq::report::render::qt {
namespace {

TEST(QtRecordingCanvas, RecordsWithPlatformMetricsAndReplaysOnABitmap) {
    QtRecordingCanvas recording({100, 50});
    recording.font().name = "Tahoma";
    recording.font().height = -20;
    const std::string text = "Ok";
    std::vector<int> advances(text.size());
    recording.textExtentEx(text, advances);
    EXPECT_GT(advances[1], advances[0]);
    advances[1] -= advances[0];
    recording.textOut({5, 5}, 0, {}, text, advances);
    ASSERT_EQ(recording.textRuns().size(), 1u);
    EXPECT_EQ(recording.textRuns()[0]->bounds().left, 5);

    QtImageCanvas target({200, 100});
    recording.replay(target, {0, 0, 200, 100});
    EXPECT_GT(inkIn(target.image(), {10, 10, 60, 50}), 50);
}

} // namespace
} // namespace rq::report::render::qt
