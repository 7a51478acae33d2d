// ReportObject and the registry that gives every model object one script
// object.
#include "report/scripting/report_objects.h"
#include "script/errors.h"

#include <map>
#include <utility>

namespace rq::report::scripting {

namespace {

using script::KeepScriptObject;
using script::ScriptObject;

// Model object -> its script object (kept alive by KeepScriptObject). An
// entry whose object no longer resolves to the same target is stale: the
// address was reused after the model object was destroyed.
std::map<const model::Persistent*, ReportObject*>& Registry() {
    static std::map<const model::Persistent*, ReportObject*> registry;
    return registry;
}

model::Persistent* Resolve(model::TfrxComponent* root,
                           const std::vector<const model::PropInfo*>& path) {
    model::Persistent* target = root;
    for (const model::PropInfo* p : path) {
        if (target == nullptr)
            break;
        target = p->getObject(*target);
    }
    return target;
}

rq::base::Variant Wrap(model::TfrxComponent& root, std::vector<const model::PropInfo*> path) {
    model::Persistent* target = Resolve(&root, path);
    if (target == nullptr)
        return rq::base::Variant(0);
    auto found = Registry().find(target);
    if (found != Registry().end() && !found->second->IsFreed() &&
        found->second->Component() != nullptr && &found->second->Target() == target)
        return rq::base::Variant(static_cast<rq::base::Object*>(found->second));
    auto object = std::make_unique<ReportObject>(root, std::move(path));
    auto* raw = object.get();
    KeepScriptObject(std::move(object));
    Registry()[target] = raw;
    return rq::base::Variant(static_cast<rq::base::Object*>(raw));
}

} // namespace

ReportObject::ReportObject(model::TfrxComponent& root, std::vector<const model::PropInfo*> path)
    : ScriptObject(std::string(Resolve(&root, path)->ClassName())), root_(root.Ref()),
      path_(std::move(path)) {}

ReportObject::ReportObject(std::unique_ptr<model::Persistent> value)
    : ScriptObject(std::string(value->ClassName())), value_(std::move(value)) {}

model::Persistent* ReportObject::TryTarget() const {
    if (IsFreed())
        return nullptr;
    if (value_ != nullptr)
        return value_.get();
    return Resolve(root_.get(), path_);
}

model::Persistent& ReportObject::Target() const {
    model::Persistent* target = TryTarget();
    if (target == nullptr)
        rq::script::raiseUsedAfterFree();
    return *target;
}

void ReportObject::Free() {
    if (owned_ != nullptr)
        owned_.reset();
    else if (value_ != nullptr)
        value_.reset();
    else if (IsComponent() && Component() != nullptr)
        model::TfrxComponent::Free(Component());
    ScriptObject::Free();
}

rq::base::Variant WrapComponent(model::TfrxComponent* component) {
    if (component == nullptr)
        return rq::base::Variant(0);
    return Wrap(*component, {});
}

rq::base::Variant WrapProperty(const ReportObject& owner, const model::PropInfo& property) {
    std::vector<const model::PropInfo*> path = owner.Path();
    path.push_back(&property);
    owner.Target();                   // raises for a destroyed owner
    if (owner.Component() == nullptr) // a standalone value record has no sub-records
        rq::script::raiseInvalidTypecast();
    return Wrap(*owner.Component(), std::move(path));
}

ReportObject* AsReportObject(const rq::base::Variant& value) {
    return dynamic_cast<ReportObject*>(value.toObject());
}

model::TfrxComponent* AsComponent(const rq::base::Variant& value) {
    ReportObject* object = AsReportObject(value);
    if (object == nullptr || !object->IsComponent())
        return nullptr;
    return dynamic_cast<model::TfrxComponent*>(&object->Target());
}

} // namespace rq::report::scripting
