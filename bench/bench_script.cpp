// Script engine speed: compiling a 200-line program, evaluating a cached
// report expression, and an interpreted counting loop.
#include "script/expression_cache.h"
#include "script/routine.h"
#include "script/runtime.h"
#include "script/script.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using rq::script::TfsScript;

// 200 lines: declarations, routines with parameters, loops, case, try.
std::vector<std::string> TwoHundredLines() {
    std::vector<std::string> lines{"var total, i: Integer; name: String;"};
    for (int r = 0; lines.size() < 190; ++r) {
        const std::string n = std::to_string(r);
        const std::vector<std::string> routine = {
            "function Step" + n + "(x: Integer; var acc: Integer): Integer;",
            "var k: Integer; s: String;",
            "begin",
            "  s := 'step' + 'name';",
            "  for k := 1 to x do",
            "  begin",
            "    if (k mod 3 = 0) and (k > 1) then acc := acc + k * 2",
            "    else acc := acc - 1;",
            "  end;",
            "  case x of 1, 2: Result := 1; 3..9: Result := 2; else Result := 3 end;",
            "  try acc := acc div (x + 1) except acc := 0 end;",
            "  while acc > 100 do acc := acc - 100;",
            "end;",
        };
        lines.insert(lines.end(), routine.begin(), routine.end());
    }
    lines.push_back("begin");
    while (lines.size() < 199)
        lines.push_back("  total := total + Step0(i, total);");
    lines.push_back("end.");
    return lines;
}

// Compiles lines into a fresh script once per iteration.
void compileEachIteration(benchmark::State& state, const std::vector<std::string>& lines) {
    rq::script::ScriptRuntime runtime;
    for (auto _ : state) {
        TfsScript script(&runtime.Global());
        script.Lines = lines;
        if (!script.Compile())
            state.SkipWithError(script.ErrorMsg().c_str());
        benchmark::DoNotOptimize(script.Count());
    }
}

void BM_CompileTwoHundredLines(benchmark::State& state) {
    compileEachIteration(state, TwoHundredLines());
}
BENCHMARK(BM_CompileTwoHundredLines)->Unit(benchmark::kMillisecond);

// A script of n statements, one a line: compiling must grow linearly (each
// statement's line is registered for the debugger's line list once).
void BM_CompileStatementLines(benchmark::State& state) {
    std::vector<std::string> lines{"var x: Integer;", "begin"};
    for (std::int64_t i = 0; i < state.range(0); ++i)
        lines.push_back("x := x + 1;");
    lines.push_back("end.");
    compileEachIteration(state, lines);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CompileStatementLines)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_CachedExpressionMillionCalls(benchmark::State& state) {
    rq::script::ScriptRuntime runtime;
    TfsScript program(&runtime.Global());
    program.AddVariable("a", "Integer", rq::base::Variant(20));
    program.AddVariable("b", "Integer", rq::base::Variant(2));
    rq::script::TfsExpressionCache cache(program);
    const std::string expression = "a * 2 + b";
    cache.Prepare(expression);
    for (auto _ : state) {
        for (int i = 0; i < 1'000'000; ++i)
            benchmark::DoNotOptimize(cache.Calc(expression));
    }
}
BENCHMARK(BM_CachedExpressionMillionCalls)->Unit(benchmark::kMillisecond);

void BM_ForLoopTenMillion(benchmark::State& state) {
    rq::script::ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.Lines = {"var i, s: Integer;", "begin", "  for i := 1 to 10000000 do s := s + i",
                    "end."};
    if (!script.Compile())
        state.SkipWithError(script.ErrorMsg().c_str());
    for (auto _ : state)
        script.Execute();
}
BENCHMARK(BM_ForLoopTenMillion)->Unit(benchmark::kMillisecond);

} // namespace
