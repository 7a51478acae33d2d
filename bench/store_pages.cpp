// Speed of the prepared-pages store: writing many output objects as
// differences (AddObject), rebuilding a page from its element (GetPage
// without the cache), and a read served by the cache.
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace rq::report::model;
using rq::report::preview::TfrxPreviewPages;

// The engine's flags: "running" makes GetPage rebuild every time.
struct Engine : rq::report::engine::TfrxEngineState {
    bool running = false;
    bool EngineRunning() const override { return running; }
    bool EngineFinalPass() const override { return true; }
};

struct Prepared {
    explicit Prepared(int memos) : store(&report) {
        store.Engine = &engine;
        page = report.CreateChild<TfrxReportPage>();
        page->SetName("Page1");
        for (int i = 0; i < memos; ++i) {
            auto* memo = page->CreateChild<TfrxMemoView>();
            memo->SetName("Memo" + std::to_string(i + 1));
            memo->SetBounds(7.55906 * (i % 80), 15.11812 * (i / 80), 147.40167, 15.11812);
            memo->Memo().SetStreamText("[m3] [m13] " + std::to_string(i));
            memo->Font().SetName("Tahoma");
        }
        store.Initialize();
        store.AddSourcePage(*page);
        store.BeginPass();
    }

    // One prepared page holding every memo with an expanded text.
    void writePage() {
        store.AddPage(*page);
        for (int i = 0; i < page->Count(); ++i) {
            auto* memo = static_cast<TfrxMemoView*>(page->Objects(i));
            memo->Memo().SetStreamText("Kiss J\xE1nos, 1970.01.01 " + std::to_string(i));
            store.AddObject(*memo);
        }
    }

    TfrxReport report;
    Engine engine;
    TfrxPreviewPages store;
    TfrxReportPage* page = nullptr;
};

void BM_StoreAddObject(benchmark::State& state) {
    const int memos = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Prepared>(memos);
        state.ResumeTiming();
        p->writePage();
        benchmark::DoNotOptimize(p->store.CurrentObjectCount());
        state.PauseTiming();
        p.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * memos);
}
BENCHMARK(BM_StoreAddObject)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_StoreGetPageRestore(benchmark::State& state) {
    Prepared p(static_cast<int>(state.range(0)));
    p.writePage();
    p.engine.running = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.store.GetPage(0));
        state.PauseTiming();
        p.store.Finish(); // empties the cache so it does not grow
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StoreGetPageRestore)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_StoreGetPageCached(benchmark::State& state) {
    Prepared p(100);
    for (int i = 0; i < 50; ++i)
        p.writePage();
    for (int i = 0; i < 50; ++i)
        p.store.GetPage(i);
    int index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.store.GetPage(index));
        index = (index + 7) % 50;
    }
}
BENCHMARK(BM_StoreGetPageCached);

} // namespace
