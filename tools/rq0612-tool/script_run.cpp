// The library and failure reporting of the script subcommands.
#include "script_run.h"

#include "base/text1250.h"
#include "report/scripting/report_library.h"
#include "script/global_library.h"
#include "script/script.h"

#include <exception>
#include <iostream>

namespace rq::tool {

rq::script::TfsScript& scriptLibrary() {
    rq::script::TfsScript& global = rq::script::fsGlobalUnit();
    rq::report::scripting::AddReportLibrary(global);
    return global;
}

int reportCompileError(const rq::script::TfsScript& script) {
    std::cerr << rq::base::cp1250ToUtf8(script.ErrorPos() + ": " + script.ErrorMsg()) << '\n';
    return kCompileErrorExit;
}

int runGuarded(const std::function<void()>& body) {
    try {
        body();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << rq::base::cp1250ToUtf8(e.what()) << '\n';
        return kRuntimeErrorExit;
    }
}

} // namespace rq::tool
