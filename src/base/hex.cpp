// Hexadecimal digits and byte strings.
#include "base/hex.h"

namespace rq::base {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

char hexDigitChar(unsigned value, HexLetters letters) {
    static constexpr std::string_view kUpper = "0123456789ABCDEF";
    static constexpr std::string_view kLower = "0123456789abcdef";
    return (letters == HexLetters::Upper ? kUpper : kLower)[value & 15];
}

std::string bytesToHex(std::string_view bytes, HexLetters letters) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += hexDigitChar(b >> 4, letters);
        hex += hexDigitChar(b, letters);
    }
    return hex;
}

std::optional<std::string> hexToBytes(std::string_view hex) {
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = hexDigitValue(hex[i]), low = hexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

} // namespace rq::base
