// DrawPage of the prepared certificate: into a 600 dpi image (the page a
// printer of that resolution gets; the counter page_bytes is the memory of
// that image) and into the recording canvas the preview keeps per page.
#if __has_include(<QGuiApplication>)

#include "certificate/certificate_template.h"
#include "report/engine/engine.h"
#include "report/model/report.h"
#include "report/preview/preview_pages.h"
#include "report/render/qt/page_output.h"
#include "report/render/qt/qt_canvas.h"

#include "qt_application.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rq::report;

// The certificate prepared once, every name answered with a sample text.
struct PreparedCertificate {
    PreparedCertificate() {
        rq::bench::qtApplication();
        rq::certificate::LoadCertificateTemplate(report);
        engine =
            &engine::AttachEngine(report, std::make_unique<preview::TfrxPreviewPages>(&report));
        report.OnGetValue = [](const std::string& name, rq::base::Variant& value) {
            value = rq::base::Variant("Kov\xE1"
                                      "cs \xE9s T\xE1rsa Kft. " +
                                      name);
        };
        prepared = engine->Prepare(true);
    }
    preview::TfrxPreviewPages& store() {
        return dynamic_cast<preview::TfrxPreviewPages&>(engine->PreviewPages());
    }
    model::TfrxReport report;
    engine::TfrxEngine* engine = nullptr;
    bool prepared = false;
};

PreparedCertificate& certificate() {
    static PreparedCertificate* made = new PreparedCertificate;
    return *made;
}

void BM_DrawPageCertificate600DpiImage(benchmark::State& state) {
    PreparedCertificate& c = certificate();
    if (!c.prepared)
        state.SkipWithError("Prepare failed");
    const auto draw = [&](render::Canvas& canvas, double sx, double sy) {
        c.store().DrawPage(0, canvas, sx, sy, 0, 0);
    };
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QImage image = render::qt::renderImage({210, 297}, 600, true, draw);
        bytes = image.sizeInBytes();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DrawPageCertificate600DpiImage)->Unit(benchmark::kMillisecond);

void BM_DrawPageCertificateRecording(benchmark::State& state) {
    PreparedCertificate& c = certificate();
    if (!c.prepared)
        state.SkipWithError("Prepare failed");
    std::size_t commands = 0;
    for (auto _ : state) {
        render::qt::QtRecordingCanvas recording({794, 1123});
        c.store().DrawPage(0, recording, 1, 1, 0, 0);
        commands = recording.commands().size();
    }
    state.counters["commands"] = static_cast<double>(commands);
}
BENCHMARK(BM_DrawPageCertificateRecording)->Unit(benchmark::kMillisecond);

} // namespace

#endif
