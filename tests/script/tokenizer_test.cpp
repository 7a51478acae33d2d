// TfsParser readers on their own, with settings other grammars use.
#include "script/tokenizer.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

TEST(TokenizerTest, HexSequenceOtherThanDollarIsRewritten) {
    TfsParser parser;
    parser.SetHexSequence("0x");
    parser.SetText("  0x1F + 12.5e+3 7.");
    EXPECT_EQ(parser.ReadNumber(), "$1F");
    EXPECT_EQ(parser.ReadChar(), "");
    parser.SkipBlanks();
    EXPECT_EQ(parser.ReadChar(), "+");
    EXPECT_EQ(parser.ReadNumber(), "12.5e+3");
    EXPECT_EQ(parser.ReadNumber(), "7");
    EXPECT_EQ(parser.ReadChar(), ".");
}

TEST(TokenizerTest, DoubleQuoteStringsReadBackslashEscapes) {
    TfsParser parser;
    parser.SetStringQuotes("\"");
    parser.SetText(R"("a\n\x41\"b" #66)");
    EXPECT_EQ(parser.ReadString(), "'a\nA\"bB'");
}

TEST(TokenizerTest, UnterminatedStringRestoresPosition) {
    TfsParser parser;
    parser.SetText("'ab'  'cd");
    EXPECT_EQ(parser.ReadString(), "'ab'");
    EXPECT_EQ(parser.Position(), 5);
}

TEST(TokenizerTest, BracketedCountsAnglesOutsideQuotes) {
    TfsParser parser;
    parser.SetText("a<b>'>'\">\"> rest");
    EXPECT_EQ(parser.ReadBracketed(), "a<b>'>'\">\"");
    EXPECT_EQ(parser.ReadChar(), ">");
    parser.SetText("abc\r\n>");
    EXPECT_EQ(parser.ReadBracketed(), "");
    EXPECT_EQ(parser.Position(), 1);
}

TEST(TokenizerTest, KeywordsAreNoWordsInAnyCase) {
    TfsParser parser;
    parser.AddKeyword("begin");
    parser.SetText("BeGiN _x1 1x");
    EXPECT_EQ(parser.ReadWord(), "");
    parser.SetText("BeGiN _x1 1x");
    EXPECT_EQ(parser.ReadIdent(), "BeGiN");
    EXPECT_EQ(parser.ReadWord(), "_x1");
    EXPECT_EQ(parser.ReadIdent(), ""); // identifiers do not start with a digit
}

TEST(TokenizerTest, LineEndsAndContinuationWithoutEolSkipping) {
    TfsParser parser;
    parser.SetSkipEOL(false);
    parser.SetSkipChar("_");
    parser.SetCommentLine1("'");
    parser.SetText("a _\r\n b ' note\r\n\r\nc");
    EXPECT_EQ(parser.ReadIdent(), "a");
    EXPECT_EQ(parser.ReadIdent(), "b");
    EXPECT_TRUE(parser.SkipLineEnds());
    EXPECT_EQ(parser.ReadIdent(), "c");
    EXPECT_FALSE(parser.SkipLineEnds());
}

TEST(TokenizerTest, PositionTextCountsLinesFromLineFeeds) {
    TfsParser parser;
    parser.SetText("ab\r\ncd\nef");
    const std::pair<int, const char*> cases[] = {{1, "1:1"}, {4, "1:4"}, {5, "2:1"},
                                                 {7, "2:3"}, {8, "3:1"}, {10, "3:3"}};
    for (const auto& [position, text] : cases)
        EXPECT_EQ(parser.PositionText(position), text) << position;
}

} // namespace
} // namespace rq::script
