// Objects that scripts create through host-class constructors. The library
// keeps every such object until program end; Free empties it and marks it
// freed, so that a script that uses an object after freeing it gets an
// error instead of reaching released memory.
#pragma once

#include "base/variant.h"
#include "script/errors.h"

#include <memory>
#include <string>
#include <vector>

namespace rq::script {

class ScriptObject : public rq::base::Object {
public:
    explicit ScriptObject(std::string className) : className_(std::move(className)) {}
    const std::string& ClassName() const { return className_; }
    bool IsFreed() const { return freed_; }
    // Releases what the object holds; the shell stays until program end.
    virtual void Free() { freed_ = true; }

private:
    std::string className_; // the class the script created
    bool freed_ = false;
};

// Takes ownership of a new object and returns it for the script.
rq::base::Object* KeepScriptObject(std::unique_ptr<ScriptObject> object);

// A new TList holding the values, for members that answer with a list.
rq::base::Object* NewScriptList(std::vector<rq::base::Variant> items);

// The object as T, raising "Invalid class typecast" for anything else and
// "Access violation" for a freed object.
template <class T> T& As(rq::base::Object* object) {
    if (auto* script = dynamic_cast<ScriptObject*>(object); script && script->IsFreed())
        raiseUsedAfterFree();
    auto* typed = dynamic_cast<T*>(object);
    if (typed == nullptr)
        raiseInvalidTypecast();
    return *typed;
}

} // namespace rq::script
