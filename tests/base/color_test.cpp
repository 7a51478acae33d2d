// The colour value: channels in 0x00BBGGRR order, system colours marked by a
// top byte of 0xFF whatever their sign as stored (report files write them as
// negative numbers), and the special values that are no system colour.
#include "base/color.h"

#include <gtest/gtest.h>

namespace rq::base {
namespace {

TEST(Color, ChannelsSitInBlueGreenRedOrder) {
    EXPECT_EQ(rgbColor(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(redOf(0x563412), 0x12);
    EXPECT_EQ(greenOf(0x563412), 0x34);
    EXPECT_EQ(blueOf(0x563412), 0x56);
    EXPECT_EQ(rgbColor(0x1FF, -1, 0), 0x00FFFF); // higher bits dropped
}

TEST(Color, SystemColoursAreNegativeAndKeepTheirIndex) {
    EXPECT_EQ(systemColor(0x0F), -16777201); // clBtnFace as a report file writes it
    EXPECT_TRUE(isSystemColor(systemColor(0x0F)));
    EXPECT_EQ(systemColorIndex(systemColor(0x0F)), 0x0F);
    EXPECT_EQ(systemColorIndex(systemColor(0x1FF)), 0xFF);
    for (const TColor plain : {clBlack, clWhite, clNone, clDefault, TColor{0x00FF0000}})
        EXPECT_FALSE(isSystemColor(plain)) << plain;
}

} // namespace
} // namespace rq::base
