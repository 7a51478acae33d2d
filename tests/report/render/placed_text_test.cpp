// Text on a canvas that places glyphs at fractional positions (the screen
// at any zoom): every character starts where its 600 dpi measurement,
// scaled, puts it; justified lines share their free width evenly among their
// spaces and end at their box; runs carry the glyphs' exact size against the
// whole-point canvas font; line breaks and line starts are those of the
// whole-pixel way. A whole-pixel canvas rounds placed text to advances.
#include "layout_fixture.h"

#include <gtest/gtest.h>

#include <numeric>
#include <ostream>

namespace rq::report::render::testing {
namespace {

// 12 points measure 100 units high at 600 dpi; kx = 600 / 96.
constexpr double kUnitsPerPixel = 600.0 / 96;

// The scaled edges of characters measuring widths (600 dpi units) wide.
std::vector<double> scaledEdges(const std::vector<int>& widths, double scale) {
    std::vector<double> edges{0};
    for (int w : widths)
        edges.push_back(edges.back() + w * scale / kUnitsPerPixel);
    return edges;
}

void expectEdges(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << "edge " << i;
}

struct PlacedCase {
    const char* name;
    double scale;
};

void PrintTo(const PlacedCase& c, std::ostream* out) {
    *out << c.name;
}

const PlacedCase kScales[] = {{"Zoom82", 0.82}, {"Zoom100", 1.0}, {"Zoom150", 1.5}};

class PlacedText : public ::testing::TestWithParam<PlacedCase> {
protected:
    // One line "Alma fi" (A 7, l 3, m 9, a 5, blank 3, f 5, i 3 tenths of
    // the 100-unit measuring height), drawn at the case's scale.
    FakeCanvas drawLine(HAlign align, bool placing) {
        auto text = makeLayout();
        LayoutOptions o;
        o.scale = GetParam().scale;
        o.textRect = {0, 0, 300, 100};
        o.deviceRect = {0, 0, static_cast<int>(300 * o.scale), static_cast<int>(100 * o.scale)};
        prepareLayout(*text, o, {"Alma fi"});
        FakeCanvas screen(96);
        screen.placing = placing;
        text->DrawLines(screen, align, VAlign::vaTop);
        return screen;
    }
};

TEST_P(PlacedText, CharactersStandAtTheirScaledMeasuredWidths) {
    const FakeCanvas screen = drawLine(HAlign::haLeft, true);
    EXPECT_TRUE(screen.calls.empty());
    ASSERT_EQ(screen.placed.size(), 1u);
    EXPECT_EQ(screen.placed[0].text, "Alma fi");
    EXPECT_EQ(screen.placed[0].at, (Point{0, 0}));
    expectEdges(screen.placed[0].edges,
                scaledEdges({70, 30, 90, 50, 30, 50, 30}, GetParam().scale));
}

// The canvas font has whole points (12 x scale rounded) and whole pixels;
// the glyphs are meant to be 12 x scale points.
TEST_P(PlacedText, RunsCarryTheGlyphsExactSize) {
    const FakeCanvas screen = drawLine(HAlign::haLeft, true);
    ASSERT_EQ(screen.placed.size(), 1u);
    const double exact = 12 * GetParam().scale * 96 / 72;
    EXPECT_DOUBLE_EQ(screen.placed[0].glyphScale, exact / std::abs(screen.placed[0].font.height));
}

// A centred line starts where the whole-pixel way starts it.
TEST_P(PlacedText, LineStartsAsOnAWholePixelCanvas) {
    const FakeCanvas placed = drawLine(HAlign::haCenter, true);
    const FakeCanvas whole = drawLine(HAlign::haCenter, false);
    ASSERT_EQ(placed.placed.size(), 1u);
    ASSERT_EQ(whole.calls.size(), 1u);
    EXPECT_EQ(placed.placed[0].at, whole.calls[0].at);
}

INSTANTIATE_TEST_SUITE_P(Scales, PlacedText, ::testing::ValuesIn(kScales),
                         [](const auto& info) { return std::string(info.param.name); });

// A justified paragraph at 82%: the lines break as on a whole-pixel canvas;
// every line but the last spreads its free width evenly over its blanks and
// ends exactly at its box's right edge.
TEST(PlacedJustifiedText, SpacesShareTheFreeWidthAndTheLineEndsAtItsBox) {
    const auto draw = [](bool placing) {
        auto text = makeLayout();
        LayoutOptions o;
        o.scale = 0.82;
        o.textRect = {0, 0, 100, 200};
        o.deviceRect = {10, 20, 92, 184};
        prepareLayout(*text, o, {"aa aa aa aa aa aa"});
        FakeCanvas screen(96);
        screen.placing = placing;
        text->DrawLines(screen, HAlign::haBlock, VAlign::vaTop);
        return screen;
    };
    const FakeCanvas placed = draw(true);
    const std::vector<DrawnLine> whole = drawnLines(draw(false).calls);
    ASSERT_EQ(placed.placed.size(), whole.size());
    ASSERT_GT(whole.size(), 1u);
    for (std::size_t j = 0; j < whole.size(); ++j) {
        SCOPED_TRACE(j);
        const PlacedCall& line = placed.placed[j];
        EXPECT_EQ(line.text, whole[j].text);
        EXPECT_EQ(line.at, (Point{whole[j].x, whole[j].y}));
        if (j + 1 == whole.size())
            continue; // the last line is left-aligned
        const std::vector<double>& e = line.edges;
        EXPECT_NEAR(e.back(), 82, 1e-9);
        std::vector<double> blanks;
        for (std::size_t i = 0; i < line.text.size(); ++i)
            if (line.text[i] == ' ')
                blanks.push_back(e[i + 1] - e[i]);
            else
                EXPECT_NEAR(e[i + 1] - e[i], 50 * 0.82 / kUnitsPerPixel, 1e-9);
        ASSERT_FALSE(blanks.empty());
        for (double b : blanks)
            EXPECT_NEAR(b, blanks.front(), 1e-9);
    }
}

struct RoundingCase {
    const char* name;
    int escapement;
    std::vector<double> edges;
    Point at;
    std::vector<int> advances;
};

void PrintTo(const RoundingCase& c, std::ostream* out) {
    *out << c.name;
}

const RoundingCase kRoundings[] = {
    {"FromTheStart", 0, {0, 2.4, 5.5, 7.5}, {10, 20}, {2, 4, 2}},
    {"StartMovesAlong", 0, {1.5, 3.4, 6.6}, {12, 20}, {1, 4}},
    {"StartMovesUpWhenTurned", 900, {2.6, 5.2}, {10, 17}, {2}},
};

class WholePixelPlacing : public ::testing::TestWithParam<RoundingCase> {};

// Each edge rounds half to even; the advances are the differences.
TEST_P(WholePixelPlacing, RoundsEveryEdge) {
    const RoundingCase& c = GetParam();
    FakeCanvas canvas(96);
    canvas.font().escapement = c.escapement;
    const std::string text(c.edges.size() - 1, 'x');
    canvas.textOutPlaced({10, 20}, ETO_CLIPPED, {0, 0, 50, 50}, text, c.edges, 1.1);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].at, c.at);
    EXPECT_EQ(canvas.calls[0].advances, c.advances);
    EXPECT_EQ(canvas.calls[0].options, ETO_CLIPPED);
}

INSTANTIATE_TEST_SUITE_P(Cases, WholePixelPlacing, ::testing::ValuesIn(kRoundings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::report::render::testing
