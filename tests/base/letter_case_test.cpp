// Windows-1250 letter case: the accented letters of the code page have their
// pairs, signs and letters without a pair stay as they are.
#include "base/letter_case.h"

#include <gtest/gtest.h>

namespace rq::base {
namespace {

TEST(LetterCase, AccentedLettersHaveTheirPairs) {
    EXPECT_EQ(AnsiUpperCase("\xE1rv\xED\xFBz \x9A\xB3 t\xFCk\xF6rf\xFAr\xF3g\xE9p"),
              "\xC1RV\xCD\xDBZ \x8A\xA3 T\xDCK\xD6RF\xDAR\xD3G\xC9P");
    EXPECT_EQ(AnsiLowerCase("\xC1RV\xCD\xDBZ \x8A\xA3 \x8C\x8D\x8E\x8F\xA5\xAA\xBC\xAF"),
              "\xE1rv\xED\xFBz \x9A\xB3 \x9C\x9D\x9E\x9F\xB9\xBA\xBE\xBF");
}

TEST(LetterCase, SignsAndUnpairedLettersStay) {
    // division and multiplication signs, sharp s, the dot above, digits
    for (const char c : {'\xF7', '\xD7', '\xDF', '\xFF', '5', ' '}) {
        EXPECT_EQ(AnsiUpperChar(c), c) << static_cast<int>(static_cast<unsigned char>(c));
        EXPECT_EQ(AnsiLowerChar(c), c) << static_cast<int>(static_cast<unsigned char>(c));
    }
}

TEST(LetterCase, EveryPairRoundTrips) {
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        const char upper = AnsiUpperChar(c);
        if (upper != c) {
            EXPECT_EQ(AnsiLowerChar(upper), c) << i;
        }
    }
}

TEST(LetterCase, CompareTextIgnoresCaseOfAccentedLetters) {
    EXPECT_EQ(AnsiCompareText("\xC1rv\xEDz", "\xE1RV\xCDZ"), 0);
    EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
}

} // namespace
} // namespace rq::base
