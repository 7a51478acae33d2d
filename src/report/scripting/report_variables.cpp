// TCollection and TfrxVariables for scripts: a report's variables as a
// collection whose default property reads and writes a variable by name
// (an absent name reads as Null; writing one appends it).
#include "report/model/collections.h"
#include "report/model/report.h"
#include "report/scripting/report_library.h"
#include "report/scripting/report_objects.h"
#include "report/scripting/report_runtime.h"
#include "script/errors.h"
#include "script/host_objects.h"

namespace rq::report::scripting {

namespace {

using base::Variant;
using script::As;
using script::ScriptObject;
using script::TfsClassVariable;
using script::TfsScript;
using script::VariantArray;

using rq::base::Object;

// The variables of one report, found again through the report's weak
// reference at each use.
struct VariablesObject : ScriptObject {
    explicit VariablesObject(model::TfrxReport& owner)
        : ScriptObject("TfrxVariables"), report(owner.Ref()) {}
    model::TfrxVariables& Variables() const {
        auto* r = dynamic_cast<model::TfrxReport*>(report.get());
        if (r == nullptr || IsFreed())
            rq::script::raiseUsedAfterFree();
        return r->Variables();
    }
    model::ComponentRef report;
};

// One script object per report and runtime, so that repeated reads do not
// pile up.
Object* VariablesOf(ReportRuntime& runtime, model::TfrxReport& report) {
    script::ScriptObject*& slot = runtime.VariablesSlot(report);
    auto* known = dynamic_cast<VariablesObject*>(slot);
    if (known == nullptr || known->IsFreed() || known->report.get() != &report)
        slot = static_cast<ScriptObject*>(runtime.Keep(std::make_unique<VariablesObject>(report)));
    return slot;
}

VariablesObject& Self(Object* o) {
    return As<VariablesObject>(o);
}

} // namespace

void AddReportVariables(ReportRuntime& runtime) {
    TfsScript& script = runtime.Global();
    TfsClassVariable& collection = script.AddClass("TCollection", "TPersistent");
    collection.AddMethod("procedure Clear",
                         [](Object* o, const TfsClassVariable*, const std::string&, VariantArray&) {
                             Self(o).Variables().Clear();
                             return Variant();
                         });
    collection.AddProperty("Count", "Integer",
                           [](Object* o, const TfsClassVariable*, const std::string&) {
                               return Variant(Self(o).Variables().Count());
                           });
    TfsClassVariable& variables =
        script.AddClass("TfrxVariables", "TCollection", [](const Object* o) {
            return dynamic_cast<const VariablesObject*>(o) != nullptr;
        });
    variables.AddDefaultProperty(
        "Variables", "String", "Variant",
        [](Object* o, const TfsClassVariable*, const std::string& name, VariantArray& a) {
            model::TfrxVariables& v = Self(o).Variables();
            if (name.ends_with(".SET"))
                v.Set(a[0].toString(), a[1]);
            return v.Get(a[0].toString());
        });
    TfsClassVariable* report = script.FindClass("TfrxReport");
    report->AddProperty("Variables", "TfrxVariables",
                        [&runtime](Object* o, const TfsClassVariable*, const std::string&) {
                            auto& r =
                                dynamic_cast<model::TfrxReport&>(As<ReportObject>(o).Target());
                            return Variant(VariablesOf(runtime, r));
                        });
}

} // namespace rq::report::scripting
