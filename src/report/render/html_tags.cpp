// Tag expansion. The tests run in a fixed order: a ">" in third place (the
// letter tags b, i, u), a ">" in fifth place (SUB, SUP or any other
// five-character tag, removed without effect), the strike-out keyword after
// "<s", the closing forms after "</", and last the font colour tag. A "<"
// that none of them accepts is ordinary text.
#include "report/render/html_tags.h"
#include "base/rounding.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/render/color_names.h"
#include "report/render/rounding.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rq::report::render {
namespace {

using base::sameText;

constexpr std::array<std::pair<char, FontStyles>, 3> kLetterStyles = {{
    {'B', fsBold},
    {'I', fsItalic},
    {'U', fsUnderline},
}};

std::optional<FontStyles> letterStyle(char letter) {
    for (const auto& [key, style] : kLetterStyles)
        if (key == letter || key == letter - ('a' - 'A'))
            return style;
    return std::nullopt;
}

bool startsWithText(std::string_view text, std::size_t at, std::string_view keyword) {
    return text.size() >= at + keyword.size() && sameText(text.substr(at, keyword.size()), keyword);
}

// "$" + digits read as a 32-bit number, as the runtime's StrToInt does.
std::uint32_t hexColorValue(std::string_view digits) {
    std::uint64_t value = 0;
    bool valid = !digits.empty();
    for (char c : digits) {
        const int d = (c >= '0' && c <= '9')   ? c - '0'
                      : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                               : -1;
        value = value * 16 + static_cast<std::uint64_t>(d < 0 ? 0 : d);
        valid = valid && d >= 0 && value <= 0xFFFFFFFFu;
    }
    if (!valid)
        throw base::EConvertError("'$" + std::string(digits) + "' is not a valid integer value");
    return static_cast<std::uint32_t>(value);
}

// 0xRRGGBB as written in the tag to the platform layout 0x00BBGGRR.
Color swapRedBlue(std::uint32_t rgb) {
    return base::rgbColor(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8),
                          static_cast<int>(rgb));
}

} // namespace

void TfrxHTMLTagsList::Init(bool tagsEnabled, FontStyles style, Color color, int pointSize) {
    enabled_ = tagsEnabled;
    defaultSize_ = pointSize;
    defaults_ = Format{style, color, pointSize, 0};
    current_ = defaults_;
    previous_ = defaults_;
    nextPosition_ = 1;
    lines_.clear();
}

void TfrxHTMLTagsList::appendCharacter() {
    TfrxHTMLTag tag;
    tag.sourcePosition = nextPosition_;
    tag.pointSize = current_.pointSize;
    tag.lowered = current_.lowered;
    tag.fontStyle = current_.style;
    tag.fontColor = current_.color;
    const Format seen{current_.style, current_.color, current_.pointSize, 0};
    tag.sameAsPrevious = !enabled_ || seen == previous_;
    tag.reduced = current_.pointSize != defaultSize_;
    previous_ = seen;
    lines_.back().push_back(tag);
}

void TfrxHTMLTagsList::ExpandTags(std::string& paragraph) {
    lines_.emplace_back();
    std::string text;
    text.reserve(paragraph.size());
    std::size_t i = 0;
    while (i < paragraph.size()) {
        const std::size_t length =
            enabled_ && paragraph[i] == '<' ? matchTag(std::string_view(paragraph).substr(i)) : 0;
        if (length > 0) {
            i += length;
            nextPosition_ += static_cast<int>(length);
            continue;
        }
        text.push_back(paragraph[i++]);
        appendCharacter();
        ++nextPosition_;
    }
    nextPosition_ += 2; // CR LF
    paragraph = std::move(text);
}

// tag starts at "<"; returns the number of characters the tag takes, or 0
// when the "<" is ordinary text. Applies the tag's effect to the format.
std::size_t TfrxHTMLTagsList::matchTag(std::string_view tag) {
    const int reducedSize = base::roundToInt(static_cast<long double>(defaultSize_) / 1.5L);
    if (tag.size() >= 3 && tag[2] == '>') {
        const auto style = letterStyle(tag[1]);
        if (!style)
            return 0;
        current_.style |= *style;
        return 3;
    }
    if (tag.size() >= 5 && tag[4] == '>') {
        if (startsWithText(tag, 1, "SUB>") || startsWithText(tag, 1, "SUP>")) {
            current_.pointSize = reducedSize;
            current_.lowered = startsWithText(tag, 1, "SUB>") ? 1 : 0;
        }
        return 5;
    }
    if (tag.size() >= 2 && (tag[1] == 's' || tag[1] == 'S')) {
        if (!startsWithText(tag, 1, "STRIKE>"))
            return 0;
        current_.style |= fsStrikeOut;
        return 8;
    }
    if (startsWithText(tag, 1, "/")) {
        if (tag.size() >= 4 && tag[3] == '>') {
            const auto style = letterStyle(tag[2]);
            if (!style)
                return 0;
            current_.style &= static_cast<FontStyles>(~*style);
            return 4;
        }
        if (startsWithText(tag, 2, "STRIKE>")) {
            current_.style &= static_cast<FontStyles>(~fsStrikeOut);
            return 9;
        }
        if (startsWithText(tag, 2, "FONT>")) {
            current_.color = defaults_.color;
            return 7;
        }
        if (startsWithText(tag, 2, "SUB>") || startsWithText(tag, 2, "SUP>")) {
            current_.pointSize = defaultSize_;
            current_.lowered = 0;
            return 6;
        }
        return 0;
    }
    return startsWithText(tag, 1, "FONT COLOR") ? matchFontColor(tag) : 0;
}

// "<font color=" value ">": a quoted "#RRGGBB" or a colour name without "cl".
std::size_t TfrxHTMLTagsList::matchFontColor(std::string_view tag) {
    const std::size_t equals = tag.find('=', 11);
    if (equals == std::string_view::npos)
        return 0;
    std::size_t start = equals + 1;
    while (start < tag.size() && tag[start] == ' ')
        ++start;
    const std::size_t close = tag.find('>', start);
    const std::size_t end = close == std::string_view::npos ? tag.size() : close;
    const std::string_view value = tag.substr(start, end - start);
    if (value.empty())
        return 0;
    const std::size_t length = close == std::string_view::npos ? tag.size() : close + 1;
    if (value.size() > 3 && value.front() == '"' && value[1] == '#' && value.back() == '"') {
        current_.color = swapRedBlue(hexColorValue(value.substr(2, value.size() - 3)));
        return length;
    }
    const auto named = colorFromName("cl" + std::string(value));
    if (!named)
        return 0;
    current_.color = *named;
    return length;
}

} // namespace rq::report::render
