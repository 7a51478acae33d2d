// MSI (four bits per digit, a Mod 10 check digit always) and PostNet (five
// bars of full or two-fifths height per digit).
#include "report/barcode/encoders.h"

namespace rq::report::barcode {
namespace {

// A one bit is a wide bar and a narrow space, a zero bit the reverse.
constexpr std::string_view kMsiBit[2] = {"51", "60"};

// The MSI check digit: from the rightmost digit every other digit counts
// double (its digit sum), the others once.
int MsiCheck(std::string_view digits) {
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, doubled = !doubled) {
        int d = (*it - '0') * (doubled ? 2 : 1);
        sum += d / 10 + d % 10;
    }
    return (10 - sum % 10) % 10;
}

// Full ("5") and two-fifths ("A") bars of the digits 0..9.
constexpr std::string_view kPostNet[10] = {"55AAA", "AAA55", "AA5A5", "AA55A", "A5AA5",
                                           "A5A5A", "A55AA", "5AAA5", "5AA5A", "5A5AA"};

} // namespace

std::string EncodeMSI(Encoding& e) {
    const std::string digits = e.text + static_cast<char>('0' + MsiCheck(e.text));
    std::string bars = "60";
    for (char c : digits)
        for (int bit = 3; bit >= 0; --bit)
            bars += kMsiBit[((c - '0') >> bit) & 1];
    return bars + "515";
}

std::string EncodePostNet(Encoding& e) {
    std::string bars = "51";
    for (char c : e.text)
        for (char bar : kPostNet[c - '0']) {
            bars += bar;
            bars += '1';
        }
    return bars + "5";
}

} // namespace rq::report::barcode
