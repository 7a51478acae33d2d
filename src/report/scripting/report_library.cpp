// Registration of the report's script vocabulary into a report runtime, and
// the runtime itself.
#include "report/scripting/report_library.h"

#include "report/scripting/report_runtime.h"

namespace rq::report::scripting {

void AddReportLibrary(ReportRuntime& runtime) {
    AddReportEnumerations(runtime.Global());
    AddReportClasses(runtime);
    AddReportVariables(runtime);
    AddGraphicsClasses(runtime.Global());
}

ReportRuntime::ReportRuntime() {
    AddReportLibrary(*this);
}

} // namespace rq::report::scripting
