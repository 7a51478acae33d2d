// The store behind the real engine: a band-less page prepared through the
// null band, read back and prepared again.
#include "report/engine/engine.h"
#include "report/model/memo_view.h"
#include "report/model/page.h"
#include "report/preview/preview_pages.h"

#include "base/format_settings.h"

#include <gtest/gtest.h>

namespace rq::report::preview {
namespace {

using namespace rq::report::model;

TEST(StoreWithEngine, PreparedPageHoldsVisibleObjectsAsDifferences) {
    base::FormatSettingsScope settings{base::FormatSettings{}};
    TfrxReport report;
    engine::TfrxEngine& eng = engine::AttachEngine(report, std::make_unique<TfrxPreviewPages>());
    auto& store = dynamic_cast<TfrxPreviewPages&>(eng.PreviewPages());
    auto* page = report.CreateChild<TfrxReportPage>();
    page->SetName("Page1");
    for (const char* name : {"Memo1", "Memo2", "Memo3"}) {
        auto* memo = page->CreateChild<TfrxMemoView>();
        memo->SetName(name);
        memo->SetBounds(10, 10, 100, 20);
        memo->SetText(std::string("[") + name + "]");
    }
    static_cast<TfrxMemoView*>(page->Objects(1))->SetVisible(false);
    report.OnGetValue = [](const std::string& name, base::Variant& value) {
        value = base::Variant("value of " + name);
    };

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(report.Prepare(true));
        ASSERT_EQ(store.Count(), 1);
        const TfrxXMLItem& root = store.Document().Root();
        const TfrxXMLItem& pageItem = root.Items(root.Find("previewpages")).Items(0);
        EXPECT_EQ(pageItem.Name(), "page0");
        std::vector<std::string> names;
        for (int i = 0; i < pageItem.Count(); ++i)
            names.push_back(pageItem.Items(i).Name());
        EXPECT_EQ(names, (std::vector<std::string>{"m1", "m3"}));
        EXPECT_EQ(pageItem.Items(0).Text(), " x=\"value of Memo1\"");

        TfrxReportPage* prepared = store.GetPage(0);
        ASSERT_NE(prepared, nullptr);
        ASSERT_EQ(prepared->Count(), 2);
        EXPECT_EQ(prepared->Objects(1)->Name(), "Memo3");
        EXPECT_EQ(static_cast<TfrxMemoView*>(prepared->Objects(1))->Text(), "value of Memo3\r\n");
        EXPECT_EQ(store.GetPageSize(0), (engine::TfrxPageSize{794, 1123}));
    }
}

} // namespace
} // namespace rq::report::preview
