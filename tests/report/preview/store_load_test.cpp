// Opening a saved prepared report: the same pages, sizes, objects and alias
// table as the store that saved it, byte-identical when saved again, and a
// damaged file refused whole with "Invalid file format".
#include "store_fixture.h"

#include "report/model/serializer.h"

#include "base/exceptions.h"

#include <filesystem>
#include <sstream>

namespace rq::report::preview::test {
namespace {

class LoadTest : public StoreTest {
protected:
    // pages prepared pages of Memo1 ("Page n") and Line1.
    void prepare(int pages) {
        addMemo(*page, "Memo1", 10, 20, "One");
        addMemo(*page, "Memo2", 10, 50, "Two");
        auto* line = page->CreateChild<TfrxLineView>();
        line->SetName("Line1");
        line->SetBounds(0, 80, 200, 0);
        registerPages();
        store.BeginPass();
        for (int n = 1; n <= pages; ++n) {
            store.AddPage(*page);
            dynamic_cast<TfrxMemoView&>(*page->Objects(0)).SetText("Page " + std::to_string(n));
            for (int i = 0; i < page->Count(); ++i)
                store.AddObject(*page->Objects(i));
        }
        store.Finish();
    }

    std::string saved(TfrxPreviewPages& pages) {
        std::ostringstream out;
        pages.SaveToStream(out);
        return out.str();
    }

    // The loaded store's message for a text, or "" when it loads.
    std::string loadFailure(const std::string& text) {
        std::istringstream in(text);
        try {
            loaded.LoadFromStream(in);
        } catch (const base::Exception& failure) {
            return failure.what();
        }
        return {};
    }

    TfrxPreviewPages loaded;
};

TEST_F(LoadTest, SavedAgainIsByteIdentical) {
    prepare(3);
    const std::string first = saved(store);
    std::istringstream in(first);
    loaded.LoadFromStream(in);
    EXPECT_EQ(saved(loaded), first);
}

TEST_F(LoadTest, PagesSizesAndObjectsAreThoseSaved) {
    prepare(3);
    std::istringstream in(saved(store));
    loaded.LoadFromStream(in);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.SourcePageCount(), 1);
    EXPECT_EQ(loaded.Dictionary().Count(), store.Dictionary().Count());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.GetPageSize(i), store.GetPageSize(i));
        TfrxReportPage* original = store.GetPage(i);
        TfrxReportPage* copy = loaded.GetPage(i);
        ASSERT_EQ(copy->Count(), original->Count());
        for (int k = 0; k < copy->Count(); ++k) {
            EXPECT_EQ(copy->Objects(k)->Name(), original->Objects(k)->Name());
            EXPECT_EQ(TfrxXMLSerializer().ClassAndAttributes(*copy->Objects(k)),
                      TfrxXMLSerializer().ClassAndAttributes(*original->Objects(k)));
        }
    }
    EXPECT_EQ(dynamic_cast<TfrxMemoView&>(*loaded.GetPage(2)->Objects(0)).Text(), "Page 3\r\n");
    // The third page is again one that may be swapped out.
    EXPECT_TRUE(loaded.Document().Root().Items(0).Items(2).Unloadable);
}

TEST_F(LoadTest, LoadingReplacesWhatTheStoreHeld) {
    prepare(2);
    const std::string two = saved(store);
    std::istringstream first(two);
    loaded.LoadFromStream(first);
    std::istringstream second(two);
    loaded.LoadFromStream(second);
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_EQ(saved(loaded), two);
}

struct DamagedCase {
    const char* name;
    const char* text;
};

const DamagedCase kDamaged[] = {
    {"NotXml", "this is not a prepared report"},
    {"Empty", ""},
    {"OtherRoot", "<?xml version=\"1.0\"?><report><previewpages/></report>"},
    {"UnknownSourceClass",
     "<?xml version=\"1.0\"?><preparedreport><sourcepages><TNoSuchPage/></sourcepages>"
     "</preparedreport>"},
    {"SourceIsNoPage",
     "<?xml version=\"1.0\"?><preparedreport><sourcepages><TfrxMemoView/></sourcepages>"
     "</preparedreport>"},
    {"PageWithoutSourcePage",
     "<?xml version=\"1.0\"?><preparedreport><previewpages><page0/></previewpages>"
     "</preparedreport>"},
    {"PageNameNotANumber",
     "<?xml version=\"1.0\"?><preparedreport><previewpages><page$0/></previewpages>"
     "<sourcepages><TfrxReportPage/></sourcepages></preparedreport>"},
    {"AliasOfMissingObject",
     "<?xml version=\"1.0\"?><preparedreport><sourcepages><TfrxReportPage/></sourcepages>"
     "<dictionary><m1 name=\"Page0.Memo1\"/></dictionary></preparedreport>"},
    {"AliasOnMissingPage", "<?xml version=\"1.0\"?><preparedreport><sourcepages><TfrxReportPage>"
                           "<TfrxMemoView Name=\"Memo1\"/></TfrxReportPage></sourcepages>"
                           "<dictionary><m1 name=\"Page7.Memo1\"/></dictionary></preparedreport>"},
    {"AliasTwice", "<?xml version=\"1.0\"?><preparedreport><sourcepages><TfrxReportPage>"
                   "<TfrxMemoView Name=\"Memo1\"/></TfrxReportPage></sourcepages>"
                   "<dictionary><m1 name=\"Page0.Memo1\"/><M1 name=\"Page0.Memo1\"/></dictionary>"
                   "</preparedreport>"},
    {"AliasWithoutFullName", "<?xml version=\"1.0\"?><preparedreport><sourcepages><TfrxReportPage>"
                             "<TfrxMemoView Name=\"Memo1\"/></TfrxReportPage></sourcepages>"
                             "<dictionary><m1/></dictionary></preparedreport>"},
};

class DamagedFile : public LoadTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFile, IsRefusedAndLeavesTheStoreEmpty) {
    prepare(1);
    std::istringstream in(saved(store));
    loaded.LoadFromStream(in);
    EXPECT_EQ(loadFailure(GetParam().text), "Invalid file format");
    EXPECT_EQ(loaded.Count(), 0);
    EXPECT_EQ(loaded.SourcePageCount(), 0);
    EXPECT_EQ(loaded.Dictionary().Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Load, DamagedFile, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadTest, MissingFileNamesTheFile) {
    const std::string name =
        (std::filesystem::temp_directory_path() / "rq-no-such-report.ppg").string();
    try {
        loaded.LoadFromFile(name);
        FAIL() << "loaded a missing file";
    } catch (const base::EFOpenError& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "Cannot open file \"" + name + "\". No such file or directory");
    }
}

} // namespace
} // namespace rq::report::preview::test
