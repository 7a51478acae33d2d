// Base64 encoding and the envelope's lenient decoding.
#include "crypto/base64.h"

#include "crypto/cipher_exception.h"

#include <array>

namespace rq::crypto {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';
constexpr unsigned char kFirstAllowed = '+';
constexpr unsigned char kLastAllowed = 'z';

// Six-bit value of every character; characters outside the alphabet are 0.
constexpr std::array<std::uint8_t, 256> makeDecodeTable() {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t i = 0; i < kAlphabet.size(); ++i)
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::uint8_t>(i);
    return table;
}

constexpr auto kDecode = makeDecodeTable();

void checkCharacters(std::string_view text) {
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < kFirstAllowed || code > kLastAllowed)
            raiseInvalidBase64Character();
    }
}

std::uint8_t sextet(std::string_view group, std::size_t index) {
    return kDecode[static_cast<unsigned char>(group[index])];
}

// Decodes one group of one to four characters onto out.
void decodeGroup(std::string_view group, Bytes& out) {
    if (group.size() < 2)
        return;
    const std::uint8_t a = sextet(group, 0), b = sextet(group, 1);
    out.push_back(static_cast<std::uint8_t>(a << 2 | b >> 4));
    if (group.size() < 3 || group[2] == kPad)
        return;
    const std::uint8_t c = sextet(group, 2);
    out.push_back(static_cast<std::uint8_t>(b << 4 | c >> 2));
    if (group.size() < 4 || group[3] == kPad)
        return;
    out.push_back(static_cast<std::uint8_t>(c << 6 | sextet(group, 3)));
}

} // namespace

std::string base64Encode(const Bytes& data) {
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < data.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, data.size() - i);
        std::uint32_t bits = std::uint32_t{data[i]} << 16;
        if (n > 1)
            bits |= std::uint32_t{data[i + 1]} << 8;
        if (n > 2)
            bits |= data[i + 2];
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? kAlphabet[(bits >> (18 - 6 * k)) & 0x3F] : kPad;
    }
    return out;
}

Bytes base64Decode(std::string_view text) {
    checkCharacters(text);
    Bytes out;
    out.reserve(text.size() / 4 * 3 + 2);
    for (std::size_t i = 0; i < text.size(); i += 4)
        decodeGroup(text.substr(i, 4), out);
    return out;
}

} // namespace rq::crypto
