// A sorted list of texts that ignores duplicates, compared without regard
// to case: the error lists of the serializer and the report.
#pragma once

#include <string>
#include <vector>

namespace rq::report::model {

class SortedStringList {
public:
    void Add(const std::string& text); // ignored when already present
    void AddAll(const SortedStringList& other);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const std::string& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    const std::vector<std::string>& Items() const { return items_; }
    // Every line followed by CR LF.
    std::string Text() const;

private:
    std::vector<std::string> items_;
};

} // namespace rq::report::model
