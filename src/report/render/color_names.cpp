// Colour name table: the sixteen basic colours, four extra named colours,
// the system colours (0xFF000000 + system colour index) and the two special
// values. System colours resolve to one fixed scheme (grey faces,
// navy highlight, black text), the same on every desktop.
#include "report/render/color_names.h"

#include "base/text1250.h"

#include <array>
#include <cstdint>

namespace rq::report::render {
namespace {

struct NamedColor {
    std::string_view name;
    Color value;
};

constexpr Color sys(int index) {
    return base::systemColor(index);
}

// Values are 0x00BBGGRR.
constexpr std::array<NamedColor, 52> kNames = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", sys(10)},
    {"clActiveCaption", sys(2)},
    {"clAppWorkSpace", sys(12)},
    {"clBackground", sys(1)},
    {"clBtnFace", sys(15)},
    {"clBtnHighlight", sys(20)},
    {"clBtnShadow", sys(16)},
    {"clBtnText", sys(18)},
    {"clCaptionText", sys(9)},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clGrayText", sys(17)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clHotLight", sys(26)},
    {"clInactiveBorder", sys(11)},
    {"clInactiveCaption", sys(3)},
    {"clInactiveCaptionText", sys(19)},
    {"clInfoBk", sys(24)},
    {"clInfoText", sys(23)},
    {"clMenu", sys(4)},
    {"clMenuBar", sys(30)},
    {"clMenuHighlight", sys(29)},
    {"clMenuText", sys(7)},
    {"clScrollBar", sys(0)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clWindowText", sys(8)},
    {"clNone", clNone},
    {"clDefault", clDefault},
}};

// The fixed scheme, indexed by system colour number (0x00BBGGRR).
constexpr std::array<Color, 31> kSystemRgb = {
    0xC8D0D4, // 0 scroll bar
    0xA56E3A, // 1 background
    0x6A240A, // 2 active caption
    0x808080, // 3 inactive caption
    0xC8D0D4, // 4 menu
    0xFFFFFF, // 5 window
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 caption text
    0xC8D0D4, // 10 active border
    0xC8D0D4, // 11 inactive border
    0x808080, // 12 application workspace
    0x6A240A, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xC8D0D4, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 grey text
    0x000000, // 18 button text
    0xC8D0D4, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x404040, // 21 3D dark shadow
    0xC8D0D4, // 22 3D light
    0x000000, // 23 info text
    0xE1FFFF, // 24 info background
    0x000000, // 25 (unused)
    0x800000, // 26 hot light
    0xF0CAA6, // 27 gradient active caption
    0xC0C0C0, // 28 gradient inactive caption
    0xC56A31, // 29 menu highlight
    0xC8D0D4, // 30 menu bar
};

} // namespace

std::optional<Color> colorFromName(std::string_view name) {
    for (const auto& entry : kNames)
        if (base::sameText(entry.name, name))
            return entry.value;
    return std::nullopt;
}

Color colorToRgb(Color color) {
    if (!base::isSystemColor(color))
        return color & 0x00FFFFFF;
    const auto index = static_cast<std::size_t>(base::systemColorIndex(color));
    return index < kSystemRgb.size() ? kSystemRgb[index] : base::clBlack;
}

} // namespace rq::report::render
