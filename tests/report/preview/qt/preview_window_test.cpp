// The preview window: caption, toolbar items by the report's buttons, the
// page panel, the zoom buttons and the zoom box with its error, printing
// with and without printers, and closing with Esc.
#include "preview_fixture.h"

#include "../../../support/modal_dialog.h"
#include "report/preview/qt/show_prepared.h"
#include "widgets/window_system.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>

namespace rq::report::preview::qt::test {
namespace {

using Items = std::vector<std::string>;

class PreviewWindow : public PreviewWindowTest {
protected:
    void TearDown() override { widgets::setUnhandledErrorHandler(nullptr); }

    void typeZoom(const QString& text) {
        form->ZoomCB->setFocus();
        form->ZoomCB->lineEdit()->selectAll();
        QTest::keyClicks(form->ZoomCB->lineEdit(), text);
        QTest::keyClick(form->ZoomCB->lineEdit(), Qt::Key_Return);
        QApplication::processEvents();
    }
};

TEST_F(PreviewWindow, ShowsCaptionPagePanelZoomAndTheCertificatesToolbar) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(form->PagePanel->text(), QStringLiteral("Page 1 of 10"));
    EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(form->ToolbarItems(), (Items{"Print", "Whole Page", "Page Width", "100%", "Two Pages",
                                           "Zoom", "-", "Close"}));
    EXPECT_FALSE(preview().OutlineTree().isVisible());
    EXPECT_EQ(workspace().PageRectOnClient(0), (TfrxPageRect{103, 10, 897, 1133}));
}

TEST_F(PreviewWindow, AllButtonsShowEveryItem) {
    TfrxPreviewForm all;
    generated.report.PreviewOptions().Buttons = TfrxPreviewOptions::kAllButtons;
    all.Attach(generated.report, generated.store);
    EXPECT_EQ(
        all.ToolbarItems(),
        (Items{"Print",      "Open",        "Save",      "Export",      "Find",      "Whole Page",
               "Page Width", "100%",        "Two Pages", "Zoom",        "Margins",   "Outline",
               "Drag Tool",  "Zoom Tool",   "Add Page",  "Delete Page", "Edit Page", "First Page",
               "Prior Page", "Page Number", "Next Page", "Last Page",   "-",         "Close"}));
}

TEST_F(PreviewWindow, ReportNameReplacesTheCaption) {
    TfrxPreviewForm named;
    generated.report.ReportOptions().Name = "Igazol\xE1s";
    named.Attach(generated.report, generated.store);
    EXPECT_EQ(named.windowTitle(), QString::fromUtf8("Igazolás"));
}

struct ZoomBoxCase {
    const char* name;
    const char* typed;
    double zoom;
    const char* shown;
};

const ZoomBoxCase kZoomBox[] = {
    {"Number", "75", 0.75, "75%"},
    {"BlankAndPercent", "75 %", 0.75, "75%"},
    {"BelowAQuarter", "10", 0.25, "25%"},
    {"Fraction", "150,4", 1.504, "150%"},
};

class ZoomBox : public PreviewWindow, public ::testing::WithParamInterface<ZoomBoxCase> {};

TEST_P(ZoomBox, EnterSetsTheZoomAndTheBoxShowsIt) {
    typeZoom(QString::fromLatin1(GetParam().typed));
    EXPECT_DOUBLE_EQ(preview().Zoom(), GetParam().zoom);
    EXPECT_EQ(form->ZoomCB->currentText(), QString::fromLatin1(GetParam().shown));
    EXPECT_TRUE(workspace().hasFocus());
}

INSTANTIATE_TEST_SUITE_P(PreviewWindow, ZoomBox, ::testing::ValuesIn(kZoomBox),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewWindow, ZoomBoxNonNumberKeepsZoomAndText) {
    std::vector<std::string> errors;
    widgets::setUnhandledErrorHandler([&](const std::string& m) { errors.push_back(m); });
    typeZoom(QStringLiteral("abc %"));
    EXPECT_EQ(errors, (Items{"'abc' is not a valid floating point value."}));
    EXPECT_DOUBLE_EQ(preview().Zoom(), 1.0);
    EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("abc %"));
}

