// Line breaking at the measuring resolution. With the 12-point test font the
// measuring height is 100 pixels: "a" is 50 units wide, a space 30, "m" 90,
// and a text rectangle of W pixels allows round(W * 6.25) units.
#include "layout_fixture.h"
#include "report/render/syllable_breaks.h"

#include <gtest/gtest.h>

namespace rq::report::render::testing {
namespace {

struct WrapCase {
    const char* name;
    std::vector<std::string> source;
    int width; // pixels at 96 per inch
    long double paragraphGap;
    bool wordWrap;
    std::vector<std::string> lines;
    std::vector<int> flags;
};

class Wrapping : public ::testing::TestWithParam<WrapCase> {};

TEST_P(Wrapping, BreaksLinesAtTheExpectedCharacters) {
    const auto& c = GetParam();
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, c.width, 200};
    o.paragraphGap = c.paragraphGap;
    o.wordWrap = c.wordWrap;
    prepareLayout(*text, o, c.source);
    EXPECT_EQ(wrappedTexts(*text), c.lines);
    std::vector<int> flags;
    for (const auto& line : text->wrappedLines())
        flags.push_back(line.flags);
    EXPECT_EQ(flags, c.flags);
    // Every wrapped line has its own list of character formats.
    EXPECT_EQ(text->tags().lines().size(), text->wrappedLines().size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wrapping,
    ::testing::Values(
        WrapCase{"fits_on_one_line", {"aaaa aaaa"}, 80, 0, true, {"aaaa aaaa"}, {3}},
        WrapCase{"breaks_at_the_space", {"aaaa aaaa"}, 40, 0, true, {"aaaa", "aaaa"}, {1, 2}},
        WrapCase{"word_longer_than_the_line",
                 {"aaaaaaaaaa"},
                 32,
                 0,
                 true,
                 {"aaaa", "aaaa", "aa"},
                 {1, 0, 2}},
        WrapCase{"single_wide_character", {"mam"}, 8, 0, true, {"m", "a", "m"}, {1, 0, 2}},
        WrapCase{"word_wrap_off", {"aaaa aaaa"}, 40, 0, false, {"aaaa aaaa"}, {3}},
        WrapCase{"empty_line_is_one_space", {"a", ""}, 40, 0, true, {"a", " "}, {3, 3}},
        WrapCase{"without_paragraph_gap",
                 {"aaaa aaaa aaaa"},
                 72,
                 0,
                 true,
                 {"aaaa aaaa", "aaaa"},
                 {1, 2}},
        WrapCase{"paragraph_gap_narrows_the_first_line",
                 {"aaaa aaaa aaaa"},
                 72,
                 16,
                 true,
                 {"aaaa", "aaaa aaaa"},
                 {1, 2}},
        WrapCase{
            "space_overflowing_at_the_end", {"aaaa ", "b"}, 32, 0, true, {"aaaa", "b"}, {3, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Wrapping, WordBreakSplitsAtSyllablesWithAHyphen) {
    const std::string ma = "\xCC\xC0"; // two Windows-1251 capitals: consonant, vowel
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 24, 200}; // 150 units: three characters
    o.wordBreak = true;
    prepareLayout(*text, o, {ma + ma + ma + ma});
    EXPECT_EQ(wrappedTexts(*text), (std::vector<std::string>{ma + "-", ma + "-", ma + "-", ma}));
    ASSERT_EQ(text->tags().lines().size(), 4u);
    EXPECT_EQ(text->tags().lines()[0].size(), 3u); // two characters and the hyphen
    EXPECT_EQ(text->tags().lines()[3].size(), 2u);
}

// Each wrapped line's records are those of its own characters: styles and
// source positions continue where the previous line stopped.
TEST(Wrapping, EachLineKeepsTheRecordsOfItsCharacters) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 40, 200}; // 250 units: "aaaa" but not "aaaa a"
    prepareLayout(*text, o, {"aaa <b>aaa</b> aaa <i>aa</i>"});
    ASSERT_EQ(wrappedTexts(*text), (std::vector<std::string>{"aaa", "aaa", "aaa", "aa"}));
    std::vector<std::string> styles;
    std::vector<int> firstPositions;
    for (const TfrxHTMLTags& line : text->tags().lines()) {
        std::string codes;
        for (const TfrxHTMLTag& tag : line)
            codes += static_cast<char>('0' + tag.fontStyle);
        styles.push_back(codes);
        firstPositions.push_back(line.empty() ? 0 : line.front().sourcePosition);
    }
    // Lines keep their breaking space's record; the bold word is 1, italic 2.
    EXPECT_EQ(styles, (std::vector<std::string>{"0000", "1110", "0000", "22"}));
    EXPECT_EQ(firstPositions, (std::vector<int>{1, 8, 16, 23}));
}

TEST(Wrapping, ParagraphsLongerThanTheFixedArraysAreMeasuredWhole) {
    std::string paragraph = "aa";
    for (int i = 0; i < 3000; ++i)
        paragraph += " aa";
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 640, 100000};
    prepareLayout(*text, o, {paragraph});
    std::string joined;
    for (const auto& line : text->wrappedLines())
        joined += (joined.empty() ? "" : " ") + line.text;
    EXPECT_EQ(joined, paragraph);
    EXPECT_GT(text->wrappedLines().size(), 50u);
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haBlock, VAlign::vaTop);
    EXPECT_EQ(screen.calls.size(), text->wrappedLines().size());
}

struct SyllableCase {
    const char* name;
    std::string word;
    std::vector<int> breaks;
};

class Syllables : public ::testing::TestWithParam<SyllableCase> {};

TEST_P(Syllables, GivesTheCandidatePositions) {
    EXPECT_EQ(SyllableBreaks(GetParam().word), GetParam().breaks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Syllables,
    ::testing::Values(SyllableCase{"short_word", "\xCC\xC0\xCC", {}},
                      SyllableCase{"alternating", "\xCC\xC0\xCC\xC0", {2}},
                      // vowel before a doubled consonant and a vowel: no break after it
                      SyllableCase{"doubled_consonant", "\xC0\xCD\xCD\xC0\xCC\xC0", {2, 4}},
                      SyllableCase{"latin_letters_have_none", "ABCDEF", {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::report::render::testing
