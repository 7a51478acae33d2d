// The print command's job as the clerk sees it, on a private CUPS scheduler:
// the preview window's Print, the print dialog confirmed, the job on the
// default queue. The preview is locked while the job runs and unlocked after
// it, also when it fails; the printing panel shows "Printing page" with a
// Cancel that aborts the job on the server; every failure is one message
// box saying what happened, and nothing reaches the printer.
//
// With RQ_SCREENSHOT_DIR set, pictures of the printing panel and of each
// failure's box are written there (for looking at them under a real X
// server).
#include "../support/modal_dialog.h"
#include "../support/private_cups.h"
#include "form1_harness.h"

#include "report/preview/qt/preview_form.h"
#include "report/printing/qt/print_dialog.h"
#include "widgets/window_system.h"

#include <cups/cups.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace rq::app::testing {
namespace {

using report::preview::qt::TfrxPreviewForm;
using report::printing::qt::TfrxPrintDialog;
using rq::testing::PrivateCups;

constexpr const char* kQueue = "rq-desk";

// Calls back on one kind of event of a watched object.
class EventHook : public QObject {
public:
    EventHook(QEvent::Type type, std::function<void()> action)
        : type_(type), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_)
            action_();
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
    std::function<void()> action_;
};

// The event loop runs each kind of source (timers, posted events, the
// window system) one call deep: an event loop nested in a timer's call runs
// posted calls but no timers, and the other way round. The window is
// driven from a timer, and what happens "while the job runs" is posted, so
// that the job's event processing between pages runs it, as it would run a
// click coming from the window system.
void later(QObject* context, std::function<void()> action) {
    auto* timer = new QTimer(context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        timer->deleteLater();
        action();
    });
    timer->start(0);
}

void saveScreenshot(QWidget& widget, const char* name) {
    if (const char* folder = std::getenv("RQ_SCREENSHOT_DIR"))
        widget.grab().save(QString::fromLocal8Bit(folder) + '/' + QString::fromLatin1(name) +
                           QStringLiteral(".png"));
}

// Runs action on every message box that becomes the active modal window
// while the returned watch lives (the preview window underneath is modal
// too, so onModal would take it).
std::unique_ptr<QTimer> onMessageBoxes(std::function<void(QMessageBox&)> action) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(5);
    QObject::connect(timer.get(), &QTimer::timeout, [action] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            if (box->isVisible())
                action(*box);
    });
    timer->start();
    return timer;
}

class WindowPrintJob : public MainWindowTest {
protected:
    static void SetUpTestSuite() {
        if (const auto why = PrivateCups::unavailable()) {
            skipReason = *why;
            return;
        }
        cups = new PrivateCups;
        if (const auto error = cups->startWithQueues({kQueue}))
            failure = *error;
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
        MainWindowTest::SetUp();
        form().Printing.today = [] { return base::encodeDate(2026, 12, 10); };
        form().Printing.processorSignature = [] { return std::string("31415926535"); };
        std::filesystem::remove(cups->outputPath(kQueue));
        jobsBefore = PrivateCups::jobCount(kQueue);
    }

    // What the clerk saw of one print from the preview window.
    struct Seen {
        std::vector<std::string> panel; // the printing panel's texts, as shown
        std::vector<bool> lockedWithPanel;
        bool lockedAfter = true;
        std::vector<std::string> boxes; // message boxes' texts
        bool cancelShown = false;
    };

