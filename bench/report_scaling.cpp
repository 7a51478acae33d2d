// How loading and preparing a report grow with its size: a page of n text
// views read from XML, and prepared into the store, for n up to 100 000.
// Both must stay O(n log n): names are checked for duplicates on every load
// and every prepared object gets an alias in the store's dictionary. And how
// expanding a memo text grows with its number of brackets (linearly).
#include "report/engine/engine.h"
#include "report/engine/text_expansion.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

using namespace rq::report;

std::string reportText(int count) {
    model::TfrxReport report;
    auto* page = report.CreateChild<model::TfrxReportPage>();
    page->SetName("Page1");
    for (int i = 0; i < count; ++i) {
        auto* memo = page->CreateChild<model::TfrxMemoView>();
        memo->SetName("Memo" + std::to_string(i + 1));
        memo->SetBounds(7.55906 * (i % 80), 15.11812 * (i / 80 % 60), 60, 15.11812);
        memo->SetText("[a] " + std::to_string(i));
    }
    std::ostringstream out;
    report.SaveToStream(out);
    return out.str();
}

void BM_LoadReportMemos(benchmark::State& state) {
    const std::string text = reportText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        model::TfrxReport report;
        std::istringstream in(text);
        report.LoadFromStream(in);
        benchmark::DoNotOptimize(report.PagesCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadReportMemos)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

void BM_PrepareReportMemos(benchmark::State& state) {
    const std::string text = reportText(static_cast<int>(state.range(0)));
    model::TfrxReport report;
    std::istringstream in(text);
    report.LoadFromStream(in);
    engine::TfrxEngine& engine =
        engine::AttachEngine(report, std::make_unique<preview::TfrxPreviewPages>(&report));
    report.OnGetValue = [](const std::string&, rq::base::Variant& value) {
        value = rq::base::Variant("value");
    };
    for (auto _ : state) {
        if (!engine.Prepare(true))
            state.SkipWithError("Prepare failed");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PrepareReportMemos)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

// A memo text of n bracketed expressions: the expansion writes the result
// once, so it grows linearly with the text.
void BM_ExpandManyBrackets(benchmark::State& state) {
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        text += "text [abc] ";
    const engine::ExpressionText value = [](const std::string&) { return std::string("value"); };
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::ExpandBracketed(text, "[", "]", value));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ExpandManyBrackets)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(160000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
