// Shared fixture of the engine tests: a report with one band-less page,
// an engine writing into a recording store, a host callback answering from
// a table (and recording the names it was asked), and the error box text.
#pragma once

#include "report/engine/engine.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rq::report::engine::testing {

// One stored object: its name, its top and height (pixels) and, for memos,
// the text and highlight state it was stored with.
struct StoredObject {
    std::string name;
    std::string text;
    Extended top = 0, height = 0;
    bool highlighted = false;
};

// A store that records the run's calls and the pages' objects.
class RecordingStore : public TfrxCustomPreviewPages {
public:
    std::vector<std::vector<StoredObject>> pages;
    std::vector<std::string> calls;
    int sourcePages = 0;

    void Clear() override {
        calls.push_back("Clear");
        pages.clear();
        sourcePages = 0;
        CurPage = -1;
    }
    void Initialize() override {
        calls.push_back("Initialize");
        Terminated = false;
    }
    void AddSourcePage(model::TfrxReportPage&) override {
        calls.push_back("AddSourcePage");
        ++sourcePages;
    }
    void BeginPass() override {
        calls.push_back("BeginPass");
        mark_ = Count();
    }
    void AddPage(const model::TfrxReportPage&) override {
        calls.push_back("AddPage");
        ++CurPage;
        if (CurPage >= Count())
            pages.emplace_back();
        CurPage = Count() - 1;
    }
    void AddObject(const model::TfrxComponent& object) override {
        if (!object.Visible())
            return;
        auto* memo = dynamic_cast<const model::TfrxCustomMemoView*>(&object);
        pages.at(static_cast<std::size_t>(CurPage))
            .push_back({object.Name(), memo ? memo->Text() : std::string(), object.Top(),
                        object.Height(), memo && memo->Highlight().Active()});
    }
    int CurrentObjectCount() const override {
        return static_cast<int>(pages.at(static_cast<std::size_t>(CurPage)).size());
    }
    void CutObjects(int) override {}
    void PasteObjects(Extended, Extended) override {}
    bool HasBandOnPage(const model::TfrxBand&) const override { return false; }
    Extended BottomOfBands() const override { return 0; }
    // Pages written since BeginPass go (objects of an earlier page stay).
    void RewindPass() override {
        calls.push_back("RewindPass");
        pages.resize(static_cast<std::size_t>(mark_));
        CurPage = mark_ - 1;
    }
    void Finish() override { calls.push_back("Finish"); }
    void AddAnchor(const std::string&, Extended) override {}
    int GetAnchorPage(const std::string&) const override { return -1; }
    Extended GetAnchorTop(const std::string&) const override { return 0; }
    TfrxCustomOutline& Outline() override { return outline_; }
    int Count() const override { return static_cast<int>(pages.size()); }
    model::TfrxReportPage* GetPage(int) override { return nullptr; }
    TfrxPageSize GetPageSize(int) const override { return {}; }
    void SaveToStream(std::ostream&) override {}
    void SaveToFile(const std::string&) override {}

private:
    int mark_ = 0;
    struct NoOutline : TfrxCustomOutline {
        void AddItem(const std::string&, Extended) override {}
        void LevelRoot() override {}
        void LevelUp() override {}
        int Count() const override { return 0; }
    } outline_;
};

struct EngineFixture {
    model::TfrxReport report;
    RecordingStore* store = nullptr;
    TfrxEngine* engine = nullptr;
    std::map<std::string, base::Variant> answers; // the host's values, exact names
    std::vector<std::string> asked;               // names the host was asked, in order
    std::vector<std::string> boxes;               // texts of the error box

    EngineFixture() {
        auto owned = std::make_unique<RecordingStore>();
        store = owned.get();
        engine = &AttachEngine(report, std::move(owned));
        report.OnGetValue = [this](const std::string& name, base::Variant& value) {
            asked.push_back(name);
            if (auto found = answers.find(name); found != answers.end())
                value = found->second;
        };
        report.OnShowErrors = [this](const std::string& text) { boxes.push_back(text); };
        auto* page = report.CreateChild<model::TfrxReportPage>();
        page->SetName("Page1");
    }

    model::TfrxReportPage& page() { return *report.Pages(0); }

    model::TfrxMemoView& memo(const std::string& name, const std::string& text) {
        auto* m = page().CreateChild<model::TfrxMemoView>();
        m->SetName(name);
        m->SetBounds(10, 10 + 20 * page().Count(), 200, 18);
        m->SetText(text);
        return *m;
    }

    // The names stored on the first prepared page, in order.
    std::vector<std::string> storedNames() const {
        std::vector<std::string> names;
        for (const StoredObject& object : store->pages.at(0))
            names.push_back(object.name);
        return names;
    }

    // The texts stored on the first prepared page, in order.
    std::vector<std::string> storedTexts() const {
        std::vector<std::string> texts;
        for (const StoredObject& object : store->pages.at(0))
            texts.push_back(object.text);
        return texts;
    }

    // A template memo's text, looked up again (Prepare recreates objects).
    std::string templateText(const std::string& name) const {
        auto* m = dynamic_cast<model::TfrxCustomMemoView*>(report.ObjectByName(name));
        return m ? m->Text() : "<missing>";
    }
};

} // namespace rq::report::engine::testing
