// The preview's page layout: page boxes in rows, zoomed rectangles centred
// in the client area, the biased and exact page search and the pages a
// paint examines.
#include "report/preview/page_list.h"

#include <gtest/gtest.h>

namespace rq::report::preview {
namespace {

constexpr int kA4Width = 794;
constexpr int kA4Height = 1123;

TfrxPageList pages(int count, int columns = 1) {
    TfrxPageList list;
    list.SetColumnCount(columns);
    for (int i = 0; i < count; ++i)
        list.AddPageBox(kA4Width, kA4Height);
    return list;
}

TEST(PageList, OnePageCentredInAThousandPixels) {
    const TfrxPageList list = pages(1);
    EXPECT_EQ(list.GetPageRect(0, 1000, 1.0), (TfrxPageRect{103, 10, 897, 1133}));
    // VertRange is the bottom plus 10: 1143.
    EXPECT_EQ(list.GetMaxBounds(1000, 1.0), (TfrxPageBounds{804, 1133}));
}

// "Page Width" leaves 10 pixels on either side: the horizontal range (the
// extent plus 10) is exactly the client width, nothing to scroll.
TEST(PageList, PageWidthZoomFitsTheClientExactly) {
    const TfrxPageList list = pages(1);
    const double zoom = 980.0 / 794;
    EXPECT_EQ(list.GetPageRect(0, 1000, zoom), (TfrxPageRect{10, 12, 990, 1398}));
    EXPECT_EQ(list.GetMaxBounds(1000, zoom).X + 10, 1000);
}

struct RectCase {
    const char* name;
    int index;
    int clientWidth;
    double zoom;
    TfrxPageRect expected;
};

const RectCase kRects[] = {
    {"NarrowClientStartsAtTen", 0, 500, 1.0, {10, 10, 804, 1133}},
    {"HalfZoom", 0, 1000, 0.5, {302, 5, 699, 567}},
    {"SecondPageBelowTheFirst", 1, 1000, 1.0, {103, 1143, 897, 2266}},
    {"NoPageGivesA4Default", -1, 1000, 1.0, {103, 10, 897, 1133}},
    {"PastTheEndGivesA4Default", 9, 400, 2.0, {10, 20, 1598, 2266}},
};

class PageRect : public ::testing::TestWithParam<RectCase> {};

TEST_P(PageRect, IsPlacedByRowAndZoom) {
    const RectCase& c = GetParam();
    EXPECT_EQ(pages(2).GetPageRect(c.index, c.clientWidth, c.zoom), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PageList, PageRect, ::testing::ValuesIn(kRects),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageList, TwoPagesShareARowAndTheThirdStartsTheNext) {
    TfrxPageList list;
    list.SetColumnCount(2);
    list.AddPageBox(kA4Width, kA4Height);
    list.AddPageBox(kA4Width, 1200);
    list.AddPageBox(kA4Width, kA4Height);
    EXPECT_EQ(list.Items(0).Top, 10);
    EXPECT_EQ(list.Items(1).Top, 10);
    EXPECT_EQ(list.Items(1).Column, 1);
    // Below the taller page of the row.
    EXPECT_EQ(list.Items(2).Top, 10 + 1200 + 10);
    EXPECT_EQ(list.Items(2).Column, 0);
    EXPECT_EQ(list.WidestRow(), 2 * (kA4Width + 10));
}

TEST(PageList, TwoPagesZoomFillsTheWidth) {
    const double zoom = 968.0 / 1588;
    const TfrxPageList list = pages(3, 2);
    EXPECT_EQ(list.GetPageRect(0, 1000, zoom), (TfrxPageRect{13, 6, 497, 691}));
    EXPECT_EQ(list.GetPageRect(1, 1000, zoom), (TfrxPageRect{503, 6, 987, 691}));
    EXPECT_EQ(list.GetMaxBounds(1000, zoom).X, 10 + 974);
}

struct FindCase {
    const char* name;
    int offset;
    bool exact;
    double zoom;
    int expected;
};

// Page tops at zoom 1: 10, 1143, 2276, ...; a fifth of a page is 225 pixels
// at zoom 1 and 112 at zoom 0.5.
const FindCase kFinds[] = {
    {"AboveTheFirstPageExact", 0, true, 1.0, -1},
    {"AboveTheFirstPageBiased", 0, false, 1.0, 0},
    {"JustAboveTheSecondExact", 1142, true, 1.0, 0},
    {"TopOfTheSecondExact", 1143, true, 1.0, 1},
    {"FifthOfAPageBeforeTheSecond", 918, false, 1.0, 1},
    {"OnePixelMoreBeforeTheSecond", 917, false, 1.0, 0},
    {"LastPageBiased", 100000, false, 1.0, 9},
    {"HalfZoomBiased", 460, false, 0.5, 1},
    {"HalfZoomBiasedOneAbove", 459, false, 0.5, 0},
    {"TenthPageExact", 10207, true, 1.0, 9},
    {"JustAboveTheTenthExact", 10206, true, 1.0, 8},
};

class FindPageAt : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindPageAt, FindsThePageAtTheOffset) {
    const FindCase& c = GetParam();
    EXPECT_EQ(pages(10).FindPageAt(c.offset, c.exact, c.zoom), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PageList, FindPageAt, ::testing::ValuesIn(kFinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageList, EmptyListHasNoBoundsAndNoPage) {
    const TfrxPageList list;
    EXPECT_EQ(list.GetMaxBounds(1000, 1.0), (TfrxPageBounds{0, 0}));
    EXPECT_EQ(list.FindPageAt(500, false, 1.0), -1);
}

TEST(PageList, PaintLooksAtMostTwentyPagesEitherSide) {
    EXPECT_EQ(PaintCandidates(0, 1).First, 0);
    EXPECT_EQ(PaintCandidates(0, 1).Last, 0);
    EXPECT_EQ(PaintCandidates(500, 1000).First, 480);
    EXPECT_EQ(PaintCandidates(500, 1000).Last, 520);
    EXPECT_EQ(PaintCandidates(-1, 10).First, 0);
    EXPECT_EQ(PaintCandidates(-1, 10).Last, 9);
    EXPECT_GT(PaintCandidates(-1, 0).First, PaintCandidates(-1, 0).Last);
}

} // namespace
} // namespace rq::report::preview
