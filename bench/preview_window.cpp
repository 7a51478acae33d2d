// The preview window: the main window's print command to the first painted
// preview of the certificate (report run, window set-up and the page drawn
// through the store), and scrolling page by page through a generated report
// of 1000 pages in a 1000 x 800 workspace, every step painted. Counters:
// the most rebuilt pages the store held at once (its cache, never the whole
// report) and the process's peak resident memory.
#if __has_include(<QGuiApplication>)

#include "generated_report.h"
#include "peak_memory.h"
#include "qt_application.h"

#include "app/application.h"
#include "base/date_time.h"
#include "report/model/report.h"
#include "report/preview/qt/preview_form.h"
#include "report/preview/qt/preview_workspace.h"
#include "report/preview/qt/show_prepared.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

namespace pq = rq::report::preview::qt;

// Stops the clock once the workspace's first paint has been handled, then
// closes the window.
class FirstWorkspacePaint : public QObject {
public:
    FirstWorkspacePaint(pq::TfrxPreviewForm& form, QElapsedTimer& clock, qint64& elapsed)
        : form_(form), clock_(clock), elapsed_(elapsed) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs after this paint event has been handled.
            QTimer::singleShot(0, &form_, [this] {
                elapsed_ = clock_.nsecsElapsed();
                form_.close();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    pq::TfrxPreviewForm& form_;
    QElapsedTimer& clock_;
    qint64& elapsed_;
    bool seen_ = false;
};

void BM_PrintCommandToFirstPaintedPreview(benchmark::State& state) {
    rq::bench::qtApplication();
    static rq::app::Forms* forms = new rq::app::Forms; // kept: the runner ends the process
    rq::app::TForm1& form = forms->Form1();
    form.Edit1->setText(QString::fromUtf8("Kovács és Társa Kft."));
    form.Edit3->setText(QStringLiteral("Nagy Anna"));
    form.PBNumEdit1->setText(QStringLiteral("250 000"));
    form.Printing.today = [] { return rq::base::DateTime(46366); };
    form.Printing.processorSignature = [] { return std::string("31415926535"); };
    form.frxReport1.OnShowErrors = nullptr;

    QElapsedTimer clock;
    qint64 elapsed = -1;
    std::unique_ptr<FirstWorkspacePaint> watch;
    form.PreviewLink.opened = [&](pq::TfrxPreviewForm& preview) {
        watch = std::make_unique<FirstWorkspacePaint>(preview, clock, elapsed);
        preview.Preview->Workspace().viewport()->installEventFilter(watch.get());
    };
    for (auto _ : state) {
        elapsed = -1;
        clock.start();
        form.Nyomtats1->trigger();
        if (elapsed < 0) {
            state.SkipWithError("the preview was never painted");
            break;
        }
        state.SetIterationTime(static_cast<double>(elapsed) / 1e9);
        watch.reset();
    }
    form.PreviewLink.opened = nullptr;
    state.counters["peak_rss_MiB"] = rq::bench::peakResidentMiB();
}
BENCHMARK(BM_PrintCommandToFirstPaintedPreview)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr int kScrollPages = 1000;

void BM_PreviewScrollThrough1000Pages(benchmark::State& state) {
    rq::bench::qtApplication();
    rq::bench::GeneratedReport generated(kScrollPages);
    generated.report.PreviewOptions().Maximized = false;
    pq::TfrxPreviewForm form;
    form.Attach(generated.report, generated.store);
    form.show();
    pq::TfrxPreview& preview = *form.Preview;
    QWidget& viewport = *preview.Workspace().viewport();
    // The scroll bars come and go with the ranges, which change the client
    // area again: resized until it stays at the size.
    for (int attempt = 0; attempt < 5 && viewport.size() != QSize(1000, 800); ++attempt) {
        form.SetWorkspaceClientSize({1000, 800});
        QCoreApplication::processEvents();
    }
    if (viewport.size() != QSize(1000, 800)) {
        state.SkipWithError("the workspace did not get 1000 x 800 pixels");
        return;
    }
    std::size_t held = 0;
    QElapsedTimer clock;
    qint64 elapsed = 0;
    for (auto _ : state) {
        clock.start();
        for (int page = 1; page <= kScrollPages; ++page) {
            preview.SetPageNo(page);
            viewport.repaint();
            held = std::max(held, generated.store.PageCacheKeys().size());
        }
        elapsed += clock.nsecsElapsed();
    }
    state.SetItemsProcessed(state.iterations() * kScrollPages);
    state.counters["ms_per_page"] =
        static_cast<double>(elapsed) / 1e6 / static_cast<double>(state.iterations() * kScrollPages);
    state.counters["max_held_pages"] = static_cast<double>(held);
    state.counters["peak_rss_MiB"] = rq::bench::peakResidentMiB();
}
BENCHMARK(BM_PreviewScrollThrough1000Pages)->Unit(benchmark::kMillisecond);

} // namespace

#endif
