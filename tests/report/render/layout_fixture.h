// Shared set-up of layout tests: a TfrxDrawText on a fake measuring canvas
// and the calls a memo makes before drawing.
#pragma once

#include "fake_canvas.h"
#include "report/render/draw_text.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rq::report::render::testing {

inline CanvasFont memoFont(int height, FontStyles style = 0) {
    CanvasFont font;
    font.name = "Tahoma";
    font.height = height;
    font.style = style;
    return font;
}

struct LayoutOptions {
    CanvasFont font = memoFont(-16); // 12 points: measuring height 100
    Rect textRect{0, 0, 100, 100};
    long double scale = 1;
    Rect deviceRect{0, 0, 100, 100};
    bool wordWrap = true;
    bool tags = true;
    int rotation = 0;
    bool wordBreak = false;
    long double paragraphGap = 0;
    long double charSpacing = 0;
    long double lineSpacing = 0;
};

inline std::unique_ptr<TfrxDrawText> makeLayout() {
    return std::make_unique<TfrxDrawText>(std::make_unique<FakeCanvas>(96));
}

inline void prepareLayout(TfrxDrawText& text, const LayoutOptions& o,
                          const std::vector<std::string>& lines) {
    text.UseFont(o.font);
    text.SetLayoutOptions(o.wordWrap, o.tags, o.rotation, o.wordBreak, false);
    text.SetSpacing(o.paragraphGap, o.charSpacing, o.lineSpacing);
    text.SetBounds(o.scale, o.scale, o.textRect, o.deviceRect);
    text.SetLines(lines);
}

inline std::vector<std::string> wrappedTexts(const TfrxDrawText& text) {
    std::vector<std::string> result;
    for (const auto& line : text.wrappedLines())
        result.push_back(line.text);
    return result;
}

// Drawn lines rebuilt from the output runs: runs on one baseline row
// (same y) belong to one line.
struct DrawnLine {
    int x = 0;
    int y = 0;
    std::string text;
    int width = 0;
};

inline std::vector<DrawnLine> drawnLines(const std::vector<TextOutCall>& calls) {
    std::vector<DrawnLine> lines;
    for (const auto& call : calls) {
        if (lines.empty() || lines.back().y != call.at.y)
            lines.push_back({call.at.x, call.at.y, {}, 0});
        lines.back().text += call.text;
        lines.back().width += call.width();
    }
    return lines;
}

} // namespace rq::report::render::testing
