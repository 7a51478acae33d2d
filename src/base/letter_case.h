// Upper and lower case of Windows-1250 text by the code page's letters
// (the accented letters of Central European languages included): the one
// table behind the script library's case routines, case-blind lookups of
// names and expressions, hyphenation and the preview's search.
#pragma once

#include <string>
#include <string_view>

namespace rq::base {

std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
char AnsiUpperChar(char c);
char AnsiLowerChar(char c);
// Negative, 0 or positive, comparing the upper-case forms byte by byte.
int AnsiCompareText(std::string_view a, std::string_view b);

} // namespace rq::base