// A box too narrow for its text scrolls it: "100%" would read "00%".
TEST_F(PreviewWindow, ZoomBoxHasRoomForAThreeDigitZoom) {
    const QLineEdit& edit = *form->ZoomCB->lineEdit();
    EXPECT_GE(edit.width(), edit.fontMetrics().horizontalAdvance(QStringLiteral("200%")));
    EXPECT_TRUE(form->ZoomCB->parentWidget()->rect().contains(form->ZoomCB->geometry()));
}

// The drop-down list is 100 pixels wide and shows its longest entries whole.
TEST_F(PreviewWindow, ZoomListIsAHundredPixelsWide) {
    form->ZoomCB->showPopup();
    const QAbstractItemView& list = *form->ZoomCB->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.window()));
    EXPECT_EQ(list.window()->width(), 100);
    for (int i = 0; i < form->ZoomCB->count(); ++i) {
        const QRect item = list.visualRect(list.model()->index(i, 0));
        EXPECT_GE(item.width(), list.fontMetrics().horizontalAdvance(form->ZoomCB->itemText(i)))
            << form->ZoomCB->itemText(i).toStdString();
    }
    form->ZoomCB->hidePopup();
}

struct ButtonImage {
    const char* button;
    Qt::ToolButtonStyle style;
};

// The buttons show their 16 x 16 images, drawn anew for a device-pixel
// ratio of 2 rather than blown up; their captions are their hints (and
// "Close" keeps its caption beside its image).
TEST_F(PreviewWindow, ToolbarButtonsShowImagesSharpAtRatioTwo) {
    const ButtonImage buttons[] = {
        {"PrintB", Qt::ToolButtonIconOnly},         {"ZoomWholePageB", Qt::ToolButtonIconOnly},
        {"ZoomPageWidthB", Qt::ToolButtonIconOnly}, {"Zoom100B", Qt::ToolButtonIconOnly},
        {"Zoom50B", Qt::ToolButtonIconOnly},        {"CancelB", Qt::ToolButtonTextBesideIcon}};
    std::vector<QImage> seen;
    for (const auto& [name, style] : buttons) {
        SCOPED_TRACE(name);
        const auto* button = form->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), style);
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        EXPECT_EQ(button->height(), 23);
        EXPECT_GE(button->width(), 16);
        const QImage one = button->icon().pixmap(QSize(16, 16), 1.0).toImage();
        const QImage two = button->icon().pixmap(QSize(16, 16), 2.0).toImage();
        ASSERT_EQ(one.size(), QSize(16, 16));
        ASSERT_EQ(two.size(), QSize(32, 32));
        EXPECT_NE(two, one.scaled(32, 32)) << "the ratio-2 picture is the small one enlarged";
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(one.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 16) << "hardly anything drawn";
        for (const QImage& other : seen)
            EXPECT_NE(one, other) << "two buttons share a picture";
        seen.push_back(one);
    }
}

TEST_F(PreviewWindow, ZoomBoxListEntriesChooseTheModes) {
    form->ZoomCB->setCurrentIndex(6);
    emit form->ZoomCB->activated(6);
    QApplication::processEvents();
    EXPECT_EQ(preview().ZoomMode(), zmPageWidth);
    EXPECT_DOUBLE_EQ(preview().Zoom(), 980.0 / 794);
    EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("123%"));
    form->ZoomCB->setCurrentIndex(7);
    emit form->ZoomCB->activated(7);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(preview().Zoom(), 780.0 / 1123);
}

TEST_F(PreviewWindow, TwoPagesPutsTwoPagesInARow) {
    form->Zoom50B->click();
    EXPECT_EQ(preview().ZoomMode(), zmManyPages);
    EXPECT_DOUBLE_EQ(preview().Zoom(), 968.0 / 1588);
    EXPECT_EQ(preview().PageList().ColumnCount(), 2);
    EXPECT_EQ(workspace().PageRectOnClient(0).Top, workspace().PageRectOnClient(1).Top);
    EXPECT_EQ(workspace().PageRectOnClient(0), (TfrxPageRect{13, 6, 497, 691}));
    EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("61%"));
    // A chosen zoom leaves the two-page layout.
    form->Zoom100B->click();
    EXPECT_EQ(preview().PageList().ColumnCount(), 1);
    EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("100%"));
}

