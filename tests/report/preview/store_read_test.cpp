// Reading pages back: objects rebuilt from BaseText and differences, the
// 50-entry page cache with its exchange rule, and the swap file.
#include "store_fixture.h"

#include <filesystem>

namespace rq::report::preview::test {
namespace {

class ReadTest : public StoreTest {
protected:
    ReadTest() {
        page->SetLeftMargin(12);
        page->SetPaperSize(11); // A5
        memo = addMemo(*page, "Memo1", 10, 20, "Template");
        memo->SetWordWrap(false);
        band = page->CreateChild<TfrxNullBand>();
        band->SetName("Band1");
        band->SetBounds(0, 0, 700, 40);
        addMemo(*band, "Memo2", 1, 2, "Inner");
        registerPages();
        store.BeginPass();
    }

    // n pages, page i holding Memo1 with the text "page i" at Left = i.
    void preparePages(int n) {
        engine.running = true;
        for (int i = 0; i < n; ++i) {
            store.AddPage(*page);
            memo->SetLeft(i);
            memo->SetText("page " + std::to_string(i));
            store.AddObject(*memo);
        }
        store.Finish();
        engine.running = false;
    }

    TfrxMemoView* memo = nullptr;
    TfrxNullBand* band = nullptr;
};

TEST_F(ReadTest, RebuildsObjectsFromSourceAndDifference) {
    store.AddPage(*page);
    memo->SetText("Expanded");
    memo->SetTop(33);
    store.AddObject(*memo);
    band->SetTop(50);
    store.AddObject(*band);
    TfrxMemoView loose;
    loose.SetName("Loose");
    loose.SetText("By class");
    store.AddObject(loose);

    TfrxReportPage* p = store.GetPage(0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->PaperSize(), 11);
    EXPECT_EQ(p->LeftMargin(), 12);
    ASSERT_EQ(p->Count(), 3);
    auto* m = dynamic_cast<TfrxMemoView*>(p->Objects(0));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Name(), "Memo1");
    EXPECT_EQ(m->Memo().StreamText(), "Expanded");
    EXPECT_EQ(m->Top(), 33);
    EXPECT_EQ(m->Left(), 10);
    // Not in the difference: taken from the source copy.
    EXPECT_FALSE(m->WordWrap());
    TfrxComponent* b = p->Objects(1);
    EXPECT_EQ(b->Name(), "Band1");
    EXPECT_EQ(b->Top(), 50);
    ASSERT_EQ(b->Count(), 1);
    EXPECT_EQ(b->Objects(0)->Name(), "Memo2");
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(b->Objects(0))->Memo().StreamText(), "Inner");
    EXPECT_EQ(dynamic_cast<TfrxMemoView*>(p->Objects(2))->Memo().StreamText(), "By class");
    EXPECT_EQ(store.GetPageSize(0), (engine::TfrxPageSize{559, 794}));
}

