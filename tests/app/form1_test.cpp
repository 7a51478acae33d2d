// The main window as built: controls at their places, ownership and tab
// order, start-up texts, fonts, the menu, lookup by name, the buffer window.
#include "../support/modal_dialog.h"
#include "form1_harness.h"
#include "report/preview/qt/preview_form.h"
#include "widgets/label.h"
#include "widgets/window_system.h"

#include <QComboBox>
#include <QLabel>

#include <cstdlib>

#include <QFontInfo>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

namespace rq::app::testing {
namespace {

struct Placement {
    const char* name;
    const char* className;
    const char* parent; // "" for the client area
    QRect bounds;
};

const Placement kPlacements[] = {
    {"Panel1", "TPanel", "", {16, 16, 761, 473}},
    {"Label9", "TLabel", "Panel1", {24, 18, 349, 32}},
    {"Label10", "TLabel", "Panel1", {640, 18, 89, 32}},
    {"Panel2", "TPanel", "Panel1", {24, 64, 705, 113}},
    {"LMDFill1", "TLMDFill", "Panel2", {1, 0, 703, 27}},
    {"Label3", "TLabel", "Panel2", {24, 48, 29, 17}},
    {"Edit1", "TEdit", "Panel2", {64, 48, 625, 21}},
    {"Label1", "TLabel", "Panel2", {24, 72, 31, 17}},
    {"Edit2", "TEdit", "Panel2", {64, 72, 625, 21}},
    {"Panel3", "TPanel", "Panel1", {24, 192, 705, 257}},
    {"LMDFill2", "TLMDFill", "Panel3", {1, 0, 703, 27}},
    {"Label2", "TLabel", "Panel3", {24, 48, 29, 17}},
    {"Edit3", "TEdit", "Panel3", {64, 48, 257, 21}},
    {"Label8", "TLabel", "Panel3", {328, 48, 93, 17}},
    {"Edit6", "TEdit", "Panel3", {432, 48, 257, 21}},
    {"Label13", "TLabel", "Panel3", {24, 72, 31, 17}},
    {"Edit7", "TEdit", "Panel3", {64, 72, 625, 21}},
    {"Label4", "TLabel", "Panel3", {24, 112, 66, 17}},
    {"Edit4", "TEdit", "Panel3", {104, 112, 585, 21}},
    {"Label5", "TLabel", "Panel3", {24, 152, 158, 17}},
    {"Edit5", "TEdit", "Panel3", {192, 152, 145, 21}},
    {"Label6", "TLabel", "Panel3", {24, 192, 383, 17}},
    {"PBNumEdit1", "TPBNumEdit", "Panel3", {432, 192, 100, 21}},
    {"Label7", "TLabel", "Panel3", {536, 194, 17, 17}},
    {"Label11", "TLabel", "Panel3", {24, 216, 155, 17}},
    {"PBNumEdit2", "TPBNumEdit", "Panel3", {192, 216, 100, 21}},
    {"Label12", "TLabel", "Panel3", {296, 218, 17, 17}},
};

using MainWindow = MainWindowTest;

TEST_F(MainWindow, ControlsSitAtTheirDesignedPlaces) {
    for (const auto& p : kPlacements) {
        SCOPED_TRACE(p.name);
        const auto* entry = form().FindComponent(QString::fromLatin1(p.name));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->className, QString::fromLatin1(p.className));
        const auto* widget = qobject_cast<QWidget*>(entry->object);
        ASSERT_NE(widget, nullptr);
        if (const auto* label = qobject_cast<const widgets::TLabel*>(widget)) {
            // Labels keep their designed corner and size themselves to their
            // text in the substituted face (see labels_wheel_test.cpp).
            EXPECT_EQ(label->pos(), p.bounds.topLeft());
            EXPECT_EQ(label->size(), label->TextExtent());
        } else {
            EXPECT_EQ(widget->geometry(), p.bounds);
        }
        const QWidget* parent = widget->parentWidget();
        if (*p.parent)
            EXPECT_EQ(parent->objectName(), QString::fromLatin1(p.parent));
        else
            EXPECT_EQ(parent, form().ClientArea()->widget());
    }
}

// The window is stretched over the work area with its frame: the caption bar
// and the borders lie on it, not outside.
TEST_F(MainWindow, WholeFrameLiesOnTheWorkArea) {
    const QRect area = form().screen()->availableGeometry();
    EXPECT_EQ(form().frameGeometry(), area);
    EXPECT_TRUE(area.contains(form().geometry()));
}

TEST_F(MainWindow, ComponentsAreListedInOwnershipOrder) {
    QStringList names;
    for (const auto& entry : form().Components().Entries())
        names << entry.name;
    EXPECT_EQ(names.join(' '),
              QStringLiteral("Panel1 Label9 Label10 Panel2 Label1 LMDFill1 Label3 Edit1 Edit2 "
                             "Panel3 LMDFill2 Label2 Label4 Label5 Label6 Label7 Label8 Label11 "
                             "Label12 Label13 Edit3 Edit4 Edit5 PBNumEdit1 Edit6 PBNumEdit2 Edit7 "
                             "AdvMainMenu1 Nyomtats1 Kitltsmentse1 Kitltttrlapbetltse1 Kilps1"));
}

TEST_F(MainWindow, TabVisitsTheFieldsSectionBySection) {
    const char* const order[] = {"Edit1", "Edit2", "Edit3",      "Edit6",      "Edit7",
                                 "Edit4", "Edit5", "PBNumEdit1", "PBNumEdit2", "Edit1"};
    for (const char* name : order) {
        EXPECT_EQ(focusedName(), QString::fromLatin1(name));
        press(Qt::Key_Tab);
    }
}

TEST_F(MainWindow, StartsWithDashesInTheEmployersFieldsAndZeroAmounts) {
    const std::pair<const char*, const char*> texts[] = {
        {"Edit1", "-"}, {"Edit2", "-"},      {"Edit3", ""}, {"Edit4", ""},      {"Edit5", ""},
        {"Edit6", ""},  {"PBNumEdit1", "0"}, {"Edit7", ""}, {"PBNumEdit2", "0"}};
    for (const auto& [name, text] : texts) {
        QLineEdit* field = form().FindField(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(field->text(), QString::fromLatin1(text)) << name;
    }
    EXPECT_TRUE(form().DocumentId().empty());
    EXPECT_EQ(form().PBNumEdit1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(MainWindow, LookupByNameIgnoresCaseAndFindsOnlyInputFields) {
    EXPECT_EQ(form().FindField(QStringLiteral("edit1")), form().Edit1);
    EXPECT_EQ(form().FindField(QStringLiteral("PBNUMEDIT2")), form().PBNumEdit2);
    EXPECT_EQ(form().FindField(QStringLiteral("Label3")), nullptr);
    EXPECT_EQ(form().FindField(QStringLiteral("Edit8")), nullptr);
    const auto* exit = form().FindComponent(QStringLiteral("KILPS1"));
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->object, form().Kilps1);
}

TEST_F(MainWindow, WindowAndLabelsCarryTheirTexts) {
    EXPECT_EQ(form().windowTitle(), QString::fromUtf8("Elektronikus nyomtatvány - Ezüstliget "
                                                      "Polgármesteri Hivatal"));
    EXPECT_EQ(form().Label9->text(), QString::fromUtf8("MUNKÁLTATÓI IGAZOLÁS"));
    EXPECT_EQ(form().Label6->text(),
              QString::fromUtf8("Nevezett utolsó havi nettó jövedelme (családi pótlék nélkül):"));
    EXPECT_EQ(form().LMDFill1->Caption(), QString::fromUtf8("    I. A MUNKÁLTATÓ"));
    EXPECT_EQ(form().LMDFill2->Caption(), QString::fromUtf8("     II. A MUNKAVÁLLALÓ"));
    const QStringList captions = {
        QString::fromUtf8("Nyomtatás"), QString::fromUtf8("Űrlap mentése"),
        QString::fromUtf8("Kitöltött űrlap betöltése"), QString::fromUtf8("Kilépés")};
    QStringList shown;
    for (const QAction* item : form().AdvMainMenu1->actions())
        shown << item->text();
    EXPECT_EQ(shown, captions);
    EXPECT_FALSE(form().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindow, FontsFollowTheSubstitutionTable) {
    const QFontInfo label(form().Label3->font());
    EXPECT_EQ(label.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(label.pixelSize(), 15);
    const QFontInfo title(form().Label9->font());
    EXPECT_EQ(title.pixelSize(), 27);
    EXPECT_TRUE(title.bold());
    EXPECT_EQ(QFontInfo(form().Edit1->font()).family(), QStringLiteral("MS Sans Serif"));
    const QFontInfo header(form().LMDFill1->CaptionFont());
    EXPECT_EQ(header.family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(header.bold());
}

TEST_F(MainWindow, PrintItemOpensThePreviewOnTheCertificate) {
    const QString before = form().Edit1->text();
    QString caption, status, zoom;
    bool maximized = false;
    int pages = 0;
    rq::testing::onModal([&](QWidget* modal) {
        auto* preview = qobject_cast<report::preview::qt::TfrxPreviewForm*>(modal);
        ASSERT_NE(preview, nullptr);
        caption = preview->windowTitle();
        maximized = preview->windowState().testFlag(Qt::WindowMaximized);
        status = preview->PagePanel->text();
        zoom = preview->ZoomCB->currentText();
        pages = preview->Preview->PageCount();
        rq::testing::keyInModal(modal, Qt::Key_Escape);
    });
    form().Nyomtats1->trigger();
    EXPECT_EQ(caption, QStringLiteral("Preview"));
    EXPECT_TRUE(maximized);
    EXPECT_EQ(status, QStringLiteral("Page 1 of 1"));
    EXPECT_EQ(zoom, QStringLiteral("100%"));
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(form().Edit1->text(), before);
}

TEST_F(MainWindow, PreviewOfThePrintItemPrintsOnTheSystemsPrinters) {
    // A server that does not exist lists no queue: only the substitute
    // printer remains. The preview's Print then says that the print service
    // is not running (rather than that no printer is installed), and prints
    // nothing.
    setenv("CUPS_SERVER", "/nonexistent/rq0612-cups.sock", 1);
    std::vector<std::string> messages;
    widgets::setUnhandledErrorHandler(
        [&](const std::string& message) { messages.push_back(message); });
    bool printHandler = false;
    rq::testing::onModal([&](QWidget* modal) {
        auto* preview = qobject_cast<report::preview::qt::TfrxPreviewForm*>(modal);
        ASSERT_NE(preview, nullptr);
        printHandler = static_cast<bool>(preview->Preview->PrintHandler);
        preview->PrintB->click();
        EXPECT_FALSE(preview->Preview->Locked());
        rq::testing::keyInModal(modal, Qt::Key_Escape);
    });
    form().Nyomtats1->trigger();
    const std::vector<std::string> names = form().Printers.PrinterList().PrinterNames();
    unsetenv("CUPS_SERVER");
    widgets::setUnhandledErrorHandler(nullptr);
    EXPECT_TRUE(printHandler);
    EXPECT_EQ(messages, std::vector<std::string>{
                            "The print service is not running, so nothing was printed. Start the "
                            "print service (CUPS), or ask your administrator to start it, then "
                            "print again."});
    EXPECT_EQ(names, std::vector<std::string>{"Virtual"});
}

TEST_F(MainWindow, ExitEndsTheProcessAtOnceWithCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Exiting at once leaves the windows alive by design; the re-executed
    // child must not turn that into a leak report under the sanitizer.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    form().Edit3->setText(QStringLiteral("unsaved"));
    EXPECT_EXIT(form().Kilps1->trigger(), ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindow, HiddenWindowsAreCreatedAfterTheMainWindow) {
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(forms_->Form2().isVisible());
    EXPECT_FALSE(forms_->Form3().isVisible());
    EXPECT_EQ(forms_->Form2().windowTitle(), QString::fromUtf8("Kitöltési útmutató"));
    EXPECT_EQ(forms_->Form3().windowTitle(), QStringLiteral("Form3"));
    EXPECT_EQ(forms_->Form3().RichEdit3.Text(), "RichEdit3\r\n");
    EXPECT_EQ(forms_->Form3().RichEdit4.Text(), "RichEdit4\r\n");
}

// The window shows the icon the desktop entry names (the installed file).
TEST_F(MainWindow, WindowHasTheInstalledIcon) {
    const QImage installed(QStringLiteral(RQ_TEST_DATA_DIR "/../../src/app/resources/rq0612.png"));
    ASSERT_FALSE(installed.isNull());
    const QImage shown = form().windowIcon().pixmap(installed.size()).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              installed.convertToFormat(QImage::Format_ARGB32));
}

} // namespace
} // namespace rq::app::testing
