// Property tables and the output protocol of the view bases.
#include "report/model/view.h"

namespace rq::report::model {

const ClassInfo& TfrxReportComponent::StaticClass() {
    using C = TfrxReportComponent;
    static const ClassInfo info(
        "TfrxReportComponent", &TfrxComponent::StaticClass(),
        PropTable<C>()
            .floating("Left", &C::Left, &C::SetLeft)
            .floating("Top", &C::Top, &C::SetTop)
            .floating("Width", &C::Width, &C::SetWidth)
            .floating("Height", &C::Height, &C::SetHeight)
            .integer("GroupIndex", &C::GroupIndex, &C::SetGroupIndex, std::nullopt)
            .set("Restrictions", kTfrxRestrictionsType, &C::Restrictions, &C::SetRestrictions, 0)
            .boolean("Visible", &C::Visible, &C::SetVisible, true)
            .string("OnAfterData", &C::OnAfterData, &C::SetOnAfterData)
            .string("OnAfterPrint", &C::OnAfterPrint, &C::SetOnAfterPrint)
            .string("OnBeforePrint", &C::OnBeforePrint, &C::SetOnBeforePrint)
            .string("OnPreviewClick", &C::OnPreviewClick, &C::SetOnPreviewClick)
            .done());
    return info;
}

void TfrxReportComponent::BeforeOutput() {
    SaveBounds();
}

void TfrxReportComponent::AfterOutput() {
    const Bounds& b = SavedBounds();
    SetBounds(b.Left, b.Top, b.Width, b.Height);
}

TfrxView::TfrxView() {
    fullSerialize_ = true;
}

const ClassInfo& TfrxView::StaticClass() {
    using V = TfrxView;
    static const ClassInfo info(
        "TfrxView", &TfrxReportComponent::StaticClass(),
        PropTable<V>()
            .enumeration("Align", kTfrxAlignType, &V::Align, &V::SetAlign, baNone)
            .enumeration("BrushStyle", kTBrushStyleType, &V::BrushStyle, &V::SetBrushStyle, bsSolid)
            .integer("Color", &V::Color, &V::SetColor, clNone)
            .storedWhen(&V::IsColorStored)
            .integer("Cursor", &V::Cursor, &V::SetCursor, 0)
            .string("DataField", &V::DataField, &V::SetDataField)
            .string("DataSetName", &V::DataSetName, &V::SetDataSetName)
            .object("Frame", "TfrxFrame", static_cast<TfrxFrame& (V::*)()>(&V::Frame))
            .boolean("Printable", &V::Printable, &V::SetPrintable, true)
            .enumeration("ShiftMode", kTfrxShiftModeType, &V::ShiftMode, &V::SetShiftMode, smAlways)
            .string("TagStr", &V::TagStr, &V::SetTagStr)
            .string("URL", &V::URL, &V::SetURL)
            .done());
    return info;
}

void TfrxView::BeforeOutput() {
    TfrxReportComponent::BeforeOutput();
    savedTagStr_ = tagStr_;
    savedURL_ = url_;
}

void TfrxView::AfterOutput() {
    TfrxReportComponent::AfterOutput();
    tagStr_ = savedTagStr_;
    url_ = savedURL_;
}

const ClassInfo& TfrxStretcheable::StaticClass() {
    using S = TfrxStretcheable;
    static const ClassInfo info("TfrxStretcheable", &TfrxView::StaticClass(),
                                PropTable<S>()
                                    .enumeration("StretchMode", kTfrxStretchModeType,
                                                 &S::StretchMode, &S::SetStretchMode, smDontStretch)
                                    .done());
    return info;
}

} // namespace rq::report::model
