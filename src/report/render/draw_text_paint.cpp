// TfrxDrawText painting: the device font, the block height and its line
// steps, the start point for every rotation, and each line stretched to its
// measured width (or justified at its spaces) and output in format runs.
#include "base/rounding.h"
#include "report/render/distribute.h"
#include "report/render/draw_text.h"
#include "report/render/layout_limits.h"
#include "report/render/rounding.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace rq::report::render {
namespace {

// Sine and cosine of whole degrees, exact at the right angles.
struct Direction {
    long double sin = 0;
    long double cos = 1;
};

Direction directionOf(int degrees) {
    switch (((degrees % 360) + 360) % 360) {
    case 0:
        return {0, 1};
    case 90:
        return {1, 0};
    case 180:
        return {0, -1};
    case 270:
        return {-1, 0};
    default: {
        const long double radians = degrees * std::numbers::pi_v<long double> / 180;
        return {std::sin(radians), std::cos(radians)};
    }
    }
}

} // namespace

struct TfrxDrawText::LineGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
};

int TfrxDrawText::runSize(const TfrxHTMLTag& tag, bool printer) const {
    return printer ? tag.pointSize : base::roundToInt(tag.pointSize * scaleY_);
}

// The canvas font becomes the measuring font at the device's size; a text
// that starts in a format of its own starts the canvas in that format.
void TfrxDrawText::prepareDeviceFont(Canvas& canvas) {
    const bool printer = canvas.isPrinter();
    const long double dpiY = canvas.dpiY();
    CanvasFont& font = canvas.font();
    const CanvasFont& measuring = measuring_->font();
    font.name = measuring.name;
    font.style = measuring.style;
    font.charset = measuring.charset;
    font.color = measuring.color;
    font.height =
        -base::roundToInt(printer ? fontSize_ * dpiY / 72 : fontSize_ * scaleY_ * dpiY / 72);
    for (auto& list : tags_.lines()) {
        if (list.empty())
            continue;
        TfrxHTMLTag& first = list.front();
        if (!first.sameAsPrevious) {
            font.style = first.fontStyle;
            font.color = first.fontColor;
            font.setSize(runSize(first, printer));
            first.sameAsPrevious = true;
        }
        break;
    }
}

// Steps between the n lines, corrected so that the block is exactly the
// height the measuring font gives; blockHeight receives that height.
std::vector<int> TfrxDrawText::lineSteps(Canvas& canvas, int& blockHeight) {
    const auto n = static_cast<long double>(lines_.size());
    const int deviceHeight = std::abs(canvas.font().height);
    const long double h600 = std::abs(measuring_->font().height);
    const long double k = static_cast<long double>(MeasureDpi) / canvas.dpiY();
    const long double block = canvas.isPrinter() ? n * (lineSpacing_ * scaleY_ + h600 / k)
                                                 : n * (lineSpacing_ + h600 / k) * scaleY_;
    checkBlockHeight(block);
    checkBlockHeight(n * (std::fabs(lineSpacing_ * scaleY_) + deviceHeight));
    blockHeight = base::roundToInt(block);
    const int step = base::roundToInt(lineSpacing_ * scaleY_) + deviceHeight;
    std::vector<int> steps(lines_.size() - 1, step);
    spreadCorrection(steps, blockHeight - static_cast<int>(lines_.size()) * step);
    return steps;
}

// Start point, line width and vertical alignment for every rotation.
TfrxDrawText::LineGeometry TfrxDrawText::startPoint(int h, VAlign vAlign) const {
    const int l = deviceRect_.left, t = deviceRect_.top, r = deviceRect_.right,
              b = deviceRect_.bottom;
    const int rotation = ((rotation_ % 360) + 360) % 360;
    const Direction dir = directionOf(rotation);
    const long double s = std::fabs(dir.sin), c = std::fabs(dir.cos);
    const int slanted = c == 0 ? 0 : base::roundToInt((r - l - s * h) / c);
    LineGeometry g;
    int free = 0;
    long double dx = dir.sin, dy = dir.cos; // direction in which the free extent moves
    if (rotation == 0 || rotation == 180) {
        g = {rotation == 0 ? l : r, rotation == 0 ? t : b, r - l};
        free = (b - t) - h;
    } else if (rotation == 90 || rotation == 270) {
        g = {rotation == 90 ? l : r, rotation == 90 ? b : t, b - t};
        free = (r - l) - h;
    } else if (rotation < 90) {
        g = {l, t + base::roundToInt(s * slanted), slanted};
        free = b - g.y - base::roundToInt(c * h);
        dx = 0, dy = 1;
    } else if (rotation < 180) {
        g = {l + base::roundToInt(c * slanted), b, slanted};
        free = b - t - base::roundToInt(c * h + s * slanted);
        dx = 0, dy = -1;
    } else if (rotation < 270) {
        g = {r, b - base::roundToInt(s * slanted), slanted};
        free = g.y - t - base::roundToInt(c * h);
        dx = 0, dy = -1;
    } else {
        g = {l + base::roundToInt(s * h), t, slanted};
        free = b - t - base::roundToInt(s * slanted + c * h);
        dx = 0, dy = 1;
    }
    const long double move = vAlign == VAlign::vaBottom   ? free
                             : vAlign == VAlign::vaCenter ? free / 2.0L
                                                          : 0;
    g.x += base::roundToInt(move * dx);
    g.y += base::roundToInt(move * dy);
    return g;
}

