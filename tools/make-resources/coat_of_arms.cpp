// The coat of arms: a heater shield under a three-pointed crown, parted
// per fess: above, three green trees on silver (the grove of the town's
// name); below, two silver wavy bars on blue (its river).
#include "pictures.h"

#include <cmath>

namespace rq::pictures {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOutline{40, 40, 40};
constexpr Rgb kSilver{232, 232, 238};
constexpr Rgb kAzure{20, 78, 170};
constexpr Rgb kVert{26, 128, 56};
constexpr Rgb kBrown{110, 70, 30};
constexpr Rgb kGold{236, 184, 32};
constexpr Rgb kGules{200, 30, 40};

// Shield: straight sides from the top edge down to y = 25, then two arcs
// meeting in a point at (30, 61). Each arc is centred level with the end of
// the straight side, on the far side of the axis, which makes the point.
// grow widens the shape (for the outline).
Shape shield(double grow) {
    const double left = 5 - grow, right = 55 + grow, top = 13 - grow;
    const double radius = 38.42 + grow;
    const Shape body = rectangle(left, top, right, 25);
    const Shape point = intersect(intersect(disc(43.42, 25, radius), disc(16.58, 25, radius)),
                                  rectangle(left, 25, right, 62));
    return unite(body, point);
}

// A tree's crown; the trunk is painted separately in brown.
Shape tree(double cx, double top) {
    return triangle(cx, top, cx - 5.5, top + 17, cx + 5.5, top + 17);
}

Shape wavyBar(double centre) {
    return [centre](double x, double y) {
        return std::fabs(y - (centre + 1.6 * std::sin(x * 0.55))) <= 1.4;
    };
}

void drawCrown(Raster& r) {
    r.fill(triangle(13, 9, 21, 9, 16, 2.5), kGold);
    r.fill(triangle(24.5, 9, 35.5, 9, 30, 1.5), kGold);
    r.fill(triangle(39, 9, 47, 9, 44, 2.5), kGold);
    r.fill(rectangle(13, 8, 47, 12.5), kGold);
    for (double x : {16.0, 30.0, 44.0})
        r.fill(disc(x, x == 30 ? 1.6 : 2.6, 1.4), kGold);
    for (double x : {21.0, 30.0, 39.0})
        r.fill(disc(x, 10.2, 1.2), kGules);
}

} // namespace

Raster coatOfArms() {
    Raster r(60, 62, kWhite);
    drawCrown(r);
    r.fill(shield(1.2), kOutline);
    r.fill(intersect(shield(0), rectangle(0, 0, 60, 40)), kSilver);
    r.fill(intersect(shield(0), rectangle(0, 40, 60, 62)), kAzure);
    r.fill(tree(18, 18), kVert);
    r.fill(tree(30, 16), kVert);
    r.fill(tree(42, 18), kVert);
    for (double x : {18.0, 30.0, 42.0})
        r.fill(rectangle(x - 1, x == 30 ? 33 : 35, x + 1, x == 30 ? 37 : 39), kBrown);
    r.fill(intersect(shield(0), wavyBar(46)), kSilver);
    r.fill(intersect(shield(0), wavyBar(53)), kSilver);
    r.fill(intersect(shield(0), rectangle(0, 39.6, 60, 40.4)), kOutline);
    return r;
}

} // namespace rq::pictures
