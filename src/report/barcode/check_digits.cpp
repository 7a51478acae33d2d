// Helpers every family shares: module counts to bar string characters, the
// Mod 10 check digit of the EAN, UPC and EAN 128 symbols, and fitting a
// digit text to a fixed length.
#include "report/barcode/encoders.h"

#include "base/number_text.h"

namespace rq::report::barcode {

std::string ModulesToBars(std::string_view modules) {
    std::string bars(modules);
    for (std::size_t i = 0; i < bars.size(); ++i)
        bars[i] = static_cast<char>(i % 2 == 0 ? bars[i] + 4 : bars[i] - 1);
    return bars;
}

int Mod10Digit(std::string_view digits) {
    int sum = 0;
    int weight = 3; // the rightmost digit weighs 3, then 1, 3, ...
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it < '0' || *it > '9')
            base::raiseInvalidInteger(std::string(1, *it));
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

std::string AppendMod10(std::string_view data, TfrxCheckSumMethod method) {
    if (method == csmNone)
        return std::string(data);
    return std::string(data) + static_cast<char>('0' + Mod10Digit(data));
}

std::string FitDigits(std::string_view text, std::size_t n) {
    if (text.size() >= n)
        return std::string(text.substr(0, n));
    return std::string(n - text.size(), '0') + std::string(text);
}

} // namespace rq::report::barcode
