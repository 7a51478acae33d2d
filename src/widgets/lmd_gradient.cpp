// Band colours and band edges of the two-colour gradient.
#include "widgets/lmd_gradient.h"

#include "base/rounding.h"

#include <algorithm>

namespace rq::widgets {
namespace {

int channelAt(int start, int end, int k, int count) {
    return base::roundToInt(start + static_cast<double>(k) * (end - start) / (count - 1));
}

} // namespace

std::vector<QColor> gradientBands(const TLMDGradient& gradient) {
    const int count = std::clamp(gradient.ColorCount, 2, 236);
    const QColor start = toQColor(gradient.Color);
    const QColor end = toQColor(gradient.EndColor);
    std::vector<QColor> bands;
    bands.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        bands.emplace_back(channelAt(start.red(), end.red(), k, count),
                           channelAt(start.green(), end.green(), k, count),
                           channelAt(start.blue(), end.blue(), k, count));
    return bands;
}

int bandEdge(int origin, int extent, int k, int count) {
    return origin + base::roundToInt(static_cast<double>(k) * extent / count);
}

} // namespace rq::widgets
