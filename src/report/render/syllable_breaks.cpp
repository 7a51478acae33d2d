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

} // namespace rq::report::render
