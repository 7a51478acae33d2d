// Registering template pages: private copies, aliases by object kind,
// links both ways, BaseText; and starting prepared pages.
#include "store_fixture.h"

#include "report/model/barcode_view.h"
#include "report/model/picture_view.h"
#include "report/model/serializer.h"

namespace rq::report::preview::test {
namespace {

TEST_F(StoreTest, EmptyStoreHasNoPages) {
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.CurPage, -1);
    EXPECT_EQ(store.GetPage(0), nullptr);
    EXPECT_EQ(store.GetPageSize(0), (engine::TfrxPageSize{0, 0}));
    EXPECT_EQ(store.CurrentObjectCount(), 0);
    EXPECT_EQ(store.BottomOfBands(), 0);
    EXPECT_EQ(store.Document().Root().Name(), "preparedreport");
}

TEST_F(StoreTest, AliasesFollowObjectKindAndPageOrder) {
    RegisterBarCodeView();
    addMemo(*page, "Memo1", 0, 0);
    page->CreateChild<TfrxLineView>()->SetName("Line1");
    auto* band = page->CreateChild<TfrxNullBand>();
    band->SetName("Band1");
    addMemo(*band, "Memo2", 0, 0);
    page->CreateChild<TfrxPictureView>()->SetName("Picture1");
    page->CreateChild<TfrxBarCodeView>()->SetName("BarCode1");
    auto* page2 = report.CreateChild<TfrxReportPage>();
    page2->SetName("Page2");
    addMemo(*page2, "Memo3", 0, 0);
    registerPages();

    const std::vector<std::pair<std::string, std::string>> expected{
        {"Memo1", "m1"},    {"Line1", "l1"},    {"Band1", "b1"}, {"Memo2", "m2"},
        {"Picture1", "p1"}, {"BarCode1", "b2"}, {"Memo3", "m3"}};
    for (const auto& [name, alias] : expected) {
        SCOPED_TRACE(name);
        TfrxComponent* t = report.ObjectByName(name);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->Alias(), alias);
        TfrxComponent* copy = t->SourceLink();
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, t);
        EXPECT_EQ(copy->Alias(), alias);
        EXPECT_EQ(copy->SourceLink(), t);
        EXPECT_EQ(copy->Name(), name);
        EXPECT_EQ(store.Dictionary().GetObject(alias), copy);
    }
    EXPECT_EQ(store.Dictionary().GetRealName("m2"), "Page0.Memo2");
    EXPECT_EQ(store.Dictionary().GetRealName("m3"), "Page1.Memo3");
    EXPECT_EQ(store.SourcePageCount(), 2);
    EXPECT_EQ(store.SourcePages(1).SourceLink(), page2);
    EXPECT_EQ(store.SourcePages(1).Alias(), "");
}

TEST_F(StoreTest, TwentyFirstMemoGetsM21) {
    for (int i = 1; i <= 21; ++i)
        addMemo(*page, "Memo" + std::to_string(i), 0, 0);
    registerPages();
    EXPECT_EQ(report.ObjectByName("Memo20")->Alias(), "m20");
    EXPECT_EQ(report.ObjectByName("Memo21")->Alias(), "m21");
    EXPECT_EQ(store.Dictionary().Count(), 21);
}

TEST_F(StoreTest, BaseTextIsClassAndAttributesOrClassAloneWhenFullySerialized) {
    RegisterBarCodeView();
    addMemo(*page, "Memo1", 5, 6, "Hello");
    page->CreateChild<TfrxBarCodeView>()->SetName("BarCode1");
    registerPages();
    const TfrxComponent& memoCopy = *store.Dictionary().GetObject("m1");
    EXPECT_EQ(store.Dictionary().Find("m1")->baseText,
              TfrxXMLSerializer().ClassAndAttributes(memoCopy));
    EXPECT_TRUE(store.Dictionary().Find("m1")->baseText.starts_with("TfrxMemoView "));
    EXPECT_EQ(store.Dictionary().Find("b1")->baseText, "TfrxBarCodeView");
}

TEST_F(StoreTest, PagesAreNamedBySourcePageAndUnloadableFromTheThird) {
    auto* page2 = report.CreateChild<TfrxReportPage>();
    page2->SetName("Page2");
    registerPages();
    std::vector<int> added;
    store.OnPageAdded = [&](int index) { added.push_back(index); };
    store.BeginPass();
    for (const TfrxReportPage* p : {page, page2, page2, page})
        store.AddPage(*p);
    TfrxReportPage stranger;
    store.AddPage(stranger);

    const TfrxXMLItem& pages = rootChild("previewpages");
    EXPECT_EQ(childNames(pages),
              (std::vector<std::string>{"page0", "page1", "page1", "page0", "page-1"}));
    std::vector<bool> unloadable;
    for (int i = 0; i < pages.Count(); ++i)
        unloadable.push_back(pages.Items(i).Unloadable);
    EXPECT_EQ(unloadable, (std::vector<bool>{false, false, true, true, true}));
    EXPECT_EQ(added, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(store.CurPage, 4);
    EXPECT_EQ(store.GetPageSize(1), (engine::TfrxPageSize{794, 1123}));
    // A page whose template was never registered cannot be rebuilt or measured.
    EXPECT_THROW(store.GetPageSize(4), base::EListError);
    EXPECT_THROW(store.GetPage(4), base::EListError);
    EXPECT_TRUE(store.PageCacheKeys().empty());
}

TEST_F(StoreTest, WriteOverReusesAPageAndAppendAddsOne) {
    registerPages();
    store.AddPage(*page);
    store.AddPage(*page);
    store.CurPage = -1;
    store.AddPage(*page);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(store.CurPage, 0);

    // Appending after going back: the notification carries the advanced
    // CurPage, the store then points at the new last page.
    std::vector<int> notified;
    store.OnPageAdded = [&](int index) { notified.push_back(index); };
    store.AddMode = engine::TfrxAddMode::Append;
    store.AddPage(*page);
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(notified, (std::vector<int>{1}));
    EXPECT_EQ(store.CurPage, 2);
    EXPECT_EQ(store.AddMode, engine::TfrxAddMode::WriteOver);
}

TEST_F(StoreTest, ClearForgetsEverything) {
    addMemo(*page, "Memo1", 0, 0);
    registerPages();
    store.AddPage(*page);
    store.AddObject(*page->Objects(0));
    store.AddAnchor("a", 1);
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.CurPage, -1);
    EXPECT_EQ(store.SourcePageCount(), 0);
    EXPECT_EQ(store.Dictionary().Count(), 0);
    EXPECT_EQ(store.GetAnchorPage("a"), -1);
    EXPECT_EQ(store.Document().Root().Name(), "preparedreport");
    EXPECT_EQ(store.Document().Root().Count(), 0);
    // The template's links to the freed copies read as none.
    EXPECT_EQ(page->Objects(0)->SourceLink(), nullptr);
}

} // namespace
} // namespace rq::report::preview::test