    // The print command, then Print in the preview with the dialog confirmed
    // (copies as given); duringJob runs once, between the first and the
    // second page sent, as if the clerk acted while the panel shows.
    Seen printFromPreview(int copies = 1, std::function<void(TfrxPreviewForm&)> duringJob = {},
                          const char* screenshot = nullptr) {
        Seen seen;
        bool acted = false;
        std::unique_ptr<EventHook> panelShown;
        std::unique_ptr<QTimer> boxes;
        form().PreviewLink.opened = [&](TfrxPreviewForm& window) {
            report::preview::qt::TfrxPreview& preview = *window.Preview;
            panelShown = std::make_unique<EventHook>(QEvent::Show, [&] {
                seen.panel.push_back(preview.ProgressLabel().text().toStdString());
                seen.lockedWithPanel.push_back(preview.Locked());
                if (acted)
                    return;
                acted = true;
                // Runs while the job lets the window handle its events.
                QMetaObject::invokeMethod(
                    &window,
                    [&] {
                        seen.cancelShown = preview.ProgressCancel().isVisible();
                        if (screenshot)
                            saveScreenshot(window, screenshot);
                        if (duringJob)
                            duringJob(window);
                    },
                    Qt::QueuedConnection);
            });
            preview.ProgressPanel().installEventFilter(panelShown.get());
            later(&window, [&] {
                rq::testing::onModal([copies](QWidget* modal) {
                    auto* dialog = static_cast<TfrxPrintDialog*>(modal);
                    dialog->CopiesE->setText(QString::number(copies));
                    dialog->OkB->click();
                });
                boxes = onMessageBoxes([&](QMessageBox& box) {
                    seen.boxes.push_back(widgets::toAnsi(box.text()));
                    if (screenshot)
                        saveScreenshot(box, (std::string(screenshot) + "-message").c_str());
                    box.accept();
                });
                window.PrintB->click();
                seen.lockedAfter = preview.Locked();
                window.CancelB->click();
            });
        };
        form().Nyomtats1Click();
        return seen;
    }

    // The newest job the server knows of on the queue and its state.
    static std::pair<int, ipp_jstate_t> newestJob() {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
        std::pair<int, ipp_jstate_t> newest{0, static_cast<ipp_jstate_t>(0)};
        for (int i = 0; i < count; ++i)
            if (jobs[i].id > newest.first)
                newest = {jobs[i].id, jobs[i].state};
        cupsFreeJobs(count, jobs);
        return newest;
    }

    // The sheets the queue's device received.
    static int pagesPrinted() {
        const std::string output = cups->read(std::string("out/") + kQueue + ".out");
        int pages = 0;
        for (std::size_t at = output.find("%%Page: "); at != std::string::npos;
             at = output.find("%%Page: ", at + 1))
            ++pages;
        return pages;
    }

    static inline PrivateCups* cups = nullptr;
    static inline std::string skipReason;
    static inline std::string failure;
    int jobsBefore = 0;
};

void shell(const std::string& command) {
    EXPECT_EQ(PrivateCups::run(command), 0) << command;
}

TEST_F(WindowPrintJob, ThePreviewIsLockedWhileThePanelShowsThePageAndUnlockedAfter) {
    const Seen seen = printFromPreview(2, {}, "printing-panel");
    EXPECT_EQ(seen.panel, std::vector<std::string>{"Printing page 1"});
    EXPECT_EQ(seen.lockedWithPanel, std::vector<bool>{true});
    EXPECT_TRUE(seen.cancelShown);
    EXPECT_FALSE(seen.lockedAfter);
    EXPECT_EQ(seen.boxes, std::vector<std::string>{});
    ASSERT_TRUE(cups->waitIdle(kQueue));
    EXPECT_EQ(newestJob().second, IPP_JSTATE_COMPLETED);
    EXPECT_EQ(pagesPrinted(), 2); // the two collated copies
}

// The certificate has one page: Cancel after it, with three collated copies
// asked for, leaves the other two unprinted (a report of more pages aborts
// the job on the server at its next page, as CupsPrinterTest shows).
TEST_F(WindowPrintJob, CancelAfterTheFirstPageStopsTheJob) {
    const Seen seen = printFromPreview(
        3, [](TfrxPreviewForm& window) { window.Preview->ProgressCancel().click(); });
    EXPECT_EQ(seen.panel, std::vector<std::string>{"Printing page 1"});
    EXPECT_FALSE(seen.lockedAfter);
    EXPECT_EQ(seen.boxes, std::vector<std::string>{});
    ASSERT_TRUE(cups->waitIdle(kQueue));
    EXPECT_EQ(pagesPrinted(), 1);
}

