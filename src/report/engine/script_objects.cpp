// Host classes of the engine and the outline: the members a report script
// may use while the run is going on.
#include "report/engine/script_objects.h"

#include "report/engine/engine.h"
#include "script/global_library.h"
#include "script/host_objects.h"

namespace rq::report::engine {

class EngineScriptObjects::EngineObject : public base::Object {
public:
    explicit EngineObject(TfrxEngine& e) : engine(e) {}
    TfrxEngine& engine;
};

class EngineScriptObjects::OutlineObject : public base::Object {
public:
    explicit OutlineObject(TfrxEngine& e) : engine(e) {}
    TfrxEngine& engine;
};

namespace {

using EngineObject = EngineScriptObjects::EngineObject;
using OutlineObject = EngineScriptObjects::OutlineObject;
using script::TfsClassVariable;

TfrxEngine& engineOf(base::Object* o) {
    return script::As<EngineObject>(o).engine;
}

TfrxCustomOutline& outlineOf(base::Object* o) {
    return script::As<OutlineObject>(o).engine.PreviewPages().Outline();
}

// A read-write Extended property of the engine.
void addPosition(TfsClassVariable& cls, const char* name, model::Extended TfrxEngine::*field) {
    cls.AddProperty(
        name, "Extended",
        [field](base::Object* o, const TfsClassVariable*, const std::string&) {
            return base::Variant(static_cast<double>(engineOf(o).*field));
        },
        [field](base::Object* o, const TfsClassVariable*, const std::string&,
                const base::Variant& v) { engineOf(o).*field = v.toDouble(); });
}

void addEngineClass(script::TfsScript& global) {
    TfsClassVariable& cls = global.AddClass("TfrxEngine", "TObject", [](const base::Object* o) {
        return dynamic_cast<const EngineObject*>(o) != nullptr;
    });
    addPosition(cls, "CurX", &TfrxEngine::CurX);
    addPosition(cls, "CurY", &TfrxEngine::CurY);
    addPosition(cls, "PageHeight", &TfrxEngine::PageHeight);
    addPosition(cls, "PageWidth", &TfrxEngine::PageWidth);
    cls.AddProperty("FinalPass", "Boolean",
                    [](base::Object* o, const TfsClassVariable*, const std::string&) {
                        return base::Variant(engineOf(o).FinalPass);
                    });
    cls.AddProperty("TotalPages", "Integer",
                    [](base::Object* o, const TfsClassVariable*, const std::string&) {
                        return base::Variant(engineOf(o).TotalPages);
                    });
    cls.AddMethod("function FreeSpace: Extended", [](base::Object* o, const TfsClassVariable*,
                                                     const std::string&, base::VariantArray&) {
        return base::Variant(static_cast<double>(engineOf(o).FreeSpace()));
    });
    cls.AddMethod("procedure StopReport", [](base::Object* o, const TfsClassVariable*,
                                             const std::string&, base::VariantArray&) {
        engineOf(o).StopReport();
        return base::Variant();
    });
}

void addOutlineClass(script::TfsScript& global) {
    TfsClassVariable& cls = global.AddClass("TfrxOutline", "TObject", [](const base::Object* o) {
        return dynamic_cast<const OutlineObject*>(o) != nullptr;
    });
    cls.AddMethod("procedure AddItem(Text: String)", [](base::Object* o, const TfsClassVariable*,
                                                        const std::string&, base::VariantArray& a) {
        TfrxEngine& engine = script::As<OutlineObject>(o).engine;
        engine.PreviewPages().Outline().AddItem(a[0].toString(), engine.CurY);
        return base::Variant();
    });
    cls.AddMethod("procedure LevelRoot", [](base::Object* o, const TfsClassVariable*,
                                            const std::string&, base::VariantArray&) {
        outlineOf(o).LevelRoot();
        return base::Variant();
    });
    cls.AddMethod("procedure LevelUp", [](base::Object* o, const TfsClassVariable*,
                                          const std::string&, base::VariantArray&) {
        outlineOf(o).LevelUp();
        return base::Variant();
    });
    cls.AddProperty("Count", "Integer",
                    [](base::Object* o, const TfsClassVariable*, const std::string&) {
                        return base::Variant(outlineOf(o).Count());
                    });
}

// The classes go into the global library the first time an engine is made.
void registerClasses() {
    script::TfsScript& global = script::fsGlobalUnit();
    if (global.FindClass("TfrxEngine") == nullptr)
        addEngineClass(global);
    if (global.FindClass("TfrxOutline") == nullptr)
        addOutlineClass(global);
}

} // namespace

EngineScriptObjects::EngineScriptObjects(TfrxEngine& engine)
    : engine_(std::make_unique<EngineObject>(engine)),
      outline_(std::make_unique<OutlineObject>(engine)) {
    registerClasses();
}

EngineScriptObjects::~EngineScriptObjects() = default;

void EngineScriptObjects::AddTo(script::TfsScript& script) {
    script.AddObject("Engine", "TfrxEngine", engine_.get());
    script.AddObject("Outline", "TfrxOutline", outline_.get());
}

} // namespace rq::report::engine