void TfrxDrawText::DrawLines(Canvas& canvas, HAlign hAlign, VAlign vAlign) {
    bool anyRecord = false;
    for (const auto& list : tags_.lines())
        anyRecord = anyRecord || !list.empty();
    if (lines_.empty() || !anyRecord)
        return;
    prepareDeviceFont(canvas);
    const int keptEscapement = canvas.font().escapement;
    if (rotation_ != 0)
        canvas.font().escapement = rotation_ * 10;
    int blockHeight = 0;
    const std::vector<int> steps = lineSteps(canvas, blockHeight);
    LineGeometry g = startPoint(blockHeight, vAlign);
    const Direction dir = directionOf(rotation_);
    canvas.setTransparentBackground(true);
    for (std::size_t j = 0; j < lines_.size(); ++j) {
        const int flags = lines_[j].flags;
        const bool indented =
            (flags & FirstOfParagraph) && (hAlign == HAlign::haLeft || hAlign == HAlign::haBlock);
        const int indent = indented ? base::roundToInt(paragraphGap_ * scaleX_) : 0;
        HAlign align = hAlign;
        if (hAlign == HAlign::haBlock && (flags & LastOfParagraph))
            align = rightToLeft_ ? HAlign::haRight : HAlign::haLeft;
        drawLine(canvas, j, align, g.x + indent, g.y, g.width - indent);
        if (j < steps.size()) {
            g.y += base::roundToInt(steps[j] * dir.cos);
            g.x += base::roundToInt(steps[j] * dir.sin);
        }
    }
    canvas.font().escapement = keptEscapement;
}

// One line: measured at 600 dpi and, unless the canvas places glyphs at
// fractional positions, on the device, whose advances are then corrected
// until the line is as wide as the measurement says.
void TfrxDrawText::drawLine(Canvas& canvas, std::size_t index, HAlign align, int x, int y,
                            int width) {
    const std::string& text = lines_[index].text;
    if (text.empty())
        return;
    const FontStyles style = canvas.font().style;
    measuring_->font().style = style;
    const int w600 = MeasureLine(text, toMeasure(charSpacing_), index, *measuring_, false);
    const long double kx = static_cast<long double>(MeasureDpi) / canvas.dpiX();
    const int ideal =
        canvas.isPrinter() ? base::roundToInt(w600 / kx) : base::roundToInt(w600 / kx * scaleX_);
    long double offset = 0;
    if (align == HAlign::haRight)
        offset = width - ideal + 1;
    else if (align == HAlign::haCenter)
        offset = (width - ideal) / 2.0L;
    const Direction dir = directionOf(rotation_);
    x += base::roundToInt(offset * dir.cos);
    y -= base::roundToInt(offset * dir.sin);
    const bool justified =
        align == HAlign::haBlock && text.find_first_of(" \xA0") != std::string::npos;
    if (canvas.placesGlyphsFractionally()) {
        placeCharacters(text, justified ? std::abs(width) : -1, kx);
        outputRuns(canvas, index, text, x, y);
        return;
    }
    const int wdev =
        MeasureLine(text, base::roundToInt(charSpacing_ * scaleX_), index, canvas, false);
    canvas.font().style = style;
    const std::span<int> advances(advances_.data(), text.size());
    if (justified)
        justify(text, std::abs(width) - wdev);
    else
        spreadCorrection(advances, ideal - wdev);
    outputRuns(canvas, index, text, x, y);
}