TEST_F(PreviewWindow, WholePageAndPageWidthButtons) {
    form->ZoomWholePageB->click();
    EXPECT_DOUBLE_EQ(preview().Zoom(), 780.0 / 1123);
    EXPECT_EQ(form->ZoomCB->currentText(), QStringLiteral("69%"));
    form->ZoomPageWidthB->click();
    EXPECT_DOUBLE_EQ(preview().Zoom(), 980.0 / 794);
}

TEST_F(PreviewWindow, PrintWithoutPrinterShowsTheBoxAndPrintsNothing) {
    int printed = 0;
    preview().PrintHandler = [&] { ++printed; };
    form->HasPrinters = [] { return false; };
    QString caption, text;
    rq::testing::onModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    form->PrintB->click();
    EXPECT_EQ(caption, QStringLiteral("Error"));
    EXPECT_EQ(text, QStringLiteral("No printers installed in your system"));
    EXPECT_EQ(printed, 0);
}

TEST_F(PreviewWindow, PrintButtonAndCtrlPReachThePrintJob) {
    std::vector<int> pages;
    preview().PrintHandler = [&] { pages.push_back(generated.store.CurPreviewPage); };
    form->HasPrinters = [] { return true; };
    preview().SetPageNo(3);
    form->PrintB->click();
    // Ctrl+P does not ask for printers; after a print the view is back on page 1.
    form->HasPrinters = [] { return false; };
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(pages, (std::vector<int>{3, 1}));
    EXPECT_FALSE(preview().Locked());
}

TEST_F(PreviewWindow, PrintingPageShowsProgressWithCancel) {
    generated.store.OnPrintingPage(2);
    EXPECT_TRUE(preview().ProgressPanel().isVisible());
    EXPECT_EQ(preview().ProgressLabel().text(), QStringLiteral("Printing page 2"));
    preview().ProgressCancel().click();
    EXPECT_TRUE(generated.store.Terminated);
    preview().Unlock();
    EXPECT_FALSE(preview().ProgressPanel().isVisible());
}

TEST_F(PreviewWindow, StatusTextPanelFollowsTheStore) {
    generated.store.StatusText = "http://example.org";
    generated.store.OnStatusText();
    EXPECT_EQ(form->StatusPanel->text(), QStringLiteral("http://example.org"));
}

TEST_F(PreviewWindow, EscCloses) {
    ASSERT_TRUE(form->isVisible());
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

TEST_F(PreviewWindow, CloseButtonCloses) {
    form->CancelB->click();
    EXPECT_FALSE(form->isVisible());
}

TEST(ShowPrepared, OpensMaximizedAndModalUntilClosed) {
    GeneratedReport generated(1);
    generated.report.PreviewOptions().Buttons = bit(pbPrint) | bit(pbZoom);
    bool maximized = false, modal = false, pagesHaveTheKeys = false;
    QString status;
    TfrxPreviewLink link;
    link.opened = [&](TfrxPreviewForm& form) {
        rq::testing::onModal([&](QWidget* shown) {
            maximized = shown->windowState().testFlag(Qt::WindowMaximized);
            modal = shown == &form;
            status = form.PagePanel->text();
            pagesHaveTheKeys = shown->focusWidget() == &form.Preview->Workspace();
            rq::testing::keyInModal(shown, Qt::Key_Escape);
        });
    };
    ShowPrepared(generated.report, generated.store, link);
    EXPECT_TRUE(maximized);
    EXPECT_TRUE(modal);
    EXPECT_EQ(status, QStringLiteral("Page 1 of 1"));
    EXPECT_TRUE(pagesHaveTheKeys);
    EXPECT_EQ(generated.store.Preview, nullptr);
}

} // namespace
} // namespace rq::report::preview::qt::test
