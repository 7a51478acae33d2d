// TextMeasure: the text layout a report's text views are measured and drawn
// with when a draw call brings no layout object of its own. The host makes it
// with the factory of its measuring canvas (the Qt code: a memory bitmap of
// the screen's resolution; tests: a canvas with known glyph widths) and
// attaches it to the report, which owns it.
#pragma once

#include "report/model/memo_view.h"
#include "report/model/report.h"
#include "report/render/draw_text.h"

#include <functional>
#include <memory>

namespace rq::report::render {

using MeasuringCanvasFactory = std::function<std::unique_ptr<Canvas>()>;

class TextMeasure : public model::TfrxTextMeasure {
public:
    explicit TextMeasure(MeasuringCanvasFactory factory);

    // A new layout object on a new measuring canvas.
    std::unique_ptr<TfrxDrawText> NewDrawText() const;
    // The layout object of the report's memos, made at first use.
    TfrxDrawText& Layout();

    model::Extended CalcHeight(const model::TfrxCustomMemoView& memo) override;
    model::Extended CalcWidth(const model::TfrxCustomMemoView& memo) override;

private:
    MeasuringCanvasFactory factory_;
    std::unique_ptr<TfrxDrawText> layout_;
};

// Attaches a new text measure on canvases of factory to the report (replacing
// any attached before) and returns it.
TextMeasure& AttachTextMeasure(model::TfrxReport& report, MeasuringCanvasFactory factory);

// The layout object of the report's text measure; null when report is null or
// has none attached.
TfrxDrawText* ReportLayout(const model::TfrxReport* report);

} // namespace rq::report::render
