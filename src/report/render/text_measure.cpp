// TextMeasure: the report's layout object, made on first use from the host's
// measuring canvas, and the memo measurement on it.
#include "report/render/text_measure.h"

#include "report/render/memo_measure.h"

namespace rq::report::render {

TextMeasure::TextMeasure(MeasuringCanvasFactory factory) : factory_(std::move(factory)) {
    if (!factory_)
        model::raiseNoTextMeasure();
}

std::unique_ptr<TfrxDrawText> TextMeasure::NewDrawText() const {
    return std::make_unique<TfrxDrawText>(factory_());
}

TfrxDrawText& TextMeasure::Layout() {
    if (layout_ == nullptr)
        layout_ = NewDrawText();
    return *layout_;
}

model::Extended TextMeasure::CalcHeight(const model::TfrxCustomMemoView& memo) {
    return memoCalcHeight(memo, Layout());
}

model::Extended TextMeasure::CalcWidth(const model::TfrxCustomMemoView& memo) {
    return memoCalcWidth(memo, Layout());
}

TextMeasure& AttachTextMeasure(model::TfrxReport& report, MeasuringCanvasFactory factory) {
    auto measure = std::make_shared<TextMeasure>(std::move(factory));
    TextMeasure& attached = *measure;
    report.SetTextMeasure(std::move(measure));
    return attached;
}

TfrxDrawText* ReportLayout(const model::TfrxReport* report) {
    auto* measure = dynamic_cast<TextMeasure*>(report != nullptr ? report->TextMeasure() : nullptr);
    return measure != nullptr ? &measure->Layout() : nullptr;
}

} // namespace rq::report::render
