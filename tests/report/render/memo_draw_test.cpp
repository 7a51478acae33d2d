// Text views on a recording canvas with known glyph widths: the text inside
// the text box, the highlight's fill for one draw only, automatic width that
// keeps the right edge or the centre, ruled underlines, the total-page
// placeholder, and the layout object let go when the text fails to lay out.
#include "base/exceptions.h"
#include "base/rounding.h"
#include "draw_fixture.h"
#include "layout_fixture.h"
#include "report/model/memo_view.h"
#include "report/render/draw_view.h"
#include "report/render/memo_measure.h"
#include "report/render/rounding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rq::report::render {
namespace {

using testing::DrawRecording;

class MemoDraw : public ::testing::Test {
protected:
    void SetUp() override {
        memo.SetBounds(10, 20, 200, 60);
        memo.Font().SetName("Tahoma");
        memo.Font().SetHeight(-16);
        memo.SetText("Hello");
    }
    void draw(long double scale = 1, int dpi = 96) {
        rec = std::make_unique<DrawRecording>(dpi, dpi != 96);
        DrawView(memo, DrawContext{rec->canvas, scale, scale, 0, 0, layout.get()});
    }

    model::TfrxMemoView memo;
    std::unique_ptr<TfrxDrawText> layout = testing::makeLayout();
    std::unique_ptr<DrawRecording> rec;
};

TEST_F(MemoDraw, TextStartsAtTheTextBoxAndIsClippedToIt) {
    memo.Frame().SetTyp(1 << model::ftLeft);
    memo.Frame().SetWidth(3);
    draw();
    const auto runs = rec->canvas.textRuns();
    ASSERT_EQ(runs.size(), 1u);
    const Rect box = memoTextBox(memo, 1, 1, 0, 0); // 10 + 1 + 2, 20 + 1, 210 - 2 + 1, 80 - 1 + 1
    EXPECT_EQ(box, (Rect{13, 21, 209, 80}));
    EXPECT_EQ(runs[0]->at, (Point{13, 21}));
    EXPECT_EQ(runs[0]->clip, box);
    EXPECT_EQ(runs[0]->text, "Hello");
    EXPECT_FALSE(layout->busy());
}

TEST_F(MemoDraw, HighlightFillsForOneDrawAndTheMemoKeepsItsColour) {
    memo.SetColor(0x00FF00);
    memo.Highlight().SetActive(true);
    memo.Highlight().SetColor(0x0000FF);
    memo.Highlight().Font().SetHeight(-16);
    memo.Highlight().Font().SetStyle(1 << model::fsBold);
    draw();
    const auto fills = rec->shapes(RecordingCanvas::Shape::Kind::fillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->brush.color, 0x0000FFu);
    EXPECT_EQ(rec->canvas.textRuns().at(0)->font.style, fsBold);
    EXPECT_EQ(memo.Color(), 0x00FF00);
}

struct AutoWidthCase {
    const char* name;
    model::TfrxHAlign align;
    double left; // after the draw; "Hello" lays out 36.8 px wide, plus 2 x GapX
};

class MemoAutoWidth : public MemoDraw, public ::testing::WithParamInterface<AutoWidthCase> {};

TEST_P(MemoAutoWidth, NewWidthIsTheTextsAndTheAlignmentsEdgeStays) {
    memo.SetAutoWidth(true);
    memo.SetHAlign(GetParam().align);
    draw();
    EXPECT_NEAR(memo.Width(), 40.8, 1e-9);
    EXPECT_NEAR(memo.Left(), GetParam().left, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Alignments, MemoAutoWidth,
                         ::testing::Values(AutoWidthCase{"left", model::haLeft, 10},
                                           AutoWidthCase{"right", model::haRight, 210 - 40.8},
                                           AutoWidthCase{"center", model::haCenter, 10 + 79.6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemoDraw, UnderlinesRepeatEveryLinePitchAndStopBeforeTheBottom) {
    memo.SetUnderlines(true);
    memo.Frame().SetColor(0x808080);
    draw(2, 192);
    const long double step = layout->LinePitch() * 2;
    ASSERT_GT(step, 0);
    const auto strokes = rec->strokes();
    ASSERT_FALSE(strokes.empty());
    long double y = 40 + step; // DeviceY at scale 2
    for (const auto& s : strokes) {
        EXPECT_EQ(s.from, (Point{20, base::roundToInt(y)}));
        EXPECT_EQ(s.to, (Point{420, base::roundToInt(y)}));
        EXPECT_EQ(s.pen.color, 0x808080u);
        EXPECT_LT(s.from.y, 160);
        y += step;
    }
    EXPECT_GE(y, 160); // the next one would reach the bottom edge

    memo.SetRotation(90);
    draw(2, 192);
    EXPECT_TRUE(rec->strokes().empty());
}

TEST_F(MemoDraw, FirstTotalPagePlaceholderBecomesTheStoresCount) {
    memo.SetText("[totalpages#] of [TOTALPAGES#]");
    memo.TotalPagesHolder = 12;
    draw();
    EXPECT_EQ(memo.Memo().Lines().at(0), "12 of [TOTALPAGES#]");
    memo.SetAllowExpressions(false);
    draw();
    EXPECT_EQ(memo.Memo().Lines().at(0), "12 of [TOTALPAGES#]");
}

TEST_F(MemoDraw, MalformedColourTagDrawsNothingOfTheTextAndLetsTheLayoutGo) {
    memo.SetAllowHTMLTags(true);
    memo.SetColor(0x00FF00);
    memo.Highlight().SetActive(true);
    memo.Highlight().SetColor(0x0000FF);
    memo.SetText("<font color=\"#FF00GG\">a");
    rec = std::make_unique<DrawRecording>();
    EXPECT_THROW(DrawView(memo, DrawContext{rec->canvas, 1, 1, 0, 0, layout.get()}),
                 base::EConvertError);
    EXPECT_FALSE(layout->busy());
    EXPECT_TRUE(rec->canvas.textRuns().empty());
    EXPECT_EQ(memo.Color(), 0x00FF00);
}

} // namespace
} // namespace rq::report::render
