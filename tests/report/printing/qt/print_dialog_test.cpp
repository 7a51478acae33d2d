// The print dialog: every control at its place with its caption, and its
// behaviour: the printer list, the page choice, copies and collation, print
// to file, and what OK and Cancel hand to the job.
#include "../../../support/modal_dialog.h"
#include "../recording_printer.h"
#include "report/printing/qt/print_dialog.h"

#include "base/exceptions.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace rq::report::printing::qt {
namespace {

using testing::RecordingPrinter;

InstalledPrinters twoPrinters() {
    InstalledPrinters installed;
    installed.printers.push_back(std::make_unique<RecordingPrinter>("Office"));
    installed.printers.push_back(std::make_unique<RecordingPrinter>("Lab"));
    installed.defaultName = "Office";
    return installed;
}

struct PlaceCase {
    const char* name;
    const char* parent; // object name of the parent widget
    QRect geometry;     // width/height -1: sized to its text
    const char* caption;
};

QString captionOf(QWidget* widget) {
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    return {};
}

class PrintDialogLayoutTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PrintDialogLayoutTest, PlacesTheControlWithItsCaption) {
    TfrxPrinters printers(twoPrinters());
    TfrxPrintDialog dialog(printers);
    dialog.show();
    const PlaceCase& c = GetParam();
    auto* widget = dialog.findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), c.parent);
    EXPECT_EQ(widget->x(), c.geometry.x());
    EXPECT_EQ(widget->y(), c.geometry.y());
    if (c.geometry.width() > 0) {
        EXPECT_EQ(widget->width(), c.geometry.width());
        EXPECT_EQ(widget->height(), c.geometry.height());
    }
    EXPECT_EQ(captionOf(widget), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PrintDialogLayoutTest,
    ::testing::Values(
        PlaceCase{"Label12", "frxPrintDialog", {4, 4, 469, 97}, "Printer   "},
        PlaceCase{"PrintersCB", "Label12", {8, 20, 317, 22}, ""},
        PlaceCase{"PropButton", "Label12", {336, 20, 95, 22}, "Properties..."},
        PlaceCase{"TypeL", "Label12", {16, 52, -1, -1}, "Type:"},
        PlaceCase{"TypeL1", "Label12", {52, 52, -1, -1}, "Office"},
        PlaceCase{"WhereL", "Label12", {8, 72, -1, -1}, "Where:"},
        PlaceCase{"WhereL1", "Label12", {52, 72, -1, -1}, "port"},
        PlaceCase{"FileCB", "Label12", {332, 52, -1, -1}, "Print to file"},
        PlaceCase{"ReverseCB", "Label12", {332, 72, -1, -1}, "Reverse pages"},
        PlaceCase{"Label1", "frxPrintDialog", {4, 104, 261, 117}, "Pages   "},
        PlaceCase{"AllRB", "Label1", {8, 20, -1, -1}, "All"},
        PlaceCase{"CurPageRB", "Label1", {8, 40, -1, -1}, "Current page"},
        PlaceCase{"PageNumbersRB", "Label1", {8, 60, -1, -1}, "Pages:"},
        PlaceCase{"PageNumbersE", "Label1", {72, 58, 165, 21}, ""},
        PlaceCase{"DescrL",
                  "Label1",
                  {8, 82, 249, 29},
                  "Enter page numbers and/or page ranges, separated by commas. For example, "
                  "1,3,5-12"},
        PlaceCase{"Label2", "frxPrintDialog", {272, 104, 201, 117}, "Copies   "},
        PlaceCase{"CopiesL", "Label2", {12, 20, -1, -1}, "Number of copies"},
        PlaceCase{"CopiesE", "Label2", {132, 16, 37, 21}, ""},
        PlaceCase{"CopiesPB", "Label2", {12, 48, 92, 53}, ""},
        PlaceCase{"CollateCB", "Label2", {116, 58, -1, -1}, ""},
        PlaceCase{"CollateL", "Label2", {136, 60, 61, 41}, "Collate"},
        PlaceCase{"PrintL", "frxPrintDialog", {4, 236, -1, -1}, "Print"},
        PlaceCase{"OkB", "frxPrintDialog", {318, 232, 75, 25}, "OK"},
        PlaceCase{"CancelB", "frxPrintDialog", {398, 232, 75, 25}, "Cancel"}),
    [](const auto& info) { return std::string(info.param.name); });

class PrintDialogTest : public ::testing::Test {
protected:
    PrintDialogTest() : printers(twoPrinters()) {}

