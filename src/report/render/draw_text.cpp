// TfrxDrawText set-up and line breaking: options, the measuring font, tag
// expansion of every paragraph and its wrapping at the measuring resolution.
#include "report/render/draw_text.h"
#include "base/rounding.h"

#include "base/letter_case.h"

#include "report/render/layout_limits.h"
#include "report/render/rounding.h"
#include "report/render/syllable_breaks.h"

#include <stdexcept>
#include <utility>

namespace rq::report::render {

TfrxDrawText::TfrxDrawText(std::unique_ptr<Canvas> measuring)
    : measuring_(std::move(measuring)), screenDpi_(measuring_->dpiY()), advances_(4096),
      extentScratch_(4096) {}

TfrxDrawText::~TfrxDrawText() = default;

void TfrxDrawText::Acquire() {
    while (busy_) {
        if (!messagePump_)
            throw std::logic_error("TfrxDrawText is already in use");
        messagePump_();
    }
    busy_ = true;
}

void TfrxDrawText::Release() {
    busy_ = false;
}

void TfrxDrawText::UseFont(const CanvasFont& font) {
    checkFontSize(font.size());
    fontSize_ = font.size();
    CanvasFont& m = measuring_->font();
    m.name = font.name;
    m.style = font.style;
    m.charset = font.charset;
    m.color = font.color;
    m.height = -base::roundToInt(static_cast<long double>(fontSize_) * MeasureDpi / 72);
}

void TfrxDrawText::SetLayoutOptions(bool wordWrap, bool htmlTags, int rotation, bool wordBreak,
                                    bool rightToLeft) {
    wordWrap_ = wordWrap;
    htmlTags_ = htmlTags;
    // Negative angles turn the other way round: -90 is drawn as 270.
    rotation_ = ((rotation % 360) + 360) % 360;
    wordBreak_ = wordBreak;
    rightToLeft_ = rightToLeft;
    clipOptions_ = rightToLeft ? ETO_CLIPPED | ETO_RTLREADING : ETO_CLIPPED;
}

void TfrxDrawText::SetSpacing(long double paragraphGap, long double charSpacing,
                              long double lineSpacing) {
    checkLayoutLength("Paragraph gap", paragraphGap);
    checkLayoutLength("Character spacing", charSpacing);
    checkLayoutLength("Line spacing", lineSpacing);
    paragraphGap_ = paragraphGap;
    charSpacing_ = charSpacing;
    lineSpacing_ = lineSpacing;
}

void TfrxDrawText::SetBounds(long double scaleX, long double scaleY, const Rect& textRect,
                             const Rect& deviceRect) {
    checkLayoutScale(scaleX);
    checkLayoutScale(scaleY);
    for (const Rect& r : {textRect, deviceRect})
        for (int edge : {r.left, r.top, r.right, r.bottom})
            checkLayoutLength("Text box edge", edge);
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    textRect_ = textRect;
    deviceRect_ = deviceRect;
}

long double TfrxDrawText::measureFactor() const {
    return static_cast<long double>(MeasureDpi) / screenDpi_;
}

int TfrxDrawText::toMeasure(long double pixels) const {
    return base::roundToInt(pixels * MeasureDpi / screenDpi_);
}

void TfrxDrawText::SetLines(const std::vector<std::string>& lines) {
    sourceText_.clear();
    lines_.clear();
    const FontStyles defaultStyle = measuring_->font().style;
    tags_.Init(htmlTags_, defaultStyle, measuring_->font().color, fontSize_);
    if (lines.empty())
        return;
    const bool sideways = (rotation_ >= 90 && rotation_ <= 179) || rotation_ >= 270;
    const int width =
        sideways ? textRect_.bottom - textRect_.top : textRect_.right - textRect_.left;
    for (const auto& line : lines) {
        std::string paragraph = line.empty() ? std::string(" ") : line;
        sourceText_ += paragraph;
        sourceText_ += "\r\n";
        const std::size_t before = lines_.size();
        wrapParagraph(std::move(paragraph), toMeasure(width), toMeasure(width - paragraphGap_),
                      toMeasure(charSpacing_));
        if (lines_.size() > before) {
            lines_[before].flags |= FirstOfParagraph;
            lines_.back().flags |= LastOfParagraph;
        }
    }
    measuring_->font().style = defaultStyle;
}

// Cuts the paragraph's record list (at listIndex, the last one) into one
// list per wrapped line: each line keeps its records (padded with defaults
// when it keeps more than are left), plus a copy of its last one for a
// hyphen; with rest, the records after the last cut make the final line's
// list. Each record is copied once, so a long paragraph wraps in linear time.
void TfrxDrawText::splitLineLists(std::size_t listIndex, const std::vector<LineCut>& cuts,
                                  bool rest) {
    auto& lists = tags_.lines();
    const TfrxHTMLTags all = std::move(lists[listIndex]);
    lists.resize(listIndex);
    std::size_t position = 0;
    for (const LineCut& cut : cuts) {
        const std::size_t end = std::min(position + cut.keep, all.size());
        TfrxHTMLTags line(all.begin() + static_cast<std::ptrdiff_t>(position),
                          all.begin() + static_cast<std::ptrdiff_t>(end));
        line.resize(cut.keep);
        if (cut.hyphen && cut.keep > 0)
            line.push_back(line.back());
        lists.push_back(std::move(line));
        position = end;
    }
    if (rest)
        lists.emplace_back(all.begin() + static_cast<std::ptrdiff_t>(position), all.end());
}

// The leading part of the word starting at wordStart (1-based) that may be
// split off before the overflowing character, or "" when there is none.
std::string TfrxDrawText::wordBreakPart(const std::string& paragraph, int wordStart,
                                        int overflow) const {
    const auto start = static_cast<std::size_t>(wordStart - 1);
    std::size_t end = paragraph.find_first_of(" .,-;", static_cast<std::size_t>(overflow - 1));
    if (end == std::string::npos)
        end = paragraph.size();
    if (start >= end)
        return {};
    const std::string word = paragraph.substr(start, end - start);
    int best = 0;
    for (int candidate : SyllableBreaks(base::AnsiUpperCase(word)))
        if (candidate < overflow - wordStart)
            best = candidate;
    return word.substr(0, static_cast<std::size_t>(best));
}

// Breaks one paragraph into wrapped lines; widths are measuring units.
// Positions s (line start), b (last break), i (scanned character) are 1-based.
void TfrxDrawText::wrapParagraph(std::string paragraph, int maxWidth, int firstWidth,
                                 int charSpacing) {
    tags_.ExpandTags(paragraph);
    const int n = static_cast<int>(paragraph.size());
    if (n < 2 || !wordWrap_) {
        lines_.push_back({paragraph, 0});
        return;
    }
    const std::size_t listIndex = tags_.lines().size() - 1;
    if (MeasureLine(paragraph, charSpacing, listIndex, *measuring_, true) < firstWidth) {
        lines_.push_back({paragraph, 0});
        return;
    }
    const auto advance = [&](int i) {
        return i == 0 ? 0 : advances_[static_cast<std::size_t>(i - 1)];
    };
    const auto chars = [&](int from, int to) {
        return paragraph.substr(static_cast<std::size_t>(from - 1),
                                static_cast<std::size_t>(to - from + 1));
    };
    std::vector<LineCut> cuts;
    int s = 1, b = 1, e = 0, limit = firstWidth;
    for (int i = 1; i <= n; ++i) {
        if (paragraph[static_cast<std::size_t>(i - 1)] == ' ')
            b = i;
        if (advance(i) - e <= limit)
            continue;
        b = b < s ? s : b; // no break point yet on this line
        const std::string part =
            wordBreak_ && i > s ? wordBreakPart(paragraph, b == s ? s : b + 1, i) : std::string();
        const int p = static_cast<int>(part.size());
        if (b == s && i == s) {
            lines_.push_back({chars(s, s), 0});
            cuts.push_back({1, false});
        } else if (b == s && p > 0) {
            lines_.push_back({part + "-", 0});
            cuts.push_back({static_cast<std::size_t>(p), true});
            b = s + p - 1;
        } else if (b == s) {
            lines_.push_back({chars(s, i - 1), 0});
            cuts.push_back({static_cast<std::size_t>(i - s), false});
            b = i - 1;
        } else if (p > 0) {
            lines_.push_back({chars(s, b) + part + "-", 0});
            cuts.push_back({static_cast<std::size_t>(b - s + 1 + p), true});
            b += p;
        } else {
            lines_.push_back({chars(s, b - 1), 0});
            cuts.push_back({static_cast<std::size_t>(b - s + 1), false});
        }
        e = advance(b);
        s = b + 1;
        i = s - 1; // the loop's increment continues the scan at s
        limit = maxWidth;
    }
    // A break at the very end leaves no line for the rest of the records.
    if (s <= n)
        lines_.push_back({chars(s, n), 0});
    splitLineLists(listIndex, cuts, s <= n);
}

void TfrxDrawText::measureExtents(std::string_view line, Canvas& canvas) {
    if (extentScratch_.size() < line.size())
        extentScratch_.resize(line.size());
    canvas.textExtentEx(line, std::span<int>(extentScratch_.data(), line.size()));
}

// Widths of the characters of a line in the canvas font, following the
// style of the line's records; Reduced characters count two thirds.
int TfrxDrawText::MeasureLine(std::string_view line, int charSpacing, std::size_t lineIndex,
                              Canvas& canvas, bool cumulative) {
    if (line.empty())
        return 0;
    checkLineWidth(line.size(), canvas.font().height, charSpacing);
    if (advances_.size() < line.size())
        advances_.resize(line.size());
    static const TfrxHTMLTags kNone;
    const TfrxHTMLTags& records =
        lineIndex < tags_.lines().size() ? tags_.lines()[lineIndex] : kNone;
    if (!records.empty() && !records[0].sameAsPrevious)
        canvas.font().style = records[0].fontStyle;
    const auto styleChangesAt = [&](std::size_t i) {
        return i < records.size() && !records[i].sameAsPrevious;
    };
    // Each run of one style is measured on its own: measuring the whole line
    // again at every change of style made a long tagged paragraph quadratic.
    std::size_t runStart = 0;
    int sum = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i == 0 || styleChangesAt(i)) {
            if (i > 0)
                canvas.font().style = records[i].fontStyle;
            std::size_t runEnd = i + 1;
            while (runEnd < line.size() && !styleChangesAt(runEnd))
                ++runEnd;
            measureExtents(line.substr(i, runEnd - i), canvas);
            runStart = i;
        }
        const TfrxHTMLTag* record = i < records.size() ? &records[i] : nullptr;
        const std::size_t k = i - runStart;
        int w = extentScratch_[k] - (k > 0 ? extentScratch_[k - 1] : 0) + charSpacing;
        if (record && record->reduced)
            w = base::roundToInt(static_cast<long double>(w) / 1.5L);
        advances_[i] = cumulative && i > 0 ? advances_[i - 1] + w : w;
        sum += w;
    }
    return sum;
}

} // namespace rq::report::render
