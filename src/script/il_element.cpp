// The IL element names: one sorted table, checked at compile time to name
// every element exactly once, searched by binary search.
#include "script/il_element.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rq::script {

namespace {

using Entry = std::pair<std::string_view, IlElement>;

// The longest name; a longer one cannot be an IL element.
constexpr std::size_t kLongestName = 12;

// Sorted by name; the names are lower case, as the grammar writes them.
constexpr std::array<Entry, kIlElementCount> kNames{{
    {"addr", IlElement::Addr},
    {"array", IlElement::Array},
    {"assignstmt", IlElement::AssignStmt},
    {"break", IlElement::Break},
    {"callstmt", IlElement::CallStmt},
    {"caseselector", IlElement::CaseSelector},
    {"casestmt", IlElement::CaseStmt},
    {"compoundstmt", IlElement::CompoundStmt},
    {"const", IlElement::Const},
    {"continue", IlElement::Continue},
    {"dim", IlElement::Dim},
    {"downto", IlElement::Downto},
    {"dsgn", IlElement::Dsgn},
    {"elsestmt", IlElement::ElseStmt},
    {"exceptstmt", IlElement::ExceptStmt},
    {"exit", IlElement::Exit},
    {"expr", IlElement::Expr},
    {"file", IlElement::File},
    {"finallystmt", IlElement::FinallyStmt},
    {"forstmt", IlElement::ForStmt},
    {"function", IlElement::Function},
    {"ident", IlElement::Ident},
    {"ifstmt", IlElement::IfStmt},
    {"init", IlElement::Init},
    {"name", IlElement::Name},
    {"new", IlElement::New},
    {"node", IlElement::Node},
    {"number", IlElement::Number},
    {"op", IlElement::Op},
    {"parameters", IlElement::Parameters},
    {"procedure", IlElement::Procedure},
    {"program", IlElement::Program},
    {"range", IlElement::Range},
    {"repeatstmt", IlElement::RepeatStmt},
    {"set", IlElement::Set},
    {"string", IlElement::String},
    {"thenstmt", IlElement::ThenStmt},
    {"trystmt", IlElement::TryStmt},
    {"type", IlElement::Type},
    {"types", IlElement::Types},
    {"uses", IlElement::Uses},
    {"var", IlElement::Var},
    {"varparams", IlElement::VarParams},
    {"whilestmt", IlElement::WhileStmt},
    {"with", IlElement::With},
}};

constexpr bool SortedAndComplete() {
    std::array<bool, kIlElementCount> seen{};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (i > 0 && !(kNames[i - 1].first < kNames[i].first))
            return false;
        if (kNames[i].first.size() > kLongestName)
            return false;
        for (const char c : kNames[i].first) {
            if (c < 'a' || c > 'z')
                return false;
        }
        const auto index = static_cast<std::size_t>(kNames[i].second);
        if (index >= kIlElementCount || seen[index])
            return false;
        seen[index] = true;
    }
    return true;
}
static_assert(SortedAndComplete(),
              "every IL element has exactly one short lower-case name, in sorted order");

} // namespace

IlElement IlElementOf(std::string_view name) {
    if (name.size() > kLongestName)
        return IlElement::Unknown;
    char lower[kLongestName];
    std::transform(name.begin(), name.end(), lower, [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    const std::string_view key(lower, name.size());
    const auto found =
        std::lower_bound(kNames.begin(), kNames.end(), key,
                         [](const Entry& e, std::string_view k) { return e.first < k; });
    return found != kNames.end() && found->first == key ? found->second : IlElement::Unknown;
}

std::string_view IlElementName(IlElement element) {
    // The names again, indexed by element, so that the builder's lookups of
    // parts by kind cost no search.
    static constexpr auto kByElement = [] {
        std::array<std::string_view, kIlElementCount> names{};
        for (const Entry& e : kNames)
            names[static_cast<std::size_t>(e.second)] = e.first;
        return names;
    }();
    const auto index = static_cast<std::size_t>(element);
    return index < kByElement.size() ? kByElement[index] : std::string_view();
}

} // namespace rq::script
