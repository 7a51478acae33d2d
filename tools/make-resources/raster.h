// A small RGB raster that paints filled shapes with anti-aliased edges:
// each pixel is sampled 4 x 4 times and the shape's coverage blends its
// colour over what is already there. Coordinates are pixels; pixel (x, y)
// covers the square [x, x + 1) x [y, y + 1).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace rq::pictures {

struct Rgb {
    double r = 0, g = 0, b = 0; // 0 .. 255
};

// Whether a point lies inside a shape.
using Shape = std::function<bool(double x, double y)>;

class Raster {
public:
    Raster(int width, int height, Rgb background);

    int width() const { return width_; }
    int height() const { return height_; }
    void fill(const Shape& shape, Rgb colour);
    // Interleaved 8-bit RGB rows, top row first.
    std::vector<std::uint8_t> bytes() const;

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// Shape builders.
Shape disc(double cx, double cy, double radius);
Shape ring(double cx, double cy, double inner, double outer);
Shape rectangle(double left, double top, double right, double bottom);
Shape triangle(double x1, double y1, double x2, double y2, double x3, double y3);
// Points within half of thickness of the segment from (x1, y1) to (x2, y2).
Shape segment(double x1, double y1, double x2, double y2, double thickness);
Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);

} // namespace rq::pictures
