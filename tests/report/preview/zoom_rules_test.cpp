// Zoom arithmetic of the preview: the zoom modes, the lower limit, the zoom
// box's text and how a typed zoom is read.
#include "report/preview/zoom_rules.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

namespace rq::report::preview {
namespace {

TEST(ZoomRules, ModesFitThePageIntoTheClient) {
    EXPECT_DOUBLE_EQ(ZoomForMode(model::zmWholePage, 1, 794, 1123, 1000, 600), 580.0 / 1123);
    EXPECT_DOUBLE_EQ(ZoomForMode(model::zmPageWidth, 1, 794, 1123, 1000, 600), 980.0 / 794);
    EXPECT_DOUBLE_EQ(ZoomForMode(model::zmManyPages, 1, 794, 1123, 1000, 600), 968.0 / 1588);
    EXPECT_DOUBLE_EQ(ZoomForMode(model::zmDefault, 1.5, 794, 1123, 1000, 600), 1.5);
    // The modes are not held to the quarter: a tiny client gives a tiny zoom.
    EXPECT_DOUBLE_EQ(ZoomForMode(model::zmWholePage, 1, 794, 1123, 100, 120), 100.0 / 1123);
}

TEST(ZoomRules, ChosenZoomIsAtLeastAQuarter) {
    EXPECT_DOUBLE_EQ(LimitZoom(0.1), 0.25);
    EXPECT_DOUBLE_EQ(LimitZoom(0.25 - 0.25), 0.25);
    EXPECT_DOUBLE_EQ(LimitZoom(0.3), 0.3);
}

TEST(ZoomRules, BoxTextIsAWholePercentage) {
    EXPECT_EQ(ZoomText(1.0), "100%");
    EXPECT_EQ(ZoomText(0.75), "75%");
    EXPECT_EQ(ZoomText(968.0 / 1588), "61%");
    EXPECT_EQ(ZoomText(0.25), "25%");
}

struct ParseCase {
    const char* name;
    const char* text;
    std::optional<double> zoom;
};

const ParseCase kParses[] = {
    {"Number", "75", 0.75},      {"BlankAndPercent", "75 %", 0.75},
    {"Percent", "75%", 0.75},    {"Comma", "12,5", 0.125},
    {"Point", "12.5", 0.125},    {"BelowTheLimitStillRead", "10", 0.10},
    {"Empty", "", std::nullopt}, {"OnlyBlanksAndPercent", " % ", std::nullopt},
};

class ZoomBox : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ZoomBox, ReadsThePercentage) {
    const auto zoom = ParseZoomText(GetParam().text);
    ASSERT_EQ(zoom.has_value(), GetParam().zoom.has_value());
    if (zoom) {
        EXPECT_DOUBLE_EQ(*zoom, *GetParam().zoom);
    }
}

INSTANTIATE_TEST_SUITE_P(ZoomRules, ZoomBox, ::testing::ValuesIn(kParses),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZoomRules, NonNumberNamesTheCleanedText) {
    try {
        ParseZoomText("7 5x %");
        FAIL() << "read a non-number";
    } catch (const base::EConvertError& failure) {
        EXPECT_STREQ(failure.what(), "'75x' is not a valid floating point value");
    }
}

TEST(ZoomRules, WheelMovesTwentyPixelsPerMessage) {
    EXPECT_EQ(WheelScrollStep(120), -20);
    EXPECT_EQ(WheelScrollStep(-240), 20);
    EXPECT_EQ(WheelScrollStep(0), 0);
}

} // namespace
} // namespace rq::report::preview