// Where each character starts on the device, relative to the line's start:
// its 600 dpi widths (in Advances) scaled without rounding, so that glyphs
// stand exactly where the measurement puts them at any zoom. A justified
// line (justifiedWidth >= 0) spreads its free width evenly over its spaces
// and ends where its box ends. (The whole-pixel justification gives one
// device pixel more, which on paper is nothing but on a zoomed-out screen
// pushed the last letter out of the clipping box.)
void TfrxDrawText::placeCharacters(std::string_view text, int justifiedWidth, long double kx) {
    const long double perUnit = scaleX_ / kx;
    if (edges_.size() < text.size() + 1)
        edges_.resize(text.size() + 1);
    long double spaceExtra = 0;
    if (justifiedWidth >= 0) {
        long double ideal = 0;
        int spaces = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            ideal += advances_[i] * perUnit;
            spaces += text[i] == ' ' || text[i] == '\xA0';
        }
        spaceExtra = (justifiedWidth - ideal) / spaces;
    }
    long double edge = 0;
    edges_[0] = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        edge += advances_[i] * perUnit;
        if (text[i] == ' ' || text[i] == '\xA0')
            edge += spaceExtra;
        edges_[i + 1] = static_cast<double>(edge);
    }
}

// A justified line takes its free width plus one pixel at its spaces: each
// space gets free div count, the first (free mod count) + 1 one more.
void TfrxDrawText::justify(std::string_view text, int correction) {
    int count = 0;
    for (char c : text)
        count += c == ' ' || c == '\xA0';
    const int sign = correction < 0 ? -1 : 1;
    const int units = std::abs(correction);
    int extra = units % count + 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ' && text[i] != '\xA0')
            continue;
        advances_[i] += sign * (units / count) + (extra > 0 ? sign : 0);
        --extra;
    }
}

// The glyphs' exact size at the zoom over the canvas font's, whose points
// (and then pixels) are whole numbers: 11 points at 82% are 9.02 points but
// drawn as 9, at 150% 16.5 but drawn as 16.
double TfrxDrawText::glyphScale(Canvas& canvas, int pointSize) const {
    const int height = std::abs(canvas.font().height);
    if (height == 0)
        return 1;
    return static_cast<double>(pointSize * scaleY_ * canvas.dpiY() / 72 / height);
}

void TfrxDrawText::applyRunFormat(Canvas& canvas, const TfrxHTMLTag& tag) {
    CanvasFont& font = canvas.font();
    font.setSize(runSize(tag, canvas.isPrinter()));
    font.style = tag.fontStyle;
    font.color = tag.fontColor;
}

// Output in runs cut before every character whose format changes. On a
// canvas that places glyphs fractionally every run starts from the line's
// start point and carries its characters' edges; elsewhere each run starts
// where the whole-pixel advances of the runs before it end.
void TfrxDrawText::outputRuns(Canvas& canvas, std::size_t index, std::string_view text, int x,
                              int y) {
    const TfrxHTMLTags& records = tags_.lines()[index];
    const Direction dir = directionOf(rotation_);
    const bool placed = canvas.placesGlyphsFractionally();
    const auto lowering = [&](std::size_t at) {
        return at < records.size()
                   ? base::roundToInt(records[at].lowered * records[at].pointSize * scaleY_)
                   : 0;
    };
    int dy = lowering(0);
    std::size_t start = 0;
    for (std::size_t k = 0; k <= text.size(); ++k) {
        if (k < text.size() && (k >= records.size() || records[k].sameAsPrevious))
            continue;
        const std::span<const int> runAdvances(advances_.data() + start, k - start);
        const Point at{x + base::roundToInt(dy * dir.sin), y + base::roundToInt(dy * dir.cos)};
        if (k > start && placed)
            canvas.textOutPlaced(
                at, clipOptions_, deviceRect_, text.substr(start, k - start),
                std::span<const double>(edges_.data() + start, k - start + 1),
                glyphScale(canvas, start < records.size() ? records[start].pointSize : fontSize_));
        else if (k > start)
            canvas.textOut(at, clipOptions_, deviceRect_, text.substr(start, k - start),
                           runAdvances);
        if (k == text.size())
            break;
        applyRunFormat(canvas, records[k]);
        dy = lowering(k);
        if (!placed) {
            int sum = 0;
            for (int a : runAdvances)
                sum += a;
            if (rotation_ == 0) {
                x += sum;
            } else {
                x += base::roundToInt(sum * dir.cos);
                y -= base::roundToInt(sum * dir.sin);
            }
        }
        start = k;
    }
}

} // namespace rq::report::render
