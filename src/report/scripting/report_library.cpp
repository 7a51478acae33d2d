// Registration of the report's script vocabulary into a global library.
#include "report/scripting/report_library.h"

namespace rq::report::scripting {

void AddReportLibrary(script::TfsScript& global) {
    if (global.FindClass("TfrxReport") != nullptr)
        return;
    AddReportEnumerations(global);
    AddReportClasses(global);
    AddReportVariables(global);
    AddGraphicsClasses(global);
}

} // namespace rq::report::scripting
