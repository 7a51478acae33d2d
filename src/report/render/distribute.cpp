// Binary subdivision of corrections.
#include "report/render/distribute.h"

#include <cstdlib>

namespace rq::report::render {

void Distribute(std::span<int> values, int first, int last, int delta, int count) {
    if (count <= 0)
        return;
    int half = (last - first + 1) / 2;
    if (half < 1)
        half = 1;
    if (count == 1) {
        values[static_cast<std::size_t>(first + half - 1)] += delta;
        return;
    }
    Distribute(values, first, first + half - 1, delta, count / 2);
    Distribute(values, first + half, last, delta, count - count / 2);
}

void spreadCorrection(std::span<int> values, int correction) {
    const int n = static_cast<int>(values.size());
    if (n == 0 || correction == 0)
        return;
    const int sign = correction < 0 ? -1 : 1;
    int units = std::abs(correction);
    if (units >= n) {
        for (int& v : values)
            v += sign * (units / n);
        units %= n;
    }
    Distribute(values, 0, n - 1, sign, units);
}

} // namespace rq::report::render
