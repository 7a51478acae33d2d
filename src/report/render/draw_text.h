// TfrxDrawText: lays out and paints the text of a memo. Line breaks and the
// true width of every line are worked out once on a measuring canvas at 600
// dots per inch; the target canvas only supplies the glyph shapes, and every
// painted line is stretched character by character to its measured width,
// so that screen and printer break lines at the same characters.
#pragma once

#include "report/render/canvas.h"
#include "report/render/html_tags.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rq::report::render {

enum class HAlign { haLeft, haRight, haCenter, haBlock };
enum class VAlign { vaTop, vaBottom, vaCenter };

// Flag bits of a wrapped line.
inline constexpr int FirstOfParagraph = 1;
inline constexpr int LastOfParagraph = 2;

struct WrappedLine {
    std::string text; // Windows-1250
    int flags = 0;    // FirstOfParagraph | LastOfParagraph
};

class TfrxDrawText {
public:
    static constexpr int MeasureDpi = 600;

    // measuring: a private off-screen canvas; its vertical resolution is the
    // layout's ScreenDpi.
    explicit TfrxDrawText(std::unique_ptr<Canvas> measuring);
    ~TfrxDrawText();
    TfrxDrawText(const TfrxDrawText&) = delete;
    TfrxDrawText& operator=(const TfrxDrawText&) = delete;

    // Holds the object for one caller. A second Acquire while it is held
    // pumps pending window messages (see SetMessagePump) until it is free.
    void Acquire();
    void Release();
    bool busy() const { return busy_; }
    // The function that handles pending window messages while another caller
    // holds the object. Without one, a nested Acquire is a programming error.
    void SetMessagePump(std::function<void()> pump) { messagePump_ = std::move(pump); }

    // font: the memo's font at 96 pixels per inch.
    void UseFont(const CanvasFont& font);
    void SetLayoutOptions(bool wordWrap, bool htmlTags, int rotation, bool wordBreak,
                          bool rightToLeft);
    void SetSpacing(long double paragraphGap, long double charSpacing, long double lineSpacing);
    // textRect: the text area at scale 1 and offset 0; deviceRect: the same
    // area on the target canvas, also the clipping rectangle.
    void SetBounds(long double scaleX, long double scaleY, const Rect& textRect,
                   const Rect& deviceRect);
    void SetLines(const std::vector<std::string>& lines);
    void DrawLines(Canvas& canvas, HAlign hAlign, VAlign vAlign);

    long double LinesHeight() const;
    long double LinesWidth();
    long double LinePitch() const;
    long double SpareHeight() const;
    std::string OverflowText();
    const std::string& FittingText() const { return sourceText_; }

    const std::vector<WrappedLine>& wrappedLines() const { return lines_; }
    const TfrxHTMLTagsList& tags() const { return tags_; }
    const std::string& sourceText() const { return sourceText_; }
    int fontSize() const { return fontSize_; }
    int screenDpi() const { return screenDpi_; }
    Canvas& measuringCanvas() { return *measuring_; }

private:
    struct LineGeometry;

    // Pixels at 96 per inch (or ScreenDpi) to measuring units, rounded.
    int toMeasure(long double pixels) const;
    long double measureFactor() const; // k = MeasureDpi / ScreenDpi
    void wrapParagraph(std::string paragraph, int maxWidth, int firstWidth, int charSpacing);
    // Where a wrapped paragraph's record list is cut: the records a line
    // keeps, and whether the line repeats its last record for a hyphen.
    struct LineCut {
        std::size_t keep;
        bool hyphen;
    };
    void splitLineLists(std::size_t listIndex, const std::vector<LineCut>& cuts, bool rest);
    std::string wordBreakPart(const std::string& paragraph, int wordStart, int overflow) const;
    int MeasureLine(std::string_view line, int charSpacing, std::size_t lineIndex, Canvas& canvas,
                    bool cumulative);
    void measureExtents(std::string_view line, Canvas& canvas);
    void prepareDeviceFont(Canvas& canvas);
    std::vector<int> lineSteps(Canvas& canvas, int& blockHeight);
    LineGeometry startPoint(int blockHeight, VAlign vAlign) const;
    void drawLine(Canvas& canvas, std::size_t index, HAlign align, int x, int y, int width);
    void justify(std::string_view text, int correction);
    void placeCharacters(std::string_view text, int justifiedWidth, long double kx);
    double glyphScale(Canvas& canvas, int pointSize) const;
    void outputRuns(Canvas& canvas, std::size_t index, std::string_view text, int x, int y);
    void applyRunFormat(Canvas& canvas, const TfrxHTMLTag& tag);
    int runSize(const TfrxHTMLTag& tag, bool printer) const;

    std::unique_ptr<Canvas> measuring_;
    bool busy_ = false;
    std::function<void()> messagePump_; // runs while another caller holds the object
    int screenDpi_ = 96;
    // Per-character widths of the line being wrapped or drawn, and cumulative
    // extents of the last measurement. They grow with the longest paragraph
    // seen instead of being capped, so that no paragraph length overflows them.
    std::vector<int> advances_;
    std::vector<int> extentScratch_;
    // Character edges of the line being drawn on a canvas that places glyphs
    // fractionally: device pixels from the line's start, one more than the
    // line's characters.
    std::vector<double> edges_;
    int fontSize_ = 0; // points
    TfrxHTMLTagsList tags_;
    long double charSpacing_ = 0;
    long double lineSpacing_ = 0;
    long double paragraphGap_ = 0;
    unsigned clipOptions_ = ETO_CLIPPED;
    Rect textRect_;
    Rect deviceRect_;
    long double scaleX_ = 1;
    long double scaleY_ = 1;
    std::string sourceText_;
    int rotation_ = 0;
    bool rightToLeft_ = false;
    std::vector<WrappedLine> lines_;
    bool wordBreak_ = false;
    bool wordWrap_ = true;
    bool htmlTags_ = false;
};

} // namespace rq::report::render
