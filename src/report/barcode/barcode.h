// TfrxBarcode: the one-dimensional barcode generator. It turns a text into a
// bar string (one character per bar or space, see BarKind), measures it in
// units and lays out the human-readable text; painting belongs to the
// renderer. Standard C++ only; texts are Windows-1250 bytes.
#pragma once

#include "base/color.h"
#include "report/model/barcode_view.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rq::report::barcode {

using model::TfrxBarcodeType;
using ColorRef = base::TColor;

enum TfrxCheckSumMethod { csmNone, csmModulo10 };

inline constexpr int kBarcodeTypeCount = model::bcCodeEAN128C + 1;
inline constexpr std::string_view kClassName = "TfrxBarcode";

// The display name of a symbology ("Code39", "EAN13", ...).
std::string_view DisplayName(TfrxBarcodeType type);
// Whether the symbology's text must consist of digits.
bool IsNumeric(TfrxBarcodeType type);
// Whether the symbology's human-readable text sits in digit groups with the
// shorter text band of the EAN and UPC symbols.
bool HasDigitGroups(TfrxBarcodeType type);

// What one bar string character paints.
struct BarElement {
    int widthIndex = 0;    // 0 narrow, 1 wide, 2 wide and a half, 3 double wide
    bool bar = false;      // false: a space in the space colour
    bool shortBar = false; // bars "A".."D": two fifths of the bar length
};
// Decodes one bar string character; any other than "0".."3", "5".."8",
// "A".."D" raises "TfrxBarcode: internal Error".
BarElement DecodeBarChar(char c);

// One piece of human-readable text: a, b, c are units along the bars
// (start of the text, first and last unit of the span it clears).
// centred: a is still to be computed as (Width - text width) div 2.
struct TextGroup {
    std::string text;
    int a = 0;
    int b = 0;
    int c = 0;
    bool centred = false;
    bool operator==(const TextGroup&) const = default;
};

class TfrxBarcode {
public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; }
    std::int32_t Modul() const { return modul_; } // narrow element, units
    void SetModul(std::int32_t v) { modul_ = v; }
    // Wide-to-narrow ratio; EncodeBars clamps it per symbology and keeps the
    // clamped value.
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    TfrxBarcodeType Typ() const { return typ_; }
    void SetTyp(TfrxBarcodeType v) { typ_ = v; }
    bool Checksum() const { return checksum_; }
    void SetChecksum(bool v) { checksum_ = v; }
    TfrxCheckSumMethod CheckSumMethod() const { return checkSumMethod_; }
    void SetCheckSumMethod(TfrxCheckSumMethod v) { checkSumMethod_ = v; }
    double Angle() const { return angle_; } // degrees, counter-clockwise
    void SetAngle(double v) { angle_ = v; }
    std::int32_t Height() const { return height_; } // bar length, units
    void SetHeight(std::int32_t v) { height_ = v; }
    ColorRef Color() const { return color_; } // spaces and the text band
    void SetColor(ColorRef v) { color_ = v; }
    ColorRef ColorBar() const { return colorBar_; }
    void SetColorBar(ColorRef v) { colorBar_ = v; }

    // Validates and encodes Text for Typ. May change Text (numeric texts are
    // trimmed; EAN13, UPC_A and UPC_E keep their padded digits, UPC Supp5
    // its check digit) and Ratio (clamped). Encoding the text it leaves
    // gives the same bar string again.
    std::string EncodeBars();
    // Units covered by the bar string of EncodeBars, minus 1.
    std::int32_t Width();
    // Units of one bar string character at the current element widths.
    int ElementWidth(char c) const;
    // Units of a whole bar string (without the "minus 1").
    std::int64_t BarsWidth(std::string_view bars) const;
    // The human-readable text of the last EncodeBars in its groups; W is the
    // Width that went with it.
    std::vector<TextGroup> TextGroups(std::int32_t W) const;

private:
    void ComputeWidths();

    std::string text_;
    std::int32_t modul_ = 1;
    double ratio_ = 2.0;
    TfrxBarcodeType typ_ = model::bcCodeEAN13;
    bool checksum_ = false;
    TfrxCheckSumMethod checkSumMethod_ = csmModulo10;
    double angle_ = 0;
    std::int32_t height_ = 0;
    ColorRef color_ = 0xFFFFFF;
    ColorRef colorBar_ = 0;
    // Element widths by width index, held as signed bytes.
    std::int8_t widths_[4] = {1, 2, 3, 4};
    // The digits the EAN and UPC symbols carry, for their digit groups.
    std::string digits_;
};

} // namespace rq::report::barcode
