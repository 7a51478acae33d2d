// The alias table: binary search over the sorted aliases, the halving
// search for a free number.
#include "report/preview/dictionary.h"

#include "base/text1250.h"

#include <algorithm>

namespace rq::report::preview {

std::vector<TfrxDictionary::Entry>::const_iterator
TfrxDictionary::lowerBound(std::string_view alias) const {
    return std::lower_bound(
        aliases_.begin(), aliases_.end(), alias,
        [](const Entry& e, std::string_view a) { return base::compareText(e.alias, a) < 0; });
}

void TfrxDictionary::Add(const std::string& alias, std::string fullName,
                         model::TfrxComponent* object, std::string baseText) {
    const auto at = lowerBound(alias);
    sources_.push_back({std::move(fullName), object, std::move(baseText)});
    aliases_.insert(at, {alias, static_cast<int>(sources_.size()) - 1});
}

void TfrxDictionary::Clear() {
    aliases_.clear();
    sources_.clear();
}

const TfrxDictionary::Source* TfrxDictionary::Find(std::string_view alias) const {
    const auto at = lowerBound(alias);
    if (at == aliases_.end() || !base::sameText(at->alias, alias))
        return nullptr;
    return &sources_[static_cast<std::size_t>(at->source)];
}

model::TfrxComponent* TfrxDictionary::GetObject(std::string_view alias) const {
    const Source* s = Find(alias);
    return s ? s->object : nullptr;
}

std::string TfrxDictionary::GetRealName(std::string_view alias) const {
    const Source* s = Find(alias);
    return s ? s->fullName : std::string();
}

const std::string& TfrxDictionary::Alias(int index) const {
    return aliases_[static_cast<std::size_t>(index)].alias;
}

const TfrxDictionary::Source& TfrxDictionary::SourceAt(int index) const {
    return sources_[static_cast<std::size_t>(aliases_[static_cast<std::size_t>(index)].source)];
}

std::string TfrxDictionary::CreateUniqueName(std::string_view prefix) const {
    const auto name = [&](int k) { return std::string(prefix) + std::to_string(k); };
    int k = 10000;
    while (k > 1 && !Find(name(k)))
        k /= 2;
    while (Find(name(k)))
        ++k;
    return name(k);
}

} // namespace rq::report::preview
