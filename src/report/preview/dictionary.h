// TfrxDictionary: the alias table of the prepared-pages store. Aliases are
// short names (a prefix letter and a number) that stand for the private
// copies of template objects; a sorted, case-insensitive alias list points
// into a second list of full names ("Page0.Memo1") with their copies.
#pragma once

#include "report/model/component.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rq::report::preview {

class TfrxDictionary {
public:
    // One registered source object: its full name, the store's private copy
    // and the copy's BaseText (class name and all attributes, or the class
    // name alone for fully serialized classes).
    struct Source {
        std::string fullName;
        model::TfrxComponent* object = nullptr; // owned by the store's source pages
        std::string baseText;
    };

    // The alias must not be present yet (CreateUniqueName gives such one).
    void Add(const std::string& alias, std::string fullName, model::TfrxComponent* object,
             std::string baseText);
    void Clear();
    int Count() const { return static_cast<int>(aliases_.size()); }

    // nullptr when the alias is unknown (compared without regard to case).
    const Source* Find(std::string_view alias) const;
    model::TfrxComponent* GetObject(std::string_view alias) const;
    // "" when the alias is unknown.
    std::string GetRealName(std::string_view alias) const;

    // The i-th alias in alias order, and its source.
    const std::string& Alias(int index) const;
    const Source& SourceAt(int index) const;

    // prefix + the first free number, searched from a power-of-two-ish start
    // found by halving 10000, so that a prefix with many aliases does not
    // probe from 1: e.g. with m1 ... m20 present the probe finds m19 and the
    // answer is m21.
    std::string CreateUniqueName(std::string_view prefix) const;

private:
    struct CaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct Entry {
        std::string alias;
        int source; // index into sources_
    };
    // The aliases in order as a list, rebuilt after additions when asked by index.
    const std::vector<Entry>& ordered() const;

    std::map<std::string, int, CaseLess> aliases_; // alias -> index into sources_
    std::vector<Source> sources_;
    mutable std::vector<Entry> ordered_; // aliases_ as a list; stale when shorter
    // Upper-cased alias -> a number above it such that every number from the
    // alias's own up to below that one is taken with the same prefix.
    // Aliases are only ever added (Clear resets everything), so a run found
    // taken stays taken, and CreateUniqueName need not walk it again: giving
    // n objects their aliases stays O(n log n).
    mutable std::unordered_map<std::string, int> takenUpTo_;
};

} // namespace rq::report::preview
