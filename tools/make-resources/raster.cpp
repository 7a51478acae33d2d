// Supersampled shape filling and the shape builders.
#include "raster.h"

#include <algorithm>
#include <cmath>

namespace rq::pictures {
namespace {

constexpr int kSamples = 4; // per axis

std::uint8_t toByte(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

// Signed area test: which side of the edge (x1, y1) -> (x2, y2) the point is on.
double side(double x1, double y1, double x2, double y2, double x, double y) {
    return (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1);
}

} // namespace

Raster::Raster(int width, int height, Rgb background)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

void Raster::fill(const Shape& shape, Rgb colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples))
                        ++hits;
                }
            }
            if (hits == 0)
                continue;
            const double a = static_cast<double>(hits) / (kSamples * kSamples);
            Rgb& p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                             static_cast<std::size_t>(x)];
            p = {p.r + (colour.r - p.r) * a, p.g + (colour.g - p.g) * a,
                 p.b + (colour.b - p.b) * a};
        }
    }
}

std::vector<std::uint8_t> Raster::bytes() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 3);
    for (const Rgb& p : pixels_) {
        out.push_back(toByte(p.r));
        out.push_back(toByte(p.g));
        out.push_back(toByte(p.b));
    }
    return out;
}

Shape disc(double cx, double cy, double radius) {
    return [=](double x, double y) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

Shape ring(double cx, double cy, double inner, double outer) {
    return [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d >= inner * inner && d <= outer * outer;
    };
}

Shape rectangle(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape triangle(double x1, double y1, double x2, double y2, double x3, double y3) {
    return [=](double x, double y) {
        const double a = side(x1, y1, x2, y2, x, y);
        const double b = side(x2, y2, x3, y3, x, y);
        const double c = side(x3, y3, x1, y1, x, y);
        return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
    };
}

Shape segment(double x1, double y1, double x2, double y2, double thickness) {
    return [=](double x, double y) {
        const double dx = x2 - x1, dy = y2 - y1;
        const double t =
            std::clamp(((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double px = x1 + t * dx - x, py = y1 + t * dy - y;
        return px * px + py * py <= thickness * thickness / 4;
    };
}

Shape unite(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

} // namespace rq::pictures
