// The engine and the store's outline as the script objects "Engine" and
// "Outline" of a report's ProgramScript, with their host classes TfrxEngine
// and TfrxOutline (registered in the global library of the engine's runtime).
#pragma once

#include "base/variant.h"
#include "script/script.h"

namespace rq::report::engine {

class TfrxEngine;

// The script-side objects of one engine; they live as long as the engine.
class EngineScriptObjects {
public:
    explicit EngineScriptObjects(TfrxEngine& engine);
    ~EngineScriptObjects();
    // Adds "Engine" and "Outline" to the script.
    void AddTo(script::TfsScript& script);

    class EngineObject;
    class OutlineObject;

private:
    std::unique_ptr<EngineObject> engine_;
    std::unique_ptr<OutlineObject> outline_;
};

} // namespace rq::report::engine
