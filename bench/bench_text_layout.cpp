// The certificate's body text through the layout: SetLines plus DrawLines on
// a screen bitmap at scale 1 and on a 600 dpi printer-kind bitmap.
#if __has_include(<QGuiApplication>)

#include "base/text1250.h"
#include "report/render/draw_text.h"
#include "report/render/qt/qt_canvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

namespace {

using namespace rq::report::render;

// Made once and never destroyed: the benchmark runner ends the process.
void ensureApplication() {
    [[maybe_unused]] static QGuiApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "rq0612-bench";
        static char* argv[] = {name, nullptr};
        auto* made = new QGuiApplication(argc, argv);
        qt::initQtRendering();
        return made;
    }();
}

std::vector<std::string> body() {
    const char* utf8[] = {
        "<u><b>Ezüstligeti Közműszolgáltató és Városgazdálkodási Nonprofit Korlátolt "
        "Felelősségű Társaság</b></u>",
        "<u><b>8000 Ezüstliget, Szent István király körút 112/B. földszint 3.</b></u>",
        "",
        "Alulírott munkáltató igazolom, hogy <b>Kovácsné Szentgyörgyvölgyi Erzsébet Margit</b> "
        ", leánykori neve: <b>Szentgyörgyvölgyi Erzsébet Margit</b>, <b>8000 Ezüstliget, "
        "Hosszúhegyi dűlő 1234/56.</b> szám alatti lakos <b>2001.09.01.</b> óta áll "
        "alkalmazásunkban <b>gazdasági és pénzügyi osztályvezető-helyettes</b> beosztásban.",
        "",
        "Nevezett  utolsó havi nettó jövedelme (családi pótlék nélkül):  <b>1 234 567</b> Ft.",
        "A családi pótlék összege: <b>123 456</b> Ft.",
    };
    std::vector<std::string> lines;
    for (const char* line : utf8)
        lines.push_back(rq::base::utf8ToCp1250(line));
    return lines;
}

void layOutBody(benchmark::State& state, int dpi, bool printer) {
    ensureApplication();
    const long double scale = dpi / 96.0L;
    const Rect box{10, 220, 626, 431};
    const Rect device{int(box.left * scale), int(box.top * scale), int(box.right * scale),
                      int(box.bottom * scale)};
    qt::QtImageCanvas canvas({device.right + 1, device.bottom + 1}, dpi, printer);
    auto text = std::make_unique<TfrxDrawText>(qt::newScreenMeasuringCanvas());
    CanvasFont font;
    font.name = "Tahoma";
    font.height = -15;
    const auto lines = body();
    for (auto _ : state) {
        text->UseFont(font);
        text->SetLayoutOptions(true, true, 0, false, false);
        text->SetSpacing(0, 0, 6);
        text->SetBounds(scale, scale, box, device);
        text->SetLines(lines);
        text->DrawLines(canvas, HAlign::haBlock, VAlign::vaTop);
        benchmark::DoNotOptimize(text->wrappedLines().size());
    }
}

void BM_TextLayoutScreen(benchmark::State& state) {
    layOutBody(state, 96, false);
}
BENCHMARK(BM_TextLayoutScreen);

void BM_TextLayoutPrinter600(benchmark::State& state) {
    layOutBody(state, 600, true);
}
BENCHMARK(BM_TextLayoutPrinter600);

// Wrapping one paragraph of n tagged words into a narrow box: each line's
// character records are cut from the paragraph's once, so the time grows
// linearly with the paragraph.
void BM_WrapLongTaggedParagraph(benchmark::State& state) {
    ensureApplication();
    std::string paragraph;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        paragraph += i % 4 == 1 ? "<b>dolor</b> " : "ipsum ";
    const Rect box{0, 0, 300, 100000};
    auto text = std::make_unique<TfrxDrawText>(qt::newScreenMeasuringCanvas());
    CanvasFont font;
    font.name = "Tahoma";
    font.height = -15;
    for (auto _ : state) {
        text->UseFont(font);
        text->SetLayoutOptions(true, true, 0, false, false);
        text->SetSpacing(0, 0, 0);
        text->SetBounds(1, 1, box, box);
        text->SetLines({paragraph});
        benchmark::DoNotOptimize(text->wrappedLines().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WrapLongTaggedParagraph)
    ->Arg(2000)
    ->Arg(8000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

#endif
