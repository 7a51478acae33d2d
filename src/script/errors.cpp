// Raise helpers of the script engine.
#include "script/errors.h"

namespace rq::script {

void raiseScriptError(std::string_view message) {
    throw EScriptError(std::string(message));
}

void raiseInvalidFileFormat() {
    raiseScriptError("Invalid file format");
}

void raiseNamed(std::string_view prefix, std::string_view name) {
    raiseScriptError(std::string(prefix) + "'" + std::string(name) + "'");
}

void raiseRedeclared(std::string_view name) {
    raiseNamed("Identifier redeclared: ", name);
}

void raiseUndeclared(std::string_view name) {
    raiseNamed("Undeclared identifier: ", name);
}

void raiseIncompatibleTypes(std::string_view target, std::string_view value) {
    raiseScriptError("Incompatible types: '" + std::string(target) + "', '" + std::string(value) +
                     "'");
}

void raiseHandlerNotProcedure() {
    raiseScriptError("Event handler must be a procedure");
}

void raiseUnknownEventAdapter(std::string_view adapterClass) {
    raiseNamed("Unknown event adapter: ", adapterClass);
}

void raiseInvalidTypecast() {
    throw rq::base::Exception("Invalid class typecast");
}

void raiseUsedAfterFree() {
    throw rq::base::Exception("Access violation: object used after Free");
}

void raiseIndexOutOfBounds() {
    raiseScriptError("Index out of bounds");
}

void raiseArrayTypeRequired() {
    raiseScriptError("Array type required");
}

void raiseListIndexOutOfBounds(std::int64_t index) {
    throw rq::base::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void raiseStreamWriteError() {
    throw rq::base::Exception("Stream write error");
}

void raiseNoRuntime() {
    raiseScriptError("Script runtime is not available");
}

} // namespace rq::script
