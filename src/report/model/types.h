// Shared value types of the report model: units, colours and the
// enumerations of the published properties, each with its type information
// (type name and value names in ordinal order) for streaming and scripts.
#pragma once

#include "base/color.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace rq::report::model {

// Report coordinates: pixels at 96 per inch. Paper sizes: millimetres.
using Extended = double;
inline constexpr Extended PixelsPerMillimetre = 3.77953;

using base::clBlack;
using base::clDefault;
using base::clNone;
using base::clWhite;
using base::TColor;

// Type information of an enumeration or of a set over one: a set is held
// as a bit mask, its first element being bit 0.
struct EnumType {
    std::string_view name;
    std::span<const std::string_view> values;
    // The value whose name matches case-insensitively, or -1.
    int valueOf(std::string_view valueName) const;
    std::string_view nameOf(std::int64_t ordinal) const; // empty when out of range
    std::int64_t setMask() const { return (std::int64_t{1} << values.size()) - 1; }
};

// Declares an enumeration's value names next to it, bound by size.
#define RQ_ENUM_NAMES(T, Last, ...)                                                                \
    inline constexpr std::array<std::string_view, static_cast<std::size_t>(Last) + 1> k##T##Names{ \
        __VA_ARGS__};                                                                              \
    inline constexpr EnumType k##T##Type{#T, k##T##Names};

enum Boolean { False, True };
RQ_ENUM_NAMES(Boolean, True, "False", "True")

enum TfrxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom };
RQ_ENUM_NAMES(TfrxAlign, baBottom, "baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom")

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
RQ_ENUM_NAMES(TBrushStyle, bsDiagCross, "bsSolid", "bsClear", "bsHorizontal", "bsVertical",
              "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross")

enum TfrxShiftMode { smDontShift, smAlways, smWhenOverlapped };
RQ_ENUM_NAMES(TfrxShiftMode, smWhenOverlapped, "smDontShift", "smAlways", "smWhenOverlapped")

enum TfrxStretchMode { smDontStretch, smActualHeight, smMaxHeight };
RQ_ENUM_NAMES(TfrxStretchMode, smMaxHeight, "smDontStretch", "smActualHeight", "smMaxHeight")

enum TfrxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble };
RQ_ENUM_NAMES(TfrxFrameStyle, fsDouble, "fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot",
              "fsDouble")

// Set element order of TfrxFrameTypes (bit masks 1 left, 2 right, 4 top, 8 bottom).
enum TfrxFrameType { ftLeft, ftRight, ftTop, ftBottom };
RQ_ENUM_NAMES(TfrxFrameTypes, ftBottom, "ftLeft", "ftRight", "ftTop", "ftBottom")

enum TfrxRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete };
RQ_ENUM_NAMES(TfrxRestrictions, rfDontDelete, "rfDontModify", "rfDontSize", "rfDontMove",
              "rfDontDelete")

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
RQ_ENUM_NAMES(TFontStyles, fsStrikeOut, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")

enum TFontPitch { fpDefault, fpVariable, fpFixed };
RQ_ENUM_NAMES(TFontPitch, fpFixed, "fpDefault", "fpVariable", "fpFixed")

enum TfrxHAlign { haLeft, haRight, haCenter, haBlock };
RQ_ENUM_NAMES(TfrxHAlign, haBlock, "haLeft", "haRight", "haCenter", "haBlock")

enum TfrxVAlign { vaTop, vaBottom, vaCenter };
RQ_ENUM_NAMES(TfrxVAlign, vaCenter, "vaTop", "vaBottom", "vaCenter")

enum TfrxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };
RQ_ENUM_NAMES(TfrxFormatKind, fkBoolean, "fkText", "fkNumeric", "fkDateTime", "fkBoolean")

enum TPrinterOrientation { poPortrait, poLandscape };
RQ_ENUM_NAMES(TPrinterOrientation, poLandscape, "poPortrait", "poLandscape")

enum TfrxDuplexMode { dmNone, dmVertical, dmHorizontal };
RQ_ENUM_NAMES(TfrxDuplexMode, dmHorizontal, "dmNone", "dmVertical", "dmHorizontal")

enum TfrxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
RQ_ENUM_NAMES(TfrxZoomMode, zmManyPages, "zmDefault", "zmWholePage", "zmPageWidth", "zmManyPages")

enum TfrxPrintPages { ppAll, ppOdd, ppEven };
RQ_ENUM_NAMES(TfrxPrintPages, ppEven, "ppAll", "ppOdd", "ppEven")

enum TfrxPreviewButton {
    pbPrint,
    pbLoad,
    pbSave,
    pbExport,
    pbZoom,
    pbFind,
    pbOutline,
    pbPageSetup,
    pbTools,
    pbEdit,
    pbNavigator
};
RQ_ENUM_NAMES(TfrxPreviewButtons, pbNavigator, "pbPrint", "pbLoad", "pbSave", "pbExport", "pbZoom",
              "pbFind", "pbOutline", "pbPageSetup", "pbTools", "pbEdit", "pbNavigator")

// The bit of one set element.
constexpr std::int32_t bit(int element) {
    return std::int32_t{1} << element;
}

} // namespace rq::report::model
