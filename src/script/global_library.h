// The first part of every global library: the base types and constants. The
// global library itself belongs to a script runtime (runtime.h), which adds
// the standard library; a host adds its own classes to it (the report's come
// from report/scripting).
#pragma once

#include "script/script.h"

namespace rq::script {

// The base types (Byte ... TDateTime, Variant, Pointer, Array, Constructor)
// and constants (True, False, nil, Null), the first part of the library.
void AddBaseTypes(TfsScript& script);

} // namespace rq::script
