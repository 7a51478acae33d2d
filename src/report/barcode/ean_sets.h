// The EAN and UPC digit sets as module counts. Set A and set C have the same
// widths (A starts with a space, C with a bar, which the position in the
// symbol decides); set B is set C written backwards.
#pragma once

#include <string>
#include <string_view>

namespace rq::report::barcode {

inline constexpr std::string_view kEanSetA[10] = {"3211", "2221", "2122", "1411", "1132",
                                                  "1231", "1114", "1312", "1213", "3112"};

// A digit of set A ('A', odd parity), B ('B', even parity) or C ('C').
inline std::string EanDigit(char digit, char set) {
    std::string modules(kEanSetA[digit - '0']);
    if (set == 'B')
        return {modules.rbegin(), modules.rend()};
    return modules;
}

} // namespace rq::report::barcode
