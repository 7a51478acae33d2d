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

} // namespace rq::script
