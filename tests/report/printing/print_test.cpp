// Print: the printer the report names, the dialog's say, the preview lock
// around the job, and the refusals before anything reaches a printer.
#include "recording_printer.h"
#include "report/printing/print.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

namespace rq::report::printing::testing {
namespace {

class PrintTest : public ::testing::Test {
protected:
    PrintTest() : printers(installed()) {}
    static InstalledPrinters installed() {
        InstalledPrinters result;
        result.printers.push_back(std::make_unique<RecordingPrinter>("Office"));
        result.printers.push_back(std::make_unique<RecordingPrinter>("Lab"));
        result.defaultName = "Office";
        return result;
    }
    RecordingPrinter& printer(int index) {
        return static_cast<RecordingPrinter&>(printers.Printers(index));
    }
    bool print() { return Print(report, "", pages, printers, hooks); }

    model::TfrxReport report;
    FakePages pages{2};
    TfrxPrinters printers;
    TfrxPrintHooks hooks;
};

TEST_F(PrintTest, DefaultNamesNoPrinterSoTheCurrentOneStays) {
    EXPECT_TRUE(print());
    EXPECT_EQ(printers.PrinterIndex(), 0);
    EXPECT_EQ(printer(0).calls.back(), "EndDoc");
    EXPECT_TRUE(printer(1).calls.empty());
}

TEST_F(PrintTest, APrinterNamedByTheReportIsSelected) {
    report.PrintOptions().Printer = "LAB";
    print();
    EXPECT_EQ(printers.PrinterIndex(), 1);
    EXPECT_TRUE(printer(0).calls.empty());
    EXPECT_EQ(printer(1).calls.back(), "EndDoc");
}

TEST_F(PrintTest, TheDialogStartsFromThePrintOptionsAndItsChoicesAreUsed) {
    report.PrintOptions().Copies = 4;
    report.PrintOptions().Collate = false;
    report.PrintOptions().PageNumbers = "2";
    TfrxPrintChoices seen;
    hooks.RunDialog = [&](TfrxPrintChoices& c) {
        seen = c;
        c.Copies = 2;
        c.PageNumbers = "1";
        return true;
    };
    print();
    EXPECT_EQ(seen.Copies, 4);
    EXPECT_FALSE(seen.Collate);
    EXPECT_EQ(seen.PageNumbers, "2");
    EXPECT_EQ(printer(0).calls[1], "SetPrintParams(9, 210, 297, portrait, 7, 1, 2)");
    EXPECT_EQ(pages.draws.size(), 1u);
}

TEST_F(PrintTest, ACancelledDialogPrintsNothingAndDoesNotLock) {
    int locks = 0;
    hooks.RunDialog = [](TfrxPrintChoices&) { return false; };
    hooks.LockPreview = [&](bool) { ++locks; };
    EXPECT_FALSE(print());
    EXPECT_TRUE(printer(0).calls.empty());
    EXPECT_EQ(locks, 0);
}

TEST_F(PrintTest, WithoutShowDialogTheDialogIsNotRun) {
    report.PrintOptions().ShowDialog = false;
    hooks.RunDialog = [](TfrxPrintChoices&) -> bool { throw std::logic_error("dialog shown"); };
    EXPECT_TRUE(print());
}

TEST_F(PrintTest, ThePreviewIsLockedDuringTheJobAndUnlockedAfterAnError) {
    std::vector<std::string> events;
    hooks.LockPreview = [&](bool locked) { events.push_back(locked ? "lock" : "unlock"); };
    pages.OnPrintingPage = [&](int n) { events.push_back("page " + std::to_string(n)); };
    print();
    EXPECT_EQ(events, (std::vector<std::string>{"lock", "page 1", "page 2", "unlock"}));

    events.clear();
    report.PrintOptions().PageNumbers = "1,,3";
    try {
        print();
        FAIL() << "no error";
    } catch (const base::EConvertError& e) {
        EXPECT_EQ(e.message(), "'' is not a valid integer value");
    }
    EXPECT_EQ(events, (std::vector<std::string>{"lock", "unlock"}));
    EXPECT_EQ(printer(0).calls.size(), 8u); // only the first job's
}

TEST_F(PrintTest, OnlyTheSubstitutePrinterRefuses) {
    TfrxPrinters none{InstalledPrinters{}};
    try {
        Print(report, "", pages, none, hooks);
        FAIL() << "no error";
    } catch (const base::Exception& e) {
        EXPECT_EQ(e.message(), "No printers installed in your system");
    }
    EXPECT_TRUE(pages.progress.empty());
}

} // namespace
} // namespace rq::report::printing::testing
