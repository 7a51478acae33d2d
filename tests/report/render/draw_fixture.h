// Shared set-up of the view drawing tests: a recording canvas over the fake
// canvas with known glyph widths, and the strokes, fills and bitmaps it kept.
#pragma once

#include "fake_canvas.h"
#include "report/render/recording_canvas.h"

#include <memory>
#include <variant>
#include <vector>

namespace rq::report::render::testing {

struct Stroke {
    Point from, to;
    Pen pen;
    Brush brush;
    bool operator==(const Stroke&) const = default;
};

class DrawRecording {
public:
    explicit DrawRecording(int dpi = 96, bool printer = false)
        : reference_(dpi, printer), canvas(reference_, {10000, 10000}) {}

    std::vector<Stroke> strokes() const {
        std::vector<Stroke> result;
        for (const auto* shape : shapes(RecordingCanvas::Shape::Kind::line))
            result.push_back({shape->points[0], shape->points[1], shape->pen, shape->brush});
        return result;
    }
    std::vector<const RecordingCanvas::Shape*> shapes(RecordingCanvas::Shape::Kind kind) const {
        std::vector<const RecordingCanvas::Shape*> result;
        for (const auto& command : canvas.commands())
            if (const auto* shape = std::get_if<RecordingCanvas::Shape>(&command))
                if (shape->kind == kind)
                    result.push_back(shape);
        return result;
    }
    std::vector<const RecordingCanvas::BitmapDraw*> bitmaps() const {
        std::vector<const RecordingCanvas::BitmapDraw*> result;
        for (const auto& command : canvas.commands())
            if (const auto* draw = std::get_if<RecordingCanvas::BitmapDraw>(&command))
                result.push_back(draw);
        return result;
    }

private:
    FakeCanvas reference_;

public:
    RecordingCanvas canvas;
};

} // namespace rq::report::render::testing
