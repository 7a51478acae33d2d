// Benchmarks of the number formatting every amount field and report value
// goes through, and of the Variant arithmetic the script evaluator runs.
#include "base/date_text.h"
#include "base/format_float.h"
#include "base/variant.h"

#include <benchmark/benchmark.h>

namespace {

// The amount field's picture: grouped integer part, up to fourteen decimals.
void BM_FormatFloatThousands(benchmark::State& state) {
    const rq::base::FormatSettings settings;
    double value = 1234567.125;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rq::base::formatFloat(",0.##############", value, settings));
        value += 1.5;
    }
}
BENCHMARK(BM_FormatFloatThousands);

void BM_FormatFloatScientific(benchmark::State& state) {
    const rq::base::FormatSettings settings;
    double value = 0.000123456;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rq::base::formatFloat("0.000E+00", value, settings));
        value *= 1.01;
    }
}
BENCHMARK(BM_FormatFloatScientific);

void BM_VariantIntegerAdd(benchmark::State& state) {
    rq::base::Variant sum(0);
    const rq::base::Variant one(1);
    for (auto _ : state) {
        sum = rq::base::add(sum, one);
        if (sum.toInteger() > 1000000)
            sum = rq::base::Variant(0);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_VariantIntegerAdd);

// A date picture of n repeated literal characters and n date tokens: each
// character is looked at a bounded number of times, so the time grows
// linearly.
void BM_FormatDateTimeLongPicture(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string picture(n, '9');
    for (std::size_t i = 0; i < n / 4; ++i)
        picture += "yy-";
    for (auto _ : state)
        benchmark::DoNotOptimize(rq::base::formatDateTime(picture, 45000.5));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormatDateTimeLongPicture)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(160000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
