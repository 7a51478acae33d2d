// Tag expansion: which tags are recognised, what they do to the characters'
// formats, and which "<" stay as text.
#include "layout_fixture.h"
#include "report/render/html_tags.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rq::report::render::testing {
namespace {

constexpr FontStyles kPlain = 0;

struct TagCase {
    const char* name;
    std::string source;
    std::string text;               // after the tags are removed
    std::vector<FontStyles> styles; // per character of text
    std::vector<Color> colors;      // per character, empty: all black
};

class TagExpansion : public ::testing::TestWithParam<TagCase> {};

TEST_P(TagExpansion, RemovesTagsAndRecordsFormats) {
    const auto& c = GetParam();
    TfrxHTMLTagsList tags;
    tags.Init(true, kPlain, clBlack, 11);
    std::string paragraph = c.source;
    tags.ExpandTags(paragraph);
    EXPECT_EQ(paragraph, c.text);
    ASSERT_EQ(tags.lines().size(), 1u);
    const auto& records = tags.lines()[0];
    ASSERT_EQ(records.size(), c.text.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].fontStyle, c.styles[i]) << "character " << i;
        EXPECT_EQ(records[i].fontColor, c.colors.empty() ? clBlack : c.colors[i]) << i;
    }
}

const Color kRed = 0x0000FF; // 0x00BBGGRR

INSTANTIATE_TEST_SUITE_P(
    Cases, TagExpansion,
    ::testing::Values(
        TagCase{"bold_then_plain", "<b>ab</b>c", "abc", {fsBold, fsBold, kPlain}, {}},
        TagCase{"letters_any_case", "<I>a</I><U>b</u>", "ab", {fsItalic, fsUnderline}, {}},
        TagCase{"nested", "<u><b>a</b></u>b", "ab", {fsBold | fsUnderline, kPlain}, {}},
        TagCase{"letter_s_is_text", "<s>a</s>", "<s>a</s>", std::vector<FontStyles>(8, kPlain), {}},
        TagCase{"other_letter_is_text", "<x>a", "<x>a", std::vector<FontStyles>(4, kPlain), {}},
        TagCase{"unknown_three_letters_removed", "<abc>a", "a", {kPlain}, {}},
        TagCase{"strike", "<strike>a</strike>b", "ab", {fsStrikeOut, kPlain}, {}},
        TagCase{"lone_angle_bracket", "a<b", "a<b", {kPlain, kPlain, kPlain}, {}},
        TagCase{"quoted_hex_colour",
                "<font color=\"#FF0000\">a</font>b",
                "ab",
                {kPlain, kPlain},
                {kRed, clBlack}},
        TagCase{"colour_name", "<font color=red>a", "a", {kPlain}, {kRed}},
        TagCase{"colour_name_any_case_spaces", "<FONT COLOR=  Navy>a", "a", {kPlain}, {0x800000}},
        TagCase{"unknown_colour_name_is_text",
                "<font color=rot>a",
                "<font color=rot>a",
                std::vector<FontStyles>(17, kPlain),
                {}},
        TagCase{"unquoted_hex_is_text",
                "<font color=#FF0000>a",
                "<font color=#FF0000>a",
                std::vector<FontStyles>(21, kPlain),
                {}},
        TagCase{"empty_colour_is_text",
                "<font color=>a",
                "<font color=>a",
                std::vector<FontStyles>(14, kPlain),
                {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TagExpansion, MalformedHexColourRaisesTheConversionError) {
    TfrxHTMLTagsList tags;
    tags.Init(true, kPlain, clBlack, 11);
    std::string paragraph = "<font color=\"#FF00GG\">a";
    try {
        tags.ExpandTags(paragraph);
        FAIL() << "no error";
    } catch (const base::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'$FF00GG' is not a valid integer value");
    }
}

TEST(TagExpansion, RecordsSourcePositionsSizesAndFormatChanges) {
    TfrxHTMLTagsList tags;
    tags.Init(true, kPlain, clBlack, 11);
    std::string first = "<b>a</b>b";
    std::string second = "x<sub>2</sub><sup>3</sup>";
    tags.ExpandTags(first);
    tags.ExpandTags(second);
    ASSERT_EQ(tags.lines().size(), 2u);
    const auto& a = tags.lines()[0];
    EXPECT_EQ(a[0].sourcePosition, 4);
    EXPECT_EQ(a[1].sourcePosition, 9);
    EXPECT_FALSE(a[0].sameAsPrevious); // differs from the defaults
    EXPECT_FALSE(a[1].sameAsPrevious); // back to plain
    const auto& b = tags.lines()[1];
    EXPECT_EQ(second, "x23");
    EXPECT_EQ(b[0].sourcePosition, 12); // 9 characters and CR LF before it
    EXPECT_TRUE(b[0].sameAsPrevious);
    EXPECT_EQ(b[1].pointSize, 7); // round(11 / 1.5)
    EXPECT_EQ(b[1].lowered, 1);
    EXPECT_TRUE(b[1].reduced);
    EXPECT_FALSE(b[1].sameAsPrevious);
    EXPECT_EQ(b[2].pointSize, 7);
    EXPECT_EQ(b[2].lowered, 0);
    EXPECT_TRUE(b[2].sameAsPrevious); // size and style unchanged
}

TEST(TagExpansion, DisabledTagsStayAsText) {
    TfrxHTMLTagsList tags;
    tags.Init(false, kPlain, clBlack, 11);
    std::string paragraph = "<b>a</b>";
    tags.ExpandTags(paragraph);
    EXPECT_EQ(paragraph, "<b>a</b>");
    for (const auto& record : tags.lines()[0])
        EXPECT_TRUE(record.sameAsPrevious);
}

TEST(TagDrawing, BoldWordThenPlainTextGivesTwoRunsAndNoTraceOfTheTags) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 400, 100};
    prepareLayout(*text, o, {"<b>bold</b> text"});
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haLeft, VAlign::vaTop);
    ASSERT_EQ(screen.calls.size(), 2u);
    EXPECT_EQ(screen.calls[0].text, "bold");
    EXPECT_EQ(screen.calls[0].font.style, fsBold);
    EXPECT_EQ(screen.calls[1].text, " text");
    EXPECT_EQ(screen.calls[1].font.style, kPlain);
    EXPECT_EQ(screen.calls[1].at.x, screen.calls[0].at.x + screen.calls[0].width());

    FakeCanvas& m = static_cast<FakeCanvas&>(text->measuringCanvas());
    m.font().style = fsBold;
    const int bold = m.textExtent("bold").cx;
    m.font().style = kPlain;
    const int rest = m.textExtent(" text").cx;
    // The drawn line is exactly its 600 dpi width brought to the 96 dpi screen.
    EXPECT_EQ(screen.calls[0].width() + screen.calls[1].width(),
              std::llrint((bold + rest) * 96.0 / 600));
}

