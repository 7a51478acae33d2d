// Windows-1250 conversion and the 1-based text helpers.
#include "base/text1250.h"

#include <gtest/gtest.h>

namespace rq::base {
namespace {

TEST(Text1250, EveryByteRoundTripsThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Text1250, HungarianLettersMapToTheirCodePoints) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const Case cases[] = {{0xE1, 0x00E1}, {0xF5, 0x0151}, {0xFB, 0x0171}, {0xD5, 0x0150},
                          {0xDB, 0x0170}, {0x80, 0x20AC}, {0xA0, 0x00A0}, {0x81, 0x0081}};
    for (const auto& c : cases) {
        EXPECT_EQ(cp1250ToUnicode(c.byte), c.codePoint);
        EXPECT_EQ(unicodeToCp1250(c.codePoint), c.byte);
    }
    EXPECT_EQ(utf8ToCp1250("v\xC3\xADzimalom"), "v\xEDzimalom");
}

TEST(Text1250, CharactersOutsideTheCodePageAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1250("\xE6\x97\xA5"), "?"); // CJK
    EXPECT_EQ(utf8ToCp1250("a\xC3"), "a?");       // truncated sequence
    EXPECT_EQ(utf8ToCp1250("\xFF"
                           "b"),
              "?b"); // invalid lead byte
    EXPECT_FALSE(hasCp1250(0x4E00));
}

TEST(Text1250, CharactersOutsideTheCodePageAreNamedOnceEach) {
    EXPECT_EQ(charactersOutside1250("\xE5\xAF\x86\xE7\xA0\x81 \xE5\xAF\x86"), U"\u5BC6\u7801");
    EXPECT_EQ(charactersOutside1250("k\xC3\xB6nyvel\xC5\x91 \xE2\x82\xAC \xC5\x84"), U"");
    EXPECT_EQ(charactersOutside1250("Espa\xC3\xB1"
                                    "a \xF0\x9F\x98\x80 \xC3"),
              U"\u00F1\U0001F600\uFFFD");
    EXPECT_EQ(codePointNames(U"\u00F1\U0001F600"), "U+00F1 U+1F600");
}

TEST(Text1250, CopyAndPosCountFromOne) {
    EXPECT_EQ(copy1("abcdef", 2, 3), "bcd");
    EXPECT_EQ(copy1("abcdef", 0, 2), "ab");
    EXPECT_EQ(copy1("abcdef", 5, 100), "ef");
    EXPECT_EQ(copy1("abcdef", 7, 1), "");
    EXPECT_EQ(copy1("abcdef", 2, -1), "");
    EXPECT_EQ(pos1("cd", "abcdef"), 3u);
    EXPECT_EQ(pos1("x", "abcdef"), 0u);
    EXPECT_EQ(pos1("", "abcdef"), 0u);
}

TEST(Text1250, CaseInsensitiveNames) {
    EXPECT_TRUE(sameText("Memo1", "MEMO1"));
    EXPECT_FALSE(sameText("Memo1", "Memo10"));
    EXPECT_LT(compareText("abc", "ABD"), 0);
    EXPECT_EQ(trim("  a b \r\n"), "a b");
}

} // namespace
} // namespace rq::base
