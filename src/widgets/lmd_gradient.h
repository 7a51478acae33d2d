// TLMDGradient: the colour bands of the section headers' gradient fill.
// Band k of N runs start + k * (end - start) / (N - 1) per channel, rounded
// to nearest (halves to even); band edges along the fill direction sit at
// origin + k * extent / N, rounded the same way.
#pragma once

#include "widgets/window_system.h"

#include <vector>

namespace rq::widgets {

enum class TGradientStyle { gstHorizontal, gstVertical };

struct TLMDGradient {
    TColor Color = 16711680; // start colour (blue)
    TColor EndColor = 0;     // end colour (black)
    TGradientStyle Style = TGradientStyle::gstVertical;
    int ColorCount = 16; // 2 ... 236 bands
    bool TwoColors = true;
    bool PaletteRealize = false;

    bool operator==(const TLMDGradient&) const = default;
};

// The N band colours as RGB (system colours resolved first).
std::vector<QColor> gradientBands(const TLMDGradient& gradient);
// Edge k (0 ... count) of the bands over [origin, origin + extent).
int bandEdge(int origin, int extent, int k, int count);

} // namespace rq::widgets
