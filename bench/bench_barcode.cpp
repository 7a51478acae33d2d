// Barcodes: encoding 10 000 EAN-13 and Code 128 symbols, encoding one text
// of growing length (linear time), and drawing 10 000 barcode objects on a
// screen bitmap through the view drawing table.
#include "report/barcode/barcode.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace rq::report;

constexpr int kSymbols = 10000;

// Twelve digits for EAN-13, short mixed texts for Code 128, all different.
std::vector<std::string> Texts(model::TfrxBarcodeType type) {
    std::vector<std::string> texts;
    for (int i = 0; i < kSymbols; ++i) {
        std::string digits = std::to_string(400000000000LL + 7919LL * i);
        texts.push_back(type == model::bcCodeEAN13 ? digits : "Lot " + digits.substr(6) + "/a");
    }
    return texts;
}

void EncodeAll(benchmark::State& state, model::TfrxBarcodeType type) {
    const auto texts = Texts(type);
    barcode::TfrxBarcode g;
    g.SetTyp(type);
    g.SetChecksum(true);
    for (auto _ : state)
        for (const auto& text : texts) {
            g.SetText(text);
            benchmark::DoNotOptimize(g.EncodeBars());
        }
    state.SetItemsProcessed(state.iterations() * kSymbols);
}

void BM_BarcodeEncode10000_EAN13(benchmark::State& state) {
    EncodeAll(state, model::bcCodeEAN13);
}
BENCHMARK(BM_BarcodeEncode10000_EAN13)->Unit(benchmark::kMillisecond);

void BM_BarcodeEncode10000_Code128B(benchmark::State& state) {
    EncodeAll(state, model::bcCode128B);
}
BENCHMARK(BM_BarcodeEncode10000_Code128B)->Unit(benchmark::kMillisecond);

void BM_BarcodeEncodeLength_Code128B(benchmark::State& state) {
    barcode::TfrxBarcode g;
    g.SetTyp(model::bcCode128B);
    g.SetText(std::string(static_cast<std::size_t>(state.range(0)), 'x'));
    for (auto _ : state)
        benchmark::DoNotOptimize(g.EncodeBars());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BarcodeEncodeLength_Code128B)->RangeMultiplier(4)->Range(16, 16384)->Complexity();

} // namespace

#if __has_include(<QGuiApplication>)

#include "report/model/barcode_view.h"
#include "report/render/draw_view.h"
#include "report/render/qt/qt_canvas.h"

#include "qt_application.h"

namespace {

// Each object drawn at scale 1 with its text, as the preview draws a page.
void DrawAll(benchmark::State& state, model::TfrxBarcodeType type) {
    rq::bench::qtApplication();
    const auto texts = Texts(type);
    model::TfrxBarCodeView view;
    view.SetBarType(type);
    view.SetCalcCheckSum(true);
    view.SetLeft(10);
    view.SetTop(10);
    view.SetHeight(60);
    render::qt::QtImageCanvas canvas({240, 90});
    for (auto _ : state)
        for (const auto& text : texts) {
            view.SetText(text);
            render::DrawView(view, render::DrawContext{canvas});
        }
    state.SetItemsProcessed(state.iterations() * kSymbols);
}

void BM_BarcodeDraw10000_EAN13(benchmark::State& state) {
    DrawAll(state, model::bcCodeEAN13);
}
BENCHMARK(BM_BarcodeDraw10000_EAN13)->Unit(benchmark::kMillisecond);

void BM_BarcodeDraw10000_Code128B(benchmark::State& state) {
    DrawAll(state, model::bcCode128B);
}
BENCHMARK(BM_BarcodeDraw10000_Code128B)->Unit(benchmark::kMillisecond);

} // namespace

#endif
