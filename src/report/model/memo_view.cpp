// The text views' property table (with the "stored only when different"
// predicates) and their output protocol.
#include "report/model/memo_view.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/model/report.h"

#include <utility>

namespace rq::report::model {

const ClassInfo& TfrxCustomMemoView::StaticClass() {
    using M = TfrxCustomMemoView;
    static const ClassInfo info(
        "TfrxCustomMemoView", &TfrxStretcheable::StaticClass(),
        PropTable<M>()
            .object("Memo", "TStrings", static_cast<TStrings& (M::*)()>(&M::Memo))
            .boolean("AllowExpressions", &M::AllowExpressions, &M::SetAllowExpressions, true)
            .string("ExpressionDelimiters", &M::ExpressionDelimiters, &M::SetExpressionDelimiters)
            .storedWhen([](const M& m) { return m.ExpressionDelimiters() != "[,]"; })
            .boolean("AllowHTMLTags", &M::AllowHTMLTags, &M::SetAllowHTMLTags, false)
            .boolean("AutoWidth", &M::AutoWidth, &M::SetAutoWidth, false)
            .floating("CharSpacing", &M::CharSpacing, &M::SetCharSpacing)
            .storedWhen([](const M& m) { return m.CharSpacing() != 0; })
            .object("DisplayFormat", "TfrxFormat",
                    static_cast<TfrxFormat& (M::*)()>(&M::DisplayFormat))
            .reference("FlowTo", "TfrxCustomMemoView", &M::FlowTo, &M::SetFlowTo)
            .floating("GapX", &M::GapX, &M::SetGapX)
            .storedWhen([](const M& m) { return m.GapX() != 2; })
            .floating("GapY", &M::GapY, &M::SetGapY)
            .storedWhen([](const M& m) { return m.GapY() != 1; })
            .enumeration("HAlign", kTfrxHAlignType, &M::HAlign, &M::SetHAlign, haLeft)
            .enumeration("VAlign", kTfrxVAlignType, &M::VAlign, &M::SetVAlign, vaTop)
            .boolean("HideZeros", &M::HideZeros, &M::SetHideZeros, false)
            .object("Highlight", "TfrxHighlight",
                    static_cast<TfrxHighlight& (M::*)()>(&M::Highlight))
            .storedWhen([](const M& m) { return !base::trim(m.Highlight().Condition()).empty(); })
            .floating("LineSpacing", &M::LineSpacing, &M::SetLineSpacing)
            .storedWhen([](const M& m) { return m.LineSpacing() != 2; })
            .floating("ParagraphGap", &M::ParagraphGap, &M::SetParagraphGap)
            .storedWhen([](const M& m) { return m.ParagraphGap() != 0; })
            .integer("Rotation", &M::Rotation, &M::SetRotation, 0)
            .boolean("RTLReading", &M::RTLReading, &M::SetRTLReading, false)
            .boolean("Underlines", &M::Underlines, &M::SetUnderlines, false)
            .boolean("WordBreak", &M::WordBreak, &M::SetWordBreak, false)
            .boolean("WordWrap", &M::WordWrap, &M::SetWordWrap, true)
            .string("Style", &M::Style, &M::SetStyle)
            .boolean("SuppressRepeated", &M::SuppressRepeated, &M::SetSuppressRepeated, false)
            .object("Font", "TFont", static_cast<TFont& (M::*)()>(&M::Font))
            .storedWhen([](const M& m) { return !m.ParentFont(); })
            .boolean("ParentFont", &M::ParentFont, &M::SetParentFont, true)
            .done());
    return info;
}

TfrxCustomMemoView::TfrxCustomMemoView() {
    fullSerialize_ = false;
}

TfrxCustomMemoView* TfrxCustomMemoView::FlowTo() const {
    return dynamic_cast<TfrxCustomMemoView*>(flowTo_.get());
}

void TfrxCustomMemoView::SetFlowTo(TfrxComponent* v) {
    auto* memo = dynamic_cast<TfrxCustomMemoView*>(v);
    flowTo_ = memo && memo != this ? memo->Ref() : ComponentRef();
}

void TfrxCustomMemoView::SetStyle(const std::string& v) {
    style_ = v;
    if (TfrxReport* report = Report())
        report->Styles().ApplyTo(*this, v);
}

void raiseNoTextMeasure() {
    throw base::Exception("Text measurement is not available");
}

namespace {

// The text measure of the memo's report.
TfrxTextMeasure& textMeasureOf(const TfrxCustomMemoView& memo) {
    const TfrxReport* report = memo.Report();
    if (report == nullptr || report->TextMeasure() == nullptr)
        raiseNoTextMeasure();
    return *report->TextMeasure();
}

} // namespace

Extended TfrxCustomMemoView::CalcHeight() {
    return textMeasureOf(*this).CalcHeight(*this);
}

Extended TfrxCustomMemoView::CalcWidth() {
    return textMeasureOf(*this).CalcWidth(*this);
}

void TfrxCustomMemoView::BeforeOutput() {
    TfrxStretcheable::BeforeOutput();
    if (!IsDataBound())
        savedText_ = Text();
}

void TfrxCustomMemoView::AfterOutput() {
    if (!IsDataBound())
        SetText(savedText_);
    TfrxStretcheable::AfterOutput();
}

const ClassInfo& TfrxMemoView::StaticClass() {
    static const ClassInfo info("TfrxMemoView", &TfrxCustomMemoView::StaticClass(), {},
                                &createComponent<TfrxMemoView>);
    return info;
}

} // namespace rq::report::model
