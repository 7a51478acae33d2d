// Lookup of components by name.
#include "certificate/form_component.h"

namespace rq::certificate {

FormComponent* FormComponentList::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (FormComponent* component : items_)
        if (rq::base::sameText(component->Name(), name))
            return component;
    return nullptr;
}

} // namespace rq::certificate
