// A prepared report of many pages written straight into a store, as the
// engine writes one: A4 pages of 40 one-line text objects whose text names
// the page and line. For the print job and preview benchmarks.
#pragma once

#include "report/engine/custom_preview_pages.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"

#include <string>

namespace rq::bench {

struct FinishedEngine : report::engine::TfrxEngineState {
    bool EngineRunning() const override { return false; }
    bool EngineFinalPass() const override { return true; }
};

struct GeneratedReport {
    static constexpr int kMemos = 40;

    explicit GeneratedReport(int pages) : store(&report) {
        using namespace report::model;
        store.Engine = &engine;
        auto* page = report.CreateChild<TfrxReportPage>();
        page->SetName("Page1");
        for (int i = 0; i < kMemos; ++i) {
            auto* memo = page->CreateChild<TfrxMemoView>();
            memo->SetName("Memo" + std::to_string(i + 1));
            memo->SetBounds(20, 20 + 24 * i, 600, 20);
            memo->Font().SetName("Tahoma");
        }
        store.Initialize();
        store.AddSourcePage(*page);
        store.BeginPass();
        for (int p = 0; p < pages; ++p) {
            store.AddPage(*page);
            for (int i = 0; i < kMemos; ++i) {
                auto* memo = static_cast<TfrxMemoView*>(page->Objects(i));
                memo->Memo().SetStreamText("Page " + std::to_string(p + 1) + ", line " +
                                           std::to_string(i + 1) + ": Kiss J\xE1nos, 1970.01.01");
                store.AddObject(*memo);
            }
        }
        store.Finish();
    }
    report::model::TfrxReport report;
    FinishedEngine engine;
    report::preview::TfrxPreviewPages store;
};

} // namespace rq::bench
