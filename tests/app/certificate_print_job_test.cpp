// Printing the prepared certificate through the print dialog, confirmed
// unchanged, on a recording printer: one A4 portrait page from the default
// bin, one copy, in a document without a name; and a cancelled dialog.
#include "../report/printing/recording_printer.h"
#include "../support/modal_dialog.h"
#include "form1_harness.h"

#include "report/engine/engine.h"
#include "report/printing/qt/print_action.h"
#include "report/printing/qt/print_dialog.h"

namespace rq::app::testing {
namespace {

using report::printing::InstalledPrinters;
using report::printing::TfrxPrinters;
using report::printing::testing::RecordingPrinter;

class CertificatePrintJob : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form().Printing.today = [] { return base::encodeDate(2026, 12, 10); };
        form().Printing.processorSignature = [] { return std::string("31415926535"); };
        ASSERT_TRUE(form().PrepareCertificate());
        InstalledPrinters installed;
        installed.printers.push_back(std::make_unique<RecordingPrinter>("Office"));
        installed.defaultName = "Office";
        printers.emplace(std::move(installed));
    }
    report::preview::TfrxPreviewPages& store() {
        return dynamic_cast<report::preview::TfrxPreviewPages&>(
            report::engine::EngineOf(form().frxReport1)->PreviewPages());
    }
    RecordingPrinter& printer() {
        return static_cast<RecordingPrinter&>(*printers->CurrentPrinter());
    }

    std::optional<TfrxPrinters> printers;
};

TEST_F(CertificatePrintJob, TheDialogConfirmedUnchangedPrintsOneA4PageOnce) {
    rq::testing::onModal([](QWidget* modal) {
        static_cast<report::printing::qt::TfrxPrintDialog*>(modal)->OkB->click();
    });
    EXPECT_TRUE(
        report::printing::qt::PrintPrepared(form().frxReport1, store(), *printers, nullptr));
    const std::vector<std::string> expected = {"BeginDoc ",
                                               "SetPrintParams(9, 210, 297, portrait, 7, 1, 1)",
                                               "BeginPage", "EndPage", "EndDoc"};
    EXPECT_EQ(printer().calls, expected);
    EXPECT_EQ(store().PageCacheKeys(), std::vector<std::string>{});
}

TEST_F(CertificatePrintJob, ACancelledDialogPrintsNothingAndLocksNothing) {
    rq::testing::onModal([](QWidget* modal) {
        static_cast<report::printing::qt::TfrxPrintDialog*>(modal)->CancelB->click();
    });
    int locks = 0;
    EXPECT_FALSE(report::printing::qt::PrintPrepared(form().frxReport1, store(), *printers, nullptr,
                                                     [&](bool) { ++locks; }));
    EXPECT_TRUE(printer().calls.empty());
    EXPECT_EQ(locks, 0);
}

} // namespace
} // namespace rq::app::testing
