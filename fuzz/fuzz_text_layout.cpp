// Fuzz target of the text layout with formatting tags: any memo text with
// any layout options and font is laid out, measured, drawn and split, or
// raises the layout's own error (a malformed colour tag, a font size out of
// range); nothing may crash or hang. The canvas has fixed glyph widths.
// Input: 16 bytes of options (below), then the memo lines separated by LF.
// Run: fuzz_text_layout fuzz/corpus/text_layout
#include "base/exceptions.h"
#include "fake_canvas.h"
#include "report/render/draw_text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace rq::report::render;

constexpr std::size_t kOptionBytes = 16;

std::int32_t word32(const std::uint8_t* p) {
    std::uint32_t v = 0;
    std::memcpy(&v, p, sizeof v);
    return static_cast<std::int32_t>(v);
}

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> result;
    std::size_t from = 0;
    for (;;) {
        const auto lf = text.find('\n', from);
        result.emplace_back(text.substr(from, lf == std::string_view::npos ? lf : lf - from));
        if (lf == std::string_view::npos)
            return result;
        from = lf + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kOptionBytes)
        return 0;
    // Options: flags, halign, valign, rotation (2 bytes, signed), font height
    // (4 bytes, signed: any value), box width and height (2 bytes each, pixels),
    // scale in quarters, character spacing, line spacing, paragraph gap (signed).
    const std::uint8_t flags = data[0];
    const auto hAlign = static_cast<HAlign>(data[1] % 4);
    const auto vAlign = static_cast<VAlign>(data[2] % 3);
    const int rotation = static_cast<std::int16_t>(data[3] | data[4] << 8);
    const std::int32_t height = word32(data + 5);
    const int width = data[9] | (data[10] & 0x0F) << 8;
    const int boxHeight = data[11] | (data[12] & 0x0F) << 8;
    const long double scale = (data[13] % 16 + 1) / 4.0L;
    const auto charSpacing = static_cast<std::int8_t>(data[14] & 0xF7);
    const auto lineSpacing = static_cast<std::int8_t>(data[15]);
    const long double paragraphGap = (flags & 0x20) ? 20 : 0;

    CanvasFont font;
    font.name = "Tahoma";
    font.height = height;
    font.style = static_cast<FontStyles>(flags >> 6);
    const Rect box{0, 0, width, boxHeight};
    const Rect device{0, 0, static_cast<int>(width * scale), static_cast<int>(boxHeight * scale)};
    TfrxDrawText text(std::make_unique<testing::FakeCanvas>(96));
    testing::FakeCanvas target((flags & 0x10) ? 600 : 96, (flags & 0x10) != 0);
    try {
        text.UseFont(font);
        text.SetLayoutOptions(flags & 1, flags & 2, rotation, flags & 4, flags & 8);
        text.SetSpacing(paragraphGap, charSpacing, lineSpacing);
        text.SetBounds(scale, scale, box, device);
        text.SetLines(lines(
            std::string_view(reinterpret_cast<const char*>(data), size).substr(kOptionBytes)));
        text.LinesHeight();
        text.LinesWidth();
        text.SpareHeight();
        text.DrawLines(target, hAlign, vAlign);
        text.OverflowText();
    } catch (const rq::base::Exception&) {
        // A malformed colour tag or an unusable font size: the layout's own errors.
    }
    return 0;
}
