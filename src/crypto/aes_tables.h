// The tables of the table-driven AES (FIPS-197): the S-box, its inverse and
// the four 32-bit tables that fold SubBytes and MixColumns into one look-up
// per byte. They are computed at compile time from the field arithmetic, so
// no hand-typed constant can be wrong.
#pragma once

#include <array>
#include <cstdint>

namespace rq::crypto::aes {

using ByteTable = std::array<std::uint8_t, 256>;
using WordTable = std::array<std::uint32_t, 256>;

// Multiplication by x (that is, 2) in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
constexpr std::uint8_t xtime(std::uint8_t a) {
    return static_cast<std::uint8_t>((a << 1) ^ ((a & 0x80) ? 0x1B : 0x00));
}

constexpr std::uint8_t gfMul(std::uint8_t a, std::uint8_t b) {
    std::uint8_t product = 0;
    for (; b != 0; b >>= 1, a = xtime(a))
        if (b & 1)
            product ^= a;
    return product;
}

// Multiplicative inverse, with 0 mapped to 0 (a^254 = a^-1). Square and
// multiply keeps it to a dozen products, so the whole S-box stays well inside
// every compiler's constant-evaluation step limit.
constexpr std::uint8_t gfInverse(std::uint8_t a) {
    std::uint8_t result = 1;
    for (unsigned exponent = 254; exponent != 0; exponent >>= 1, a = gfMul(a, a))
        if (exponent & 1)
            result = gfMul(result, a);
    return result;
}

constexpr std::uint8_t rotl8(std::uint8_t v, int n) {
    return static_cast<std::uint8_t>((v << n) | (v >> (8 - n)));
}

constexpr ByteTable makeSBox() {
    ByteTable box{};
    for (int i = 0; i < 256; ++i) {
        const auto b = gfInverse(static_cast<std::uint8_t>(i));
        box[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
            b ^ rotl8(b, 1) ^ rotl8(b, 2) ^ rotl8(b, 3) ^ rotl8(b, 4) ^ 0x63);
    }
    return box;
}

constexpr ByteTable invert(const ByteTable& box) {
    ByteTable inverse{};
    for (int i = 0; i < 256; ++i)
        inverse[box[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(i);
    return inverse;
}

constexpr std::uint32_t rotr32(std::uint32_t v, int n) {
    return (v >> n) | (v << (32 - n));
}

// Words hold a column with its first byte in the high bits (the standard's
// byte order). Table k is table 0 rotated right by 8k bits.
constexpr WordTable makeEncTable(const ByteTable& sbox, int k) {
    WordTable table{};
    for (std::size_t i = 0; i < 256; ++i) {
        const std::uint8_t s = sbox[i];
        const std::uint32_t column = std::uint32_t{gfMul(s, 2)} << 24 | std::uint32_t{s} << 16 |
                                     std::uint32_t{s} << 8 | gfMul(s, 3);
        table[i] = k == 0 ? column : rotr32(column, 8 * k);
    }
    return table;
}

inline constexpr ByteTable kSBox = makeSBox();
inline constexpr ByteTable kInvSBox = invert(kSBox);
inline constexpr std::array<WordTable, 4> kEncTables = {
    makeEncTable(kSBox, 0), makeEncTable(kSBox, 1), makeEncTable(kSBox, 2), makeEncTable(kSBox, 3)};

// Products used by InvMixColumns, which the inverse cipher applies per byte.
constexpr ByteTable makeMulTable(std::uint8_t factor) {
    ByteTable table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = gfMul(static_cast<std::uint8_t>(i), factor);
    return table;
}

inline constexpr ByteTable kMul9 = makeMulTable(9);
inline constexpr ByteTable kMul11 = makeMulTable(11);
inline constexpr ByteTable kMul13 = makeMulTable(13);
inline constexpr ByteTable kMul14 = makeMulTable(14);

static_assert(kSBox[0x00] == 0x63 && kSBox[0x53] == 0xED && kSBox[0xFF] == 0x16);
static_assert(kInvSBox[0x63] == 0x00 && kInvSBox[0x00] == 0x52);

} // namespace rq::crypto::aes
