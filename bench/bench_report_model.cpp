// Speed of the report serializer: a page with 1000 text views saved to and
// loaded from XML (the snapshot that every preparation run takes).
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

using namespace rq::report::model;

std::unique_ptr<TfrxReport> reportWithMemos(int count) {
    auto report = std::make_unique<TfrxReport>();
    auto* page = report->CreateChild<TfrxReportPage>();
    page->SetName("Page1");
    for (int i = 0; i < count; ++i) {
        auto* memo = page->CreateChild<TfrxMemoView>();
        memo->SetName("Memo" + std::to_string(i + 1));
        memo->SetBounds(7.55906 * (i % 80), 15.11812 * (i / 80), 147.40167, 15.11812);
        memo->Memo().SetStreamText("Alul\xEDrott <b>[m3]</b> [m13], \"id\" " + std::to_string(i));
        memo->Font().SetName("Tahoma");
        memo->SetHAlign(haBlock);
    }
    return report;
}

void BM_SaveToStream1000Memos(benchmark::State& state) {
    const auto report = reportWithMemos(1000);
    for (auto _ : state) {
        std::ostringstream out;
        report->SaveToStream(out);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_SaveToStream1000Memos)->Unit(benchmark::kMillisecond);

void BM_LoadFromStream1000Memos(benchmark::State& state) {
    std::ostringstream out;
    reportWithMemos(1000)->SaveToStream(out);
    const std::string text = out.str();
    TfrxReport report;
    for (auto _ : state) {
        std::istringstream in(text);
        report.LoadFromStream(in);
        benchmark::DoNotOptimize(report.PagesCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadFromStream1000Memos)->Unit(benchmark::kMillisecond);

} // namespace
