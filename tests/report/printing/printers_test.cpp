// The printer list: default selection, look-up by name, the substitute
// printer and its paper set-up.
#include "recording_printer.h"
#include "report/model/paper.h"
#include "report/printing/printers.h"
#include "report/printing/virtual_printer.h"

#include <gtest/gtest.h>

namespace rq::report::printing::testing {
namespace {

InstalledPrinters installed(std::initializer_list<const char*> names, const char* defaultName) {
    InstalledPrinters result;
    for (const char* name : names)
        result.printers.push_back(std::make_unique<RecordingPrinter>(name));
    result.defaultName = defaultName;
    return result;
}

struct DefaultCase {
    const char* name;
    const char* defaultName;
    int expectedIndex;
};

class PrinterListDefaultTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(PrinterListDefaultTest, SelectsAndInitialisesThePrinter) {
    TfrxPrinters list(installed({"Office", "Lab", "Front"}, GetParam().defaultName));
    EXPECT_TRUE(list.HasPhysicalPrinters());
    EXPECT_EQ(list.PrinterNames(), (std::vector<std::string>{"Office", "Lab", "Front"}));
    EXPECT_EQ(list.PrinterIndex(), GetParam().expectedIndex);
    ASSERT_NE(list.CurrentPrinter(), nullptr);
    EXPECT_TRUE(list.CurrentPrinter()->Initialized());
    EXPECT_FALSE(list.Printers(GetParam().expectedIndex == 0 ? 1 : 0).Initialized());
}

INSTANTIATE_TEST_SUITE_P(Cases, PrinterListDefaultTest,
                         ::testing::Values(DefaultCase{"SystemDefault", "Lab", 1},
                                           DefaultCase{"DefaultInOtherCase", "FRONT", 2},
                                           DefaultCase{"NoDefaultTakesTheFirst", "", 0},
                                           DefaultCase{"UnknownDefaultTakesTheFirst", "Gone", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrinterListTest, FindsPrintersWithoutRegardToLetterCase) {
    TfrxPrinters list(installed({"Office", "Lab"}, "Office"));
    EXPECT_EQ(list.IndexOfPrinter("lab"), 1);
    EXPECT_EQ(list.IndexOfPrinter("OFFICE"), 0);
    EXPECT_EQ(list.IndexOfPrinter("Default"), -1);
    EXPECT_EQ(list.IndexOfPrinter(""), -1);
}

TEST(PrinterListTest, SelectionInitialisesOnceAndMinusOneSelectsNothing) {
    TfrxPrinters list(installed({"Office", "Lab"}, "Office"));
    list.SelectPrinter(1);
    list.SelectPrinter(1);
    EXPECT_EQ(static_cast<RecordingPrinter&>(list.Printers(1)).inits, 2);
    list.SelectPrinter(-1);
    EXPECT_EQ(list.CurrentPrinter(), nullptr);
}

TEST(PrinterListTest, PapersAndBinsStartWithCustomAndDefault) {
    RecordingPrinter printer;
    EXPECT_EQ(printer.Papers(), (std::vector<TfrxPaperItem>{{"Custom", 256}}));
    EXPECT_EQ(printer.Bins(), (std::vector<TfrxBinItem>{{"Default", 7}}));
}

TEST(PrinterListTest, WithoutPrintersHoldsTheSelectedVirtualPrinter) {
    TfrxPrinters list(InstalledPrinters{});
    EXPECT_FALSE(list.HasPhysicalPrinters());
    EXPECT_EQ(list.PrinterNames(), std::vector<std::string>{"Virtual"});
    EXPECT_EQ(list.PrinterIndex(), 0);
    TfrxCustomPrinter& printer = *list.CurrentPrinter();
    EXPECT_TRUE(printer.Initialized());
    EXPECT_EQ(printer.Port(), "");
    EXPECT_EQ(printer.DPI(), (TfrxDPI{600, 600}));
    EXPECT_EQ(printer.DefPaper(), 9);
    EXPECT_EQ(printer.DefOrientation(), model::poPortrait);
    EXPECT_EQ(printer.DefPaperWidth(), 210);
    EXPECT_EQ(printer.DefPaperHeight(), 297);
    EXPECT_EQ(printer.Bin(), 7);
    ASSERT_EQ(printer.Papers().size(), 1 + model::paperRows().size());
    EXPECT_EQ(printer.Papers()[0], (TfrxPaperItem{"Custom", 256}));
    EXPECT_EQ(printer.Papers()[9], (TfrxPaperItem{"210 x 297 mm", 9}));
    EXPECT_EQ(printer.Canvas(), nullptr);
}

struct ViewCase {
    const char* name;
    int paper;
    model::TPrinterOrientation orientation;
    int expectedPaper;
    double width, height;
};

class VirtualPrinterPaperTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(VirtualPrinterPaperTest, SizesThePaper) {
    const ViewCase& c = GetParam();
    TfrxVirtualPrinter printer("Virtual", "");
    printer.Init();
    printer.SetPrintParams(c.paper, 100, 150, c.orientation, 3, 1, 1);
    EXPECT_EQ(printer.Paper(), c.expectedPaper);
    EXPECT_DOUBLE_EQ(printer.PaperWidth(), c.width);
    EXPECT_DOUBLE_EQ(printer.PaperHeight(), c.height);
    EXPECT_EQ(printer.Orientation(), c.orientation);
    EXPECT_EQ(printer.Bin(), 3);
    EXPECT_EQ(printer.LeftMargin(), 5);
    EXPECT_EQ(printer.TopMargin(), 5);
    EXPECT_EQ(printer.RightMargin(), 5);
    EXPECT_EQ(printer.BottomMargin(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VirtualPrinterPaperTest,
    ::testing::Values(ViewCase{"A4Portrait", 9, model::poPortrait, 9, 210, 297},
                      ViewCase{"A4Landscape", 9, model::poLandscape, 9, 297, 210},
                      ViewCase{"CustomKeepsTheGivenSize", 256, model::poPortrait, 256, 100, 150},
                      ViewCase{"UnknownCodeBecomesCustom", 48, model::poLandscape, 256, 100, 150}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::report::printing::testing
