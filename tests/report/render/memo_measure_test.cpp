// CalcHeight and CalcWidth of a text view through the model's measurement
// hook, on the fake measuring canvas with known glyph widths: a 12-point font
// measures 100 units high at 600 dpi (16 px), so a line pitch is 16 px plus
// the line spacing, and a glyph is its width units times 10 measuring units.
#include "base/exceptions.h"
#include "base/rounding.h"
#include "layout_fixture.h"
#include "report/model/memo_view.h"
#include "report/render/memo_measure.h"
#include "report/render/rounding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rq::report::render {
namespace {

using model::TfrxMemoView;

constexpr int kLeft = 1 << model::ftLeft, kRight = 1 << model::ftRight, kTop = 1 << model::ftTop,
              kBottom = 1 << model::ftBottom;

class MemoMeasure : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setMeasuringCanvasFactory([] { return std::make_unique<testing::FakeCanvas>(96); });
    }
    void SetUp() override {
        installMemoMeasure();
        memo.SetBounds(10.4, 20.6, 100, 30);
        memo.Font().SetName("Tahoma");
        memo.Font().SetHeight(-16);
    }
    void TearDown() override { model::SetMemoMeasure({}); }

    void setText(const std::vector<std::string>& lines) {
        memo.Memo().Clear();
        for (const auto& line : lines)
            memo.Memo().Add(line);
    }

    // The height the memo's own layout needs for its lines, laid out in
    // `bounds` the way a memo loads the layout object before drawing.
    long double layoutHeight(const Rect& bounds) {
        auto text = testing::makeLayout();
        loadMemoLayout(*text, memo);
        text->SetBounds(1, 1, bounds, bounds);
        text->SetLines(memo.Memo().Lines());
        lines = text->wrappedLines().size();
        return text->LinesHeight();
    }

    TfrxMemoView memo;
    std::size_t lines = 0;
};

TEST_F(MemoMeasure, WithoutAMeasurementTheViewNeedsItsOwnSize) {
    model::SetMemoMeasure({});
    setText({"one", "two", "three", "four"});
    EXPECT_EQ(memo.CalcHeight(), 30);
    EXPECT_EQ(memo.CalcWidth(), 100);
}

TEST_F(MemoMeasure, TextBoxIsTheRoundedBoundsLessFrameHalvesAndGaps) {
    EXPECT_EQ(memoTextBox(memo, 1, 1, 0, 0), (Rect{12, 22, 109, 51}));
    memo.Frame().SetTyp(kLeft | kRight | kTop | kBottom);
    memo.Frame().SetWidth(3);
    memo.Frame().SetDropShadow(true);
    // Edges 10, 21, 110 - 4, 51 - 4; frame halves (3 - 1) / 2 = 1 and
    // 3 / 2 = 1.5, rounded to 2.
    EXPECT_EQ(memoTextBox(memo, 1, 1, 0, 0), (Rect{13, 23, 103, 45}));
    // At printer scale every product is rounded on its own, halves to even:
    // edges 70, 136, 695 - 25, 323 - 25; frame halves 9 and 9; gaps 12 and 6.
    EXPECT_EQ(memoTextBox(memo, 6.25, 6.25, 5, 7), (Rect{91, 151, 650, 284}));
}

struct HeightCase {
    const char* name;
    std::vector<std::string> text;
    int frameTyp;
    double frameWidth;
    bool shadow;
    double lineSpacing;
    bool autoWidth;
    double expected; // px
};

// Line pitch 16 + LineSpacing; vertical extra 2 * GapY (1) plus frame halves
// and shadow.
const HeightCase kHeights[] = {
    {"FourShortLines", {"one", "two", "three", "four"}, 0, 1, false, 2, false, 4 * 18 + 2},
    {"EmptyLinesCount", {"", "x", ""}, 0, 1, false, 2, false, 3 * 18 + 2},
    {"WrapsWithinTheWidth",
     {"a long line of words that cannot fit into one hundred pixels"},
     0,
     1,
     false,
     6,
     false,
     6 * 22 + 2},
    {"AutoWidthDoesNotWrap",
     {"a long line of words that cannot fit into one hundred pixels"},
     0,
     1,
     false,
     6,
     true,
     22 + 2},
    {"FrameHalvesAndShadow", {"one"}, kTop | kBottom, 2, true, 2, false, 18 + 2 + 0.5 + 1 + 4},
    {"SideFramesAddNoHeight", {"one"}, kLeft | kRight, 2, false, 2, false, 18 + 2},
};

