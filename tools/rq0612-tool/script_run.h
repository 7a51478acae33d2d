// Shared by the eval and run subcommands: compile and run a script whose
// parent is the global library with the report's classes, reporting failures
// the same way
// (compile errors "LINE:COL: message" with exit code 1, run-time errors
// with exit code 2).
#pragma once

#include <functional>
#include <string>

namespace rq::script {
class TfsScript;
}

namespace rq::tool {

constexpr int kCompileErrorExit = 1;
constexpr int kRuntimeErrorExit = 2;

// The global library with the report's classes: the parent of the scripts.
rq::script::TfsScript& scriptLibrary();
// Prints a compile error of the script on standard error; returns 1.
int reportCompileError(const rq::script::TfsScript& script);
// Runs body; a failure prints its message on standard error and gives 2.
int runGuarded(const std::function<void()>& body);

} // namespace rq::tool
