// Saving the shown pages to ".ppg" and opening a saved file in the preview:
// the same pages come back, byte-identical when saved again; a damaged file
// is refused and leaves an empty preview.
#include "preview_fixture.h"
#include <unistd.h>

#include "../../../support/modal_dialog.h"
#include "widgets/window_system.h"

#include <QFileDialog>
#include <QLabel>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace rq::report::preview::qt::test {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class PreviewFile : public PreviewWindowTest {
protected:
    PreviewFile() : PreviewWindowTest(3) {
        // One folder per process: ctest runs these tests side by side. The
        // file dialog answers absolute paths, so the folder is one too.
        folder = fs::absolute(fs::temp_directory_path()) /
                 ("rq-preview-file-test-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~PreviewFile() override {
        fs::remove_all(folder);
        widgets::setUnhandledErrorHandler(nullptr);
    }
    fs::path folder;
};

TEST_F(PreviewFile, CtrlSSavesUnderThePpgExtension) {
    const fs::path chosen = folder / "certificate.txt";
    rq::testing::onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Prepared Report (*.ppg)")});
        rq::testing::acceptFile(dialog, chosen);
    });
    key(Qt::Key_S, Qt::ControlModifier);
    std::ostringstream expected;
    generated.store.SaveToStream(expected);
    EXPECT_EQ(fileText(folder / "certificate.ppg"), expected.str());
    EXPECT_FALSE(fs::exists(chosen));
    EXPECT_FALSE(preview().Locked());
}

TEST_F(PreviewFile, OpenShowsTheSavedPagesAndSavesThemAgainUnchanged) {
    const fs::path saved = folder / "saved.ppg";
    const fs::path again = folder / "again.ppg";
    preview().SaveToFile(saved.string());

    GeneratedReport other(1);
    TfrxPreviewForm opened;
    opened.Attach(other.report, other.store);
    opened.Preview->LoadFromFile(saved.string());
    EXPECT_EQ(opened.Preview->PageCount(), 3);
    EXPECT_EQ(opened.PagePanel->text(), QStringLiteral("Page 1 of 3"));
    opened.Preview->SaveToFile(again.string());
    EXPECT_EQ(fileText(again), fileText(saved));
}

TEST_F(PreviewFile, DamagedFileIsRefusedAndLeavesNoPages) {
    const fs::path damaged = folder / "damaged.ppg";
    std::ofstream(damaged) << "<?xml version=\"1.0\"?><preparedreport><previewpages><page3/>";
    EXPECT_THROW(preview().LoadFromFile(damaged.string()), base::Exception);
    EXPECT_EQ(preview().PageCount(), 0);
    EXPECT_EQ(preview().PageNo(), 0);
    EXPECT_FALSE(preview().Locked());
}

TEST_F(PreviewFile, SaveFailureUnlocksAndIsReported) {
    std::vector<std::string> errors;
    widgets::setUnhandledErrorHandler([&](const std::string& m) { errors.push_back(m); });
    const fs::path blocked = folder / "no-such-folder" / "x.ppg";
    rq::testing::onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        rq::testing::acceptFile(dialog, blocked);
    });
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(
        errors[0].starts_with("Cannot create file \"" + fs::absolute(blocked).string() + "\"."))
        << errors[0];
    EXPECT_FALSE(fs::exists(blocked));
    EXPECT_FALSE(preview().Locked());
    EXPECT_FALSE(preview().ProgressPanel().isVisible());
}

} // namespace
} // namespace rq::report::preview::qt::test
