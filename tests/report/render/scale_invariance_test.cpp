// The layout's promise: the certificate's body text breaks at the same
// characters at every zoom and on printers, and every drawn line has its
// 600 dpi width brought to the device, within one pixel.
#include "certificate_body.h"
#include "layout_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace rq::report::render::testing {
namespace {

struct Device {
    const char* name;
    int dpi;
    bool printer;
    long double scale;
};

const Device kDevices[] = {
    {"screen_25", 96, false, 0.25},
    {"screen_50", 96, false, 0.5},
    {"screen_100", 96, false, 1},
    {"screen_150", 96, false, 1.5},
    {"screen_200", 96, false, 2},
    {"screen_333", 96, false, 3.33},
    {"screen_800", 96, false, 8},
    {"printer_600", 600, true, 600 / 96.0L},
    {"printer_1200", 1200, true, 1200 / 96.0L},
};

struct Drawn {
    std::vector<std::string> wrapped;
    std::vector<DrawnLine> lines;
    Rect box;
    std::vector<int> flags;
};

Drawn drawCertificate(const Device& device, HAlign align) {
    auto text = makeLayout();
    LayoutOptions o;
    o.font = certificateFont();
    o.lineSpacing = 6;
    o.textRect = certificateTextBox(1);
    o.scale = device.scale;
    o.deviceRect = certificateTextBox(device.scale);
    prepareLayout(*text, o, certificateBody());
    FakeCanvas canvas(device.dpi, device.printer);
    text->DrawLines(canvas, align, VAlign::vaTop);
    std::vector<int> flags;
    for (const auto& line : text->wrappedLines())
        flags.push_back(line.flags);
    return {wrappedTexts(*text), drawnLines(canvas.calls), o.deviceRect, flags};
}

TEST(ScaleInvariance, LinesBreakAlikeAndKeepTheirMeasuredWidthOnEveryDevice) {
    const Drawn reference = drawCertificate(kDevices[7], HAlign::haLeft); // 600 dpi: k = 1
    ASSERT_GT(reference.wrapped.size(), 10u);
    for (const auto& device : kDevices) {
        SCOPED_TRACE(device.name);
        const Drawn drawn = drawCertificate(device, HAlign::haLeft);
        EXPECT_EQ(drawn.wrapped, reference.wrapped);
        ASSERT_EQ(drawn.lines.size(), reference.lines.size());
        const long double toDevice = device.printer ? device.dpi / 600.0L : device.scale / 6.25L;
        for (std::size_t j = 0; j < drawn.lines.size(); ++j) {
            EXPECT_EQ(drawn.lines[j].text, reference.lines[j].text);
            EXPECT_LE(std::fabs(drawn.lines[j].width - reference.lines[j].width * toDevice), 1.0L)
                << "line " << j;
        }
    }
}

TEST(ScaleInvariance, JustifiedLinesFillTheBoxOnEveryDevice) {
    for (const auto& device : kDevices) {
        SCOPED_TRACE(device.name);
        const Drawn block = drawCertificate(device, HAlign::haBlock);
        const Drawn left = drawCertificate(device, HAlign::haLeft);
        ASSERT_EQ(block.lines.size(), block.flags.size());
        int widened = 0;
        for (std::size_t j = 0; j < block.lines.size(); ++j) {
            const bool spaces = block.lines[j].text.find(' ') != std::string::npos;
            if ((block.flags[j] & LastOfParagraph) || !spaces) {
                EXPECT_EQ(block.lines[j].width, left.lines[j].width) << "line " << j;
                continue;
            }
            // Free width plus one pixel: one past the edge, or one short of it
            // when the device glyphs were wider than the box.
            const int end = block.lines[j].x + block.lines[j].width;
            EXPECT_EQ(std::abs(end - block.box.right), 1) << "line " << j;
            ++widened;
        }
        EXPECT_GE(widened, 3);
    }
}

} // namespace
} // namespace rq::report::render::testing
