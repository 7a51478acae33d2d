// The saved prepared report: one XML document "preparedreport" with the
// pages, the source pages with all their objects and the alias table.
#include "store_fixture.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rq::report::preview::test {
namespace {

class SaveTest : public StoreTest {
protected:
    SaveTest() {
        addMemo(*page, "Memo1", 10, 20, "One");
        for (int i = 2; i <= 11; ++i)
            addMemo(*page, "Memo" + std::to_string(i), 0, 0);
        hidden = addMemo(*page, "Memo12", 0, 0, "hidden");
        hidden->SetVisible(false);
        registerPages();
        store.BeginPass();
        store.AddPage(*page);
        for (int i = 0; i < page->Count(); ++i)
            store.AddObject(*page->Objects(i));
        file = std::filesystem::temp_directory_path() / "rq-store-save.ppg";
    }
    ~SaveTest() override { std::filesystem::remove(file); }

    TfrxMemoView* hidden = nullptr;
    std::filesystem::path file;
};

TEST_F(SaveTest, FileHoldsPagesSourcePagesAndDictionary) {
    store.SaveToFile(file.string());
    TfrxXMLDocument document;
    {
        std::ifstream in(file, std::ios::binary);
        document.LoadFromStream(in);
    }
    const TfrxXMLItem& root = document.Root();
    EXPECT_EQ(root.Name(), "preparedreport");
    EXPECT_EQ(childNames(root),
              (std::vector<std::string>{"previewpages", "sourcepages", "dictionary"}));

    const TfrxXMLItem& pages = root.Items(0);
    ASSERT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.Items(0).Name(), "page0");
    EXPECT_EQ(pages.Items(0).Text(), "");
    // Memo12 is invisible: eleven elements, m12 absent.
    EXPECT_EQ(pages.Items(0).Count(), 11);
    EXPECT_EQ(pages.Items(0).Find("m12"), -1);

    const TfrxXMLItem& sources = root.Items(1);
    ASSERT_EQ(sources.Count(), 1);
    EXPECT_EQ(sources.Items(0).Name(), "TfrxReportPage");
    // A copy keeps no name of its own: the serializer never copies the root's name.
    EXPECT_EQ(sources.Items(0).Prop("Name"), "");
    EXPECT_EQ(sources.Items(0).Count(), 12);
    EXPECT_EQ(sources.Items(0).Items(11).Prop("Name"), "Memo12");

    const TfrxXMLItem& dictionary = root.Items(2);
    std::vector<std::string> aliases{"m1", "m10", "m11", "m12"};
    for (int k = 2; k <= 9; ++k)
        aliases.push_back("m" + std::to_string(k));
    EXPECT_EQ(childNames(dictionary), aliases);
    EXPECT_EQ(dictionary.Items(0).Text(), "name=\"Page0.Memo1\"");
    EXPECT_EQ(dictionary.Items(1).Prop("name"), "Page0.Memo10");
}

TEST_F(SaveTest, SavingTwiceRefillsInsteadOfAppending) {
    std::ostringstream first, second;
    store.SaveToStream(first);
    store.SaveToStream(second);
    EXPECT_EQ(first.str(), second.str());
    EXPECT_TRUE(first.str().starts_with("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
}

TEST_F(SaveTest, ReplacesAnExistingFile) {
    {
        std::ofstream old(file, std::ios::binary);
        old << std::string(100000, 'x');
    }
    store.SaveToFile(file.string());
    std::ostringstream expected;
    store.SaveToStream(expected);
    EXPECT_EQ(std::filesystem::file_size(file), expected.str().size());
}

// The prepared pages carry the form's personal data: the file is for its
// owner only, whatever the umask, and an existing file loses wider rights.
TEST_F(SaveTest, TheFileIsPrivateToItsOwner) {
    const mode_t mask = ::umask(022);
    store.SaveToFile(file.string());
    const auto rights = [this] {
        return std::filesystem::status(file).permissions() & std::filesystem::perms::all;
    };
    EXPECT_EQ(rights(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::permissions(
        file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read | std::filesystem::perms::others_read);
    store.SaveToFile(file.string());
    ::umask(mask);
    EXPECT_EQ(rights(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(SaveTest, UncreatableFileRaisesTheCreateError) {
    const std::string bad = "/nonexistent-folder-rq/out.ppg";
    try {
        store.SaveToFile(bad);
        ADD_FAILURE();
    } catch (const base::EFCreateError& e) {
        EXPECT_EQ(e.message(), "Cannot create file \"" + bad + "\". No such file or directory");
    }
}

TEST_F(SaveTest, AFullDeviceIsReportedNotPassedOffAsSaved) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    try {
        store.SaveToFile("/dev/full");
        ADD_FAILURE();
    } catch (const base::Exception& e) {
        EXPECT_EQ(e.message(), "Stream write error");
    }
}

} // namespace
} // namespace rq::report::preview::test
