// Block height and line steps: the worked example of an 11-point memo with a
// line spacing of 6 pixels, and the binary spreading of corrections.
#include "layout_fixture.h"
#include "report/render/distribute.h"

#include <gtest/gtest.h>

#include <numeric>

namespace rq::report::render::testing {
namespace {

TEST(DrawTextBlock, ElevenPointLinesWithSpacingSixMakeA207PixelBlock) {
    auto text = makeLayout();
    LayoutOptions o;
    o.font = memoFont(-15); // 11.25 points, reported as 11
    o.lineSpacing = 6;
    o.textRect = {0, 0, 400, 300};
    o.deviceRect = {0, 0, 400, 300};
    prepareLayout(*text, o, std::vector<std::string>(10, "a"));
    EXPECT_EQ(text->fontSize(), 11);
    EXPECT_EQ(text->measuringCanvas().font().height, -92);
    EXPECT_NEAR(static_cast<double>(text->LinesHeight()), 207.2, 1e-9);

    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haLeft, VAlign::vaBottom);
    ASSERT_EQ(screen.calls.size(), 10u);
    EXPECT_EQ(screen.font().height, -15);
    // vaBottom puts the 207-pixel block on the bottom edge.
    EXPECT_EQ(screen.calls.front().at.y, 300 - 207);
    std::vector<int> steps;
    for (std::size_t j = 1; j < screen.calls.size(); ++j)
        steps.push_back(screen.calls[j].at.y - screen.calls[j - 1].at.y);
    EXPECT_EQ(steps, (std::vector<int>{21, 20, 21, 21, 20, 21, 20, 21, 21}));
}

TEST(DrawTextBlock, PrinterBlockFollowsTheDeviceResolution) {
    auto text = makeLayout();
    LayoutOptions o;
    o.font = memoFont(-15);
    o.lineSpacing = 6;
    o.scale = 6.25;
    o.textRect = {0, 0, 400, 300};
    o.deviceRect = {0, 0, 2500, 1875};
    prepareLayout(*text, o, std::vector<std::string>(10, "a"));
    FakeCanvas printer(600, true);
    text->DrawLines(printer, HAlign::haLeft, VAlign::vaBottom);
    ASSERT_EQ(printer.calls.size(), 10u);
    // 600 dpi: font height 92, block round(10 * (37.5 + 92)) = 1295.
    EXPECT_EQ(printer.font().height, -92);
    EXPECT_EQ(printer.calls.front().at.y, 1875 - 1295);
    // Steps of round(6 * 6.25) + 92 = 130 pixels, five of them one shorter.
    EXPECT_EQ(printer.calls.back().at.y - printer.calls.front().at.y, 9 * 130 - 5);
}

struct DistributeCase {
    const char* name;
    int size;
    int count;
    std::vector<int> hit; // indices that receive the delta
};

class DistributePattern : public ::testing::TestWithParam<DistributeCase> {};

TEST_P(DistributePattern, GivesTheDeltaToTheExpectedElements) {
    const auto& c = GetParam();
    std::vector<int> values(static_cast<std::size_t>(c.size), 0);
    Distribute(values, 0, c.size - 1, -1, c.count);
    std::vector<int> expected(values.size(), 0);
    for (int i : c.hit)
        expected[static_cast<std::size_t>(i)] = -1;
    EXPECT_EQ(values, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DistributePattern,
                         ::testing::Values(DistributeCase{"none", 4, 0, {}},
                                           DistributeCase{"one_of_one", 1, 1, {0}},
                                           DistributeCase{"one_of_two", 2, 1, {0}},
                                           DistributeCase{"one_of_four", 4, 1, {1}},
                                           DistributeCase{"two_of_four", 4, 2, {0, 2}},
                                           DistributeCase{"three_of_nine", 9, 3, {1, 4, 6}},
                                           DistributeCase{"three_of_ten", 10, 3, {1, 5, 7}},
                                           DistributeCase{"all_of_five", 5, 5, {0, 1, 2, 3, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DistributePattern, EveryElementGetsAtMostOneUnitAndTheSumIsTheCount) {
    for (int size = 1; size <= 40; ++size)
        for (int count = 0; count <= size; ++count) {
            std::vector<int> values(static_cast<std::size_t>(size), 0);
            Distribute(values, 0, size - 1, 1, count);
            EXPECT_EQ(std::accumulate(values.begin(), values.end(), 0), count) << size;
            for (int v : values)
                EXPECT_LE(v, 1) << size << ' ' << count;
        }
}

TEST(DistributePattern, SpreadCorrectionGivesEveryElementItsShareFirst) {
    std::vector<int> values(4, 10);
    spreadCorrection(values, -10); // 2 each, the remaining 2 by Distribute
    EXPECT_EQ(values, (std::vector<int>{7, 8, 7, 8}));
}

} // namespace
} // namespace rq::report::render::testing
