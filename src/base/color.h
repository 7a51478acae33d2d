// The one colour type of the program: 0x00BBGGRR with red in the low byte, as
// report files, scripts and the canvas exchange colours. A top byte of 0xFF
// names a system colour (its index in the low byte); clNone paints nothing and
// clDefault stands for "the default". Signed, because report files and scripts
// write system colours as negative numbers.
#pragma once

#include <cstdint>

namespace rq::base {

using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

// The system colour with the given index (0 ... 255).
constexpr TColor systemColor(int index) {
    return static_cast<TColor>(0xFF000000u | (static_cast<std::uint32_t>(index) & 0xFFu));
}

constexpr bool isSystemColor(TColor color) {
    return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

// The index of a system colour (the low byte).
constexpr int systemColorIndex(TColor color) {
    return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFFu);
}

constexpr int redOf(TColor color) {
    return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFFu);
}
constexpr int greenOf(TColor color) {
    return static_cast<int>((static_cast<std::uint32_t>(color) >> 8) & 0xFFu);
}
constexpr int blueOf(TColor color) {
    return static_cast<int>((static_cast<std::uint32_t>(color) >> 16) & 0xFFu);
}

// The colour of three channels of 0 ... 255 (higher bits are dropped).
constexpr TColor rgbColor(int red, int green, int blue) {
    return static_cast<TColor>((static_cast<std::uint32_t>(red) & 0xFFu) |
                               ((static_cast<std::uint32_t>(green) & 0xFFu) << 8) |
                               ((static_cast<std::uint32_t>(blue) & 0xFFu) << 16));
}

} // namespace rq::base
