// Printers on a real CUPS server: a private scheduler with two PostScript
// queues whose device is a file, so the tests see exactly what the filter
// chain made of a job. Enumeration, the default printer, papers and bins,
// the device metrics, a job handed over, a job aborted, printing to a file.
#include "../../../support/private_cups.h"
#include "../recording_printer.h"
#include "base/exceptions.h"
#include "report/printing/print_job.h"
#include "report/printing/qt/cups_printer.h"
#include "report/printing/qt/cups_printers.h"

#include <cups/cups.h>

#include <QFile>

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace rq::report::printing::qt {
namespace {

class CupsPrinterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (const auto why = rq::testing::PrivateCups::unavailable()) {
            skipReason = *why;
            return;
        }
        cups = new rq::testing::PrivateCups;
        // Installed but not working is a fault to see, not a reason to skip.
        if (const auto error = cups->startWithQueues({"rq-lab", "rq-office"})) {
            failure = *error;
            return;
        }
        cupsSetServer(cups->socket().c_str());
    }
    static void TearDownTestSuite() {
        delete cups;
        cups = nullptr;
        cupsSetServer(nullptr);
    }
    void SetUp() override {
        if (!skipReason.empty())
            GTEST_SKIP() << "no private CUPS scheduler: " << skipReason;
        if (!failure.empty())
            FAIL() << failure;
    }

    // Prints one A4 page with a frame on the printer; returns the job id.
    static void printFramedPage(TfrxCustomPrinter& printer) {
        printer.BeginDoc();
        printer.SetPrintParams(9, 0, 0, model::poPortrait, 7, 1, 1);
        printer.BeginPage();
        ASSERT_NE(printer.Canvas(), nullptr);
        printer.Canvas()->rectangle({100, 100, 2000, 3000});
        printer.EndPage();
    }

    static ipp_jstate_t jobState(const std::string& queue, int id) {
        cups_job_t* jobs = nullptr;
        const int count =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        ipp_jstate_t state = static_cast<ipp_jstate_t>(0);
        for (int i = 0; i < count; ++i)
            if (jobs[i].id == id)
                state = jobs[i].state;
        cupsFreeJobs(count, jobs);
        return state;
    }

    static std::string jobTitle(const std::string& queue, int id) {
        cups_job_t* jobs = nullptr;
        const int count =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        std::string title;
        for (int i = 0; i < count; ++i)
            if (jobs[i].id == id)
                title = jobs[i].title;
        cupsFreeJobs(count, jobs);
        return title;
    }

    static inline rq::testing::PrivateCups* cups = nullptr;
    static inline std::string skipReason;
    static inline std::string failure;
};

TEST_F(CupsPrinterTest, ListsTheQueuesAndSelectsTheDefault) {
    TfrxPrinters printers(CupsPrinters());
    EXPECT_TRUE(printers.HasPhysicalPrinters());
    EXPECT_EQ(printers.PrinterNames(), (std::vector<std::string>{"rq-lab", "rq-office"}));
    EXPECT_EQ(printers.PrinterIndex(), 1);
    EXPECT_EQ(printers.IndexOfPrinter("RQ-LAB"), 0);
    EXPECT_TRUE(printers.CurrentPrinter()->Initialized());
    EXPECT_FALSE(printers.Printers(0).Initialized());
}

TEST_F(CupsPrinterTest, InitReadsPapersBinsAndTheDevice) {
    TfrxPrinter printer("rq-office", "");
    printer.Init();
    ASSERT_TRUE(printer.Initialized());
    EXPECT_EQ(printer.Papers().front(), (TfrxPaperItem{"Custom", 256}));
    std::set<int> codes;
    for (const TfrxPaperItem& paper : printer.Papers())
        EXPECT_TRUE(codes.insert(paper.code).second) << paper.name << " " << paper.code;
    EXPECT_TRUE(codes.contains(9));                                        // A4
    EXPECT_TRUE(codes.contains(8));                                        // A3
    EXPECT_TRUE(codes.contains(1));                                        // Letter
    EXPECT_EQ(printer.Bins(), (std::vector<TfrxBinItem>{{"Default", 7}})); // no input slots
    EXPECT_EQ(printer.DPI(), (TfrxDPI{300, 300}));
    EXPECT_EQ(printer.DefOrientation(), model::poPortrait);

    printer.SetPrintParams(9, 0, 0, model::poLandscape, 7, 1, 1);
    EXPECT_NEAR(printer.PaperWidth(), 297, 0.1);
    EXPECT_NEAR(printer.PaperHeight(), 210, 0.1);
    EXPECT_EQ(printer.LeftMargin(), 0); // the driver prints to the edge
    EXPECT_EQ(printer.TopMargin(), 0);
    EXPECT_EQ(printer.Paper(), 9);
    EXPECT_EQ(printer.Orientation(), model::poLandscape);
}

