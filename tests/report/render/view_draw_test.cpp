// The device rectangle, fill, frame and shadow of views on a recording
// canvas: the rounding of BeginDraw, DeviceFrameWidth, StrokeLine's offsets,
// the pen of each frame style, the double frame's six lines per edge pair
// and the shadow's two strokes.
#include "draw_fixture.h"
#include "report/model/memo_view.h"
#include "report/render/draw_view.h"
#include "report/render/view_draw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rq::report::render {
namespace {

using testing::DrawRecording;
using testing::Stroke;

constexpr int kLeft = 1 << model::ftLeft, kRight = 1 << model::ftRight, kTop = 1 << model::ftTop,
              kBottom = 1 << model::ftBottom, kAll = kLeft | kRight | kTop | kBottom;

std::vector<std::pair<Point, Point>> ends(const std::vector<Stroke>& strokes) {
    std::vector<std::pair<Point, Point>> result;
    for (const Stroke& s : strokes)
        result.emplace_back(s.from, s.to);
    return result;
}

void draw(model::TfrxView& view, Canvas& canvas, long double scale) {
    DrawView(view, DrawContext{canvas, scale, scale, 0, 0});
}

TEST(BeginDraw, RoundsEachEdgeOfTheScaledBoundsHalfToEven) {
    model::TfrxView view;
    view.SetBounds(7.55906, 219.21274, 619.84292, 211.65368);
    const ViewDraw d = BeginDraw(view, nullptr, 1, 1, 0, 0);
    EXPECT_EQ((Rect{d.DeviceX, d.DeviceY, d.DeviceX1, d.DeviceY1}), (Rect{8, 219, 627, 431}));
    EXPECT_EQ(d.DeviceWidth, 619);
    EXPECT_EQ(d.DeviceHeight, 212);

    view.SetBounds(0.5, 1.5, 2, 2); // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 3.5 -> 4
    const ViewDraw even = BeginDraw(view, nullptr, 1, 1, 0, 0);
    EXPECT_EQ((Rect{even.DeviceX, even.DeviceY, even.DeviceX1, even.DeviceY1}), (Rect{0, 2, 2, 4}));
}

TEST(BeginDraw, ShadowTakesItsScaledWidthOffTheRightAndBottomEdges) {
    model::TfrxView view;
    view.SetBounds(10, 20, 100, 50);
    view.Frame().SetDropShadow(true);
    view.Frame().SetShadowWidth(4);
    const ViewDraw d = BeginDraw(view, nullptr, 2, 3, 5, 7);
    EXPECT_EQ((Rect{d.DeviceX, d.DeviceY, d.DeviceX1, d.DeviceY1}),
              (Rect{25, 67, 225 - 8, 217 - 12}));
}

TEST(BeginDraw, FrameWidthFollowsTheHorizontalScale) {
    model::TfrxView view;
    EXPECT_EQ(BeginDraw(view, nullptr, 6.25, 1, 0, 0).DeviceFrameWidth, 6);
    EXPECT_EQ(BeginDraw(view, nullptr, 1, 6.25, 0, 0).DeviceFrameWidth, 1);
    view.Frame().SetWidth(2.5);
    EXPECT_EQ(BeginDraw(view, nullptr, 1, 1, 0, 0).DeviceFrameWidth, 2);
}

struct StrokeCase {
    const char* name;
    int width;
    bool horizontal;
    std::vector<int> offsets;
};

class StrokeLineOffsets : public ::testing::TestWithParam<StrokeCase> {};

TEST_P(StrokeLineOffsets, StrokesLieAcrossTheMainDirectionFromMinusHalfTheWidth) {
    const StrokeCase& c = GetParam();
    DrawRecording rec;
    if (c.horizontal)
        StrokeLine(rec.canvas, 10, 20, 110, 20, c.width);
    else
        StrokeLine(rec.canvas, 10, 20, 10, 120, c.width);
    std::vector<std::pair<Point, Point>> expected;
    for (int o : c.offsets)
        expected.push_back(c.horizontal ? std::pair{Point{10, 20 + o}, Point{110, 20 + o}}
                                        : std::pair{Point{10 + o, 20}, Point{10 + o, 120}});
    EXPECT_EQ(ends(rec.strokes()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, StrokeLineOffsets,
    ::testing::Values(StrokeCase{"zero_counts_as_one", 0, true, {0}},
                      StrokeCase{"one", 1, true, {0}}, StrokeCase{"two", 2, true, {-1, 0}},
                      StrokeCase{"three", 3, false, {-1, 0, 1}},
                      StrokeCase{"four", 4, false, {-2, -1, 0, 1}},
                      StrokeCase{"six_at_printer_scale", 6, true, {-3, -2, -1, 0, 1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StyleCase {
    const char* name;
    model::TfrxFrameStyle style;
    PenStyle pen;
    int penWidth;   // at scale 6.25 with Width 1
    int lineCount;  // for the top edge alone
    bool clearGaps; // brush clear without a fill colour (every style but solid)
};

class FrameStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(FrameStyles, TopEdgeAtPrinterScaleUsesTheStylesPen) {
    const StyleCase& c = GetParam();
    model::TfrxView view;
    view.SetBounds(10, 10, 100, 40);
    view.Frame().SetTyp(kTop);
    view.Frame().SetStyle(c.style);
    view.Frame().SetColor(0x0000FF);
    DrawRecording rec(600, true);
    draw(view, rec.canvas, 6.25);
    const std::vector<Stroke> strokes = rec.strokes();
    ASSERT_EQ(strokes.size(), std::size_t(c.lineCount));
    for (const Stroke& s : strokes) {
        EXPECT_EQ(s.pen.style, c.pen);
        EXPECT_EQ(s.pen.width, c.penWidth);
        EXPECT_EQ(s.pen.color, 0x0000FFu);
        EXPECT_EQ(s.brush.style == BrushStyle::bsClear, c.clearGaps);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FrameStyles,
    ::testing::Values(StyleCase{"solid", model::fsSolid, PenStyle::psSolid, 6, 1, false},
                      StyleCase{"dash", model::fsDash, PenStyle::psDash, 1, 6, true},
                      StyleCase{"dot", model::fsDot, PenStyle::psDot, 1, 6, true},
                      StyleCase{"dash_dot", model::fsDashDot, PenStyle::psDashDot, 1, 6, true},
                      StyleCase{"dash_dot_dot", model::fsDashDotDot, PenStyle::psDashDotDot, 1, 6,
                                true},
                      StyleCase{"double", model::fsDouble, PenStyle::psSolid, 6, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawFrame, DottedEdgeAtPrinterScaleIsSixOnePixelStrokesFromMinusThree) {
    model::TfrxView view;
    view.SetBounds(0, 16, 64, 32); // device 0, 100, 400, 300
    view.Frame().SetTyp(kLeft);
    view.Frame().SetStyle(model::fsDot);
    view.SetColor(0xFFFFFF);
    DrawRecording rec(600, true);
    draw(view, rec.canvas, 6.25);
    std::vector<std::pair<Point, Point>> expected;
    for (int o = -3; o <= 2; ++o)
        expected.push_back({{o, 100}, {o, 300}});
    EXPECT_EQ(ends(rec.strokes()), expected);
    // With a fill the gaps show the fill colour.
    EXPECT_EQ(rec.strokes()[0].brush, (Brush{0xFFFFFF, BrushStyle::bsSolid}));
}

TEST(DrawFrame, EdgesComeLeftRightTopBottomAndTheOnePixelBottomReachesTheCorner) {
    model::TfrxView view;
    view.SetBounds(10, 20, 30, 40);
    view.Frame().SetTyp(kAll);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    const std::vector<std::pair<Point, Point>> expected = {
        {{10, 20}, {10, 60}}, {{40, 20}, {40, 60}}, {{10, 20}, {40, 20}}, {{10, 60}, {41, 60}}};
    EXPECT_EQ(ends(rec.strokes()), expected);
}

TEST(DrawFrame, NothingForAnEmptyTypANoneColourOrAZeroWidth) {
    struct Case {
        int typ;
        model::TColor color;
        double width;
    };
    for (const Case& c : {Case{0, 0, 1}, Case{kAll, model::clNone, 1}, Case{kAll, 0, 0}}) {
        model::TfrxMemoView view; // the certificate's dotted labels have no edges
        view.SetBounds(0, 0, 50, 20);
        view.Frame().SetStyle(model::fsDot);
        view.Frame().SetTyp(c.typ);
        view.Frame().SetColor(c.color);
        view.Frame().SetWidth(c.width);
        DrawRecording rec;
        const ViewDraw d = BeginDraw(view, &rec.canvas, 1, 1, 0, 0);
        DrawFrame(view, d);
        EXPECT_TRUE(rec.strokes().empty()) << c.typ << " " << c.color << " " << c.width;
    }
}

TEST(DrawFrame, DoubleFrameOuterLinesMeetAtCornersInnerLinesStopShortFillLineBetween) {
    model::TfrxView view;
    view.SetBounds(100, 100, 100, 50); // device 100, 100, 200, 150 at scale 1
    view.Frame().SetTyp(kAll);
    view.Frame().SetStyle(model::fsDouble);
    view.Frame().SetWidth(2);
    view.Frame().SetColor(0x000080);
    view.SetColor(0x00FF00);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    const std::vector<Stroke> strokes = rec.strokes();
    const std::vector<std::pair<Point, Point>> expected = {
        // left: outer (x - 2) lengthened, middle in the fill, inner (x + 2) shortened
        {{98, 98}, {98, 152}},
        {{100, 100}, {100, 150}},
        {{102, 102}, {102, 148}},
        // right: inner first (the left one), then outer
        {{198, 102}, {198, 148}},
        {{200, 100}, {200, 150}},
        {{202, 98}, {202, 152}},
        // top: outer above
        {{98, 98}, {202, 98}},
        {{100, 100}, {200, 100}},
        {{102, 102}, {198, 102}},
        // bottom: inner above, outer below
        {{102, 148}, {198, 148}},
        {{100, 150}, {200, 150}},
        {{98, 152}, {202, 152}},
    };
    EXPECT_EQ(ends(strokes), expected);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        EXPECT_EQ(strokes[i].pen.width, 2) << i;
        EXPECT_EQ(strokes[i].pen.color, i % 3 == 1 ? 0x00FF00u : 0x000080u) << i;
    }
}

TEST(DrawFrame, DoubleFrameWithoutFillHasNoMiddleLine) {
    model::TfrxView view;
    view.SetBounds(100, 100, 100, 50);
    view.Frame().SetTyp(kTop);
    view.Frame().SetStyle(model::fsDouble);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    // A lone edge has no neighbours: neither line is lengthened or shortened.
    const std::vector<std::pair<Point, Point>> expected = {{{100, 99}, {200, 99}},
                                                           {{100, 101}, {200, 101}}};
    EXPECT_EQ(ends(rec.strokes()), expected);
}

TEST(DrawFrame, ShadowIsTwoStrokesRightOfAndBelowTheShrunkBox) {
    model::TfrxView view;
    view.SetBounds(10, 20, 100, 50); // device 10, 20, 106, 66 after the shadow
    view.Frame().SetDropShadow(true);
    view.Frame().SetShadowColor(0x808080);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    const std::vector<Stroke> strokes = rec.strokes();
    std::vector<std::pair<Point, Point>> expected;
    for (int o = -2; o <= 1; ++o) // vertical: x = 106 + 2, from y + 4 to the bottom
        expected.push_back({{108 + o, 24}, {108 + o, 66}});
    for (int o = -2; o <= 1; ++o) // horizontal: y = 66 + 2, from x + 4 to the right + 4
        expected.push_back({{14, 68 + o}, {110, 68 + o}});
    EXPECT_EQ(ends(strokes), expected);
    for (const Stroke& s : strokes)
        EXPECT_EQ(s.pen, (Pen{0x808080, 1, PenStyle::psSolid, PenMode::pmCopy}));
}

TEST(DrawBackground, FillThenHatchInTheFrameColourOverTheFill) {
    model::TfrxView view;
    view.SetBounds(10, 10, 20, 10);
    view.SetColor(0x00FFFF);
    view.SetBrushStyle(model::bsCross);
    view.Frame().SetColor(0xFF0000);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    const auto fills = rec.shapes(RecordingCanvas::Shape::Kind::fillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->points, (std::vector<Point>{{10, 10}, {30, 20}}));
    EXPECT_EQ(fills[0]->brush, (Brush{0x00FFFF, BrushStyle::bsSolid}));
    const auto hatches = rec.shapes(RecordingCanvas::Shape::Kind::rectangle);
    ASSERT_EQ(hatches.size(), 1u);
    EXPECT_EQ(hatches[0]->points, (std::vector<Point>{{10, 10}, {31, 21}}));
    EXPECT_EQ(hatches[0]->brush, (Brush{0xFF0000, BrushStyle::bsCross}));
    EXPECT_EQ(hatches[0]->pen.color, 0x00FFFFu);
}

TEST(DrawBackground, NoFillColourPaintsNothingButAHatchOverWhite) {
    model::TfrxView view;
    view.SetBounds(10, 10, 20, 10);
    DrawRecording plain;
    draw(view, plain.canvas, 1);
    EXPECT_TRUE(plain.canvas.commands().empty());

    view.SetBrushStyle(model::bsHorizontal);
    DrawRecording hatched;
    draw(view, hatched.canvas, 1);
    const auto hatches = hatched.shapes(RecordingCanvas::Shape::Kind::rectangle);
    ASSERT_EQ(hatches.size(), 1u);
    EXPECT_EQ(hatches[0]->pen.color, clWhite);
    EXPECT_TRUE(hatched.shapes(RecordingCanvas::Shape::Kind::fillRect).empty());
}

} // namespace
} // namespace rq::report::render
