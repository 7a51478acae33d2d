// A recorded drawing as text, one command a line, for golden files: what a
// change to the drawing moves shows as a readable difference.
#pragma once

#include "report/render/recording_canvas.h"

#include <sstream>
#include <string>

namespace rq::testing {

inline std::string canvasTrace(const report::render::RecordingCanvas& recording) {
    using namespace report::render;
    std::ostringstream out;
    auto rect = [&out](const Rect& r) {
        out << '(' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ')';
    };
    for (const auto& command : recording.commands()) {
        if (const auto* run = std::get_if<RecordingCanvas::TextRun>(&command)) {
            out << "text " << run->at.x << ',' << run->at.y << " options " << run->options
                << " clip ";
            rect(run->clip);
            out << " font " << run->font.name << ' ' << run->font.height << ' '
                << int(run->font.style) << ' ' << std::hex << run->font.color << std::dec << ' '
                << run->font.escapement << " advances";
            for (int advance : run->advances)
                out << ' ' << advance;
            out << " \"" << run->text << "\"\n";
        } else if (const auto* shape = std::get_if<RecordingCanvas::Shape>(&command)) {
            static const char* const kKinds[] = {"fill", "rectangle", "line", "polyline",
                                                 "polygon"};
            out << kKinds[static_cast<int>(shape->kind)];
            for (const Point& p : shape->points)
                out << ' ' << p.x << ',' << p.y;
            out << " pen " << std::hex << shape->pen.color << std::dec << ' ' << shape->pen.width
                << ' ' << static_cast<int>(shape->pen.style) << " brush " << std::hex
                << shape->brush.color << std::dec << ' ' << static_cast<int>(shape->brush.style)
                << '\n';
        } else if (const auto* bitmap = std::get_if<RecordingCanvas::BitmapDraw>(&command)) {
            out << "bitmap ";
            rect(bitmap->dest);
            std::uint32_t sum = 0;
            for (std::uint32_t pixel : bitmap->bitmap.pixels)
                sum = sum * 31 + pixel;
            out << ' ' << bitmap->bitmap.width << 'x' << bitmap->bitmap.height << " sum " << sum
                << '\n';
        } else if (const auto* clip = std::get_if<RecordingCanvas::ClipChange>(&command)) {
            out << (clip->exclude ? "exclude" : "clip") << (clip->region.active ? "" : " off");
            for (const Rect& r : clip->region.rects) {
                out << ' ';
                rect(r);
            }
            out << '\n';
        } else if (const auto* background = std::get_if<RecordingCanvas::Background>(&command)) {
            out << "background " << (background->transparent ? "transparent" : "opaque") << '\n';
        }
    }
    return out.str();
}

} // namespace rq::testing
