// A canvas that keeps the pixels its rectangle fills cover (other shapes
// are ignored) and the text runs it is given, with the known glyph widths
// of FakeCanvas: enough to check where bars and spaces land.
#pragma once

#include "fake_canvas.h"

namespace rq::report::render::testing {

class RasterCanvas : public FakeCanvas {
public:
    static constexpr Color kUntouched = 0xDEADBEEF;

    RasterCanvas(int width, int height)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kUntouched) {}

    void fillRect(const Rect& r) override {
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x)
                pixels_[static_cast<std::size_t>(y * width_ + x)] = brush_.color;
    }

    Color at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    // "1" where a pixel has the colour, "0" elsewhere, along a row or column.
    std::string row(int y, int from, int to, Color color) const {
        std::string line;
        for (int x = from; x < to; ++x)
            line += at(x, y) == color ? '1' : '0';
        return line;
    }
    std::string column(int x, int from, int to, Color color) const {
        std::string line;
        for (int y = from; y < to; ++y)
            line += at(x, y) == color ? '1' : '0';
        return line;
    }

private:
    int width_, height_;
    std::vector<Color> pixels_;
};

} // namespace rq::report::render::testing
