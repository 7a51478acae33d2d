// The output objects' bases: TfrxReportComponent (script events and the
// BeforeOutput/FetchData/AfterOutput protocol), TfrxView (placement, fill,
// frame, links) and TfrxStretcheable (stretch mode and height calculation).
#pragma once

#include "report/model/component.h"
#include "report/model/frame.h"

#include <string>

namespace rq::report::model {

class TfrxReportComponent : public TfrxComponent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // Script procedure names; empty means none.
    const std::string& OnAfterData() const { return onAfterData_; }
    void SetOnAfterData(const std::string& v) { onAfterData_ = v; }
    const std::string& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(const std::string& v) { onAfterPrint_ = v; }
    const std::string& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(const std::string& v) { onBeforePrint_ = v; }
    const std::string& OnPreviewClick() const { return onPreviewClick_; }
    void SetOnPreviewClick(const std::string& v) { onPreviewClick_ = v; }

    // Saves the bounds; AfterOutput puts them back through SetBounds.
    virtual void BeforeOutput();
    // Fetches and expands the object's data; the engine supplies the
    // expansion (the model itself has nothing to fetch).
    virtual void FetchData() {}
    virtual void AfterOutput();
    virtual std::string ComponentText() const { return {}; }

private:
    std::string onAfterData_, onAfterPrint_, onBeforePrint_, onPreviewClick_;
};

class TfrxView : public TfrxReportComponent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TfrxView();

    TfrxAlign Align() const { return align_; }
    void SetAlign(TfrxAlign v) { align_ = v; }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle v) { brushStyle_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    std::int32_t Cursor() const { return cursor_; }
    void SetCursor(std::int32_t v) { cursor_ = static_cast<std::int16_t>(v); }
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& v) { dataField_ = v; }
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(const std::string& v) { dataSetName_ = v; }
    bool IsDataBound() const { return !dataSetName_.empty() && !dataField_.empty(); }
    TfrxFrame& Frame() { return frame_; }
    const TfrxFrame& Frame() const { return frame_; }
    void SetFrame(const TfrxFrame& v) { frame_ = v; }
    bool Printable() const { return printable_; }
    void SetPrintable(bool v) { printable_ = v; }
    TfrxShiftMode ShiftMode() const { return shiftMode_; }
    void SetShiftMode(TfrxShiftMode v) { shiftMode_ = v; }
    const std::string& TagStr() const { return tagStr_; }
    void SetTagStr(const std::string& v) { tagStr_ = v; }
    const std::string& URL() const { return url_; }
    void SetURL(const std::string& v) { url_ = v; }

    // Whether Color is a stored property (picture views fix it to white).
    virtual bool IsColorStored() const { return true; }

    void BeforeOutput() override;
    void AfterOutput() override;

private:
    TfrxAlign align_ = baNone;
    TBrushStyle brushStyle_ = bsSolid;
    TColor color_ = clNone;
    std::int16_t cursor_ = 0;
    std::string dataField_, dataSetName_;
    TfrxFrame frame_;
    bool printable_ = true;
    TfrxShiftMode shiftMode_ = smAlways;
    std::string tagStr_, url_;
    std::string savedTagStr_, savedURL_;
};

class TfrxStretcheable : public TfrxView {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TfrxStretchMode StretchMode() const { return stretchMode_; }
    void SetStretchMode(TfrxStretchMode v) { stretchMode_ = v; }

    // The height the object needs for its content; the base needs its Height.
    virtual Extended CalcHeight() { return Height(); }
    virtual Extended SplitPart() { return 0; }
    virtual void BeginSplit() {}

private:
    TfrxStretchMode stretchMode_ = smDontStretch;
};

} // namespace rq::report::model
