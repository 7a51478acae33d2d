// Hyphenation candidates for WordBreak: positions after which a word may be
// split, by the vowel/consonant rules of the Windows-1251 Russian capitals.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rq::report::render {

// Candidate break positions (1-based: a break after character i) of an
// upper-cased word, in increasing order.
std::vector<int> SyllableBreaks(std::string_view word);

} // namespace rq::report::render
