// Codabar: seven elements per character with a narrow space between
// characters, framed by the start character "A" and the stop character "B".
// Characters outside its set have no symbol and are left out, as Code 39
// does.
#include "report/barcode/encoders.h"

namespace rq::report::barcode {
namespace {

struct SymbolCodabar {
    char c;
    std::string_view bars;
};

constexpr SymbolCodabar kCodabar[] = {
    {'0', "5050516"}, {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"},
    {'5', "6050515"}, {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"}, {'9', "6051505"},
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"}, {'.', "6060605"},
    {'+', "5060606"}, {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
};

std::string_view Find(char c) {
    for (const auto& symbol : kCodabar)
        if (symbol.c == c)
            return symbol.bars;
    return {};
}

} // namespace

std::string EncodeCodabar(Encoding& e) {
    std::string bars(Find('A'));
    bars += '0';
    for (char c : e.text)
        if (const std::string_view symbol = Find(c); !symbol.empty()) {
            bars += symbol;
            bars += '0';
        }
    return bars += Find('B');
}

} // namespace rq::report::barcode
