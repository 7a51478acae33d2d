// A small report (one A4 page with memos, a line, a picture and a null band
// holding a memo), a store attached to it and an engine whose flags the
// tests set, shared by the store's tests.
#pragma once

#include "report/model/band.h"
#include "report/model/line_view.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"

#include "base/format_settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace rq::report::preview::test {

using namespace rq::report::model;

struct FakeEngine : engine::TfrxEngineState {
    bool running = false;
    bool finalPass = true;
    bool EngineRunning() const override { return running; }
    bool EngineFinalPass() const override { return finalPass; }
};

inline TfrxMemoView* addMemo(TfrxComponent& parent, const std::string& name, Extended left,
                             Extended top, const std::string& text = {}) {
    auto* memo = parent.CreateChild<TfrxMemoView>();
    memo->SetName(name);
    memo->SetBounds(left, top, 100, 20);
    memo->SetText(text);
    return memo;
}

class StoreTest : public ::testing::Test {
protected:
    StoreTest() : store(&report) {
        store.Engine = &engine;
        page = report.CreateChild<TfrxReportPage>();
        page->SetName("Page1");
    }

    // Registers the report's pages, as the engine does at the start of a run.
    void registerPages() {
        store.Initialize();
        for (int i = 0; i < report.PagesCount(); ++i)
            store.AddSourcePage(*report.Pages(i));
    }

    // A child of the document root, for inspecting what was stored.
    const TfrxXMLItem& rootChild(std::string_view name) const {
        const TfrxXMLItem& root = store.Document().Root();
        const int at = root.Find(name);
        if (at < 0)
            throw std::runtime_error("no element " + std::string(name));
        return root.Items(at);
    }
    const TfrxXMLItem& pageElement(int index) const {
        return rootChild("previewpages").Items(index);
    }

    std::vector<std::string> childNames(const TfrxXMLItem& item) const {
        std::vector<std::string> names;
        for (int i = 0; i < item.Count(); ++i)
            names.push_back(item.Items(i).Name());
        return names;
    }

    base::FormatSettingsScope settings{base::FormatSettings{}};
    TfrxReport report;
    FakeEngine engine;
    TfrxPreviewPages store;
    TfrxReportPage* page = nullptr;
};

} // namespace rq::report::preview::test
