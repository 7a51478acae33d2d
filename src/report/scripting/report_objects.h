// Report-model objects as script values. A script never holds a model
// pointer: it holds a ReportObject naming a component through its weak
// reference and, for a value record (font, frame, options), the chain of
// class properties that leads from the component to it. A component that
// has been destroyed makes every use of its script objects an error.
#pragma once

#include "report/model/component.h"
#include "script/host_objects.h"

#include <memory>
#include <vector>

namespace rq::report::scripting {

class ReportObject : public script::ScriptObject {
public:
    ReportObject(model::TfrxComponent& root, std::vector<const model::PropInfo*> path);
    // A value record made by a script (TFont.Create), owned by the object.
    explicit ReportObject(std::unique_ptr<model::Persistent> value);

    // The object itself; raises when its component is gone.
    model::Persistent& Target() const;
    // The same, or null instead of raising.
    model::Persistent* TryTarget() const;
    model::TfrxComponent* Component() const { return root_.get(); }
    bool IsComponent() const { return path_.empty() && value_ == nullptr; }
    const std::vector<const model::PropInfo*>& Path() const { return path_; }
    // A component made by a script without an owner belongs to its object.
    void Own(std::unique_ptr<model::TfrxComponent> component) { owned_ = std::move(component); }
    void Free() override;

private:
    model::ComponentRef root_;
    std::vector<const model::PropInfo*> path_; // Class properties from root
    std::unique_ptr<model::TfrxComponent> owned_;
    std::unique_ptr<model::Persistent> value_; // a standalone value record
};

// The one script object of a component (nil for none), and of a value
// record reached from an owner object through a class property.
rq::base::Variant WrapComponent(model::TfrxComponent* component);
rq::base::Variant WrapProperty(const ReportObject& owner, const model::PropInfo& property);

// The model object behind a script value, or null.
ReportObject* AsReportObject(const rq::base::Variant& value);
model::TfrxComponent* AsComponent(const rq::base::Variant& value);

} // namespace rq::report::scripting
