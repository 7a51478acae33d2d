// EAN-8, EAN-13 and UPC-A: guard "101", the left half in sets A/B, the
// centre guard "01010", the right half in set C, guard "101". The data is
// fitted to its length (left-padded with "0" or cut) and, with Checksum,
// ends in its Mod 10 digit.
#include "report/barcode/ean_sets.h"
#include "report/barcode/encoders.h"

namespace rq::report::barcode {
namespace {

// Sets of digits 2..7 of EAN-13 by its first digit.
constexpr std::string_view kEan13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                               "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

std::string Fitted(const Encoding& e, std::size_t length) {
    if (e.checksum)
        return AppendMod10(FitDigits(e.text, length - 1), e.method);
    return FitDigits(e.text, length);
}

// Left half from leftSets, the rest in set C.
std::string Symbol(std::string_view digits, std::string_view leftSets) {
    std::string modules = "111";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i == leftSets.size())
            modules += "11111";
        modules += EanDigit(digits[i], i < leftSets.size() ? leftSets[i] : 'C');
    }
    return ModulesToBars(modules + "111");
}

} // namespace

// The text stays as written; the symbol carries the fitted digits.
std::string EncodeEAN8(Encoding& e) {
    e.digits = Fitted(e, 8);
    if (e.digits.size() != 8)
        RaiseInvalidLength("EAN8");
    return Symbol(e.digits, "AAAA");
}

// The first digit is carried by the sets of the left half only.
std::string EncodeEAN13(Encoding& e) {
    e.digits = Fitted(e, 13);
    if (e.digits.size() != 13)
        RaiseInvalidLength("EAN13");
    e.text = e.digits;
    return Symbol(std::string_view(e.digits).substr(1), kEan13Parity[e.digits[0] - '0']);
}

// Without a check method the check digit is missing; the symbol then holds
// the digits there are.
std::string EncodeUPC_A(Encoding& e) {
    e.digits = Fitted(e, 12);
    e.text = e.digits;
    return Symbol(e.digits, "AAAAAA");
}

} // namespace rq::report::barcode
