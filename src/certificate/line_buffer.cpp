// Line splitting and joining of the buffer window's line lists.
#include "certificate/line_buffer.h"

#include "base/exceptions.h"

namespace rq::certificate {

void LineBuffer::checkIndex(int index, int limit) const {
    if (index < 0 || index > limit)
        throw base::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& LineBuffer::Line(int index) const {
    checkIndex(index, Count() - 1);
    return lines_[static_cast<std::size_t>(index)];
}

void LineBuffer::Insert(int index, std::string line) {
    checkIndex(index, Count());
    lines_.insert(lines_.begin() + index, std::move(line));
}

std::string LineBuffer::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void LineBuffer::SetText(std::string_view text) {
    lines_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.emplace_back(text.substr(start));
            break;
        }
        lines_.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

} // namespace rq::certificate
