// A list of text lines (the memo text, the script text, guide lists). Its
// Text joins the lines with CR LF after each line.
#pragma once

#include "report/model/persistent.h"

#include <string>
#include <string_view>
#include <vector>

namespace rq::report::model {

class TStrings : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TStrings() = default;
    TStrings(std::initializer_list<std::string> lines) : lines_(lines) {}

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const { return lines_[static_cast<size_t>(index)]; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Clear() { lines_.clear(); }
    bool operator==(const TStrings& other) const { return lines_ == other.lines_; }

    // Every line followed by CR LF.
    std::string Text() const;
    // Splits at CR LF, CR or LF; a final line break ends the last line.
    void SetText(std::string_view text);

    // The streamed form: the lines joined by CR LF without a final break.
    std::string StreamText() const;
    // Inverse of StreamText: "" gives no lines, and a trailing empty line
    // survives (so "a" CR LF gives the lines "a" and "").
    void SetStreamText(std::string_view text);

private:
    static std::vector<std::string> split(std::string_view text);

    std::vector<std::string> lines_;
};

} // namespace rq::report::model