    // Runs the dialog; act works on it while it is open, then OK or Cancel.
    bool run(std::function<void(TfrxPrintDialog&)> act, bool ok = true) {
        rq::testing::onModal([act, ok](QWidget* modal) {
            auto& dialog = *static_cast<TfrxPrintDialog*>(modal);
            act(dialog);
            (ok ? dialog.OkB : dialog.CancelB)->click();
        });
        return RunPrintDialog(printers, 2, choices, nullptr);
    }

    TfrxPrinters printers;
    TfrxPrintChoices choices;
};

TEST_F(PrintDialogTest, IsAFixedDialogTitledPrint) {
    TfrxPrintDialog dialog(printers);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Print");
    EXPECT_EQ(dialog.size(), QSize(477, 263));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.font().family(), "Tahoma");
    EXPECT_EQ(dialog.font().pointSize(), 8);
    EXPECT_TRUE(dialog.OkB->isDefault());
    EXPECT_EQ(dialog.PrintPagesCB->x(), dialog.PrintL->x() + dialog.PrintL->width() + 11);
    EXPECT_EQ(dialog.PrintPagesCB->y(), 232);
    EXPECT_EQ(dialog.PrintPagesCB->width(), 165);
}

TEST_F(PrintDialogTest, ConfirmedUnchangedKeepsTheChoicesButAlwaysStartsWithAllPages) {
    choices = {3, false, "2-4", model::ppEven, false};
    QStringList seen;
    ASSERT_TRUE(run([&](TfrxPrintDialog& d) {
        seen << d.PrintersCB->currentText() << d.CopiesE->text() << d.PageNumbersE->text()
             << d.PrintPagesCB->currentText() << (d.AllRB->isChecked() ? "all" : "some");
        for (int i = 0; i < d.PrintersCB->count(); ++i)
            seen << d.PrintersCB->itemText(i);
    }));
    EXPECT_EQ(seen, (QStringList{"Office", "3", "2-4", "All pages", "all", "Office", "Lab"}));
    EXPECT_EQ(choices.Copies, 3);
    EXPECT_FALSE(choices.Collate);
    EXPECT_EQ(choices.PageNumbers, ""); // "All" is checked
    EXPECT_EQ(choices.PrintPages, model::ppAll);
    EXPECT_FALSE(choices.Reverse);
    EXPECT_EQ(printers.CurrentPrinter()->FileName, "");
}

struct PagesCase {
    const char* name;
    std::function<void(TfrxPrintDialog&)> act;
    const char* pageNumbers;
    model::TfrxPrintPages printPages;
};

class PrintDialogPagesTest : public PrintDialogTest,
                             public ::testing::WithParamInterface<PagesCase> {};

