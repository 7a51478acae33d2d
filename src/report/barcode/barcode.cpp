// TfrxBarcode: the symbology table (names, the numeric rule, the ratio clamp,
// the encoder and the text groups of each type), the element widths, and
// EncodeBars / Width built on them.
#include "report/barcode/barcode.h"

#include "base/text1250.h"
#include "report/barcode/encoders.h"

#include <cmath>

namespace rq::report::barcode {
namespace {

using namespace model;

// How Ratio is clamped before the element widths are computed.
enum class RatioClamp { none, standard, matrix };
// Where the human-readable text goes.
enum class Groups { whole, ean8, ean13, upcA, upcE };

struct Symbology {
    TfrxBarcodeType type;
    std::string_view name;
    bool numeric;
    RatioClamp clamp;
    Encoder encode;
    Groups groups;
};

constexpr Symbology kSymbologies[] = {
    {bcCode_2_5_interleaved, "2_5_interleaved", true, RatioClamp::standard, EncodeCode25Interleaved,
     Groups::whole},
    {bcCode_2_5_industrial, "2_5_industrial", true, RatioClamp::standard, EncodeCode25Industrial,
     Groups::whole},
    {bcCode_2_5_matrix, "2_5_matrix", true, RatioClamp::matrix, EncodeCode25Matrix, Groups::whole},
    {bcCode39, "Code39", false, RatioClamp::standard, EncodeCode39, Groups::whole},
    {bcCode39Extended, "Code39 Extended", false, RatioClamp::standard, EncodeCode39Extended,
     Groups::whole},
    {bcCode128A, "Code128A", false, RatioClamp::none, EncodeCode128, Groups::whole},
    {bcCode128B, "Code128B", false, RatioClamp::none, EncodeCode128, Groups::whole},
    {bcCode128C, "Code128C", true, RatioClamp::none, EncodeCode128, Groups::whole},
    {bcCode93, "Code93", false, RatioClamp::none, EncodeCode93, Groups::whole},
    {bcCode93Extended, "Code93 Extended", false, RatioClamp::none, EncodeCode93Extended,
     Groups::whole},
    {bcCodeMSI, "MSI", true, RatioClamp::none, EncodeMSI, Groups::whole},
    {bcCodePostNet, "PostNet", true, RatioClamp::none, EncodePostNet, Groups::whole},
    {bcCodeCodabar, "Codebar", false, RatioClamp::standard, EncodeCodabar, Groups::whole},
    {bcCodeEAN8, "EAN8", true, RatioClamp::standard, EncodeEAN8, Groups::ean8},
    {bcCodeEAN13, "EAN13", true, RatioClamp::standard, EncodeEAN13, Groups::ean13},
    {bcCodeUPC_A, "UPC_A", true, RatioClamp::standard, EncodeUPC_A, Groups::upcA},
    {bcCodeUPC_E0, "UPC_E0", true, RatioClamp::standard, EncodeUPC_E, Groups::upcE},
    {bcCodeUPC_E1, "UPC_E1", true, RatioClamp::standard, EncodeUPC_E, Groups::upcE},
    {bcCodeUPC_Supp2, "UPC Supp2", true, RatioClamp::standard, EncodeUPC_Supp2, Groups::whole},
    {bcCodeUPC_Supp5, "UPC Supp5", true, RatioClamp::standard, EncodeUPC_Supp5, Groups::whole},
    {bcCodeEAN128A, "EAN128A", false, RatioClamp::none, EncodeCode128, Groups::whole},
    {bcCodeEAN128B, "EAN128B", false, RatioClamp::none, EncodeCode128, Groups::whole},
    {bcCodeEAN128C, "EAN128C", true, RatioClamp::none, EncodeCode128, Groups::whole},
};
static_assert(std::size(kSymbologies) == kBarcodeTypeCount);

constexpr bool TableFollowsEnum() {
    for (int i = 0; i < kBarcodeTypeCount; ++i)
        if (kSymbologies[i].type != i)
            return false;
    return true;
}
static_assert(TableFollowsEnum());

bool Known(TfrxBarcodeType type) {
    return type >= 0 && type < kBarcodeTypeCount;
}

const Symbology& Find(TfrxBarcodeType type) {
    if (!Known(type))
        RaiseWrongType();
    return kSymbologies[type];
}

// Round half to even, kept to a byte as the widths are: a product too large
// for any width counts as 0 rather than as undefined conversion.
std::int8_t RoundToByte(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e15)
        return 0;
    return static_cast<std::int8_t>(std::llrint(value));
}

double Clamped(double ratio, RatioClamp clamp) {
    if (clamp == RatioClamp::none)
        return ratio;
    const double low = clamp == RatioClamp::matrix ? 2.25 : 2.0;
    if (ratio < low)
        return low;
    return ratio > 3.0 ? 3.0 : ratio;
}

std::string Part(const std::string& digits, std::size_t from1, std::size_t count) {
    return from1 - 1 < digits.size() ? digits.substr(from1 - 1, count) : std::string();
}

} // namespace