TEST_F(CupsPrinterTest, AnUnknownQueueStaysUninitialised) {
    TfrxPrinter printer("rq-gone", "");
    printer.Init();
    EXPECT_FALSE(printer.Initialized());
    try {
        printer.BeginDoc();
        FAIL() << "no error";
    } catch (const base::Exception& e) {
        EXPECT_EQ(e.message(), "The printer \"rq-gone\" is no longer installed, so nothing was "
                               "printed. Choose another printer, then print again.");
    }
    EXPECT_FALSE(printer.Printing());
}

TEST_F(CupsPrinterTest, EndDocHandsTheJobToTheQueue) {
    TfrxPrinter printer("rq-lab", "");
    printer.Init();
    printer.Title = "framed";
    printFramedPage(printer);
    printer.EndDoc();
    ASSERT_GT(printer.LastJobId(), 0);
    ASSERT_TRUE(cups->waitIdle("rq-lab"));
    EXPECT_EQ(jobState("rq-lab", printer.LastJobId()), IPP_JSTATE_COMPLETED);
    const std::string output = cups->read("out/rq-lab.out");
    EXPECT_NE(output.find("%!PS"), std::string::npos);
    EXPECT_NE(output.find("%%Pages: 1"), std::string::npos);
    EXPECT_EQ(jobTitle("rq-lab", printer.LastJobId()), "framed");
}

TEST_F(CupsPrinterTest, AbortCancelsTheJobSoNothingPrints) {
    std::filesystem::remove(cups->outputPath("rq-office"));
    TfrxPrinter printer("rq-office", "");
    printer.Init();
    printFramedPage(printer);
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "rq-office", 0, CUPS_WHICHJOBS_ALL);
    ASSERT_GT(count, 0);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    EXPECT_EQ(jobState("rq-office", newest), IPP_JSTATE_CANCELED);
    EXPECT_FALSE(std::filesystem::exists(cups->outputPath("rq-office")));
    EXPECT_EQ(printer.LastJobId(), 0);
}

// The print job's Cancel, pressed while the first of two pages is out:
// the job the server holds is cancelled at the next page, and nothing of it
// reaches the printer.
TEST_F(CupsPrinterTest, CancelAfterTheFirstPageAbortsTheJobOnTheServer) {
    std::filesystem::remove(cups->outputPath("rq-office"));
    TfrxPrinter printer("rq-office", "");
    printer.Init();
    testing::FakePages pages(2);
    TfrxPrintJob job(pages, printer);
    job.ProcessMessages = [&] { pages.terminated = true; };
    EXPECT_FALSE(job.Run({}, {}, "cancelled"));
    EXPECT_EQ(pages.progress, std::vector<int>{1});
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "rq-office", 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    ASSERT_GT(newest, 0);
    EXPECT_EQ(jobTitle("rq-office", newest), "cancelled");
    EXPECT_EQ(jobState("rq-office", newest), IPP_JSTATE_CANCELED);
    EXPECT_TRUE(cups->waitIdle("rq-office"));
    EXPECT_FALSE(std::filesystem::exists(cups->outputPath("rq-office")));
    EXPECT_EQ(printer.LastJobId(), 0);
}

TEST_F(CupsPrinterTest, PrintToFileWritesTheDocumentWithoutAJob) {
    const auto file = cups->folder() / "out" / "to-file.prn";
    TfrxPrinter printer("rq-lab", "");
    printer.Init();
    printer.FileName = file.string();
    printFramedPage(printer);
    printer.EndDoc();
    EXPECT_EQ(printer.LastJobId(), 0);
    QFile written(QString::fromStdString(file.string()));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

} // namespace
} // namespace rq::report::printing::qt
