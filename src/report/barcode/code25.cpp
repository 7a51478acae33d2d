// The 2 of 5 family: interleaved, industrial and matrix. Every digit is five
// elements, two of them wide; the families differ in which elements carry
// the digit (bars, spaces or both) and in their start and stop patterns.
#include "report/barcode/encoders.h"

namespace rq::report::barcode {
namespace {

// Wide ("W") and narrow ("N") elements of the digits 0..9.
constexpr std::string_view kDigits[10] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                                          "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};

std::string_view Pattern(char digit) {
    return kDigits[digit - '0'];
}

char Bar(char element) {
    return element == 'W' ? '6' : '5';
}

char Space(char element) {
    return element == 'W' ? '1' : '0';
}

} // namespace

// Digits in pairs, the first as bars interleaved with the second as spaces;
// an odd last digit has no partner and is left out.
std::string EncodeCode25Interleaved(Encoding& e) {
    std::string bars = "5050";
    for (std::size_t i = 0; i + 1 < e.text.size(); i += 2) {
        const std::string_view first = Pattern(e.text[i]), second = Pattern(e.text[i + 1]);
        for (std::size_t k = 0; k < 5; ++k) {
            bars += Bar(first[k]);
            bars += Space(second[k]);
        }
    }
    return bars + "605";
}

// Only the bars carry data; every space is narrow.
std::string EncodeCode25Industrial(Encoding& e) {
    std::string bars = "606050";
    for (char digit : e.text)
        for (char element : Pattern(digit)) {
            bars += Bar(element);
            bars += '0';
        }
    return bars + "605060";
}

// Bars and spaces alternate within a digit; a narrow space follows it.
std::string EncodeCode25Matrix(Encoding& e) {
    std::string bars = "705050";
    for (char digit : e.text) {
        const std::string_view pattern = Pattern(digit);
        for (std::size_t k = 0; k < 5; ++k)
            bars += k % 2 == 0 ? Bar(pattern[k]) : Space(pattern[k]);
        bars += '0';
    }
    return bars + "70505";
}

} // namespace rq::report::barcode
