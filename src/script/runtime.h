// ScriptRuntime: everything the scripts of one host share, owned by that host
// (a report's engine, a tool command, a test). It holds the global library at
// the end of every script's parent chain, the objects scripts create, the
// event adapters they attach, the random generator and the ShowMessage hook,
// so two runtimes side by side never see each other's state.
#pragma once

#include "script/host_events.h"
#include "script/host_objects.h"
#include "script/script.h"

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace rq::script {

// ShowMessage shows its text through this hook. The desktop program installs
// a message box; without a hook the text and a line break go to standard
// output as UTF-8 (what the command-line tool wants).
using ShowMessageHook = std::function<void(const std::string& text)>;

class ScriptRuntime {
public:
    // Makes the global library with the base types, constants and the
    // standard library.
    ScriptRuntime();
    virtual ~ScriptRuntime();
    ScriptRuntime(const ScriptRuntime&) = delete;
    ScriptRuntime& operator=(const ScriptRuntime&) = delete;

    // The global library: the parent of the host's scripts, which must not
    // outlive the runtime.
    TfsScript& Global() { return global_; }

    void SetShowMessageHook(ShowMessageHook hook) { showMessage_ = std::move(hook); }
    void ShowMessage(const std::string& text) const;

    // Takes ownership of an object a script made and returns it for the
    // script; it stays until the runtime ends (Free only empties it).
    rq::base::Object* Keep(std::unique_ptr<ScriptObject> object);
    // Creates an adapter of the class for the procedure handlerName of script
    // (raising "Unknown event adapter: 'X'" for an unknown class); it lives
    // until it is detached or the runtime ends.
    TfsCustomEvent& AttachEvent(const std::string& adapterClass, TfsScript& script,
                                const std::string& handlerName);
    void DetachEvent(TfsCustomEvent& event);

    // Random and Randomize.
    std::mt19937_64& RandomGenerator() { return random_; }

private:
    // Declared first, destroyed last: the objects and adapters below belong to
    // classes of the library.
    TfsScript global_;
    std::vector<std::unique_ptr<ScriptObject>> objects_;
    std::vector<std::unique_ptr<TfsCustomEvent>> events_;
    std::mt19937_64 random_; // default seed until a script calls Randomize
    ShowMessageHook showMessage_;
};

} // namespace rq::script
