// UPC-E (six digits whose parity pattern carries the number system and the
// check digit) and the two- and five-digit supplements of EAN and UPC.
#include "report/barcode/ean_sets.h"
#include "report/barcode/encoders.h"

namespace rq::report::barcode {
namespace {

// Sets of the six digits by check digit, number system 0; system 1 swaps
// A and B.
constexpr std::string_view kUpcEParity[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                              "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};

// Sets of the five supplement digits by their check value.
constexpr std::string_view kSupp5Parity[10] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                                               "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};

constexpr std::string_view kSupp2Parity[4] = {"AA", "AB", "BA", "BB"};

// The UPC-A number a UPC-E symbol stands for (zero suppression by the last
// of its six digits), without its check digit.
std::string UpcAEquivalent(char system, std::string_view d) {
    const std::string head = std::string(1, system) + std::string(d.substr(0, 2));
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        return head + d[5] + "0000" + std::string(d.substr(2, 3));
    case '3':
        return head + d[2] + "00000" + std::string(d.substr(3, 2));
    case '4':
        return head + std::string(d.substr(2, 2)) + "00000" + d[4];
    default:
        return head + std::string(d.substr(2, 3)) + "0000" + d[5];
    }
}

// A supplement: start "1011", digits separated by "01".
std::string Supplement(std::string_view digits, std::string_view sets) {
    std::string modules = "112";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0)
            modules += "11";
        modules += EanDigit(digits[i], sets[i]);
    }
    return ModulesToBars(modules);
}

} // namespace

// The check digit is that of the equivalent UPC-A number, as scanners
// compute it; with Checksum it replaces the seventh digit.
std::string EncodeUPC_E(Encoding& e) {
    std::string digits = FitDigits(e.text, 7);
    const bool system1 = e.type == model::bcCodeUPC_E1;
    const int check = Mod10Digit(UpcAEquivalent(system1 ? '1' : '0', digits));
    if (e.checksum)
        digits[6] = static_cast<char>('0' + check);
    e.text = e.digits = digits;

    std::string modules = "111";
    for (int i = 0; i < 6; ++i) {
        char set = kUpcEParity[check][static_cast<std::size_t>(i)];
        if (system1)
            set = set == 'A' ? 'B' : 'A';
        modules += EanDigit(digits[static_cast<std::size_t>(i)], set);
    }
    return ModulesToBars(modules + "111111");
}

std::string EncodeUPC_Supp2(Encoding& e) {
    const std::string digits = FitDigits(e.text, 2);
    const int value = (digits[0] - '0') * 10 + (digits[1] - '0');
    return Supplement(digits, kSupp2Parity[value % 4]);
}

// The check value weighs the digits 3, 9, 3, 9, 3 and only selects the
// parity; with Checksum the text shows it after the five digits.
std::string EncodeUPC_Supp5(Encoding& e) {
    const std::string digits = FitDigits(e.text, 5);
    int sum = 0;
    for (std::size_t i = 0; i < 5; ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 3 : 9);
    const int check = sum % 10;
    if (e.checksum)
        e.text = digits + static_cast<char>('0' + check);
    return Supplement(digits, kSupp5Parity[check]);
}

} // namespace rq::report::barcode
