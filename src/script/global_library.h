// The global library script at the end of every script's parent chain. It
// is made on first use with the base types and constants; further parts of
// the library (standard routines, constants, host classes) register a
// function that fills the script, and are applied in registration order.
#pragma once

#include "script/script.h"

namespace rq::script {

// The global library, made on first use and kept until program end.
TfsScript& fsGlobalUnit();

using LibraryPart = void (*)(TfsScript& global);

// Registers a part of the library from a static object in its own file:
//   static const TfsLibraryPart kStrings(&AddStringRoutines);
// A part registered after the library was made is applied at once.
struct TfsLibraryPart {
    explicit TfsLibraryPart(LibraryPart part);
};

// The base types (Byte ... TDateTime, Variant, Pointer, Array, Constructor)
// and constants (True, False, nil, Null), the first part of the library.
void AddBaseTypes(TfsScript& script);

} // namespace rq::script
