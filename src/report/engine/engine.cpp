// The engine's attachment to a report, the scripts of a run and Prepare:
// snapshot, script preparation, the run, restore and the error box.
#include "report/engine/engine.h"

#include "base/exceptions.h"
#include "report/engine/script_objects.h"
#include "report/scripting/report_library.h"
#include "report/scripting/report_objects.h"
#include "script/global_library.h"

#include <sstream>

namespace rq::report::engine {
namespace {

// The global library with the report's classes, the parent of every run's
// base script.
script::TfsScript& reportLibrary() {
    script::TfsScript& global = script::fsGlobalUnit();
    scripting::AddReportLibrary(global);
    return global;
}

std::string scriptError(const script::TfsScript& script) {
    return "Script error at " + script.ErrorPos() + ": " + script.ErrorMsg();
}

} // namespace

TfrxEngine::TfrxEngine(model::TfrxReport& report, std::unique_ptr<TfrxCustomPreviewPages> store)
    : report_(report), store_(std::move(store)), baseScript_(&reportLibrary()),
      programScript_(&baseScript_),
      expressionCache_(std::make_unique<TfrxExpressionCache>(programScript_)),
      scriptObjects_(std::make_unique<EngineScriptObjects>(*this)) {
    store_->Engine = this;
    store_->Report = &report_;
}

TfrxEngine::~TfrxEngine() = default;

int TfrxEngine::CompiledExpressions() const {
    return expressionCache_->Compilations();
}

bool TfrxEngine::Prepare(bool ClearPrevious) {
    if (ClearPrevious)
        store_->Clear();
    model::SortedStringList& errors = report_.Errors();
    errors.Clear();
    // No data source objects exist in this program: every entry names a
    // missing one.
    for (int i = 0; i < report_.DataSets().Count(); ++i)
        errors.Add("Dataset \"" + report_.DataSets().Items(i).DataSetName + "\" is not exists");
    if (errors.Empty()) {
        std::stringstream snapshot;
        report_.SaveToStream(snapshot, true, false);
        try {
            if (prepareScript()) {
                if (!programScript_.Statements().Empty())
                    programScript_.Execute();
                Run();
            }
        } catch (const std::exception& e) {
            errors.Add(e.what());
        }
        Running = false;
        const model::SortedStringList kept = errors;
        snapshot.seekg(0);
        report_.Reload(snapshot);
        errors.AddAll(kept);
        report_.CurrentObjectName.clear();
    }
    report_.ShowErrors();
    return errors.Empty();
}

bool TfrxEngine::prepareScript() {
    expressionCache_->Clear();
    programScript_.Clear();
    valueVariable_ = nullptr;
    for (model::TfrxComponent* object : report_.AllObjects()) {
        object->SetDesigning(false);
        object->PrepareForRun(); // picture views reset their changed flag here
        if (!object->Name().empty())
            programScript_.AddComponent(object->Name(), std::string(object->ClassName()),
                                        scripting::WrapComponent(object).toObject());
    }
    programScript_.AddObject("Report", "TfrxReport", scripting::WrapComponent(&report_).toObject());
    scriptObjects_->AddTo(programScript_);
    programScript_.AddVariable("Value", "Variant", base::Variant::null());
    valueVariable_ = programScript_.FindLocal("Value");
    addGetAndSet();
    programScript_.Lines = report_.ScriptText().Lines();
    programScript_.SyntaxType = report_.ScriptLanguage();
    if (!programScript_.Compile()) {
        report_.Errors().Add(scriptError(programScript_));
        return false;
    }
    return true;
}

// Get answers what LookupValue answers; an unknown name is listed as an
// error (failing the run at its end) and gives Null. Set writes a report
// variable.
void TfrxEngine::addGetAndSet() {
    programScript_.AddMethod("function Get(Name: String): Variant",
                             [this](base::Object*, const script::TfsClassVariable*,
                                    const std::string&, base::VariantArray& args) {
                                 const std::string name = args[0].toString();
                                 base::Variant value;
                                 if (LookupValue(name, value))
                                     return value;
                                 report_.Errors().Add("Unknown variable or datafield: " + name);
                                 return base::Variant::null();
                             });
    programScript_.AddMethod("procedure Set(Name: String; Value: Variant)",
                             [this](base::Object*, const script::TfsClassVariable*,
                                    const std::string&, base::VariantArray& args) {
                                 report_.Variables().Set(args[0].toString(), args[1]);
                                 return base::Variant();
                             });
}

void TfrxEngine::SetScriptValue(const base::Variant& value) {
    if (valueVariable_ != nullptr)
        valueVariable_->Write(base::Variant(), base::Variant(value));
}

void TfrxEngine::runEvent(const std::string& procedure, model::TfrxComponent& object) {
    if (procedure.empty() || !Running)
        return;
    programScript_.CallFunction(procedure, {scripting::WrapComponent(&object)});
}

TfrxEngine& AttachEngine(model::TfrxReport& report, std::unique_ptr<TfrxCustomPreviewPages> store) {
    auto engine = std::make_unique<TfrxEngine>(report, std::move(store));
    TfrxEngine& attached = *engine;
    report.SetEngine(std::move(engine));
    return attached;
}

TfrxEngine* EngineOf(const model::TfrxReport& report) {
    return dynamic_cast<TfrxEngine*>(report.Engine());
}

} // namespace rq::report::engine
