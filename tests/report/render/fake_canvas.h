// A canvas with known glyph widths for exact layout tests: a character is
// a fixed number of tenths of the font's pixel height wide (bold one tenth
// more), and every text output is recorded.
#pragma once

#include "report/render/canvas.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace rq::report::render::testing {

// Width of one character in tenths of the font height.
inline int glyphUnits(char c, FontStyles style) {
    int units = 5;
    if (c == ' ' || c == 'i' || c == 'l' || c == '.' || c == ',' || c == ':' || c == '-')
        units = 3;
    else if (c == 'm' || c == 'w' || c == 'M' || c == 'W')
        units = 9;
    else if (c >= 'A' && c <= 'Z')
        units = 7;
    return units + ((style & fsBold) ? 1 : 0);
}

inline int glyphWidth(char c, const CanvasFont& font) {
    return (std::abs(font.height) * glyphUnits(c, font.style) + 5) / 10;
}

struct TextOutCall {
    Point at;
    unsigned options = 0;
    Rect clip;
    std::string text;
    std::vector<int> advances;
    CanvasFont font;
    int width() const {
        int sum = 0;
        for (int a : advances)
            sum += a;
        return sum;
    }
};

struct PlacedCall {
    Point at;
    std::string text;
    std::vector<double> edges;
    double glyphScale = 1;
    CanvasFont font;
};

class FakeCanvas : public Canvas {
public:
    explicit FakeCanvas(int dpi = 96, bool printer = false) : dpi_(dpi), printer_(printer) {
        font_.pixelsPerInch = dpi;
    }
    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }
    bool isPrinter() const override { return printer_; }

    Size textExtent(std::string_view text) override {
        int width = 0;
        for (char c : text)
            width += glyphWidth(c, font_);
        return {width, std::abs(font_.height)};
    }
    void textExtentEx(std::string_view text, std::span<int> cumulative) override {
        int sum = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
            cumulative[i] = sum += glyphWidth(text[i], font_);
        ++measurements;
    }
    void textOut(Point at, unsigned options, const Rect& clip, std::string_view text,
                 std::span<const int> advances) override {
        calls.push_back(
            {at, options, clip, std::string(text), {advances.begin(), advances.end()}, font_});
    }
    // With placing on, the canvas places glyphs fractionally and records the
    // placed runs; without, placed text takes the canvas's whole-pixel way.
    bool placesGlyphsFractionally() const override { return placing; }
    void textOutPlaced(Point at, unsigned options, const Rect& clip, std::string_view text,
                       std::span<const double> edges, double glyphScale) override {
        if (!placing) {
            Canvas::textOutPlaced(at, options, clip, text, edges, glyphScale);
            return;
        }
        placed.push_back({at, std::string(text), {edges.begin(), edges.end()}, glyphScale, font_});
    }
    void setTransparentBackground(bool transparent) override {
        transparentBackground = transparent;
    }
    void fillRect(const Rect&) override {}
    void rectangle(const Rect&) override {}
    void line(Point, Point) override {}
    void polyline(std::span<const Point>) override {}
    void polygon(std::span<const Point>) override {}
    void stretchBitmap(const Rect&, const Bitmap32&) override {}
    ClipRegion clipRegion() const override { return {}; }
    void selectClipRegion(const ClipRegion&) override {}
    void excludeClipRect(const Rect&) override {}
    bool rectVisible(const Rect&) const override { return true; }

    std::vector<TextOutCall> calls;
    std::vector<PlacedCall> placed;
    bool placing = false;
    bool transparentBackground = false;
    int measurements = 0;

private:
    int dpi_;
    bool printer_;
};

} // namespace rq::report::render::testing
