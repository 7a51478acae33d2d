// TfrxDrawText sizes: the height and width the wrapped text needs, the line
// pitch, the unused height below the last whole line, and the split of a text
// that does not fit (with a prefix that restores its format).
#include "base/rounding.h"
#include "report/render/color_names.h"
#include "report/render/draw_text.h"
#include "report/render/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rq::report::render {

long double TfrxDrawText::LinePitch() const {
    return std::abs(measuring_->font().height) / measureFactor() + lineSpacing_;
}

long double TfrxDrawText::LinesHeight() const {
    return lines_.empty() ? 0 : LinePitch() * static_cast<long double>(lines_.size());
}

long double TfrxDrawText::LinesWidth() {
    if (lines_.empty())
        return 0;
    const long double k = measureFactor();
    int widest = 0;
    for (const auto& line : lines_) {
        int width = measuring_->textExtent(line.text).cx +
                    base::roundToInt(static_cast<long double>(line.text.size()) * charSpacing_ * k);
        if (line.flags & FirstOfParagraph)
            width += base::roundToInt(paragraphGap_ * k);
        widest = std::max(widest, width);
    }
    return widest / k;
}

long double TfrxDrawText::SpareHeight() const {
    const long double pitch = LinePitch();
    if (pitch <= 0)
        return 0; // lines that take no height leave nothing spare
    const long double available = textRect_.bottom - textRect_.top + 1;
    const long double whole = std::trunc(available / pitch);
    if (whole == 0)
        return 0;
    const long double spare = available - pitch * whole;
    return spare == 0 ? 0.0001L : spare;
}

std::string TfrxDrawText::OverflowText() {
    if (lines_.empty())
        return {};
    const long double available = textRect_.bottom - textRect_.top + 1;
    const long double pitch = LinePitch();
    // Lines that take no height (a zero font with no spacing) all fit.
    const long double whole = pitch <= 0 ? lines_.size() : std::trunc(available / pitch);
    const auto fitting =
        static_cast<std::size_t>(std::clamp(whole, 0.0L, static_cast<long double>(lines_.size())));
    const auto& lists = tags_.lines();
    if (fitting >= lists.size())
        return {};
    lines_.resize(fitting);
    const TfrxHTMLTag* first = nullptr;
    for (std::size_t k = fitting; k < lists.size() && !first; ++k)
        if (!lists[k].empty())
            first = &lists[k].front();
    if (!first)
        return {};
    const auto cut = static_cast<std::size_t>(first->sourcePosition - 1);
    std::string rest = sourceText_.substr(std::min(cut, sourceText_.size()));
    sourceText_.resize(std::min(cut, sourceText_.size()));
    if (!tags_.tagsEnabled())
        return rest;
    std::string prefix;
    if (first->fontStyle & fsBold)
        prefix = "<b>" + prefix;
    if (first->fontStyle & fsItalic)
        prefix = "<i>" + prefix;
    if (first->fontStyle & fsUnderline)
        prefix = "<u>" + prefix;
    const Color rgb = colorToRgb(first->fontColor);
    char colour[32];
    std::snprintf(colour, sizeof colour, "<font color=\"#%02X%02X%02X\">", base::redOf(rgb),
                  base::greenOf(rgb), base::blueOf(rgb));
    return colour + prefix + rest;
}

} // namespace rq::report::render
