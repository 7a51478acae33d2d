// Pages: TfrxPage (font and visibility) and TfrxReportPage with its paper
// (millimetres, from the paper table or custom), orientation, margins,
// columns and background. Width and Height follow the paper in pixels.
#pragma once

#include "report/model/component.h"
#include "report/model/picture_view.h"
#include "report/model/strings.h"

namespace rq::report::model {

class TfrxPage : public TfrxComponent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
};

class TfrxReportPage : public TfrxPage {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Description() const override { return "obRepPage"; }
    std::string NamePrefix() const override { return "Page"; }

    TfrxReportPage();

    TPrinterOrientation Orientation() const { return orientation_; }
    // Swaps the paper sides and rotates the margins.
    void SetOrientation(TPrinterOrientation v);
    Extended PaperWidth() const { return paperWidth_; } // mm
    Extended PaperHeight() const { return paperHeight_; }
    // Setting a side directly makes the paper custom (256).
    virtual void SetPaperWidth(Extended v);
    virtual void SetPaperHeight(Extended v);
    std::int32_t PaperSize() const { return paperSize_; }
    // A code below 256 takes its sides from the paper table (swapped in landscape).
    virtual void SetPaperSize(std::int32_t v);
    Extended LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(Extended v) { leftMargin_ = v; }
    Extended RightMargin() const { return rightMargin_; }
    void SetRightMargin(Extended v) { rightMargin_ = v; }
    Extended TopMargin() const { return topMargin_; }
    void SetTopMargin(Extended v) { topMargin_ = v; }
    Extended BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(Extended v) { bottomMargin_ = v; }
    bool MirrorMargins() const { return mirrorMargins_; }
    void SetMirrorMargins(bool v) { mirrorMargins_ = v; }
    bool LargeDesignHeight() const { return largeDesignHeight_; }
    void SetLargeDesignHeight(bool v) { largeDesignHeight_ = v; }
    bool PrintOnPreviousPage() const { return printOnPreviousPage_; }
    void SetPrintOnPreviousPage(bool v) { printOnPreviousPage_ = v; }
    std::int32_t Columns() const { return columns_; }
    // Recomputes ColumnWidth and ColumnPositions (0, w, 2w ...).
    void SetColumns(std::int32_t v);
    Extended ColumnWidth() const { return columnWidth_; } // mm
    void SetColumnWidth(Extended v) { columnWidth_ = v; }
    TStrings& ColumnPositions() { return columnPositions_; }
    TStrings& HGuides() { return hGuides_; }
    TStrings& VGuides() { return vGuides_; }
    std::int32_t Bin() const { return bin_; }
    void SetBin(std::int32_t v) { bin_ = v; }
    std::int32_t BinOtherPages() const { return binOtherPages_; }
    void SetBinOtherPages(std::int32_t v) { binOtherPages_ = v; }
    // Background: colour, frame and picture of an owned picture view.
    TfrxPictureView& Background() { return *background_; }
    const TfrxPictureView& Background() const { return *background_; }
    TColor Color() const { return background_->Color(); }
    void SetColor(TColor v) { background_->SetColor(v); }
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(const std::string& v) { dataSetName_ = v; }
    TfrxDuplexMode Duplex() const { return duplex_; }
    void SetDuplex(TfrxDuplexMode v) { duplex_ = v; }
    const std::string& OutlineText() const { return outlineText_; }
    void SetOutlineText(const std::string& v) { outlineText_ = v; }
    bool PrintIfEmpty() const { return printIfEmpty_; }
    void SetPrintIfEmpty(bool v) { printIfEmpty_ = v; }
    bool TitleBeforeHeader() const { return titleBeforeHeader_; }
    void SetTitleBeforeHeader(bool v) { titleBeforeHeader_ = v; }
    const std::string& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(const std::string& v) { onAfterPrint_ = v; }
    const std::string& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(const std::string& v) { onBeforePrint_ = v; }
    const std::string& OnManualBuild() const { return onManualBuild_; }
    void SetOnManualBuild(const std::string& v) { onManualBuild_ = v; }

    // The printable area in pixels: paper minus margins, times PixelsPerMillimetre.
    Extended PrintableWidth() const;
    Extended PrintableHeight() const;
    // Width and Height := the paper sides in pixels, rounded half to even.
    void UpdatePixelSize();
    // The margins a printer would give: 10 mm each.
    virtual void ApplyPrinterDefaults();
    void AlignChildren() override;

private:
    TPrinterOrientation orientation_ = poPortrait;
    Extended paperWidth_ = 210;
    Extended paperHeight_ = 297;
    std::int32_t paperSize_ = 9;
    Extended leftMargin_ = 0, rightMargin_ = 0, topMargin_ = 0, bottomMargin_ = 0;
    bool mirrorMargins_ = false, largeDesignHeight_ = false, printOnPreviousPage_ = false;
    std::int32_t columns_ = 0;
    Extended columnWidth_ = 0;
    TStrings columnPositions_, hGuides_, vGuides_;
    std::int32_t bin_ = 7, binOtherPages_ = 7;
    std::unique_ptr<TfrxPictureView> background_;
    std::string dataSetName_;
    TfrxDuplexMode duplex_ = dmNone;
    std::string outlineText_;
    bool printIfEmpty_ = true, titleBeforeHeader_ = true;
    std::string onAfterPrint_, onBeforePrint_, onManualBuild_;
};

} // namespace rq::report::model
