// Start points of rotated and vertically aligned text, the layout object's
// guard against re-entry, and the recording surface.
#include "layout_fixture.h"
#include "report/render/recording_canvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rq::report::render::testing {
namespace {

struct StartCase {
    const char* name;
    int rotation;
    VAlign vAlign;
    Point start;
    int escapement;
};

class StartPoint : public ::testing::TestWithParam<StartCase> {};

// One line "aa" (16 px wide, block height 16) in the box (10, 20)-(110, 220).
TEST_P(StartPoint, FollowsTheRotationTable) {
    const auto& c = GetParam();
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {10, 20, 110, 220};
    o.rotation = c.rotation;
    prepareLayout(*text, o, {"aa"});
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haLeft, c.vAlign);
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0].at, c.start);
    EXPECT_EQ(screen.calls[0].font.escapement, c.escapement);
    EXPECT_EQ(screen.font().escapement, 0); // the rotated font is dropped afterwards
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartPoint,
    ::testing::Values(StartCase{"top", 0, VAlign::vaTop, {10, 20}, 0},
                      StartCase{"bottom", 0, VAlign::vaBottom, {10, 220 - 16}, 0},
                      StartCase{"center", 0, VAlign::vaCenter, {10, 20 + 92}, 0},
                      StartCase{"up_90", 90, VAlign::vaTop, {10, 220}, 900},
                      StartCase{"up_90_bottom", 90, VAlign::vaBottom, {10 + 84, 220}, 900},
                      StartCase{"upside_down", 180, VAlign::vaTop, {110, 220}, 1800},
                      StartCase{"down_270", 270, VAlign::vaTop, {110, 20}, 2700},
                      StartCase{
                          "negative_is_turned_positive", -90, VAlign::vaTop, {110, 20}, 2700}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartPoint, SlantedTextStartsBelowTheTopByItsWidth) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 100, 200};
    o.rotation = 30;
    prepareLayout(*text, o, {"aa"});
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haLeft, VAlign::vaTop);
    ASSERT_EQ(screen.calls.size(), 1u);
    // W = round((100 - 0.5 * 16) / cos 30) = 106; Y = round(0.5 * 106) = 53.
    EXPECT_EQ(screen.calls[0].at, (Point{0, 53}));
}

TEST(DrawTextGuard, NestedAcquireWithoutAMessagePumpIsAnError) {
    auto text = makeLayout();
    text->Acquire();
    EXPECT_THROW(text->Acquire(), std::logic_error);
    int pumped = 0;
    text->SetMessagePump([&] {
        if (++pumped == 3)
            text->Release();
    });
    text->Acquire(); // waits, pumping, until the first holder lets go
    EXPECT_EQ(pumped, 3);
    EXPECT_TRUE(text->busy());
    text->Release();
}

TEST(RecordingCanvas, ReplaysStretchedAndListsTextRuns) {
    FakeCanvas reference(96);
    RecordingCanvas recording(reference, {100, 50});
    recording.font().height = -10;
    const int advances[] = {5, 5};
    recording.textOut({10, 20}, ETO_CLIPPED, {0, 0, 100, 50}, "ab", advances);
    recording.pen().width = 2;
    recording.moveTo({0, 0});
    recording.lineTo({100, 50});
    EXPECT_EQ(recording.textExtent("ab").cx, 10); // measured on the reference

    const auto runs = recording.textRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->bounds(), (Rect{10, 20, 20, 30}));

    FakeCanvas target(96);
    recording.replay(target, {100, 100, 300, 200}); // twice the size
    ASSERT_EQ(target.calls.size(), 1u);
    EXPECT_EQ(target.calls[0].at, (Point{120, 140}));
    EXPECT_EQ(target.calls[0].advances, (std::vector<int>{10, 10}));
    EXPECT_EQ(target.calls[0].font.height, -20);
    EXPECT_EQ(target.calls[0].clip, (Rect{100, 100, 300, 200}));
    EXPECT_EQ(target.pen().width, 4);
}

} // namespace
} // namespace rq::report::render::testing
