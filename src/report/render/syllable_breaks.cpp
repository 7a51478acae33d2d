// Syllable rules on single bytes. The letter classes are bytes of the
// Windows-1251 capitals; in Windows-1250 text the same bytes are accented
// capitals, which the rules treat alike.
#include "report/render/syllable_breaks.h"

#include <algorithm>
#include <array>

namespace rq::report::render {
namespace {

constexpr std::array<unsigned char, 10> kVowels = {0xC0, 0xC5, 0xA8, 0xC8, 0xCE,
                                                   0xD3, 0xDB, 0xDD, 0xDE, 0xDF};
constexpr std::array<unsigned char, 23> kConsonants = {
    0xC1, 0xC2, 0xC3, 0xC4, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCF,
    0xD0, 0xD1, 0xD2, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDC, 0xDA};

bool isVowel(unsigned char c) {
    return std::find(kVowels.begin(), kVowels.end(), c) != kVowels.end();
}
bool isConsonant(unsigned char c) {
    return std::find(kConsonants.begin(), kConsonants.end(), c) != kConsonants.end();
}

bool hasVowel(std::string_view part) {
    return std::any_of(part.begin(), part.end(),
                       [](char c) { return isVowel(static_cast<unsigned char>(c)); });
}

// The rules for a break after character i (1-based) of word.
bool ruleAllows(std::string_view word, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(word[k - 1]); };
    const std::size_t n = word.size();
    const bool hasNext = i < n;
    const unsigned char c = at(i);
    if (isConsonant(c))
        return !(hasNext && isVowel(at(i + 1))) &&
               !(hasNext && (at(i + 1) == 0xDC || at(i + 1) == 0xDA));
    if (!isVowel(c) || (hasNext && at(i + 1) == 0xC9))
        return false;
    const bool doubled =
        n - i >= 3 && isConsonant(at(i + 1)) && at(i + 1) == at(i + 2) && isVowel(at(i + 3));
    return !doubled;
}

} // namespace

std::vector<int> SyllableBreaks(std::string_view word) {
    std::vector<int> result;
    if (word.size() <= 3)
        return result;
    for (std::size_t i = 1; i <= word.size(); ++i) {
        if (!ruleAllows(word, i))
            continue;
        const std::string_view head = word.substr(0, i);
        const std::string_view rest = word.substr(i, 255);
        if (head.size() > 1 && rest.size() > 1 && hasVowel(head) && hasVowel(rest))
            result.push_back(static_cast<int>(i));
    }
    return result;
}

std::string upperCase1250(std::string_view text) {
    struct Pair {
        unsigned char lower, upper;
    };
    static constexpr std::array<Pair, 10> kOthers = {{{0x9A, 0x8A},
                                                      {0x9C, 0x8C},
                                                      {0x9D, 0x8D},
                                                      {0x9E, 0x8E},
                                                      {0x9F, 0x8F},
                                                      {0xB3, 0xA3},
                                                      {0xB9, 0xA5},
                                                      {0xBA, 0xAA},
                                                      {0xBE, 0xBC},
                                                      {0xBF, 0xAF}}};
    std::string result(text);
    for (char& ch : result) {
        auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            c = static_cast<unsigned char>(c - 0x20);
        for (const auto& pair : kOthers)
            if (pair.lower == c)
                c = pair.upper;
        ch = static_cast<char>(c);
    }
    return result;
}

} // namespace rq::report::render
