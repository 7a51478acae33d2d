// The print job on a generated report of 100 pages of 40 text objects: into
// a recording printer (the job, the store's page rebuilding and the drawing
// on a canvas that only records) and into a PDF file at 600 dpi through Qt.
// Counters: pages per second, the most rebuilt pages held at once, and the
// process's peak resident memory.
#if __has_include(<QGuiApplication>)

#include "report/printing/print_job.h"
#include "../tests/report/printing/recording_printer.h"
#include "generated_report.h"
#include "peak_memory.h"
#include "qt_application.h"
#include "report/preview/preview_pages.h"
#include "report/printing/store_print_pages.h"
#include "report/render/qt/qt_canvas.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace rq::report;
using printing::TfrxPrintChoices;

constexpr int kPages = 100;

// A printer that paints the pages into one PDF file at 600 dpi.
class PdfPrinter : public printing::TfrxCustomPrinter {
public:
    explicit PdfPrinter(QString path) : TfrxCustomPrinter("PDF", ""), path_(std::move(path)) {}
    void Init() override {}
    void BeginDoc() override {
        document_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        document_->setOutputFormat(QPrinter::PdfFormat);
        document_->setOutputFileName(path_);
        document_->setResolution(600);
        document_->setFullPage(true);
    }
    void BeginPage() override {
        if (canvas_)
            document_->newPage();
        else
            canvas_ = render::qt::QtCanvas::printer(document_.get());
    }
    void EndPage() override {}
    void EndDoc() override {
        canvas_.reset();
        document_.reset();
    }
    void Abort() override { EndDoc(); }
    void SetViewParams(std::int32_t, printing::Extended, printing::Extended,
                       model::TPrinterOrientation) override {}
    void SetPrintParams(std::int32_t, printing::Extended, printing::Extended,
                        model::TPrinterOrientation, std::int32_t, std::int32_t,
                        std::int32_t) override {
        dpi_ = {600, 600};
    }
    void PropertiesDialog() override {}
    render::Canvas* Canvas() override { return canvas_.get(); }

private:
    QString path_;
    std::unique_ptr<QPrinter> document_;
    std::unique_ptr<render::qt::QtCanvas> canvas_;
};

// Counts the rebuilt pages held by the store after every page.
struct Watched : printing::TfrxStorePrintPages {
    using TfrxStorePrintPages::TfrxStorePrintPages;
    explicit Watched(preview::TfrxPreviewPages& s) : TfrxStorePrintPages(s), store(s) {}
    void DrawPage(int index, render::Canvas& canvas, printing::Extended sx, printing::Extended sy,
                  printing::Extended ox, printing::Extended oy) override {
        TfrxStorePrintPages::DrawPage(index, canvas, sx, sy, ox, oy);
        held = std::max(held, static_cast<int>(store.PageCacheKeys().size()));
    }
    preview::TfrxPreviewPages& store;
    int held = 0;
};

void report(benchmark::State& state, int held) {
    state.SetItemsProcessed(state.iterations() * kPages);
    state.counters["pages_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kPages), benchmark::Counter::kIsRate);
    state.counters["max_held_pages"] = held;
    state.counters["peak_rss_MiB"] = rq::bench::peakResidentMiB();
}

void BM_PrintJobRecordingPrinter(benchmark::State& state) {
    rq::bench::qtApplication();
    rq::bench::GeneratedReport generated(kPages);
    Watched pages(generated.store);
    printing::testing::RecordingPrinter printer;
    for (auto _ : state) {
        printer.calls.clear();
        printing::TfrxPrintJob(pages, printer).Run(TfrxPrintChoices{}, {}, "");
    }
    report(state, pages.held);
}
BENCHMARK(BM_PrintJobRecordingPrinter)->Unit(benchmark::kMillisecond);

void BM_PrintJobPdfFile(benchmark::State& state) {
    rq::bench::qtApplication();
    rq::bench::GeneratedReport generated(kPages);
    Watched pages(generated.store);
    QTemporaryDir folder;
    PdfPrinter printer(folder.filePath("job.pdf"));
    for (auto _ : state)
        printing::TfrxPrintJob(pages, printer).Run(TfrxPrintChoices{}, {}, "");
    report(state, pages.held);
}
BENCHMARK(BM_PrintJobPdfFile)->Unit(benchmark::kMillisecond);

} // namespace

#endif
