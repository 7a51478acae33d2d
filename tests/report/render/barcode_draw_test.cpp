// The barcode view's Draw through the drawing table: the object takes the
// symbol's size, HAlign moves it, and on the canvas every module lands on
// its pixels at any scale and right angle, the last one included, with the
// text band beside the bars.
#include "raster_canvas.h"

#include "base/exceptions.h"
#include "report/barcode/barcode.h"
#include "report/model/barcode_view.h"
#include "report/render/draw_view.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rq::report::render::testing {
namespace {

using namespace model;

// "1" per bar unit and "0" per space unit of the symbol of the text.
std::string Modules(TfrxBarcodeType type, const std::string& text, bool checksum = false) {
    barcode::TfrxBarcode g;
    g.SetTyp(type);
    g.SetChecksum(checksum);
    g.SetText(text);
    std::string modules;
    for (char c : g.EncodeBars())
        modules.append(static_cast<std::size_t>(g.ElementWidth(c)),
                       barcode::DecodeBarChar(c).bar ? '1' : '0');
    return modules;
}

std::string Stretched(const std::string& modules, int k) {
    std::string pixels;
    for (char m : modules)
        pixels.append(static_cast<std::size_t>(k), m);
    return pixels;
}

void PlaceView(TfrxBarCodeView& view, const std::string& text) {
    view.SetLeft(10);
    view.SetTop(5);
    view.SetWidth(60);
    view.SetHeight(60);
    view.SetText(text);
}

struct SizingCase {
    const char* name;
    bool checksum;
    int rotation;
    double zoom;
    TfrxHAlign hAlign;
    double oldWidth;
    double width, height, left; // after the draw
};

const SizingCase kSizing[] = {
    {"TemplateSymbol", false, 0, 1, haLeft, 60, 128, 60, 10},
    {"CheckCharacter", false, 0, 1, haLeft, 60, 128, 60, 10},
    {"CenterFrom140MovesBy6", false, 0, 1, haCenter, 140, 128, 60, 16},
    {"RightFrom140MovesBy12", false, 0, 1, haRight, 140, 128, 60, 22},
    {"BlockStays", false, 0, 1, haBlock, 140, 128, 60, 10},
    {"ZoomZeroCountsAsOne", false, 0, 0, haLeft, 60, 128, 60, 10},
    {"ZoomTwo", false, 0, 2, haLeft, 60, 256, 60, 10},
    {"WithCheckCharacter", true, 0, 1, haLeft, 60, 141, 60, 10},
    {"Upside", false, 180, 1, haLeft, 60, 128, 60, 10},
    {"Rotation90SizesHeight", false, 90, 1, haCenter, 60, 60, 128, 10},
    {"Rotation270SizesHeight", false, 270, 1, haRight, 60, 60, 128, 10},
    {"OddAngleSizesHeight", false, 45, 1, haLeft, 60, 60, 128, 10},
};

class BarcodeSizing : public ::testing::TestWithParam<SizingCase> {};

TEST_P(BarcodeSizing, ObjectTakesTheSymbolsSize) {
    const SizingCase& c = GetParam();
    TfrxBarCodeView view;
    PlaceView(view, "12345678");
    view.SetWidth(c.oldWidth);
    view.SetCalcCheckSum(c.checksum);
    view.SetRotation(c.rotation);
    view.SetZoom(c.zoom);
    view.SetHAlign(c.hAlign);
    RasterCanvas canvas(400, 200);
    DrawView(view, DrawContext{canvas});
    EXPECT_DOUBLE_EQ(view.Width(), c.width);
    EXPECT_DOUBLE_EQ(view.Height(), c.height);
    EXPECT_DOUBLE_EQ(view.Left(), c.left);
    EXPECT_DOUBLE_EQ(view.Zoom(), c.zoom == 0 ? 1 : c.zoom);
}

INSTANTIATE_TEST_SUITE_P(Draw, BarcodeSizing, ::testing::ValuesIn(kSizing),
                         [](const auto& info) { return std::string(info.param.name); });

struct PixelCase {
    const char* name;
    TfrxBarcodeType type;
    const char* text;
    int rotation;
    int scale;
};

const PixelCase kPixels[] = {
    {"Code39_0_x1", bcCode39, "12345678", 0, 1},
    {"Code39_0_x3", bcCode39, "12345678", 0, 3},
    {"Code39_90_x2", bcCode39, "12345678", 90, 2},
    {"Code39_180_x1", bcCode39, "12345678", 180, 1},
    {"Code39_270_x3", bcCode39, "12345678", 270, 3},
    {"EAN13_0_x2", bcCodeEAN13, "4006381333931", 0, 2},
    {"EAN13_90_x1", bcCodeEAN13, "4006381333931", 90, 1},
    {"Code128B_180_x2", bcCode128B, "Hello", 180, 2},
    {"PostNet_270_x2", bcCodePostNet, "12345", 270, 2},
};

class BarcodePixels : public ::testing::TestWithParam<PixelCase> {};

// A line across the bars, from the symbol's start edge, holds every module
// at scale pixels each; the module past the object's stored edge is there.
TEST_P(BarcodePixels, EveryModuleOnItsPixels) {
    const PixelCase& c = GetParam();
    TfrxBarCodeView view;
    PlaceView(view, c.text);
    view.SetBarType(c.type);
    view.SetRotation(c.rotation);
    const int k = c.scale;
    RasterCanvas canvas(600 * k, 200 * k);
    DrawView(view, DrawContext{canvas, static_cast<long double>(k), static_cast<long double>(k)});

    const std::string expected = Stretched(Modules(c.type, c.text), k);
    const int length = static_cast<int>(expected.size());
    // Across the bars near their base, where short bars reach as well: 40
    // units from the bars' top, which lies on the far side of the band at
    // 180 and 270 degrees.
    const int x0 = 10 * k, y0 = 5 * k;
    const int across = (c.rotation == 180 || c.rotation == 270 ? 21 : 40) * k;
    std::string line;
    if (c.rotation == 0 || c.rotation == 180)
        line = canvas.row(y0 + across, x0, x0 + length, clBlack);
    else
        line = canvas.column(x0 + across, y0, y0 + length, clBlack);
    if (c.rotation == 90 || c.rotation == 180)
        std::reverse(line.begin(), line.end());
    EXPECT_EQ(line, expected);
    // Stored width or height plus one module: the symbol's full length.
    const double along = c.rotation == 0 || c.rotation == 180 ? view.Width() : view.Height();
    EXPECT_EQ(length, static_cast<int>(along + 1) * k);
}

INSTANTIATE_TEST_SUITE_P(Draw, BarcodePixels, ::testing::ValuesIn(kPixels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarcodeDraw, SpacesAreWhiteWithoutColourAndTheColourWithOne) {
    for (const TColor colour : {model::clNone, TColor{0x00FFCC}}) {
        TfrxBarCodeView view;
        PlaceView(view, "1");
        view.SetColor(colour);
        RasterCanvas canvas(200, 100);
        DrawView(view, DrawContext{canvas});
        // Code 39 starts bar, space: the second unit is a narrow space.
        EXPECT_EQ(canvas.at(11, 20), colour == model::clNone ? clWhite : 0x00FFCCu);
        EXPECT_EQ(canvas.at(10, 20), clBlack);
    }
}

// Without text the band of 16 units under the bars stays free; with text
// the band is cleared and the text centred in it.
TEST(BarcodeDraw, TextBandBelowTheBarsWithOrWithoutText) {
    for (const bool showText : {false, true}) {
        TfrxBarCodeView view;
        PlaceView(view, "12345678");
        view.SetShowText(showText);
        RasterCanvas canvas(300, 100);
        DrawView(view, DrawContext{canvas});
        // Bars cover rows 0..44 of the 60; without text the last 15 rows stay
        // untouched, with text the band's 16 rows are cleared in white.
        EXPECT_EQ(canvas.column(10, 5, 5 + 44, clBlack), std::string(44, '1'));
        if (showText) {
            EXPECT_EQ(canvas.column(10, 5 + 44, 5 + 60, clWhite), std::string(16, '1'));
        } else {
            EXPECT_EQ(canvas.at(10, 5 + 44), clBlack);
            EXPECT_EQ(canvas.column(10, 5 + 45, 5 + 60, RasterCanvas::kUntouched),
                      std::string(15, '1'));
        }
        ASSERT_EQ(canvas.calls.size(), showText ? 1u : 0u);
        if (showText) {
            // Eight digits of 6 pixels: (128 - 48) div 2 = 40 from the left.
            EXPECT_EQ(canvas.calls[0].text, "12345678");
            EXPECT_EQ(canvas.calls[0].at, (Point{10 + 40, 5 + 60 - 14}));
            EXPECT_EQ(canvas.calls[0].font.escapement, 0);
        }
    }
}

TEST(BarcodeDraw, TurnedSymbolWritesItsTextTurnedBesideTheBars) {
    TfrxBarCodeView view;
    PlaceView(view, "12345678");
    view.SetRotation(90);
    RasterCanvas canvas(200, 300);
    DrawView(view, DrawContext{canvas});
    ASSERT_EQ(canvas.calls.size(), 1u);
    // The band lies right of the bars; the text runs upwards from the start.
    EXPECT_EQ(canvas.calls[0].at, (Point{10 + 60 - 14, 5 + 129 - 40}));
    EXPECT_EQ(canvas.calls[0].font.escapement, 900);
}

TEST(BarcodeDraw, EanDigitGroupsSitBetweenTheGuards) {
    TfrxBarCodeView view;
    PlaceView(view, "400638133393");
    view.SetBarType(bcCodeEAN13);
    view.SetCalcCheckSum(true);
    RasterCanvas canvas(300, 100);
    DrawView(view, DrawContext{canvas});
    ASSERT_EQ(canvas.calls.size(), 3u);
    EXPECT_EQ(canvas.calls[0].text, "4");
    EXPECT_EQ(canvas.calls[0].at.x, 10 - 8);
    EXPECT_EQ(canvas.calls[1].text, "006381");
    EXPECT_EQ(canvas.calls[1].at.x, 10 + 3);
    EXPECT_EQ(canvas.calls[2].text, "333931");
    EXPECT_EQ(canvas.calls[2].at.x, 10 + 49);
    // The guards reach down into the band, the digits' bars stop above it.
    EXPECT_EQ(canvas.at(10, 5 + 50), clBlack);
    EXPECT_NE(canvas.at(10 + 3 + 1, 5 + 50), clBlack);
}

TEST(BarcodeDraw, GeneratorErrorsReachTheCallerAndLeaveTheViewAlone) {
    TfrxBarCodeView view;
    PlaceView(view, "12a");
    view.SetBarType(bcCodeEAN13);
    RasterCanvas canvas(100, 100);
    try {
        DrawView(view, DrawContext{canvas});
        FAIL() << "no error";
    } catch (const base::Exception& e) {
        EXPECT_STREQ(e.what(), "Barcode must be numeric");
    }
    EXPECT_DOUBLE_EQ(view.Width(), 60);
    EXPECT_EQ(canvas.at(10, 10), RasterCanvas::kUntouched);
}

} // namespace
} // namespace rq::report::render::testing
