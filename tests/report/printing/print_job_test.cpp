// The print job against a recording printer: which pages reach the printer,
// in which order and with how many driver copies; the device set-up of each
// page; cancelling; and the page cache emptied after every page.
#include "recording_printer.h"
#include "report/printing/page_numbers.h"
#include "report/printing/print_job.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rq::report::printing::testing {
namespace {

// "BeginDoc", then "<page>x<driver copies>" per printed page, then
// "EndDoc" or "Abort", separated by spaces.
std::string summary(const RecordingPrinter& printer, const FakePages& pages) {
    std::string text;
    std::size_t drawn = 0;
    for (const std::string& call : printer.calls) {
        std::string item;
        if (call.starts_with("BeginDoc"))
            item = "BeginDoc";
        else if (call == "EndDoc" || call == "Abort")
            item = call;
        else if (call.starts_with("SetPrintParams")) {
            const std::string page = pages.draws.at(drawn++).substr(5);
            item = page.substr(0, page.find(' ')) + "x" +
                   call.substr(call.rfind(' ') + 1, call.size() - call.rfind(' ') - 2);
        }
        if (!item.empty())
            text += (text.empty() ? "" : " ") + item;
    }
    return text;
}

struct JobCase {
    const char* name;
    int pageCount;
    TfrxPrintChoices choices;
    const char* expected;
};

class PrintJobPagesTest : public ::testing::TestWithParam<JobCase> {};

TEST_P(PrintJobPagesTest, SendsTheSelectedPages) {
    const JobCase& c = GetParam();
    FakePages pages(c.pageCount);
    RecordingPrinter printer;
    TfrxPrintJob job(pages, printer);
    job.Run(c.choices, ParsePageNumbers(c.choices.PageNumbers, c.pageCount), "");
    EXPECT_EQ(summary(printer, pages), c.expected);
}

TfrxPrintChoices choices(int copies, bool collate, const char* pageNumbers = "",
                         model::TfrxPrintPages printPages = model::ppAll, bool reverse = false) {
    return {copies, collate, pageNumbers, printPages, reverse};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintJobPagesTest,
    ::testing::Values(
        JobCase{"OneCopy", 2, choices(1, true), "BeginDoc 1x1 2x1 EndDoc"},
        JobCase{"ThreeCopiesCollated", 3, choices(3, true),
                "BeginDoc 1x1 2x1 3x1 1x1 2x1 3x1 1x1 2x1 3x1 EndDoc"},
        JobCase{"ThreeCopiesUncollated", 3, choices(3, false), "BeginDoc 1x3 2x3 3x3 EndDoc"},
        JobCase{"ReverseCollated", 3, choices(2, true, "", model::ppAll, true),
                "BeginDoc 3x1 2x1 1x1 3x1 2x1 1x1 EndDoc"},
        JobCase{"ReverseUncollated", 3, choices(2, false, "", model::ppAll, true),
                "BeginDoc 3x2 2x2 1x2 EndDoc"},
        JobCase{"OddPagesOfARange", 6, choices(1, true, "2-5", model::ppOdd),
                "BeginDoc 3x1 5x1 EndDoc"},
        JobCase{"EvenPagesOfARange", 6, choices(1, true, "2-5", model::ppEven),
                "BeginDoc 2x1 4x1 EndDoc"},
        JobCase{"SpacesAroundNumbers", 5, choices(1, true, " 2 , 4 "), "BeginDoc 2x1 4x1 EndDoc"},
        JobCase{"ListOrderDoesNotReorderPages", 5, choices(1, true, "4,2"),
                "BeginDoc 2x1 4x1 EndDoc"},
        JobCase{"DescendingRangeStartsNoDocument", 10, choices(1, true, "7-3"), ""},
        JobCase{"PagesBeyondTheLastStartNoDocument", 3, choices(2, true, "9"), ""},
        JobCase{"EvenOfOnePageStartsNoDocument", 1, choices(1, true, "", model::ppEven), ""},
        JobCase{"CopiesBelowOnePrintOnce", 2, choices(0, false), "BeginDoc 1x1 2x1 EndDoc"},
        JobCase{"NegativeCopiesCollatedPrintOnce", 2, choices(-4, true),
                "BeginDoc 1x1 2x1 EndDoc"}),
    [](const auto& info) { return std::string(info.param.name); });

class PrintJobTest : public ::testing::Test {
protected:
    bool run(TfrxPrintChoices c = {}, const std::string& title = "") {
        TfrxPrintJob job(pages, printer);
        job.ProcessMessages = [this] {
            if (processMessages)
                processMessages();
        };
        return job.Run(c, ParsePageNumbers(c.PageNumbers, pages.Count()), title);
    }
    FakePages pages{3};
    RecordingPrinter printer{"Recorder", {600, 300}, 4, 5};
    std::function<void()> processMessages;
};

TEST_F(PrintJobTest, DrawsAtTheDeviceResolutionWithTheUnprintableMarginsSubtracted) {
    EXPECT_TRUE(run(choices(1, true, "1")));
    // 600/96 and 300/96 device pixels per report pixel; 4 mm and 5 mm at
    // 600 and 300 dpi are 94.488 and 59.055 device pixels.
    ASSERT_EQ(pages.draws.size(), 1u);
    EXPECT_EQ(pages.draws[0], "page 1 at 6.25 x 3.125, -94.488, -59.055");
}

TEST_F(PrintJobTest, OnASurfaceOfTheWholeSheetThePaperCornerIsTheOrigin) {
    printer.origin = TfrxCanvasOrigin::PaperCorner;
    EXPECT_TRUE(run(choices(1, true, "1")));
    ASSERT_EQ(pages.draws.size(), 1u);
    EXPECT_EQ(pages.draws[0], "page 1 at 6.25 x 3.125, 0.000, 0.000");
}

TEST_F(PrintJobTest, SetsTheDeviceUpFromEachPage) {
    pages.page(0).SetBin(3);
    pages.page(0).SetBinOtherPages(4);
    pages.page(1).SetBin(5);
    pages.page(1).SetBinOtherPages(6);
    pages.page(1).SetDuplex(model::dmHorizontal);
    pages.page(2).SetPaperSize(8);
    pages.page(2).SetOrientation(model::poLandscape);
    pages.page(2).SetDuplex(model::dmVertical);
    run();
    const std::vector<std::string> expected = {
        "BeginDoc ",
        "SetPrintParams(9, 210, 297, portrait, 3, 1, 1)",
        "BeginPage",
        "EndPage",
        "SetPrintParams(9, 210, 297, portrait, 6, 3, 1)",
        "BeginPage",
        "EndPage",
        "SetPrintParams(8, 420, 297, landscape, 7, 2, 1)",
        "BeginPage",
        "EndPage",
        "EndDoc",
    };
    EXPECT_EQ(printer.calls, expected);
}

TEST_F(PrintJobTest, GivesTheTitleAndReportsProgressPageByPage) {
    run(choices(2, true, "", model::ppAll, true), "Monthly");
    EXPECT_EQ(printer.calls.front(), "BeginDoc Monthly");
    EXPECT_EQ(pages.progress, (std::vector<int>{3, 2, 1, 3, 2, 1}));
}

TEST_F(PrintJobTest, HoldsAtMostOneRestoredPage) {
    run(choices(2, true));
    EXPECT_EQ(pages.maxHeld, 1);
    EXPECT_EQ(pages.held, 0);
}

TEST_F(PrintJobTest, CancelAfterTheFirstPageAbortsTheDocumentAndLeavesTheOtherCopies) {
    processMessages = [this] { pages.terminated = true; };
    EXPECT_FALSE(run(choices(3, true)));
    EXPECT_EQ(summary(printer, pages), "BeginDoc 1x1 Abort");
    EXPECT_EQ(pages.progress, std::vector<int>{1});
}

TEST_F(PrintJobTest, CancelOnTheLastPageStillEndsTheDocument) {
    processMessages = [this] { pages.terminated = pages.progress.size() == 3; };
    EXPECT_TRUE(run(choices(1, true)));
    EXPECT_EQ(summary(printer, pages), "BeginDoc 1x1 2x1 3x1 EndDoc");
}

TEST_F(PrintJobTest, ATerminatedFlagLeftFromBeforeIsCleared) {
    pages.terminated = true;
    EXPECT_TRUE(run(choices(1, true, "2")));
    EXPECT_EQ(summary(printer, pages), "BeginDoc 2x1 EndDoc");
}

TEST_F(PrintJobTest, APageThatFailsToDrawAbortsTheDocument) {
    class FailingPages : public FakePages {
    public:
        FailingPages() : FakePages(2) {}
        void DrawPage(int index, render::Canvas& canvas, Extended sx, Extended sy, Extended ox,
                      Extended oy) override {
            if (index == 1)
                throw std::runtime_error("draw failed");
            FakePages::DrawPage(index, canvas, sx, sy, ox, oy);
        }
    } failing;
    TfrxPrintJob job(failing, printer);
    EXPECT_THROW(job.Run({}, {}, ""), std::runtime_error);
    EXPECT_EQ(printer.calls.back(), "Abort");
}

TEST(PrintTitleTest, IsTheReportNameElseItsFileName) {
    model::TfrxReport report;
    EXPECT_EQ(PrintTitle(report, ""), "");
    EXPECT_EQ(PrintTitle(report, "cert.fr3"), "cert.fr3");
    report.ReportOptions().Name = "Certificate";
    EXPECT_EQ(PrintTitle(report, "cert.fr3"), "Certificate");
}

} // namespace
} // namespace rq::report::printing::testing
