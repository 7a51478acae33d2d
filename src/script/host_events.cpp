// The event adapters and the event accessor, which keeps the adapters it
// attaches in the runtime of the handler's script.
#include "script/host_events.h"

#include "base/text1250.h"
#include "script/errors.h"
#include "script/routine.h"
#include "script/runtime.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace rq::script {

namespace {

struct Adapter {
    const char* className;
    const char* arguments; // in the order the host passes them
};

constexpr Adapter kAdapters[] = {
    {"TfsNotifyEvent", "Sender"},
    {"TfsMouseEvent", "Sender, Button, Shift, X, Y"},
    {"TfsMouseMoveEvent", "Sender, Shift, X, Y"},
    {"TfsKeyEvent", "Sender, var Key, Shift"},
    {"TfsKeyPressEvent", "Sender, var Key"},
    {"TfsCloseEvent", "Sender, var Action"},
    {"TfsCloseQueryEvent", "Sender, var CanClose"},
    {"TfsCanResizeEvent", "Sender, var NewWidth, var NewHeight, var Resize"},
};

int CountArguments(std::string_view list) {
    return static_cast<int>(std::count(list.begin(), list.end(), ',')) + 1;
}

} // namespace

std::string_view EventArguments(std::string_view adapterClass) {
    for (const Adapter& a : kAdapters)
        if (rq::base::sameText(a.className, adapterClass))
            return a.arguments;
    return {};
}

TfsCustomEvent::TfsCustomEvent(std::string adapterClass, TfsScript& script,
                               const std::string& handlerName)
    : adapterClass_(std::move(adapterClass)), script_(&script), runtime_(script.Runtime()),
      alive_(script.Alive()), handler_(handlerName),
      argumentCount_(CountArguments(EventArguments(adapterClass_))) {
    auto* proc = dynamic_cast<TfsProcVariable*>(script.FindLocal(handlerName));
    if (proc == nullptr || proc->IsFunction())
        raiseHandlerNotProcedure();
}

void TfsCustomEvent::Invoke(VariantArray& args) {
    if (alive_.expired())
        return;
    args.resize(static_cast<std::size_t>(argumentCount_));
    script_->CallFunction(handler_, args, true);
}

TfsEventHelper::TfsEventHelper(std::string name, std::string adapterClass, TfsEventAccess access)
    : TfsCustomVariable(std::move(name), {TfsVarType::String, "String"}),
      adapterClass_(std::move(adapterClass)), access_(std::move(access)) {
    if (EventArguments(adapterClass_).empty())
        raiseUnknownEventAdapter(adapterClass_);
    SetReadOnly(!access_.set);
}

void TfsEventHelper::Read(const Variant& instance, Variant& out) {
    const TfsCustomEvent* event = access_.get ? access_.get(instance.toObject()) : nullptr;
    out = Variant(event != nullptr ? event->Handler() : std::string());
}

void TfsEventHelper::Write(const Variant& instance, Variant&& value) {
    if (!access_.set)
        return;
    const auto* ref = dynamic_cast<const TfsHandlerRef*>(value.toObject());
    TfsCustomEvent* event = nullptr;
    if (ref != nullptr && ref->proc != nullptr) {
        TfsScript& script = *ref->proc->Prog().Parent();
        event = &script.Runtime().AttachEvent(adapterClass_, script, ref->proc->Name());
    }
    TfsCustomEvent* replaced = nullptr;
    try {
        replaced = access_.set(instance.toObject(), event);
    } catch (...) {
        if (event != nullptr)
            event->Runtime().DetachEvent(*event);
        throw;
    }
    if (replaced != nullptr && replaced != event)
        replaced->Runtime().DetachEvent(*replaced);
}

} // namespace rq::script
