// The alias table: a case-insensitive ordered map of aliases, the halving
// search for a free number with memory of the runs of taken numbers.
#include "report/preview/dictionary.h"

#include "base/text1250.h"

#include <vector>

namespace rq::report::preview {

bool TfrxDictionary::CaseLess::operator()(std::string_view a, std::string_view b) const {
    return base::compareText(a, b) < 0;
}

void TfrxDictionary::Add(const std::string& alias, std::string fullName,
                         model::TfrxComponent* object, std::string baseText) {
    sources_.push_back({std::move(fullName), object, std::move(baseText)});
    aliases_.emplace(alias, static_cast<int>(sources_.size()) - 1);
}

void TfrxDictionary::Clear() {
    aliases_.clear();
    sources_.clear();
    ordered_.clear();
    takenUpTo_.clear();
}

const TfrxDictionary::Source* TfrxDictionary::Find(std::string_view alias) const {
    const auto at = aliases_.find(alias);
    if (at == aliases_.end())
        return nullptr;
    return &sources_[static_cast<std::size_t>(at->second)];
}

model::TfrxComponent* TfrxDictionary::GetObject(std::string_view alias) const {
    const Source* s = Find(alias);
    return s ? s->object : nullptr;
}

std::string TfrxDictionary::GetRealName(std::string_view alias) const {
    const Source* s = Find(alias);
    return s ? s->fullName : std::string();
}

const std::vector<TfrxDictionary::Entry>& TfrxDictionary::ordered() const {
    if (ordered_.size() != aliases_.size()) {
        ordered_.clear();
        for (const auto& [alias, source] : aliases_)
            ordered_.push_back({alias, source});
    }
    return ordered_;
}

const std::string& TfrxDictionary::Alias(int index) const {
    return ordered()[static_cast<std::size_t>(index)].alias;
}

const TfrxDictionary::Source& TfrxDictionary::SourceAt(int index) const {
    return sources_[static_cast<std::size_t>(ordered()[static_cast<std::size_t>(index)].source)];
}

std::string TfrxDictionary::CreateUniqueName(std::string_view prefix) const {
    const auto name = [&](int k) { return std::string(prefix) + std::to_string(k); };
    int k = 10000;
    while (k > 1 && !Find(name(k)))
        k /= 2;
    std::vector<std::string> walked; // taken aliases passed on the way
    while (Find(name(k))) {
        walked.push_back(base::upperCase(name(k)));
        const auto known = takenUpTo_.find(walked.back());
        k = known == takenUpTo_.end() ? k + 1 : known->second;
    }
    for (const std::string& alias : walked)
        takenUpTo_[alias] = k;
    return name(k);
}

} // namespace rq::report::preview