TEST_F(ReadTest, IndexOutsideThePagesIsAListError) {
    preparePages(2);
    for (int index : {-1, 2}) {
        try {
            store.GetPage(index);
            ADD_FAILURE() << index;
        } catch (const base::EListError& e) {
            EXPECT_EQ(e.message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}

std::vector<std::string> keys(int from, int to) {
    std::vector<std::string> k;
    for (int i = from; i >= to; --i)
        k.push_back(std::to_string(i));
    return k;
}

TEST_F(ReadTest, CacheKeepsFiftyAndExchangesAHitWithTheFirst) {
    preparePages(52);
    for (int i = 0; i < 50; ++i)
        store.GetPage(i);
    EXPECT_EQ(store.PageCacheKeys(), keys(49, 0));
    TfrxReportPage* page10 = store.GetPage(10);
    EXPECT_EQ(page10->Objects(0)->Left(), 10);
    std::vector<std::string> expected = keys(49, 0);
    std::swap(expected[0], expected[39]);
    EXPECT_EQ(store.PageCacheKeys(), expected);

    // The 51st distinct page evicts the last entry ("0").
    store.GetPage(50);
    expected.insert(expected.begin(), "50");
    expected.pop_back();
    EXPECT_EQ(store.PageCacheKeys(), expected);
    EXPECT_EQ(store.GetPage(10), page10);
    EXPECT_EQ(store.PageCacheKeys().front(), "10");
    EXPECT_EQ(store.PageCacheKeys()[1], "50");
}

TEST_F(ReadTest, RunningEngineBypassesTheCache) {
    preparePages(2);
    TfrxReportPage* first = store.GetPage(1);
    engine.running = true;
    TfrxReportPage* again = store.GetPage(1);
    EXPECT_NE(again, first);
    EXPECT_EQ(store.PageCacheKeys(), (std::vector<std::string>{"1", "1"}));
    engine.running = false;
    EXPECT_EQ(store.GetPage(1), again);
    store.Finish();
    EXPECT_TRUE(store.PageCacheKeys().empty());
}

class SwapTest : public ReadTest {
protected:
    SwapTest() {
        folder = std::filesystem::temp_directory_path() /
                 ("rq-store-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        report.EngineOptions().UseFileCache = true;
        report.EngineOptions().TempDir = folder.string();
        store.Initialize();
    }
    ~SwapTest() override { std::filesystem::remove_all(folder); }

    std::vector<bool> loaded() const {
        std::vector<bool> flags;
        const TfrxXMLItem& pages = rootChild("previewpages");
        for (int i = 0; i < pages.Count(); ++i)
            flags.push_back(pages.Items(i).Loaded);
        return flags;
    }

    bool folderEmpty() const { return std::filesystem::is_empty(folder); }

    std::filesystem::path folder;
};

TEST_F(SwapTest, EvictedUnloadablePageIsSwappedOut) {
    report.EngineOptions().MaxMemSize = 1;
    preparePages(53);
    for (int i = 2; i <= 52; ++i)
        store.GetPage(i);
    EXPECT_FALSE(pageElement(2).Loaded);
    EXPECT_EQ(pageElement(2).Count(), 0);
    EXPECT_EQ(store.GetPage(2)->Objects(0)->Left(), 2);
    // Pages 0 and 1 are never swapped out, evicted or not.
    for (int i = 0; i <= 1; ++i)
        store.GetPage(i);
    for (int i = 10; i <= 52; ++i)
        store.GetPage(i);
    EXPECT_EQ(store.PageCacheKeys().size(), 50u);
    EXPECT_TRUE(pageElement(0).Loaded);
    EXPECT_TRUE(pageElement(1).Loaded);
}

TEST_F(SwapTest, OverTheEstimateOlderPagesMoveToTheSwapFile) {
    report.EngineOptions().MaxMemSize = 0;
    preparePages(6);
    // Each AddPage swaps out from the second-to-last page down to the first
    // one already out; the first two pages stay.
    EXPECT_EQ(loaded(), (std::vector<bool>{true, true, false, false, true, true}));
    EXPECT_FALSE(folderEmpty());
    EXPECT_EQ(store.GetPage(3)->Objects(0)->Left(), 3);
    EXPECT_TRUE(pageElement(3).Loaded);
    std::ostringstream saved;
    store.SaveToStream(saved);
    EXPECT_NE(saved.str().find("x=\"page 2\""), std::string::npos);
    EXPECT_FALSE(pageElement(2).Loaded);
    store.Clear();
    EXPECT_TRUE(folderEmpty());
}

TEST_F(SwapTest, TheHugeDefaultLimitNeverSwaps) {
    // 10000000 MB does not fit 32 bits as bytes; it must not wrap to a small limit.
    preparePages(5);
    EXPECT_EQ(loaded(), (std::vector<bool>(5, true)));
    EXPECT_TRUE(folderEmpty());
}

TEST_F(SwapTest, EngineWritingOnASwappedPageBringsItBack) {
    report.EngineOptions().MaxMemSize = 0;
    preparePages(5);
    ASSERT_FALSE(pageElement(2).Loaded);
    store.CurPage = 2;
    EXPECT_EQ(store.CurrentObjectCount(), 1);
    store.AddObject(*memo);
    EXPECT_EQ(pageElement(2).Count(), 2);
}

} // namespace
} // namespace rq::report::preview::test