TEST_P(PrintDialogPagesTest, GivesThePageChoice) {
    ASSERT_TRUE(run(GetParam().act));
    EXPECT_EQ(choices.PageNumbers, GetParam().pageNumbers);
    EXPECT_EQ(choices.PrintPages, GetParam().printPages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintDialogPagesTest,
    ::testing::Values(PagesCase{"CurrentPageIsThePreviewsPage",
                                [](auto& d) { d.CurPageRB->click(); }, "2", model::ppAll},
                      PagesCase{"PagesTyped",
                                [](auto& d) {
                                    d.PageNumbersRB->click();
                                    d.PageNumbersE->setText(" 1, 3-5 ");
                                },
                                " 1, 3-5 ", model::ppAll},
                      PagesCase{"FocusOnTheTextChecksPages",
                                [](auto& d) {
                                    d.PageNumbersE->setText("4");
                                    d.activateWindow();
                                    d.PageNumbersE->setFocus();
                                    QApplication::processEvents();
                                },
                                "4", model::ppAll},
                      PagesCase{"OddPages",
                                [](auto& d) {
                                    d.PageNumbersRB->click();
                                    d.PageNumbersE->setText("2-5");
                                    d.PrintPagesCB->setCurrentIndex(1);
                                },
                                "2-5", model::ppOdd},
                      PagesCase{"EvenPages", [](auto& d) { d.PrintPagesCB->setCurrentIndex(2); },
                                "", model::ppEven}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintDialogTest, CopiesCollationAndReverse) {
    ASSERT_TRUE(run([](TfrxPrintDialog& d) {
        d.CopiesUp->click();
        d.CopiesUp->click();
        d.CopiesDown->click();                         // 2
        QTest::mouseClick(d.CollateL, Qt::LeftButton); // collate was on
        d.ReverseCB->click();
    }));
    EXPECT_EQ(choices.Copies, 2);
    EXPECT_FALSE(choices.Collate);
    EXPECT_TRUE(choices.Reverse);
}

TEST_F(PrintDialogTest, TheUpDownStopsAtOne) {
    ASSERT_TRUE(run([](TfrxPrintDialog& d) { d.CopiesDown->click(); }));
    EXPECT_EQ(choices.Copies, 1);
}

TEST_F(PrintDialogTest, CopiesThatAreNoNumberRaiseTheIntegerError) {
    try {
        run([](TfrxPrintDialog& d) { d.CopiesE->setText("2x"); });
        FAIL() << "no error";
    } catch (const base::EConvertError& e) {
        EXPECT_EQ(e.message(), "'2x' is not a valid integer value");
    }
}

TEST_F(PrintDialogTest, ChoosingAPrinterSelectsItAndCancelRestoresTheFormer) {
    QString type;
    EXPECT_FALSE(run(
        [&](TfrxPrintDialog& d) {
            d.PrintersCB->setCurrentIndex(1);
            emit d.PrintersCB->activated(1);
            type = d.TypeL1->text();
            EXPECT_EQ(printers.PrinterIndex(), 1);
        },
        false));
    EXPECT_EQ(type, "Lab");
    EXPECT_EQ(printers.PrinterIndex(), 0);

    EXPECT_TRUE(run([](TfrxPrintDialog& d) {
        d.PrintersCB->setCurrentIndex(1);
        emit d.PrintersCB->activated(1);
    }));
    EXPECT_EQ(printers.PrinterIndex(), 1);
}

TEST_F(PrintDialogTest, PropertiesOpensTheCurrentPrintersSettings) {
    run([](TfrxPrintDialog& d) { d.PropButton->click(); });
    EXPECT_EQ(static_cast<RecordingPrinter*>(printers.CurrentPrinter())->calls,
              std::vector<std::string>{"PropertiesDialog"});
}

TEST_F(PrintDialogTest, PrintToFileReplacesTheExtensionWithPrn) {
    // CI may hand us a relative TMPDIR; the file dialog resolves names against its own folder.
    const std::string folder = QDir(QDir::tempPath()).absolutePath().toStdString();
    ASSERT_TRUE(run([&](TfrxPrintDialog& d) {
        d.FileCB->click();
        rq::testing::onModal([&](QWidget* modal) {
            auto* files = static_cast<QFileDialog*>(modal);
            EXPECT_EQ(files->windowTitle(), "Print To File");
            EXPECT_EQ(files->nameFilters(), QStringList{"Printer files (*.prn)"});
            rq::testing::acceptFile(files, folder + "/certificate.txt");
        });
    }));
    EXPECT_EQ(printers.CurrentPrinter()->FileName, folder + "/certificate.prn");
}

TEST_F(PrintDialogTest, CancellingTheFileDialogCancelsThePrint) {
    printers.CurrentPrinter()->FileName = "old.prn";
    EXPECT_FALSE(run([](TfrxPrintDialog& d) {
        d.FileCB->click();
        rq::testing::onModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    }));
    EXPECT_EQ(printers.CurrentPrinter()->FileName, "");
}

TEST(PrnFileNameTest, ReplacesOrAddsTheExtension) {
    EXPECT_EQ(PrnFileName("/tmp/out.txt"), "/tmp/out.prn");
    EXPECT_EQ(PrnFileName("/tmp/out"), "/tmp/out.prn");
    EXPECT_EQ(PrnFileName("/tmp/a.b/out"), "/tmp/a.b/out.prn");
    EXPECT_EQ(PrnFileName("out.tar.gz"), "out.tar.prn");
}

} // namespace
} // namespace rq::report::printing::qt

namespace rq::report::printing::qt {
namespace {

// The shown dialog paints at its fixed size; with RQ_SCREENSHOT_DIR set the
// picture is kept there for a look (run under Xvfb with QT_QPA_PLATFORM=xcb).
TEST(PrintDialogPicture, PaintsTheWholeDialog) {
    TfrxPrinters printers(twoPrinters());
    TfrxPrintDialog dialog(printers);
    dialog.CopiesE->setText("2");
    dialog.show();
    QApplication::processEvents();
    const QPixmap picture = dialog.grab();
    EXPECT_EQ(picture.size() / picture.devicePixelRatio(), QSize(477, 263));
    if (const char* folder = std::getenv("RQ_SCREENSHOT_DIR")) {
        EXPECT_TRUE(picture.save(QString(folder) + "/print-dialog.png"));
    }
}

} // namespace
} // namespace rq::report::printing::qt
