// Hexadecimal text of byte strings, both ways, in either letter case.
#include "base/hex.h"

#include <gtest/gtest.h>

namespace rq::base {
namespace {

TEST(Hex, ConvertsBothWaysAndRejectsMalformedText) {
    const std::string bytes("\x00\x7F\x80\xFF", 4);
    EXPECT_EQ(bytesToHex(bytes), "007F80FF");
    EXPECT_EQ(bytesToHex(bytes, HexLetters::Lower), "007f80ff");
    EXPECT_EQ(hexToBytes("007F80ff"), bytes);
    EXPECT_EQ(hexToBytes(""), std::string());
    for (const char* bad : {"abc", "zz", "0x", "0G", " 0"})
        EXPECT_FALSE(hexToBytes(bad).has_value()) << bad;
}

TEST(Hex, DigitsAndTheirValues) {
    for (unsigned v = 0; v < 16; ++v) {
        EXPECT_EQ(hexDigitValue(hexDigitChar(v)), static_cast<int>(v));
        EXPECT_EQ(hexDigitValue(hexDigitChar(v, HexLetters::Lower)), static_cast<int>(v));
    }
    EXPECT_EQ(hexDigitValue('g'), -1);
    EXPECT_EQ(hexDigitValue('/'), -1);
}

} // namespace
} // namespace rq::base
