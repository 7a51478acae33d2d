// A list of text lines standing in for the buffer window's plain-text edit
// controls. Lines never wrap: a line holds whatever it was given, at any
// length. Text joins the lines with CR LF and ends the last line with CR LF;
// SetText splits at CR LF, CR or LF, a final line break ending the last line.
// Texts are Windows-1250.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rq::certificate {

class LineBuffer {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    // Line index (0-based); raises EListError "List index out of bounds (%d)"
    // when it does not exist.
    const std::string& Line(int index) const;
    void Add(std::string_view line) { lines_.emplace_back(line); }
    // Inserts before index (0 ... Count).
    void Insert(int index, std::string line);
    void Clear() { lines_.clear(); }
    std::string Text() const;
    void SetText(std::string_view text);
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void checkIndex(int index, int limit) const;

    std::vector<std::string> lines_;
};

} // namespace rq::certificate
