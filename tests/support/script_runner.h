// The one script runner of the tests: compiles lines in a script under a
// given parent (the global library, or a test's own scope), runs them and
// gives compile and run-time failures back as text, so that case tables can
// expect them with their full messages.
#pragma once

#include "script/script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rq::test {

// Compiles lines into script (after its items so far) and runs them: "" after
// a clean run, else "compile LINE:COL: message" or "error: message".
inline std::string CompileAndRun(rq::script::TfsScript& script, std::vector<std::string> lines) {
    script.Lines = std::move(lines);
    if (!script.Compile())
        return "compile " + script.ErrorPos() + ": " + script.ErrorMsg();
    try {
        script.Execute();
    } catch (const std::exception& e) {
        return std::string("error: ") + e.what();
    }
    return {};
}

// The value of the script's variable name.
inline rq::base::Variant ValueOf(const rq::script::TfsScript& script, const std::string& name) {
    rq::base::Variant value;
    script.Find(name)->Read(rq::base::Variant(), value);
    return value;
}

// A program under library whose statements leave their answer in the String
// variable r: the failure text of CompileAndRun, or the value of r.
inline std::string RunForAnswer(rq::script::TfsScript& library, std::vector<std::string> lines) {
    rq::script::TfsScript script(&library);
    std::string failure = CompileAndRun(script, std::move(lines));
    return failure.empty() ? ValueOf(script, "r").toString() : failure;
}

// One named row of a case table: a statement list and the expected answer.
struct ScriptCase {
    const char* name;
    const char* body;
    const char* expected;
};

inline std::string CaseName(const testing::TestParamInfo<ScriptCase>& info) {
    return info.param.name;
}

} // namespace rq::test
