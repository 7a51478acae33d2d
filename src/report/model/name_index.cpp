// The name index: a multimap from the upper-cased name, since objects named
// while apart from the report may bring a name it already holds.
#include "report/model/name_index.h"

#include "base/text1250.h"

namespace rq::report::model {

void NameIndex::add(const std::string& name, TfrxComponent* object) {
    if (!name.empty())
        byName_.emplace(base::upperCase(name), object);
}

void NameIndex::remove(const std::string& name, TfrxComponent* object) {
    if (name.empty())
        return;
    auto [from, to] = byName_.equal_range(base::upperCase(name));
    for (auto it = from; it != to; ++it) {
        if (it->second == object) {
            byName_.erase(it);
            return;
        }
    }
}

std::size_t NameIndex::count(std::string_view name) const {
    return byName_.count(base::upperCase(name));
}

TfrxComponent* NameIndex::any(std::string_view name) const {
    const auto it = byName_.find(base::upperCase(name));
    return it == byName_.end() ? nullptr : it->second;
}

} // namespace rq::report::model
