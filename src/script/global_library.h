// The global library script at the end of every script's parent chain. It
// is made on first use with the base types and constants and the standard
// library; a host adds its own classes to it (the report's come from
// report/scripting).
#pragma once

#include "script/script.h"

namespace rq::script {

// The global library, made on first use and kept until program end.
TfsScript& fsGlobalUnit();

// The base types (Byte ... TDateTime, Variant, Pointer, Array, Constructor)
// and constants (True, False, nil, Null), the first part of the library.
void AddBaseTypes(TfsScript& script);

} // namespace rq::script
