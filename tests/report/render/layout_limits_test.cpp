// Sizes the layout cannot hold are refused with a message naming them, on
// SetLines or DrawLines, instead of overflowing its pixel arithmetic; the
// largest accepted font still lays out and draws.
#include "layout_fixture.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace rq::report::render::testing {
namespace {

struct LimitCase {
    const char* name;
    void (*change)(LayoutOptions&, std::vector<std::string>&);
    const char* message;
};

class LayoutLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LayoutLimitTest, RefusedWithItsMessage) {
    const LimitCase& c = GetParam();
    LayoutOptions o;
    std::vector<std::string> lines{"Some text to lay out"};
    c.change(o, lines);
    auto text = makeLayout();
    FakeCanvas canvas(96);
    try {
        prepareLayout(*text, o, lines);
        text->DrawLines(canvas, HAlign::haLeft, VAlign::vaTop);
        FAIL() << "no exception";
    } catch (const base::Exception& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
}

const LimitCase kLimitCases[] = {
    {"HugePositiveHeight", [](LayoutOptions& o, auto&) { o.font.height = INT_MAX; },
     "Font size -1610612735 is out of range"},
    {"HugeNegativeHeight", [](LayoutOptions& o, auto&) { o.font.height = INT_MIN; },
     "Font size 1610612736 is out of range"},
    {"JustAboveTheLargestSize", [](LayoutOptions& o, auto&) { o.font.setSize(2049); },
     "Font size 2049 is out of range"},
    {"HugeLineSpacing", [](LayoutOptions& o, auto&) { o.lineSpacing = 1e300L; },
     "Line spacing 1E300 is out of range"},
    {"NotANumberCharSpacing",
     [](LayoutOptions& o, auto&) { o.charSpacing = std::numeric_limits<long double>::quiet_NaN(); },
     "Character spacing NAN is out of range"},
    {"InfiniteParagraphGap",
     [](LayoutOptions& o, auto&) { o.paragraphGap = std::numeric_limits<long double>::infinity(); },
     "Paragraph gap INF is out of range"},
    {"ZeroScale", [](LayoutOptions& o, auto&) { o.scale = 0; }, "Scale 0 is out of range"},
    {"HugeTextBox", [](LayoutOptions& o, auto&) { o.textRect.right = INT_MAX; },
     "Text box edge 2147483647 is out of range"},
    {"ParagraphTooWideForItsFont",
     [](LayoutOptions& o, auto& lines) {
         o.font.setSize(2048);
         lines = {std::string(200000, 'x')};
     },
     "Text too wide to lay out"},
    {"BlockTooHigh",
     [](LayoutOptions& o, std::vector<std::string>& lines) {
         o.font.setSize(2048);
         o.lineSpacing = 900000;
         lines.assign(3000, "x");
     },
     "Text too high to lay out"},
};
INSTANTIATE_TEST_SUITE_P(Layout, LayoutLimitTest, ::testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutLimits, TheLargestFontLaysOutAndDraws) {
    LayoutOptions o;
    o.font.setSize(2048);
    o.textRect = o.deviceRect = {0, 0, 100000, 100000};
    auto text = makeLayout();
    prepareLayout(*text, o, {"Big", "text"});
    FakeCanvas canvas(96);
    text->DrawLines(canvas, HAlign::haLeft, VAlign::vaTop);
    EXPECT_EQ(wrappedTexts(*text), (std::vector<std::string>{"Big", "text"}));
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].font.height, -2731);
}

TEST(LayoutLimits, LinesWithoutHeightAllFitAndLeaveNothingSpare) {
    LayoutOptions o;
    o.font.height = 0;
    auto text = makeLayout();
    prepareLayout(*text, o, {"a", "b", "c"});
    EXPECT_EQ(text->SpareHeight(), 0);
    EXPECT_EQ(text->OverflowText(), "");
    EXPECT_EQ(text->wrappedLines().size(), 3u);
}

} // namespace
} // namespace rq::report::render::testing
