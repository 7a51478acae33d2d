// TCollection and TfrxVariables for scripts: a report's variables as a
// collection whose default property reads and writes a variable by name
// (an absent name reads as Null; writing one appends it).
#include "report/model/collections.h"
#include "report/model/report.h"
#include "report/scripting/report_library.h"
#include "report/scripting/report_objects.h"
#include "script/errors.h"
#include "script/host_objects.h"

#include <map>

namespace rq::report::scripting {

namespace {

using base::Variant;
using script::As;
using script::KeepScriptObject;
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

// One script object per report, so that repeated reads do not pile up.
Object* VariablesOf(model::TfrxReport& report) {
    static std::map<const model::TfrxReport*, VariablesObject*> known;
    VariablesObject*& slot = known[&report];
    if (slot == nullptr || slot->IsFreed() || slot->report.get() != &report) {
        auto made = std::make_unique<VariablesObject>(report);
        slot = made.get();
        KeepScriptObject(std::move(made));
    }
    return slot;
}

VariablesObject& Self(Object* o) {
    return As<VariablesObject>(o);
}

} // namespace

void AddReportVariables(script::TfsScript& script) {
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
    report->AddProperty(
        "Variables", "TfrxVariables", [](Object* o, const TfsClassVariable*, const std::string&) {
            auto& r = dynamic_cast<model::TfrxReport&>(As<ReportObject>(o).Target());
            return Variant(VariablesOf(r));
        });
}

} // namespace rq::report::scripting
