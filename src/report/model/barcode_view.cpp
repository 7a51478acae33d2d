// TfrxBarCodeView's property table and its registration. Its own published
// properties follow the inherited view properties (bounds, fill, frame,
// data binding) in declaration order.
#include "report/model/barcode_view.h"

namespace rq::report::model {

const ClassInfo& TfrxBarCodeView::StaticClass() {
    using B = TfrxBarCodeView;
    static const ClassInfo info(
        "TfrxBarCodeView", &TfrxView::StaticClass(),
        PropTable<B>()
            .enumeration("BarType", kTfrxBarcodeTypeType, &B::BarType, &B::SetBarType, bcCode39)
            .boolean("CalcCheckSum", &B::CalcCheckSum, &B::SetCalcCheckSum, false)
            .string("Expression", &B::Expression, &B::SetExpression)
            .enumeration("HAlign", kTfrxHAlignType, &B::HAlign, &B::SetHAlign, haLeft)
            .integer("Rotation", &B::Rotation, &B::SetRotation, 0)
            .boolean("ShowText", &B::ShowText, &B::SetShowText, true)
            .string("Text", &B::Text, &B::SetText)
            .floating("Zoom", &B::Zoom, &B::SetZoom)
            .done(),
        &createComponent<TfrxBarCodeView>);
    return info;
}

void RegisterBarCodeView() {
    RegisterClass(TfrxBarCodeView::StaticClass());
}

} // namespace rq::report::model
