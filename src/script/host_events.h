// Event adapters: a host event handled by a script procedure. An adapter
// knows its event's arguments (names and which are var) and calls the
// procedure with them in order, writing var arguments back into the
// host's array. Adapters live in their script runtime until they are
// detached or the runtime ends (ScriptRuntime::AttachEvent). A script assigns
// a procedure to a host event through the event accessor (TfsEventHelper,
// defined here with the adapters).
#pragma once

#include "script/script.h"

#include <memory>
#include <string>
#include <string_view>

namespace rq::script {

class TfsCustomEvent {
public:
    // Raises "Event handler must be a procedure" unless handlerName is a
    // procedure of script.
    TfsCustomEvent(std::string adapterClass, TfsScript& script, const std::string& handlerName);
    const std::string& AdapterClass() const { return adapterClass_; }
    const std::string& Handler() const { return handler_; }
    // The runtime of the handler's script, which keeps the adapter.
    ScriptRuntime& Runtime() const { return runtime_; }
    // Calls the procedure; var arguments take back the procedure's values.
    // Nothing happens once the procedure's script is destroyed.
    void Invoke(VariantArray& args);

private:
    std::string adapterClass_; // "TfsNotifyEvent", ...
    TfsScript* script_;        // declares the procedure; valid while alive_ holds
    ScriptRuntime& runtime_;   // ends the script's chain
    std::weak_ptr<const void> alive_;
    std::string handler_;
    int argumentCount_;
};

// The adapter classes and their argument lists ("Sender, var Key, Shift").
std::string_view EventArguments(std::string_view adapterClass); // empty when unknown

} // namespace rq::script
