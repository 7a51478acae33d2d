// Lines and pictures on a recording canvas: a line's direction settled on
// the view, dotted lines at printer scale, diagonals, and the rectangle a
// graphic takes (stretched with and without its aspect ratio, centred, at
// natural size), with the fill and frame of an empty picture.
#include "draw_fixture.h"
#include "report/model/line_view.h"
#include "report/model/picture_view.h"
#include "report/render/draw_view.h"
#include "report/render/picture_draw.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace rq::report::render {
namespace {

using testing::DrawRecording;
using testing::Stroke;

constexpr int kLeft = 1 << model::ftLeft, kTop = 1 << model::ftTop, kBottom = 1 << model::ftBottom;

void draw(model::TfrxView& view, Canvas& canvas, long double scale) {
    DrawView(view, DrawContext{canvas, scale, scale, 0, 0});
}

struct DirectionCase {
    const char* name;
    double width, height;
    int storedTyp;
    int typ; // after the draw
    Point from, to;
};

class LineDirection : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(LineDirection, LineIsTheLeftOrTopEdgeOfItsFlattenedBounds) {
    const DirectionCase& c = GetParam();
    model::TfrxLineView line;
    line.SetBounds(10, 20, c.width, c.height);
    line.Frame().SetTyp(c.storedTyp);
    DrawRecording rec;
    draw(line, rec.canvas, 1);
    EXPECT_EQ(line.Frame().Typ(), c.typ);
    const auto strokes = rec.strokes();
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].from, c.from);
    EXPECT_EQ(strokes[0].to, c.to);
    EXPECT_TRUE(rec.shapes(RecordingCanvas::Shape::Kind::fillRect).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineDirection,
    ::testing::Values(
        DirectionCase{"horizontal", 634.96, 0, kTop, kTop, {10, 20}, {645, 20}},
        DirectionCase{"vertical", 0, 56.69, kLeft, kLeft, {10, 20}, {10, 77}},
        DirectionCase{"zero_size_is_vertical", 0, 0, kTop, kLeft, {10, 20}, {10, 20}},
        DirectionCase{"stored_bottom_drawn_on_top", 100, 3, kBottom, kTop, {10, 20}, {110, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineDraw, DottedLineAtPrinterScaleIsSixOnePixelStrokesWithUnpaintedGaps) {
    model::TfrxLineView line;
    line.SetBounds(16, 32, 64, 0); // device 100, 200 .. 500
    line.Frame().SetStyle(model::fsDot);
    line.Frame().SetTyp(kTop);
    DrawRecording rec(600, true);
    draw(line, rec.canvas, 6.25);
    const auto strokes = rec.strokes();
    ASSERT_EQ(strokes.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(strokes[i].from, (Point{100, 200 - 3 + i}));
        EXPECT_EQ(strokes[i].to, (Point{500, 200 - 3 + i}));
        EXPECT_EQ(strokes[i].pen.style, PenStyle::psDot);
        EXPECT_EQ(strokes[i].pen.width, 1);
        EXPECT_EQ(strokes[i].brush.style, BrushStyle::bsClear);
    }
}

TEST(LineDraw, DiagonalRunsCornerToCornerWithOnePixelStrokes) {
    model::TfrxLineView line;
    line.SetDiagonal(true);
    line.SetBounds(10, 10, 40, 20);
    line.Frame().SetWidth(2);
    line.Frame().SetStyle(model::fsDouble);
    DrawRecording rec;
    draw(line, rec.canvas, 1);
    const auto strokes = rec.strokes();
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0], (Stroke{{10, 9},
                                  {50, 29},
                                  {0, 1, PenStyle::psSolid, PenMode::pmCopy},
                                  {clWhite, BrushStyle::bsClear}}));
    EXPECT_EQ(strokes[1].from, (Point{10, 10}));
    EXPECT_EQ(line.Width(), 40); // a diagonal keeps its bounds

    line.Frame().SetColor(model::clNone);
    DrawRecording none;
    draw(line, none.canvas, 1);
    EXPECT_TRUE(none.canvas.commands().empty());
}

struct RectCase {
    const char* name;
    double width, height; // view, pixels
    bool stretched, keepAspect, center;
    long double scale;
    Rect expected;
};

class PictureRect : public ::testing::TestWithParam<RectCase> {};

TEST_P(PictureRect, GraphicOf90By62TakesItsRectangle) {
    const RectCase& c = GetParam();
    model::TfrxPictureView view;
    view.SetBounds(10, 20, c.width, c.height);
    view.SetStretched(c.stretched);
    view.SetKeepAspectRatio(c.keepAspect);
    view.SetCenter(c.center);
    const ViewDraw d = BeginDraw(view, nullptr, c.scale, c.scale, 0, 0);
    EXPECT_EQ(pictureRect(view, d, 90, 62), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PictureRect,
    ::testing::Values(
        RectCase{"keep_aspect_at_the_top", 90, 90, true, true, false, 1, {10, 20, 100, 82}},
        RectCase{"keep_aspect_centred", 90, 90, true, true, true, 1, {10, 34, 100, 96}},
        RectCase{"keep_aspect_tall_box_narrows", 180, 62, true, true, false, 1, {10, 20, 100, 82}},
        RectCase{"keep_aspect_wide_centred", 180, 62, true, true, true, 1, {55, 20, 145, 82}},
        RectCase{"stretched_fills", 120, 40, true, false, true, 1, {10, 20, 130, 60}},
        RectCase{"natural_size_at_scale_2", 300, 300, false, true, false, 2, {20, 40, 200, 164}},
        RectCase{"natural_size_centred", 300, 300, false, true, true, 2, {230, 278, 410, 402}},
        RectCase{"autosize_at_zoom_2", 90, 62, true, true, false, 2, {20, 40, 200, 164}}),
    [](const auto& info) { return std::string(info.param.name); });

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(PictureDraw, JpegIsStretchedBetweenTheFillAndTheFrame) {
    model::TfrxPictureView view;
    view.Picture().SetGraphic("TJPEGImage",
                              readFile(RQ_TEST_DATA_DIR "/render/gradient_90x62.jpg"));
    view.SetBounds(10, 20, 90, 90);
    view.Frame().SetTyp(kTop);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    const auto bitmaps = rec.bitmaps();
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0]->dest, (Rect{10, 20, 100, 82}));
    EXPECT_EQ(bitmaps[0]->bitmap.width, 90);
    EXPECT_EQ(bitmaps[0]->bitmap.height, 62);
    const auto& commands = rec.canvas.commands();
    ASSERT_EQ(commands.size(), 3u); // white fill, picture, top edge
    EXPECT_TRUE(std::holds_alternative<RecordingCanvas::Shape>(commands.front()));
    EXPECT_TRUE(std::holds_alternative<RecordingCanvas::BitmapDraw>(commands[1]));
}

TEST(PictureDraw, EmptyPicturePaintsItsWhiteFillAndFrameOnly) {
    model::TfrxPictureView view;
    view.SetBounds(10, 20, 60, 62);
    view.Frame().SetTyp(kTop);
    DrawRecording rec;
    draw(view, rec.canvas, 1);
    EXPECT_TRUE(rec.bitmaps().empty());
    const auto fills = rec.shapes(RecordingCanvas::Shape::Kind::fillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->brush.color, clWhite);
    EXPECT_EQ(rec.strokes().size(), 1u);
}

} // namespace
} // namespace rq::report::render
