// The report's vocabulary for scripts: the report model's enumerations, its
// classes with their property accessors, the report variables and the
// graphic value classes, registered into a global script library that
// already holds the standard library.
#pragma once

#include "script/script.h"

namespace rq::report::scripting {

// Registers everything below into the global library, in this order; a
// library that already holds the report classes is left as it is.
void AddReportLibrary(script::TfsScript& global);

void AddReportEnumerations(script::TfsScript& script); // from the model's type tables
void AddReportClasses(script::TfsScript& script);      // over the report model
void AddReportVariables(script::TfsScript& script);    // TCollection, TfrxVariables
void AddGraphicsClasses(script::TfsScript& script);    // TPen, TBrush (TFont is the model's)

} // namespace rq::report::scripting
