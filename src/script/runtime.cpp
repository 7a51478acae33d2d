// ScriptRuntime: the global library made with the standard library, and the
// state the library's routines and classes keep for the host's scripts.
#include "script/runtime.h"

#include "base/text1250.h"
#include "script/errors.h"
#include "script/global_library.h"
#include "script/stdlib.h"

#include <algorithm>
#include <iostream>

namespace rq::script {

ScriptRuntime::ScriptRuntime() : global_(*this) {
    AddBaseTypes(global_);
    AddStandardLibrary(global_);
}

ScriptRuntime::~ScriptRuntime() = default;

void ScriptRuntime::ShowMessage(const std::string& text) const {
    if (showMessage_) {
        showMessage_(text);
        return;
    }
    std::cout << rq::base::cp1250ToUtf8(text) << '\n' << std::flush;
}

rq::base::Object* ScriptRuntime::Keep(std::unique_ptr<ScriptObject> object) {
    objects_.push_back(std::move(object));
    return objects_.back().get();
}

TfsCustomEvent& ScriptRuntime::AttachEvent(const std::string& adapterClass, TfsScript& script,
                                           const std::string& handlerName) {
    if (EventArguments(adapterClass).empty())
        raiseUnknownEventAdapter(adapterClass);
    events_.push_back(std::make_unique<TfsCustomEvent>(adapterClass, script, handlerName));
    return *events_.back();
}

void ScriptRuntime::DetachEvent(TfsCustomEvent& event) {
    std::erase_if(events_, [&](const auto& e) { return e.get() == &event; });
}

} // namespace rq::script
