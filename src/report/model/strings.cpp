// Line splitting and joining of TStrings.
#include "report/model/strings.h"

namespace rq::report::model {

const ClassInfo& TStrings::StaticClass() {
    static const ClassInfo info("TStrings", nullptr, {});
    return info;
}

std::vector<std::string> TStrings::split(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string TStrings::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    lines_ = split(text);
    if (!lines_.empty() && lines_.back().empty())
        lines_.pop_back();
}

std::string TStrings::StreamText() const {
    std::string text = Text();
    if (!text.empty())
        text.resize(text.size() - 2);
    return text;
}

void TStrings::SetStreamText(std::string_view text) {
    if (text.empty())
        lines_.clear();
    else
        lines_ = split(text);
}

} // namespace rq::report::model
