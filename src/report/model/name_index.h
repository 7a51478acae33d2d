// The report's objects by name (any letter case), kept up to date as objects
// are named, attached and detached. Every named object asks on loading
// whether its name is taken, so a walk over the whole tree per question
// would make loading quadratic in the number of objects.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace rq::report::model {

class TfrxComponent;

class NameIndex {
public:
    // Objects with an empty name are not indexed.
    void add(const std::string& name, TfrxComponent* object);
    void remove(const std::string& name, TfrxComponent* object);

    // How many indexed objects carry the name, and one of them (null for none).
    std::size_t count(std::string_view name) const;
    TfrxComponent* any(std::string_view name) const;

private:
    std::unordered_multimap<std::string, TfrxComponent*> byName_; // upper-cased name
};

} // namespace rq::report::model
