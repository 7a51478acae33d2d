// The name index: a multimap from the upper-cased name, since objects named
// while apart from the report may bring a name it already holds.
#include "report/model/name_index.h"

#include "base/text1250.h"
#include "report/model/component.h"

#include <vector>

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

namespace {

template <class Visit> void forTree(TfrxComponent& root, Visit visit) {
    std::vector<TfrxComponent*> work{&root};
    while (!work.empty()) {
        TfrxComponent* c = work.back();
        work.pop_back();
        visit(*c);
        for (int i = 0; i < c->Count(); ++i)
            work.push_back(c->Objects(i));
    }
}

} // namespace

void NameIndex::addTree(TfrxComponent& root) {
    forTree(root, [this](TfrxComponent& c) { add(c.Name(), &c); });
}

void NameIndex::removeTree(TfrxComponent& root) {
    forTree(root, [this](TfrxComponent& c) { remove(c.Name(), &c); });
}

std::size_t NameIndex::count(std::string_view name) const {
    return byName_.count(base::upperCase(name));
}

TfrxComponent* NameIndex::any(std::string_view name) const {
    const auto it = byName_.find(base::upperCase(name));
    return it == byName_.end() ? nullptr : it->second;
}

} // namespace rq::report::model