TEST(TagDrawing, StrikeAndColourReachTheCanvasFont) {
    auto text = makeLayout();
    LayoutOptions o;
    o.textRect = o.deviceRect = {0, 0, 400, 100};
    prepareLayout(*text, o, {"<strike>x</strike><font color=\"#FF0000\">r</font>"});
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haLeft, VAlign::vaTop);
    ASSERT_EQ(screen.calls.size(), 2u);
    EXPECT_EQ(screen.calls[0].font.style, fsStrikeOut);
    EXPECT_EQ(screen.calls[1].font.style, kPlain);
    EXPECT_EQ(screen.calls[1].font.color, kRed);
}

TEST(TagDrawing, SubscriptIsSmallerAndLowered) {
    auto text = makeLayout();
    LayoutOptions o;
    o.font = memoFont(-16); // 12 points
    o.scale = 2;
    o.textRect = {0, 0, 400, 100};
    o.deviceRect = {0, 0, 800, 200};
    prepareLayout(*text, o, {"H<sub>2</sub>O<sup>x</sup>"});
    FakeCanvas screen(96);
    text->DrawLines(screen, HAlign::haLeft, VAlign::vaTop);
    ASSERT_EQ(screen.calls.size(), 4u);
    EXPECT_EQ(screen.calls[1].text, "2");
    EXPECT_EQ(screen.calls[1].font.size(), 16);                 // round(8 * 2) points
    EXPECT_EQ(screen.calls[1].at.y, screen.calls[0].at.y + 16); // 1 * 8 * 2
    EXPECT_EQ(screen.calls[3].text, "x");
    EXPECT_EQ(screen.calls[3].at.y, screen.calls[0].at.y); // superscript: the line's top
}

} // namespace
} // namespace rq::report::render::testing
