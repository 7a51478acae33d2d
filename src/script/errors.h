// The script engine's failure class and its raise helpers: every error the
// engine raises carries the engine's own message text.
#pragma once

#include "base/exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rq::script {

class EScriptError : public rq::base::Exception {
    using Exception::Exception;
};

[[noreturn]] void raiseScriptError(std::string_view message);
// "Invalid file format": malformed grammar or IL XML.
[[noreturn]] void raiseInvalidFileFormat();
// A message followed by a name in single quotes, e.g. "Unknown type: 'X'".
[[noreturn]] void raiseNamed(std::string_view prefix, std::string_view name);
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

} // namespace rq::script
