// The components a window owns, in ownership (declaration) order, each with
// its name and class name, and lookup by name without regard to case. The
// saved-form file walks this list and refers to fields by these names.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace rq::widgets {

struct ComponentEntry {
    QString name;      // e.g. "Edit1"
    QString className; // e.g. "TEdit", "TPBNumEdit"
    QObject* object;   // owned by the window (Qt parent), never null
};

class ComponentList {
public:
    // Appends a component; sets the object's name to name.
    void Add(const QString& name, const QString& className, QObject* object);
    const std::vector<ComponentEntry>& Entries() const { return entries_; }
    int ComponentCount() const { return static_cast<int>(entries_.size()); }
    // The component of that name (case-insensitive), or nullptr.
    const ComponentEntry* FindComponent(const QString& name) const;

private:
    std::vector<ComponentEntry> entries_;
};

} // namespace rq::widgets