class MemoHeight : public MemoMeasure, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(MemoHeight, IsTheLaidOutHeightPlusTheRoomAroundTheText) {
    const HeightCase& c = GetParam();
    setText(c.text);
    memo.Frame().SetTyp(c.frameTyp);
    memo.Frame().SetWidth(c.frameWidth);
    memo.Frame().SetDropShadow(c.shadow);
    memo.SetLineSpacing(c.lineSpacing);
    memo.SetAutoWidth(c.autoWidth);
    const Rect bounds = c.autoWidth ? Rect{0, 0, 10000, 10000} : memoTextBox(memo, 1, 1, 0, 0);
    const long double own = layoutHeight(bounds);
    EXPECT_EQ(memo.CalcHeight(), c.expected);
    EXPECT_EQ(memo.CalcHeight(), base::roundToInt(own) + memoVerticalExtra(memo));
    EXPECT_EQ(memo.CalcHeight(), lines * (16 + c.lineSpacing) + memoVerticalExtra(memo));
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoHeight, ::testing::ValuesIn(kHeights),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemoMeasure, HeightFollowsTheWidthAndTheActiveHighlightsFont) {
    setText({"a long line of words that cannot fit into one hundred pixels"});
    const double narrow = memo.CalcHeight();
    memo.SetWidth(400);
    EXPECT_EQ(narrow, 6 * 18 + 2);
    EXPECT_EQ(memo.CalcHeight(), 2 * 18 + 2);
    setText({"Hello"});
    memo.Highlight().Font().SetName("Tahoma");
    memo.Highlight().Font().SetHeight(-32);
    EXPECT_EQ(memo.CalcHeight(), 18 + 2); // the highlight waits for its condition
    memo.Highlight().SetActive(true);
    EXPECT_EQ(memo.CalcHeight(), 32 + 2 + 2);
}

struct WidthCase {
    const char* name;
    std::vector<std::string> text;
    int frameTyp;
    double charSpacing;
    double paragraphGap;
    double expected; // px
};

// "Hello" is 7 + 5 + 3 + 3 + 5 = 23 units: 230 measuring units, 36.8 px;
// horizontal extra 2 * GapX (2) plus frame halves.
const WidthCase kWidths[] = {
    {"SingleLine", {"Hello"}, 0, 0, 0, 37 + 4},
    {"WidestLineOfSeveral", {"Hi", "Hello", "Hel"}, 0, 0, 0, 37 + 4},
    {"NeverWraps", {"Hello Hello"}, 0, 0, 0, 78 + 4}, // 490 units: 78.4 px
    {"FrameHalves", {"Hello"}, kLeft | kRight | kTop, 0, 0, 37 + 4 + 0 + 0.5},
    {"CharSpacing", {"Hello"}, 0, 1, 0, 42 + 4},   // 230 + 31 units: 41.76 px
    {"ParagraphGap", {"Hello"}, 0, 0, 10, 47 + 4}, // first line indented 10 px
};

class MemoWidth : public MemoMeasure, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(MemoWidth, IsTheWidestLinePlusTheRoomAroundTheText) {
    const WidthCase& c = GetParam();
    setText(c.text);
    memo.Frame().SetTyp(c.frameTyp);
    memo.SetCharSpacing(c.charSpacing);
    memo.SetParagraphGap(c.paragraphGap);
    EXPECT_EQ(memo.CalcWidth(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoWidth, ::testing::ValuesIn(kWidths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemoMeasure, ReleasesTheLayoutObjectAlsoWhenTheLayoutFails) {
    setText({"Hello"});
    memo.CalcHeight();
    memo.CalcWidth();
    EXPECT_FALSE(sharedDrawText().busy());
    memo.SetAllowHTMLTags(true);
    setText({"<font color=\"#FF00GG\">a"});
    EXPECT_THROW(memo.CalcHeight(), base::EConvertError);
    EXPECT_FALSE(sharedDrawText().busy());
    EXPECT_THROW(memo.CalcWidth(), base::EConvertError);
    EXPECT_FALSE(sharedDrawText().busy());
    setText({"Hello"});
    EXPECT_EQ(memo.CalcWidth(), 37 + 4);
}

} // namespace
} // namespace rq::report::render
