// Name lookups of the enumeration type information.
#include "report/model/types.h"

#include "base/text1250.h"

namespace rq::report::model {

int EnumType::valueOf(std::string_view valueName) const {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (base::sameText(values[i], valueName))
            return static_cast<int>(i);
    }
    return -1;
}

std::string_view EnumType::nameOf(std::int64_t ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(values.size()))
        return {};
    return values[static_cast<std::size_t>(ordinal)];
}

} // namespace rq::report::model