TEST_F(WindowPrintJob, AJobCancelledOnTheServerIsReportedAsNotPrinted) {
    const Seen seen =
        printFromPreview(1, [](TfrxPreviewForm&) { shell(std::string("cancel -a ") + kQueue); });
    const int job = newestJob().first;
    EXPECT_EQ(seen.boxes,
              std::vector<std::string>{"The print job " + std::to_string(job) +
                                       " on the printer \"rq-desk\" was cancelled on the print "
                                       "server, so it was not printed. Print again if the "
                                       "document is still needed."});
    EXPECT_EQ(seen.lockedWithPanel, std::vector<bool>{true});
    EXPECT_FALSE(seen.lockedAfter);
    EXPECT_EQ(newestJob().second, IPP_JSTATE_CANCELED);
    EXPECT_FALSE(std::filesystem::exists(cups->outputPath(kQueue)));
}

// A queue, or the service behind it, that stops working after the printer
// list was read: one box says why, the preview is unlocked again, and the
// server holds no new job.
struct UnableCase {
    const char* name;
    std::function<void()> breakIt;
    std::function<void()> mendIt;
    const char* message;
};

void PrintTo(const UnableCase& c, std::ostream* out) {
    *out << c.name;
}

class WindowPrintUnable : public WindowPrintJob, public ::testing::WithParamInterface<UnableCase> {
public:
    static PrivateCups& server() { return *cups; }
};

TEST_P(WindowPrintUnable, OneBoxSaysWhyAndNothingIsPrinted) {
    ASSERT_TRUE(form().Printers.PrinterList().HasPhysicalPrinters());
    GetParam().breakIt();
    const Seen seen = printFromPreview(1, {}, GetParam().name);
    GetParam().mendIt();
    EXPECT_EQ(seen.boxes, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(seen.lockedWithPanel, std::vector<bool>{true});
    EXPECT_FALSE(seen.lockedAfter);
    EXPECT_EQ(PrivateCups::jobCount(kQueue), jobsBefore);
    EXPECT_FALSE(std::filesystem::exists(cups->outputPath(kQueue)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPrintUnable,
    ::testing::Values(
        UnableCase{"PrintServiceStopped", [] { WindowPrintUnable::server().pause(); },
                   [] { EXPECT_EQ(WindowPrintUnable::server().resume(), std::nullopt); },
                   "The print service is not running, so nothing was printed. Start the print "
                   "service (CUPS), or ask your administrator to start it, then print again."},
        UnableCase{"QueueDisabled", [] { shell(std::string("cupsdisable ") + kQueue); },
                   [] { shell(std::string("cupsenable ") + kQueue); },
                   "The printer \"rq-desk\" is stopped (Paused), so nothing was printed. Ask your "
                   "administrator to resume it, or choose another printer, then print again."},
        UnableCase{"QueueRejectingJobs",
                   [] { shell(std::string("cupsreject -r 'Out of toner' ") + kQueue); },
                   [] { shell(std::string("cupsaccept ") + kQueue); },
                   "The printer \"rq-desk\" is not accepting jobs (Out of toner), so nothing was "
                   "printed. Ask your administrator to let it accept jobs again, or choose "
                   "another printer, then print again."},
        UnableCase{"QueueDeletedAfterTheListWasRead",
                   [] { shell(std::string("lpadmin -x ") + kQueue); },
                   [] { EXPECT_TRUE(WindowPrintUnable::server().addFileQueue(kQueue, true)); },
                   "The printer \"rq-desk\" is no longer installed, so nothing was printed. "
                   "Choose another printer, then print again."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowPrintJob, AnEmptyPrinterListIsReadAgainAtTheNextPrint) {
    cups->pause();
    EXPECT_FALSE(form().Printers.PrinterList().HasPhysicalPrinters());
    ASSERT_EQ(cups->resume(), std::nullopt);
    EXPECT_TRUE(form().Printers.PrinterList().HasPhysicalPrinters());
    const Seen seen = printFromPreview();
    EXPECT_EQ(seen.boxes, std::vector<std::string>{});
    ASSERT_TRUE(cups->waitIdle(kQueue));
    EXPECT_EQ(newestJob().second, IPP_JSTATE_COMPLETED);
}

} // namespace
} // namespace rq::app::testing
