// ReportRuntime: the script runtime of one report's scripts (or of a tool
// command that runs scripts over reports). Its global library holds the
// standard library and the report's vocabulary, and it keeps the one script
// object of each model object, so two runtimes never hand out each other's
// objects.
#pragma once

#include "report/model/component.h"
#include "report/model/report.h"
#include "report/scripting/report_objects.h"
#include "script/runtime.h"

#include <map>
#include <vector>

namespace rq::report::scripting {

class ReportRuntime : public script::ScriptRuntime {
public:
    // Registers the report's vocabulary (AddReportLibrary) into the library.
    ReportRuntime();

    // The one script object of a component (nil for none), and of a value
    // record reached from an owner object through a class property.
    base::Variant WrapComponent(model::TfrxComponent* component);
    base::Variant WrapProperty(const ReportObject& owner, const model::PropInfo& property);

    // The slot of the report's TfrxVariables object (null until made).
    script::ScriptObject*& VariablesSlot(const model::TfrxReport& report) {
        return variables_[&report];
    }

private:
    base::Variant wrap(model::TfrxComponent& root, std::vector<const model::PropInfo*> path);

    // Model object -> its script object (kept by this runtime). An entry
    // whose object no longer resolves to the same target is stale: the
    // address was reused after the model object was destroyed.
    std::map<const model::Persistent*, ReportObject*> objects_;
    std::map<const model::TfrxReport*, script::ScriptObject*> variables_;
};

} // namespace rq::report::scripting
