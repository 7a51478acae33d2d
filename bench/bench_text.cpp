// Benchmarks of the Windows-1250 text conversions used at every Qt edge.
#include "base/text1250.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Cp1250ToUtf8(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += static_cast<char>(32 + i % 224);
    for (auto _ : state)
        benchmark::DoNotOptimize(rq::base::cp1250ToUtf8(text));
}
BENCHMARK(BM_Cp1250ToUtf8);

} // namespace
