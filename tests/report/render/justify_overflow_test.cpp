// Justified lines, alignment offsets, and the split of a text that does not
// fit. Test font: 12 points, "a" 8 and a space 5 pixels on the 96 dpi
// screen, 50 and 30 units at the measuring resolution.
#include "layout_fixture.h"

#include <gtest/gtest.h>

namespace rq::report::render::testing {
namespace {

TEST(Justify, LinesButTheLastTakeTheFreeWidthPlusOnePixelAtTheirSpaces) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 60, 200};
    prepareLayout(*text, o, {"aa aa aa aa aa aa"});
    ASSERT_EQ(wrappedTexts(*text), (std::vector<std::string>{"aa aa aa", "aa aa aa"}));
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haBlock, VAlign::vaTop);
    ASSERT_EQ(screen.calls.size(), 2u);
    // 58 pixels drawn in 60: 2 free pixels plus one, the extra one on the first space.
    EXPECT_EQ(screen.calls[0].advances, (std::vector<int>{8, 8, 7, 8, 8, 6, 8, 8}));
    EXPECT_EQ(screen.calls[0].width(), 61);
    // The last line is left-aligned at its 600 dpi width (360 units = 57.6 px).
    EXPECT_EQ(screen.calls[1].at.x, 0);
    EXPECT_EQ(screen.calls[1].width(), 58);
}

TEST(Justify, AJustifiedLineWithoutSpacesIsDrawnLikeALeftAlignedOne) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 60, 200};
    // Half a pixel of spacing: 3 more units per character at 600 dpi, none on
    // the screen, so the device line is 3 pixels short of its measured width.
    o.charSpacing = 0.5;
    prepareLayout(*text, o, {"aaaaaaaaaaaaaaaa"});
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haBlock, VAlign::vaTop);
    ASSERT_GE(screen.calls.size(), 2u);
    // 7 characters of 53 units = 371 units = 59.36 pixels; not widened to 61.
    EXPECT_EQ(screen.calls[0].text, "aaaaaaa");
    EXPECT_EQ(screen.calls[0].width(), 59);
    EXPECT_EQ(screen.calls[0].advances, (std::vector<int>{9, 8, 8, 9, 8, 9, 8}));
}

struct AlignCase {
    const char* name;
    HAlign align;
    int x; // start of the 58-pixel line in a 100-pixel box
};

class Alignment : public ::testing::TestWithParam<AlignCase> {};

TEST_P(Alignment, OffsetsTheLineByItsMeasuredWidth) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {10, 0, 110, 200};
    o.paragraphGap = 4;
    prepareLayout(*text, o, {"aa aa aa"});
    FakeCanvas screen(96);
    text->DrawLines(screen, GetParam().align, VAlign::vaTop);
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0].at.x, GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Alignment,
    ::testing::Values(AlignCase{"left_indented_by_the_gap", HAlign::haLeft, 14},
                      AlignCase{"right_not_indented", HAlign::haRight, 10 + 100 - 58 + 1},
                      AlignCase{"center_not_indented", HAlign::haCenter, 10 + 21},
                      AlignCase{"block_last_line_indented", HAlign::haBlock, 14}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Overflow, TheRestStartsWithTheTagsOfItsFormat) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 40, 19}; // 20 pixels high: one line of 16
    prepareLayout(*text, o, {"<font color=\"#FF0000\"><b>aaaa aaaa aaaa</b>"});
    ASSERT_EQ(text->wrappedLines().size(), 3u);
    EXPECT_EQ(text->OverflowText(), "<font color=\"#FF0000\"><b>aaaa aaaa</b>\r\n");
    EXPECT_EQ(text->FittingText(), "<font color=\"#FF0000\"><b>aaaa ");
    EXPECT_EQ(wrappedTexts(*text), (std::vector<std::string>{"aaaa"}));
}

TEST(Overflow, StylesComeInUnderlineItalicBoldOrderAfterTheColour) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 40, 19};
    prepareLayout(*text, o, {"a", "<b><i><u><font color=BtnFace>b"});
    EXPECT_EQ(text->OverflowText(), "<font color=\"#D4D0C8\"><u><i><b>b\r\n");
}

TEST(Overflow, EverythingFitsOrNoTagsMeansNoPrefix) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 40, 100};
    prepareLayout(*text, o, {"aaaa aaaa"});
    EXPECT_EQ(text->OverflowText(), "");
    o.textRect = {0, 0, 40, 19};
    o.tags = false;
    prepareLayout(*text, o, {"aaaa aaaa"});
    EXPECT_EQ(text->OverflowText(), "aaaa\r\n");
}

TEST(Metrics, HeightWidthPitchAndSpare) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 40, 19};
    o.lineSpacing = 2;
    o.paragraphGap = 1;
    prepareLayout(*text, o, {"<b>aaaa</b> aa"});
    EXPECT_EQ(wrappedTexts(*text), (std::vector<std::string>{"aaaa", "aa"}));
    EXPECT_DOUBLE_EQ(static_cast<double>(text->LinePitch()), 18.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(text->LinesHeight()), 36.0);
    // Widest: the first line in the memo's own (plain) style, 200 units plus
    // round(1 * 6.25) for the gap, over 6.25.
    EXPECT_DOUBLE_EQ(static_cast<double>(text->LinesWidth()), 206 / 6.25);
    EXPECT_DOUBLE_EQ(static_cast<double>(text->SpareHeight()), 2.0);
    o.textRect = {0, 0, 40, 35}; // exactly two lines: 36 - 36 = 0
    prepareLayout(*text, o, {"a"});
    EXPECT_DOUBLE_EQ(static_cast<double>(text->SpareHeight()), 0.0001);
    prepareLayout(*text, o, {});
    EXPECT_EQ(text->wrappedLines().size(), 0u);
    EXPECT_EQ(text->LinesHeight(), 0);
}

} // namespace
} // namespace rq::report::render::testing
