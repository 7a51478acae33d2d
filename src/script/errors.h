// The script engine's failure class and its raise helpers: every error the
// engine raises carries the engine's own message text.
#pragma once

#include "base/exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace rq::script {

class EScriptError : public rq::base::Exception {
    using Exception::Exception;
};

// A compile error placed where it was found: the "LINE:COL" of the IL
// element it concerns and the unit that element belongs to ("" for the main
// text).
class ECompileError : public EScriptError {
public:
    ECompileError(const std::string& message, std::string pos, std::string unit)
        : EScriptError(message), pos_(std::move(pos)), unit_(std::move(unit)) {}
    const std::string& Pos() const { return pos_; }
    const std::string& Unit() const { return unit_; }

private:
    std::string pos_;
    std::string unit_;
};

[[noreturn]] void raiseScriptError(std::string_view message);
// "Invalid file format": malformed grammar or IL XML.
[[noreturn]] void raiseInvalidFileFormat();
// A message followed by a name in single quotes, e.g. "Unknown type: 'X'".
[[noreturn]] void raiseNamed(std::string_view prefix, std::string_view name);
// "Identifier redeclared: 'X'": a name declared twice in one scope.
[[noreturn]] void raiseRedeclared(std::string_view name);
// "Undeclared identifier: 'X'": a name no scope declares.
[[noreturn]] void raiseUndeclared(std::string_view name);
// "Incompatible types: 'T', 'V'": a value of type V where T is required
// (both as TypeText writes them).
[[noreturn]] void raiseIncompatibleTypes(std::string_view target, std::string_view value);
// "Event handler must be a procedure": an event handler naming no script
// procedure (a function, or no routine at all).
[[noreturn]] void raiseHandlerNotProcedure();
// "Unknown event adapter: 'X'": an event of an adapter class no table has.
[[noreturn]] void raiseUnknownEventAdapter(std::string_view adapterClass);
// "Invalid class typecast": a value that is no instance of the class asked for.
[[noreturn]] void raiseInvalidTypecast();
// "Access violation: object used after Free": a script object after its Free.
[[noreturn]] void raiseUsedAfterFree();
// "Index out of bounds": an array index outside the array's bounds.
[[noreturn]] void raiseIndexOutOfBounds();
// "Array type required": an index applied to a value that is no array.
[[noreturn]] void raiseArrayTypeRequired();
// EListError "List index out of bounds (N)": an index outside a list.
[[noreturn]] void raiseListIndexOutOfBounds(std::int64_t index);
// "Stream write error": a stream that cannot take the bytes.
[[noreturn]] void raiseStreamWriteError();
// "Script runtime is not available": a script outside any runtime's chain
// used a routine or class that keeps state in the runtime.
[[noreturn]] void raiseNoRuntime();

} // namespace rq::script
