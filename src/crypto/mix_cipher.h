// MixCipher: the 128-bit Feistel block cipher that finishes the pass-phrase
// digest. Its round function is QuadMix and its subkeys come from OctetMix.
#pragma once

#include <array>
#include <cstdint>

namespace rq::crypto {

struct MixSubkey {
    std::uint32_t s0;
    std::uint32_t s1;
};

struct MixCipherContext {
    bool encrypting = true;
    int rounds = 0; // 4 ... 16; only the first `rounds` subkeys are used
    // For decrypting, the first `rounds` subkeys are stored in reverse order,
    // which turns the same Feistel network into its inverse.
    std::array<MixSubkey, 16> subkeys{};
};

// Key schedule from a 16-byte key (little-endian words K0 ... K3); the round
// count is clamped to 4 ... 16.
MixCipherContext initMixCipher(const std::array<std::uint8_t, 16>& key, int rounds,
                               bool encrypting);

// Enciphers (or deciphers, per the context) one 16-byte block in place.
void mixCipherBlock(const MixCipherContext& context, std::uint8_t* block);

} // namespace rq::crypto
