// Ownership-ordered component list with case-insensitive lookup.
#include "widgets/component_list.h"

namespace rq::widgets {

void ComponentList::Add(const QString& name, const QString& className, QObject* object) {
    object->setObjectName(name);
    entries_.push_back({name, className, object});
}

const ComponentEntry* ComponentList::FindComponent(const QString& name) const {
    for (const auto& entry : entries_)
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

} // namespace rq::widgets
