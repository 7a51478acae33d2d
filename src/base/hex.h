// Hexadecimal text: the digits, their values, and byte strings as two digits
// per byte (the report's picture data, the tool's keys and digests).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rq::base {

enum class HexLetters { Upper, Lower };

// The value of a hexadecimal digit of either case, or -1.
int hexDigitValue(char c);

// The digit of a value 0..15.
char hexDigitChar(unsigned value, HexLetters letters = HexLetters::Upper);

// Two digits per byte, the high half first.
std::string bytesToHex(std::string_view bytes, HexLetters letters = HexLetters::Upper);

// The bytes of an even-length string of digits of either case, or nothing
// when the text is not one.
std::optional<std::string> hexToBytes(std::string_view hex);

} // namespace rq::base
