// TfrxBarCodeView: a view that shows its text as a one-dimensional barcode.
// The model holds what is stored (symbology, text, rotation, zoom, check
// character, human-readable text); encoding and drawing belong to the
// rendering library. TfrxBarCodeObject makes the class known to the
// serializer, so that report documents holding barcodes load.
#pragma once

#include "report/model/view.h"

#include <string>

namespace rq::report::model {

enum TfrxBarcodeType {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C
};
RQ_ENUM_NAMES(TfrxBarcodeType, bcCodeEAN128C, "bcCode_2_5_interleaved", "bcCode_2_5_industrial",
              "bcCode_2_5_matrix", "bcCode39", "bcCode39Extended", "bcCode128A", "bcCode128B",
              "bcCode128C", "bcCode93", "bcCode93Extended", "bcCodeMSI", "bcCodePostNet",
              "bcCodeCodabar", "bcCodeEAN8", "bcCodeEAN13", "bcCodeUPC_A", "bcCodeUPC_E0",
              "bcCodeUPC_E1", "bcCodeUPC_Supp2", "bcCodeUPC_Supp5", "bcCodeEAN128A",
              "bcCodeEAN128B", "bcCodeEAN128C")

class TfrxBarCodeView : public TfrxView {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Description() const override { return "obBarC"; }

    TfrxBarcodeType BarType() const { return barType_; }
    void SetBarType(TfrxBarcodeType v) { barType_ = v; }
    // Append the symbology's optional check character.
    bool CalcCheckSum() const { return calcCheckSum_; }
    void SetCalcCheckSum(bool v) { calcCheckSum_ = v; }
    // An expression whose value replaces Text at each run; empty: none.
    const std::string& Expression() const { return expression_; }
    void SetExpression(const std::string& v) { expression_ = v; }
    // Which edge stays put when the drawn width changes.
    TfrxHAlign HAlign() const { return hAlign_; }
    void SetHAlign(TfrxHAlign v) { hAlign_ = v; }
    std::int32_t Rotation() const { return rotation_; } // degrees
    void SetRotation(std::int32_t v) { rotation_ = v; }
    // Paint the human-readable text under the bars.
    bool ShowText() const { return showText_; }
    void SetShowText(bool v) { showText_ = v; }
    // The data to encode (Windows-1250).
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; }
    Extended Zoom() const { return zoom_; } // pixels at 96 per inch per module
    void SetZoom(Extended v) { zoom_ = v; }

    std::string ComponentText() const override { return text_; }

private:
    TfrxBarcodeType barType_ = bcCode39;
    bool calcCheckSum_ = false;
    std::string expression_;
    TfrxHAlign hAlign_ = haLeft;
    std::int32_t rotation_ = 0;
    bool showText_ = true;
    std::string text_ = "12345678";
    Extended zoom_ = 1.0;
};

// Registers TfrxBarCodeView with the serializer's class registry; calling
// it again changes nothing.
void RegisterBarCodeView();

// The component a form owns to make barcodes available to its reports:
// creating one registers the barcode view.
class TfrxBarCodeObject {
public:
    TfrxBarCodeObject() { RegisterBarCodeView(); }
};

} // namespace rq::report::model
