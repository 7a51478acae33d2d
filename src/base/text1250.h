// Windows-1250 text: the 8-bit strings that the core stores, hashes and lays
// out, and their conversion to and from Unicode at the program's edges.
// Bytes that the code page leaves undefined (0x81 0x83 0x88 0x90 0x98) map to
// the Unicode code points of the same value, so every byte round-trips.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rq::base {

// An 8-bit Windows-1250 text. Algorithms that count characters from 1 use
// the helpers below rather than scattered "- 1"s.
using AnsiString = std::string;

// Unicode code point of one Windows-1250 byte.
char32_t cp1250ToUnicode(unsigned char byte);
// Windows-1250 byte of a code point, or '?' when the code page has none.
unsigned char unicodeToCp1250(char32_t codePoint);
// True when the code point has a Windows-1250 byte.
bool hasCp1250(char32_t codePoint);

std::string cp1250ToUtf8(std::string_view text);
// Malformed UTF-8 sequences become '?', as do characters outside the code page.
AnsiString utf8ToCp1250(std::string_view utf8);
// The characters of a UTF-8 text that Windows-1250 has no byte for, each once
// in order of first appearance (a malformed sequence counts as U+FFFD). Where
// text must not change silently, a non-empty answer refuses it.
std::u32string charactersOutside1250(std::string_view utf8);
// "U+5BC6 U+1F600": code points for messages, which are 8-bit text themselves.
AnsiString codePointNames(std::u32string_view codePoints);

// The 1-based character at position pos (1 <= pos <= size).
inline char charAt1(std::string_view text, std::size_t pos) {
    return text[pos - 1];
}
// Copy(text, index, count), clamped instead of failing: an index below 1 counts
// as 1, a range past the end is cut, an empty result for index > length.
AnsiString copy1(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count);
// Pos(sub, text): 1-based position of the first occurrence, 0 when absent
// (and for an empty sub).
std::size_t pos1(std::string_view sub, std::string_view text);

AnsiString upperCase(std::string_view text); // ASCII letters only, like UpperCase
AnsiString lowerCase(std::string_view text);
// Case-insensitive comparison of ASCII letters, used for names and keywords.
bool sameText(std::string_view a, std::string_view b);
int compareText(std::string_view a, std::string_view b);
AnsiString trim(std::string_view text); // removes bytes <= ' ' at both ends

} // namespace rq::base
