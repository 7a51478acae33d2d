// rq0612-tool eval EXPR: evaluates one expression the way a report does
// (compiled once into a function returning Variant, in a script whose parent
// is the global library) and prints the value's text.
#include "command.h"
#include "script_run.h"

#include "base/text1250.h"
#include "script/expression_cache.h"

#include <iostream>

namespace rq::tool {
namespace {

int runEval(const Args& args) {
    if (args.size() != 1)
        return usageError("eval", "expects one expression");
    const std::string expression = rq::base::utf8ToCp1250(args[0]);
    rq::script::TfsScript program(&scriptLibrary());
    rq::script::TfsExpressionCache cache(program);
    if (!cache.Prepare(expression)) {
        std::cerr << rq::base::cp1250ToUtf8(cache.ErrorPos() + ": " + cache.ErrorMsg()) << '\n';
        return kCompileErrorExit;
    }
    std::string text;
    const int code = runGuarded([&] { text = cache.Calc(expression).toString(); });
    if (code == 0)
        std::cout << rq::base::cp1250ToUtf8(text) << '\n';
    return code;
}

const ToolCommand kEval({"eval", "EXPR", "evaluate a PascalScript expression and print its value",
                         runEval});

} // namespace
} // namespace rq::tool
