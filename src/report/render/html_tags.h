// Formatting tags of a memo's text: the per-character format records of the
// wrapped lines and the tag expansion that removes "<b>", "<font color=...>"
// and the like from a paragraph while recording what they do.
#pragma once

#include "report/render/canvas.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rq::report::render {

// The format of one character of a wrapped line.
struct TfrxHTMLTag {
    int sourcePosition = 0; // 1-based position in the memo's whole text
    int pointSize = 0;      // points
    int lowered = 0;        // 1 for a subscript character, else 0
    FontStyles fontStyle = 0;
    Color fontColor = clBlack;
    // Style, colour and size equal those of the previous character of the
    // text (for the first one: the defaults); always true without tags.
    bool sameAsPrevious = true;
    bool reduced = false; // pointSize differs from the default size
};

// One record per character of a wrapped line (plus one for a hyphen).
using TfrxHTMLTags = std::vector<TfrxHTMLTag>;

// Tag state while a memo's paragraphs are expanded, and the line lists of
// all wrapped lines (line list k belongs to wrapped line k).
class TfrxHTMLTagsList {
public:
    // Starts a new text: current format = defaults, next position 1, no lists.
    void Init(bool tagsEnabled, FontStyles style, Color color, int pointSize);
    // Removes the recognised tags from one paragraph, starting a new line
    // list with one record per remaining character. Raises EConvertError for
    // a malformed hexadecimal font colour.
    void ExpandTags(std::string& paragraph);

    std::vector<TfrxHTMLTags>& lines() { return lines_; }
    const std::vector<TfrxHTMLTags>& lines() const { return lines_; }
    bool tagsEnabled() const { return enabled_; }
    int defaultSize() const { return defaultSize_; }

    // The current format, that the next character receives.
    struct Format {
        FontStyles style = 0;
        Color color = clBlack;
        int pointSize = 0;
        int lowered = 0;
        bool operator==(const Format&) const = default;
    };

private:
    std::size_t matchTag(std::string_view tag);
    std::size_t matchFontColor(std::string_view tag);
    void appendCharacter();

    bool enabled_ = false;
    Format current_;
    Format defaults_;
    Format previous_; // format of the last character appended (lowered ignored)
    int defaultSize_ = 0;
    int nextPosition_ = 1;
    std::vector<TfrxHTMLTags> lines_;
};

} // namespace rq::report::render
