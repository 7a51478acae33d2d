// Binary insertion into the sorted list.
#include "report/model/sorted_list.h"

#include "base/text1250.h"

#include <algorithm>

namespace rq::report::model {

void SortedStringList::Add(const std::string& text) {
    auto it = std::lower_bound(
        items_.begin(), items_.end(), text,
        [](const std::string& a, const std::string& b) { return base::compareText(a, b) < 0; });
    if (it != items_.end() && base::compareText(*it, text) == 0)
        return;
    items_.insert(it, text);
}

void SortedStringList::AddAll(const SortedStringList& other) {
    for (const std::string& s : other.items_)
        Add(s);
}

std::string SortedStringList::Text() const {
    std::string text;
    for (const std::string& s : items_)
        text += s + "\r\n";
    return text;
}

} // namespace rq::report::model
