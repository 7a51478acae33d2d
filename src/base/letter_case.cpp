// Windows-1250 letter case: pairs of lower- and upper-case bytes.
#include "base/letter_case.h"

#include <array>

namespace rq::base {

namespace {

// Lower-case byte -> upper-case byte (0 when the byte has no upper case).
// Outside ASCII the pairs are the code page's letters: most lie 0x20 apart
// in 0xC0..0xFE (not the signs 0xD7/0xF7 and sharp s 0xDF), the rest are
// listed.
constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> t{};
    for (int c = 'a'; c <= 'z'; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c - 32);
    constexpr unsigned char kPairs[][2] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
                                           {0x9F, 0x8F}, {0xB3, 0xA3}, {0xB9, 0xA5}, {0xBA, 0xAA},
                                           {0xBE, 0xBC}, {0xBF, 0xAF}};
    for (const auto& p : kPairs)
        t[p[0]] = p[1];
    return t;
}

constexpr std::array<unsigned char, 256> kUpper = MakeUpperTable();

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> t{};
    for (std::size_t c = 0; c < 256; ++c)
        if (kUpper[c] != 0)
            t[kUpper[c]] = static_cast<unsigned char>(c);
    return t;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

} // namespace

char AnsiUpperChar(char c) {
    const unsigned char u = kUpper[static_cast<unsigned char>(c)];
    return u != 0 ? static_cast<char>(u) : c;
}

char AnsiLowerChar(char c) {
    const unsigned char l = kLower[static_cast<unsigned char>(c)];
    return l != 0 ? static_cast<char>(l) : c;
}

std::string AnsiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AnsiUpperChar(c);
    return out;
}

std::string AnsiLowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AnsiLowerChar(c);
    return out;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = static_cast<unsigned char>(AnsiUpperChar(a[i]));
        const int cb = static_cast<unsigned char>(AnsiUpperChar(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

} // namespace rq::base
