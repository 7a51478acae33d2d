// Pages: property tables and the paper geometry.
#include "report/model/page.h"

#include "base/rounding.h"
#include "report/model/band.h"
#include "report/model/float_text.h"
#include "report/model/paper.h"

#include <utility>

namespace rq::report::model {

const ClassInfo& TfrxPage::StaticClass() {
    using P = TfrxPage;
    static const ClassInfo info("TfrxPage", &TfrxComponent::StaticClass(),
                                PropTable<P>()
                                    .object("Font", "TFont", static_cast<TFont& (P::*)()>(&P::Font))
                                    .storedWhen([](const P& p) { return !p.ParentFont(); })
                                    .boolean("Visible", &P::Visible, &P::SetVisible, true)
                                    .done());
    return info;
}

const ClassInfo& TfrxReportPage::StaticClass() {
    using P = TfrxReportPage;
    static const ClassInfo info(
        "TfrxReportPage", &TfrxPage::StaticClass(),
        PropTable<P>()
            .enumeration("Orientation", kTPrinterOrientationType, &P::Orientation,
                         &P::SetOrientation, poPortrait)
            .floating("PaperWidth", &P::PaperWidth, &P::SetPaperWidth)
            .floating("PaperHeight", &P::PaperHeight, &P::SetPaperHeight)
            .integer("PaperSize", &P::PaperSize, &P::SetPaperSize, std::nullopt)
            .floating("LeftMargin", &P::LeftMargin, &P::SetLeftMargin)
            .floating("RightMargin", &P::RightMargin, &P::SetRightMargin)
            .floating("TopMargin", &P::TopMargin, &P::SetTopMargin)
            .floating("BottomMargin", &P::BottomMargin, &P::SetBottomMargin)
            .boolean("MirrorMargins", &P::MirrorMargins, &P::SetMirrorMargins, false)
            .boolean("LargeDesignHeight", &P::LargeDesignHeight, &P::SetLargeDesignHeight, false)
            .boolean("PrintOnPreviousPage", &P::PrintOnPreviousPage, &P::SetPrintOnPreviousPage,
                     false)
            .integer("Columns", &P::Columns, &P::SetColumns, 0)
            .floating("ColumnWidth", &P::ColumnWidth, &P::SetColumnWidth)
            .object("ColumnPositions", "TStrings", &P::ColumnPositions)
            .object("HGuides", "TStrings", &P::HGuides)
            .object("VGuides", "TStrings", &P::VGuides)
            .integer("Bin", &P::Bin, &P::SetBin, 7)
            .integer("BinOtherPages", &P::BinOtherPages, &P::SetBinOtherPages, 7)
            .object("BackPicture", "TPicture",
                    [](P& p) -> TPicture& { return p.Background().Picture(); })
            .integer("Color", &P::Color, &P::SetColor, clNone)
            .object("Frame", "TfrxFrame", [](P& p) -> TfrxFrame& { return p.Background().Frame(); })
            .string("DataSetName", &P::DataSetName, &P::SetDataSetName)
            .enumeration("Duplex", kTfrxDuplexModeType, &P::Duplex, &P::SetDuplex, dmNone)
            .string("OutlineText", &P::OutlineText, &P::SetOutlineText)
            .boolean("PrintIfEmpty", &P::PrintIfEmpty, &P::SetPrintIfEmpty, true)
            .boolean("TitleBeforeHeader", &P::TitleBeforeHeader, &P::SetTitleBeforeHeader, true)
            .string("OnAfterPrint", &P::OnAfterPrint, &P::SetOnAfterPrint)
            .string("OnBeforePrint", &P::OnBeforePrint, &P::SetOnBeforePrint)
            .string("OnManualBuild", &P::OnManualBuild, &P::SetOnManualBuild)
            .done(),
        &createComponent<TfrxReportPage>);
    return info;
}

TfrxReportPage::TfrxReportPage() : background_(std::make_unique<TfrxPictureView>()) {
    background_->SetColor(clNone);
    background_->SetKeepAspectRatio(false);
    UpdatePixelSize();
}

void TfrxReportPage::SetOrientation(TPrinterOrientation v) {
    if (v == orientation_)
        return;
    orientation_ = v;
    std::swap(paperWidth_, paperHeight_);
    const Extended l = leftMargin_, r = rightMargin_, t = topMargin_, b = bottomMargin_;
    if (v == poLandscape) {
        leftMargin_ = t;
        rightMargin_ = b;
        topMargin_ = r;
        bottomMargin_ = l;
    } else {
        leftMargin_ = b;
        rightMargin_ = t;
        topMargin_ = l;
        bottomMargin_ = r;
    }
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperWidth(Extended v) {
    paperWidth_ = v;
    paperSize_ = kCustomPaper;
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperHeight(Extended v) {
    paperHeight_ = v;
    paperSize_ = kCustomPaper;
    UpdatePixelSize();
}

void TfrxReportPage::SetPaperSize(std::int32_t v) {
    paperSize_ = v;
    if (v < kCustomPaper) {
        double w = paperWidth_, h = paperHeight_;
        if (PaperDimensions(v, w, h)) {
            paperWidth_ = orientation_ == poLandscape ? h : w;
            paperHeight_ = orientation_ == poLandscape ? w : h;
        }
    }
    UpdatePixelSize();
}

void TfrxReportPage::SetColumns(std::int32_t v) {
    columns_ = v;
    columnPositions_.Clear();
    if (v <= 0)
        return;
    columnWidth_ = (paperWidth_ - leftMargin_ - rightMargin_) / v;
    // A document may ask for any count; positions are kept for at most a
    // thousand columns so that outside input cannot demand unbounded memory.
    for (std::int32_t i = 0; i < v && i < 1000; ++i)
        columnPositions_.Add(floatText(i * columnWidth_));
}

Extended TfrxReportPage::PrintableWidth() const {
    return (paperWidth_ - leftMargin_ - rightMargin_) * PixelsPerMillimetre;
}

Extended TfrxReportPage::PrintableHeight() const {
    return (paperHeight_ - topMargin_ - bottomMargin_) * PixelsPerMillimetre;
}

void TfrxReportPage::UpdatePixelSize() {
    SetWidth(base::roundHalfEven(paperWidth_ * PixelsPerMillimetre));
    SetHeight(base::roundHalfEven(paperHeight_ * PixelsPerMillimetre));
}

void TfrxReportPage::ApplyPrinterDefaults() {
    leftMargin_ = rightMargin_ = topMargin_ = bottomMargin_ = 10;
}

void TfrxReportPage::AlignChildren() {
    SetWidth(PrintableWidth());
    TfrxComponent::AlignChildren();
    for (int i = 0; i < Count(); ++i) {
        auto* band = dynamic_cast<TfrxBand*>(Objects(i));
        if (!band)
            continue;
        if (band->Vertical())
            band->SetHeight(PrintableHeight() - band->Top());
        else
            band->SetWidth(PrintableWidth() - band->Left());
        band->AlignChildren();
    }
    UpdatePixelSize();
}

} // namespace rq::report::model
