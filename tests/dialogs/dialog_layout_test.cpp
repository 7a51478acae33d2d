// Dialog geometry from dialog units: the units of an 8-point dialog
// font (6 x 13) and a larger font, checked against the pixel numbers.
#include "dialogs/dialog_layout.h"

#include <gtest/gtest.h>

namespace rq::dialogs {
namespace {

struct InputCase {
    const char* name;
    DialogUnits units;
    QSize client;
    QPoint prompt;
    QRect edit;
    QRect ok;
    QRect cancel;
};

class InputLayout : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputLayout, PlacesEveryControl) {
    const auto& c = GetParam();
    const auto layout = layoutInputDialog(c.units);
    EXPECT_EQ(layout.client, c.client);
    EXPECT_EQ(layout.prompt, c.prompt);
    EXPECT_EQ(layout.edit, c.edit);
    EXPECT_EQ(layout.ok, c.ok);
    EXPECT_EQ(layout.cancel, c.cancel);
}

INSTANTIATE_TEST_SUITE_P(
    Units, InputLayout,
    ::testing::Values(
        // 63 x 13 / 8 = 102.4, 19 x 13 / 8 = 30.9, 41 x 13 / 8 = 66.6, 14 x 13 / 8 = 22.75
        InputCase{"Units6x13",
                  {6, 13},
                  {270, 102},
                  {12, 13},
                  {12, 31, 246, 0},
                  {57, 67, 75, 23},
                  {138, 67, 75, 23}},
        // halves to even: 38 x 7 / 4 = 66.5 -> 66, 50 x 7 / 4 = 87.5 -> 88,
        // 14 x 14 / 8 = 24.5 -> 24
        InputCase{"Units7x14",
                  {7, 14},
                  {315, 110},
                  {14, 14},
                  {14, 33, 287, 0},
                  {66, 72, 88, 24},
                  {161, 72, 88, 24}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MessageCase {
    const char* name;
    DialogUnits units;
    QSize text;
    bool icon;
    int buttons;
    QSize client;
    QRect iconRect;
    QRect textRect;
    std::vector<QRect> buttonRects;
};

class MessageLayout : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageLayout, PlacesIconTextAndButtons) {
    const auto& c = GetParam();
    const auto layout = layoutMessageDialog(c.units, c.text, c.icon, c.buttons);
    EXPECT_EQ(layout.client, c.client);
    EXPECT_EQ(layout.icon, c.iconRect);
    EXPECT_EQ(layout.text, c.textRect);
    EXPECT_EQ(layout.buttons, c.buttonRects);
}

INSTANTIATE_TEST_SUITE_P(Units, MessageLayout,
                         ::testing::Values(
                             // margins 12 / 13, spacing 15 / 16, buttons 75 x 23 six apart
                             MessageCase{"InformationOk",
                                         {6, 13},
                                         {121, 13},
                                         true,
                                         1,
                                         {192, 97},
                                         {12, 13, 32, 32},
                                         {59, 13, 121, 26},
                                         {{58, 61, 75, 23}}},
                             // text taller than the icon sets the height
                             MessageCase{"TallText",
                                         {6, 13},
                                         {200, 52},
                                         true,
                                         1,
                                         {271, 117},
                                         {12, 13, 32, 32},
                                         {59, 13, 200, 104},
                                         {{98, 81, 75, 23}}},
                             // buttons wider than the text set the width; no icon, so the text
                             // starts at the margin
                             MessageCase{"CustomYesNoCancel",
                                         {6, 13},
                                         {40, 13},
                                         false,
                                         3,
                                         {261, 78},
                                         {},
                                         {12, 13, 40, 26},
                                         {{12, 42, 75, 23}, {93, 42, 75, 23}, {174, 42, 75, 23}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenCentred, HalvesScreenAndWindowSeparately) {
    EXPECT_EQ(screenCentred({192, 97}, {800, 600}), QPoint(304, 252));
    EXPECT_EQ(screenCentred({271, 117}, {1025, 769}), QPoint(512 - 135, 384 - 58));
}

} // namespace
} // namespace rq::dialogs
