// The report's vocabulary for scripts: the report model's enumerations, its
// classes with their property accessors, the report variables and the
// graphic value classes, registered into the global library of a report
// runtime, which already holds the standard library.
#pragma once

#include "script/script.h"

namespace rq::report::scripting {

class ReportRuntime;

// Registers everything below into the runtime's global library, in this
// order (the runtime's constructor does it).
void AddReportLibrary(ReportRuntime& runtime);

void AddReportEnumerations(script::TfsScript& script); // from the model's type tables
void AddReportClasses(ReportRuntime& runtime);         // over the report model
void AddReportVariables(ReportRuntime& runtime);       // TCollection, TfrxVariables
void AddGraphicsClasses(script::TfsScript& script);    // TPen, TBrush (TFont is the model's)

} // namespace rq::report::scripting
