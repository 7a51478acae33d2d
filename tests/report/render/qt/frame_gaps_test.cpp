// Dashed and dotted frame edges on the Qt canvas, pixel by pixel: every
// pixel of every edge shows the frame colour or, in the gaps, the view's
// fill colour, on the right and bottom edges (which lie just outside the
// filled box) as on the left and top ones; without a fill the gaps show what
// lies underneath.
#include "report/model/view.h"
#include "report/render/qt/qt_canvas.h"
#include "report/render/view_draw.h"

#include <gtest/gtest.h>

#include <ostream>

namespace rq::report::render::qt {
namespace {

constexpr int kAllEdges =
    (1 << model::ftLeft) | (1 << model::ftRight) | (1 << model::ftTop) | (1 << model::ftBottom);
const QColor kFrame(0, 0, 255);      // frame colour 0xFF0000 (0x00BBGGRR)
const QColor kFill(255, 255, 0);     // fill colour 0x00FFFF
const QColor kUnderneath(0, 128, 0); // what the page shows before the view

struct GapCase {
    const char* name;
    model::TfrxFrameStyle style;
    long double scale; // 2: each edge is two one-pixel strokes
    bool filled;
};

void PrintTo(const GapCase& c, std::ostream* out) {
    *out << c.name;
}

const GapCase kGapCases[] = {
    {"DotFilled", model::fsDot, 1, true},
    {"DashFilled", model::fsDash, 1, true},
    {"DashDotFilledAtScaleTwo", model::fsDashDot, 2, true},
    {"DashDotDotFilledAtScaleTwo", model::fsDashDotDot, 2, true},
    {"DotWithoutFill", model::fsDot, 1, false},
};

class FrameGaps : public ::testing::TestWithParam<GapCase> {};

TEST_P(FrameGaps, ShowTheFillColourOnEveryEdge) {
    const GapCase& c = GetParam();
    QtImageCanvas canvas({120, 120});
    canvas.brush() = {0x008000, BrushStyle::bsSolid};
    canvas.fillRect({0, 0, 120, 120});
    model::TfrxView view;
    view.SetBounds(10, 10, 40, 30);
    view.SetColor(c.filled ? 0x00FFFF : model::clNone);
    view.Frame().SetTyp(kAllEdges);
    view.Frame().SetStyle(c.style);
    view.Frame().SetColor(0xFF0000);
    const ViewDraw d = BeginDraw(view, &canvas, c.scale, c.scale, 0, 0);
    DrawBackground(view, d);
    DrawFrame(view, d);
    const QImage& image = canvas.image();
    const QColor gap = c.filled ? kFill : kUnderneath;
    struct Edge {
        const char* name;
        QPoint from;
        QPoint step;
        int length;
    };
    const Edge edges[] = {
        {"left", {d.DeviceX, d.DeviceY}, {0, 1}, d.DeviceHeight},
        {"right", {d.DeviceX1, d.DeviceY}, {0, 1}, d.DeviceHeight},
        {"top", {d.DeviceX, d.DeviceY}, {1, 0}, d.DeviceWidth},
        {"bottom", {d.DeviceX, d.DeviceY1}, {1, 0}, d.DeviceWidth},
    };
    for (const Edge& edge : edges) {
        const QPoint across = edge.step.x() ? QPoint(0, 1) : QPoint(1, 0);
        for (int stroke = -(d.DeviceFrameWidth / 2);
             stroke < d.DeviceFrameWidth - d.DeviceFrameWidth / 2; ++stroke) {
            int frame = 0, gaps = 0;
            for (int i = 0; i < edge.length; ++i) {
                const QPoint at = edge.from + edge.step * i + across * stroke;
                const QColor shown = image.pixelColor(at);
                frame += shown == kFrame;
                gaps += shown == gap;
                EXPECT_TRUE(shown == kFrame || shown == gap)
                    << edge.name << " edge, stroke " << stroke << ", pixel " << i << " (" << at.x()
                    << ", " << at.y() << ") is " << shown.name().toStdString();
            }
            EXPECT_GT(frame, 0) << edge.name << " edge, stroke " << stroke;
            EXPECT_GT(gaps, 0) << edge.name << " edge, stroke " << stroke << ": no gaps";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FrameGaps, FrameGaps, ::testing::ValuesIn(kGapCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::report::render::qt