std::string_view DisplayName(TfrxBarcodeType type) {
    return Known(type) ? kSymbologies[type].name : std::string_view();
}

bool IsNumeric(TfrxBarcodeType type) {
    return Known(type) && kSymbologies[type].numeric;
}

bool HasDigitGroups(TfrxBarcodeType type) {
    return Known(type) && kSymbologies[type].groups != Groups::whole;
}

BarElement DecodeBarChar(char c) {
    if (c >= '0' && c <= '3')
        return {c - '0', false, false};
    if (c >= '5' && c <= '8')
        return {c - '5', true, false};
    if (c >= 'A' && c <= 'D')
        return {c - 'A', true, true};
    RaiseInternalError();
}

void TfrxBarcode::ComputeWidths() {
    if (Known(typ_))
        ratio_ = Clamped(ratio_, kSymbologies[typ_].clamp);
    const std::int8_t wide = RoundToByte(modul_ * ratio_);
    widths_[0] = static_cast<std::int8_t>(modul_);
    widths_[1] = wide;
    widths_[2] = static_cast<std::int8_t>(wide * 3 / 2);
    widths_[3] = static_cast<std::int8_t>(wide * 2);
}

std::string TfrxBarcode::EncodeBars() {
    ComputeWidths();
    if (IsNumeric(typ_)) {
        text_ = base::trim(text_);
        for (char c : text_)
            if (c < '0' || c > '9')
                RaiseNotNumeric();
    }
    const Symbology& symbology = Find(typ_);
    Encoding e{typ_, text_, checksum_, checkSumMethod_, {}};
    std::string bars = symbology.encode(e);
    text_ = std::move(e.text);
    digits_ = std::move(e.digits);
    return bars;
}

int TfrxBarcode::ElementWidth(char c) const {
    return widths_[DecodeBarChar(c).widthIndex];
}

std::int64_t TfrxBarcode::BarsWidth(std::string_view bars) const {
    std::int64_t sum = 0;
    for (char c : bars)
        sum += ElementWidth(c);
    return sum;
}

std::int32_t TfrxBarcode::Width() {
    return static_cast<std::int32_t>(BarsWidth(EncodeBars()) - 1);
}

std::vector<TextGroup> TfrxBarcode::TextGroups(std::int32_t W) const {
    const std::string& d = digits_;
    switch (Known(typ_) ? kSymbologies[typ_].groups : Groups::whole) {
    case Groups::ean8:
        return {{Part(d, 1, 4), 3, 3, 30}, {Part(d, 5, 4), 35, 35, W - 4}};
    case Groups::ean13: {
        std::vector<TextGroup> groups;
        if (Part(d, 1, 1) != "0")
            groups.push_back({Part(d, 1, 1), -8, -8, -2});
        groups.push_back({Part(d, 2, 6), 3, 3, 44});
        groups.push_back({Part(d, 8, 6), 49, 49, W - 4});
        return groups;
    }
    case Groups::upcA:
        return {{Part(d, 1, 1), -8, -8, -2},
                {Part(d, 2, 5), 10, 10, 44},
                {Part(d, 7, 5), 49, 49, 83},
                {Part(d, 12, 1), W + 1, W + 1, W + 8}};
    case Groups::upcE:
        return {{Part(d, 1, 6), 3, 3, 44}, {Part(d, 7, 1), W + 1, W + 1, W + 8}};
    case Groups::whole:
        break;
    }
    return {{text_, 0, 0, W, true}};
}

} // namespace rq::report::barcode
