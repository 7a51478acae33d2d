// TfrxFrame's property table: each value is stored only when it differs
// from the frame of a new view.
#include "report/model/frame.h"

namespace rq::report::model {

const ClassInfo& TfrxFrame::StaticClass() {
    using F = TfrxFrame;
    static const ClassInfo info(
        "TfrxFrame", nullptr,
        PropTable<F>()
            .integer("Color", &F::Color, &F::SetColor, clBlack)
            .boolean("DropShadow", &F::DropShadow, &F::SetDropShadow, false)
            .integer("ShadowColor", &F::ShadowColor, &F::SetShadowColor, clBlack)
            .floating("ShadowWidth", &F::ShadowWidth, &F::SetShadowWidth)
            .storedWhen([](const F& f) { return f.ShadowWidth() != 4; })
            .enumeration("Style", kTfrxFrameStyleType, &F::Style, &F::SetStyle, fsSolid)
            .set("Typ", kTfrxFrameTypesType, &F::Typ, &F::SetTyp, 0)
            .floating("Width", &F::Width, &F::SetWidth)
            .storedWhen([](const F& f) { return f.Width() != 1; })
            .done());
    return info;
}

} // namespace rq::report::model
