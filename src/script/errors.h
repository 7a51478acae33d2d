// The script engine's failure class and its raise helpers: every error the
// engine raises carries the engine's own message text.
#pragma once

#include "base/exceptions.h"

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

} // namespace rq::script
