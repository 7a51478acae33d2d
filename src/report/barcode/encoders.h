// The symbology encoders behind TfrxBarcode::EncodeBars, one file per
// family, and the helpers they share: the conversion of module counts into
// bar string characters, the Mod 10 check digit and the generator's errors.
#pragma once

#include "report/barcode/barcode.h"

#include <string>
#include <string_view>

namespace rq::report::barcode {

// The state one encoding works on.
struct Encoding {
    TfrxBarcodeType type;
    std::string text; // in: the validated text; out: the text the generator keeps
    bool checksum = false;
    TfrxCheckSumMethod method = csmModulo10;
    std::string digits; // out: the digits an EAN or UPC symbol carries
};

using Encoder = std::string (*)(Encoding&);

std::string EncodeCode25Interleaved(Encoding& e);
std::string EncodeCode25Industrial(Encoding& e);
std::string EncodeCode25Matrix(Encoding& e);
std::string EncodeCode39(Encoding& e);
std::string EncodeCode39Extended(Encoding& e);
// Code 128 A, B, C and their EAN 128 forms; any other type raises
// "TfrxBarcode: wrong BarcodeType in Code_128".
std::string EncodeCode128(Encoding& e);
std::string EncodeCode93(Encoding& e);
std::string EncodeCode93Extended(Encoding& e);
std::string EncodeMSI(Encoding& e);
std::string EncodePostNet(Encoding& e);
std::string EncodeCodabar(Encoding& e);
std::string EncodeEAN8(Encoding& e);
std::string EncodeEAN13(Encoding& e);
std::string EncodeUPC_A(Encoding& e);
std::string EncodeUPC_E(Encoding& e); // E0 and E1
std::string EncodeUPC_Supp2(Encoding& e);
std::string EncodeUPC_Supp5(Encoding& e);

// Module digits "1".."4", alternately bar and space starting with a bar,
// as bar string characters: a bar d becomes d + 4, a space d becomes d - 1.
std::string ModulesToBars(std::string_view modules);

// The Mod 10 step: with csmModulo10 appends the digit that makes the
// weighted sum (3, 1, 3, ... from the right) a multiple of ten; csmNone
// gives the data unchanged. A non-digit raises the integer conversion error.
std::string AppendMod10(std::string_view data, TfrxCheckSumMethod method);
int Mod10Digit(std::string_view digits);

// The text left-padded with "0" or cut to its first n characters.
std::string FitDigits(std::string_view text, std::size_t n);

[[noreturn]] void RaiseNotNumeric();
[[noreturn]] void RaiseWrongType();
[[noreturn]] void RaiseWrongType128();
[[noreturn]] void RaiseCode93BadData(std::string_view text);
[[noreturn]] void RaiseInvalidLength(std::string_view symbology);
[[noreturn]] void RaiseInternalError();

} // namespace rq::report::barcode
