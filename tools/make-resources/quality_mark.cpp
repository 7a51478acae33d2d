// The quality-certification mark: a round navy seal with a rosette edge,
// "QUALITY" over a gold check mark and "CERT" under it; beside it the
// letters "QMS" and "CERT" over a red swallow-tailed ribbon.
#include "pictures.h"
#include "pixel_font.h"

#include <cmath>

namespace rq::pictures {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{22, 48, 118};
constexpr Rgb kGold{240, 190, 40};
constexpr Rgb kRed{196, 32, 44};

constexpr double kCx = 31, kCy = 31; // seal centre

// The seal's scalloped edge: 24 lobes around a 28 px radius.
Shape rosette() {
    return [](double x, double y) {
        const double dx = x - kCx, dy = y - kCy;
        const double radius = 28 + 1.8 * std::cos(24 * std::atan2(dy, dx));
        return dx * dx + dy * dy <= radius * radius;
    };
}

void centredText(Raster& r, std::string_view s, FontSize size, double centreX, double top,
                 Rgb colour) {
    r.fill(text(s, size, std::round(centreX - textWidth(s, size) / 2.0), top), colour);
}

} // namespace

Raster qualityMark() {
    Raster r(90, 62, kWhite);
    r.fill(rosette(), kNavy);
    r.fill(ring(kCx, kCy, 23, 25), kWhite);
    r.fill(ring(kCx, kCy, 20.6, 21.4), kGold);
    centredText(r, "QUALITY", FontSize::Small, kCx, 15, kWhite);
    r.fill(segment(21, 31, 28, 38, 3.6), kGold);
    r.fill(segment(28, 38, 41, 24, 3.6), kGold);
    centredText(r, "CERT", FontSize::Small, kCx, 42, kWhite);
    centredText(r, "QMS", FontSize::Large, 76, 14, kNavy);
    centredText(r, "CERT", FontSize::Large, 76, 25, kNavy);
    r.fill(rectangle(62, 39, 90, 47), kRed);
    r.fill(triangle(62, 39, 66, 43, 62, 47), kWhite); // swallow-tail ends
    r.fill(triangle(90, 39, 86, 43, 90, 47), kWhite);
    return r;
}

} // namespace rq::pictures
