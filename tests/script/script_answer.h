// Shared harness of the script library tests: a program whose statements
// leave their answer in the String variable r, run against the global
// library; compile and runtime failures come back as text so that case
// tables can expect them.
#pragma once

#include "script/global_library.h"
#include "script/script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rq::script {

// "compile POS: message", "error: message", or the value of r.
inline std::string RunForAnswer(std::vector<std::string> lines) {
    TfsScript script(&fsGlobalUnit());
    script.Lines = std::move(lines);
    if (!script.Compile())
        return "compile " + script.ErrorPos() + ": " + script.ErrorMsg();
    try {
        script.Execute();
    } catch (const std::exception& e) {
        return std::string("error: ") + e.what();
    }
    rq::base::Variant r;
    script.Find("r")->Read(rq::base::Variant(), r);
    return r.toString();
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

} // namespace rq::script
