// TLMDFill: band colours and band rows of the gradient, read back from the
// painted header, and the title's placement.
#include "widgets/lmd_fill.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace rq::widgets {
namespace {

constexpr TColor kStart = 9758459; // RGB FB E6 94
constexpr TColor kEnd = 1414638;   // RGB EE 95 15
constexpr TColor kDimmed = 12505042;

QImage paint(TLMDFill& fill) {
    QImage image(fill.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    fill.render(&image);
    return image;
}

TLMDGradient headerGradient(TColor start, TColor end) {
    TLMDGradient gradient;
    gradient.Color = start;
    gradient.EndColor = end;
    return gradient;
}

TEST(LMDGradient, BandColoursRunFromStartToEnd) {
    const auto bands = gradientBands(headerGradient(kStart, kEnd));
    ASSERT_EQ(bands.size(), 16u);
    const std::pair<int, QRgb> expected[] = {
        {0, 0xFBE694}, {1, 0xFAE18C}, {7, 0xF5C059}, {14, 0xEF9A1D}, {15, 0xEE9515}};
    for (const auto& [band, rgb] : expected)
        EXPECT_EQ(bands[static_cast<std::size_t>(band)].rgb() & 0xFFFFFF, rgb) << "band " << band;
}

TEST(LMDGradient, DefaultsAreSixteenBandsFromBlueToBlack) {
    const auto bands = gradientBands(TLMDGradient{});
    ASSERT_EQ(bands.size(), 16u);
    EXPECT_EQ(bands.front(), QColor(0, 0, 255));
    EXPECT_EQ(bands.back(), QColor(0, 0, 0));
}

TEST(LMDFill, HeaderBandsOccupyTheirRows) {
    TLMDFill fill;
    fill.resize(703, 27);
    fill.SetGradient(headerGradient(kStart, kEnd));
    const QImage image = paint(fill);
    const int edges[] = {0, 2, 3, 5, 7, 8, 10, 12, 14, 15, 17, 19, 20, 22, 24, 25, 27};
    const auto& bands = fill.Bands();
    for (int k = 0; k < 16; ++k)
        for (int y = edges[k]; y < edges[k + 1]; ++y)
            for (const int x : {0, 350, 702})
                ASSERT_EQ(QColor(image.pixel(x, y)), bands[static_cast<std::size_t>(k)])
                    << "band " << k << " row " << y << " column " << x;
    EXPECT_EQ(QColor(image.pixel(702, 0)).rgb() & 0xFFFFFF, 0xFBE694u);
    EXPECT_EQ(QColor(image.pixel(702, 26)).rgb() & 0xFFFFFF, 0xEE9515u);
}

TEST(LMDFill, EqualColoursPaintAFlatStrip) {
    TLMDFill fill;
    fill.resize(703, 27);
    fill.SetGradient(headerGradient(kDimmed, kDimmed));
    const QImage image = paint(fill);
    for (int y = 0; y < 27; ++y)
        EXPECT_EQ(image.pixel(700, y) & 0xFFFFFF, 0xD2CFBEu) << y;
}

TEST(LMDFill, AnyHeightKeepsSixteenNearlyEqualBands) {
    for (const int height : {16, 27, 40, 101}) {
        int smallest = height, largest = 0;
        for (int k = 0; k < 16; ++k) {
            const int h = bandEdge(0, height, k + 1, 16) - bandEdge(0, height, k, 16);
            smallest = std::min(smallest, h);
            largest = std::max(largest, h);
        }
        EXPECT_LE(largest - smallest, 1) << height;
        EXPECT_EQ(bandEdge(0, height, 16, 16), height);
    }
}

TEST(LMDFill, TitleStartsAfterItsBlanksAndIsCentredVertically) {
    TLMDFill fill;
    fill.resize(703, 27);
    fill.SetGradient(headerGradient(kDimmed, kDimmed));
    const QString caption = QStringLiteral("    I. A MUNK\u00C1LTAT\u00D3");
    fill.SetCaption(caption);
    fill.SetCaptionFont(makeFont({"Tahoma", 13, true}));
    fill.SetCaptionColor(0); // black
    const QImage image = paint(fill);
    int left = image.width(), top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                left = std::min(left, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const QFontMetrics metrics(fill.CaptionFont());
    const int blanks = metrics.horizontalAdvance(QStringLiteral("    "));
    EXPECT_GE(left, blanks);
    EXPECT_LE(left, blanks + 3);
    // The line box is centred: the capitals stand on its baseline.
    const int baseline = (27 - metrics.height()) / 2 + metrics.ascent();
    EXPECT_NEAR(bottom, baseline - 1, 1);
    EXPECT_LT(top, baseline - metrics.capHeight() + 1);
}

struct Ink {
    long weight = 0; // darkness summed over the strip, in fully black pixels
    int right = -1;  // the rightmost dark column
};

Ink titleInk(bool bold) {
    TLMDFill fill;
    fill.resize(703, 27);
    fill.SetGradient(headerGradient(0xFFFFFF, 0xFFFFFF));
    fill.SetCaption(QStringLiteral("I. A MUNK\u00C1LTAT\u00D3"));
    fill.SetCaptionFont(makeFont({"Tahoma", 13, bold}));
    fill.SetCaptionColor(0);
    const QImage image = paint(fill);
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int gray = qGray(image.pixel(x, y));
            ink.weight += 255 - gray;
            if (gray < 128)
                ink.right = std::max(ink.right, x);
        }
    ink.weight /= 255;
    return ink;
}

// On screen the title is drawn with strokes clearly heavier than the regular
// cut's, and wider, as a bold face is.
TEST(LMDFill, BoldTitleIsHeavierAndWiderThanRegular) {
    const Ink regular = titleInk(false);
    const Ink bold = titleInk(true);
    EXPECT_GT(bold.weight * 4, regular.weight * 5) << bold.weight << " vs " << regular.weight;
    EXPECT_GT(bold.right, regular.right);
}

TEST(LMDFill, ChangingTheGradientRebuildsTheBands) {
    TLMDFill fill;
    fill.SetGradient(headerGradient(kStart, kEnd));
    TLMDGradient eight = fill.Gradient();
    eight.ColorCount = 8;
    fill.SetGradient(eight);
    EXPECT_EQ(fill.Bands().size(), 8u);
    EXPECT_EQ(fill.Bands().back().rgb() & 0xFFFFFF, 0xEE9515u);
}

} // namespace
} // namespace rq::widgets
