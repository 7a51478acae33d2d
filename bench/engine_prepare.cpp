// Speed of a preparation run into the prepared-pages store: a generated
// band-less page of 500 text views with two host-answered names each, and
// the certificate template with all its fields answered.
#include "certificate/certificate_template.h"
#include "report/engine/engine.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/preview/preview_pages.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rq::report;

void runPrepare(benchmark::State& state, model::TfrxReport& report) {
    engine::TfrxEngine& engine =
        engine::AttachEngine(report, std::make_unique<preview::TfrxPreviewPages>(&report));
    report.OnGetValue = [](const std::string& name, rq::base::Variant& value) {
        value = rq::base::Variant("value of " + name);
    };
    for (auto _ : state) {
        if (!engine.Prepare(true))
            state.SkipWithError("Prepare failed");
    }
    state.counters["compiled"] = engine.CompiledExpressions();
    state.counters["pages"] = engine.PreviewPages().Count();
}

void BM_Prepare500MemosTwoNamesEach(benchmark::State& state) {
    model::TfrxReport report;
    auto* page = report.CreateChild<model::TfrxReportPage>();
    page->SetName("Page1");
    for (int i = 0; i < 500; ++i) {
        auto* memo = page->CreateChild<model::TfrxMemoView>();
        memo->SetName("Memo" + std::to_string(i + 1));
        memo->SetBounds(7.55906 * (i % 20), 15.11812 * (i / 20), 147.40167, 15.11812);
        memo->SetText("<b>[a" + std::to_string(i) + "]</b>, [b" + std::to_string(i) + "]");
    }
    runPrepare(state, report);
}
BENCHMARK(BM_Prepare500MemosTwoNamesEach)->Unit(benchmark::kMillisecond);

void BM_PrepareCertificate(benchmark::State& state) {
    model::TfrxReport report;
    rq::certificate::LoadCertificateTemplate(report);
    runPrepare(state, report);
}
BENCHMARK(BM_PrepareCertificate)->Unit(benchmark::kMillisecond);

} // namespace
